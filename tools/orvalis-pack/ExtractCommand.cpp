// orvalis-pack extract: one entry to a file or standard output, or every
// entry under a folder with names that cannot leave it.
#include <cstdio>
#include <filesystem>
#include <set>

#include "PackCommands.h"
#include "ToolSupport.h"
#include "base/Ansi.h"
#include "base/ReplacingFile.h"

namespace orv::packtool {
namespace {

namespace fs = std::filesystem;

// The stored name as a relative path: "\", "/" and ":" separate; empty, "."
// and ".." parts are dropped. "C:\pics\a.png" -> "C/pics/a.png".
std::string SafeRelativePath(std::string_view ansiName) {
  std::string out, part;
  auto flush = [&] {
    if (!part.empty() && part != "." && part != "..") {
      if (!out.empty()) out.push_back('/');
      out += part;
    }
    part.clear();
  };
  for (const char c : ansiName) {
    if (c == '\\' || c == '/' || c == ':')
      flush();
    else if (c != '\0')
      part.push_back(c);
  }
  flush();
  return out.empty() ? std::string("unnamed") : AnsiToUtf8(out);
}

// A file that cannot be written whole keeps what it held.
bool WriteBytes(const fs::path& path, const std::string& bytes) { return ReplaceFileContent(path.string(), bytes) == 0; }

int ExtractAll(const std::string& file, const std::string& folder) {
  Package package;
  if (const std::string error = OpenForTool(package, file); !error.empty()) return Fail(error);
  std::set<std::string> used;
  int failures = 0;
  for (const LibRec& e : package.Entries()) {
    std::string relative = SafeRelativePath(e.Name);
    // A shadowed record keeps its bytes under a numbered name.
    for (int n = 2; used.count(relative); ++n) relative = SafeRelativePath(e.Name) + "~" + std::to_string(n);
    used.insert(relative);
    const fs::path target = fs::path(folder) / relative;
    std::string bytes;
    std::error_code ec;
    fs::create_directories(target.parent_path(), ec);
    if (package.LoadEntryToMemory(e, bytes) != pkg::kLoaded || !WriteBytes(target, bytes)) {
      std::fprintf(stderr, "orvalis-pack: cannot extract %s to '%s'\n", ShownText(e.Name).c_str(), target.c_str());
      ++failures;
    }
  }
  if (failures > 0) return Fail(std::to_string(failures) + " entries could not be extracted");
  std::printf("%zu entries extracted to %s\n", package.Entries().size(), folder.c_str());
  return 0;
}

}  // namespace

void HelpExtract() {
  std::puts(
      "Usage: orvalis-pack extract FILE NAME [-o OUT]\n"
      "       orvalis-pack extract --all FILE DIR\n"
      "The first form writes the content of the entry NAME (looked up as the\n"
      "player looks up names: without case, \"/\" also as \"\\\") to OUT, or to\n"
      "standard output. The second writes every entry under DIR: the stored name\n"
      "becomes a relative path (\"C:\\pics\\a.png\" -> DIR/C/pics/a.png) and a\n"
      "shadowed duplicate gets a \"~2\" suffix.");
}

int RunExtract(const Args& args) {
  if (!args.empty() && args[0] == "--all") {
    if (args.size() != 3) return Fail("extract --all: expected FILE and DIR");
    return ExtractAll(args[1], args[2]);
  }
  std::string file, name, out;
  bool haveName = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "-o" || args[i] == "--output") {
      if (++i == args.size()) return Fail("extract: -o needs a file name");
      out = args[i];
    } else if (file.empty()) {
      file = args[i];
    } else if (!haveName) {
      name = args[i];
      haveName = true;
    } else {
      return Fail("extract: unexpected argument '" + args[i] + "'");
    }
  }
  if (file.empty() || !haveName) return Fail("extract: expected FILE and NAME");
  Package package;
  if (const std::string error = OpenForTool(package, file); !error.empty()) return Fail(error);
  std::string bytes;
  const int code = package.LoadEntryToMemory(Utf8ToAnsi(name), bytes);
  if (code == pkg::kNoEntry) return Fail("no entry named '" + name + "' in '" + file + "'");
  if (code != pkg::kLoaded) return Fail("entry '" + name + "' is damaged");
  if (out.empty()) {
    if (std::fwrite(bytes.data(), 1, bytes.size(), stdout) != bytes.size() || std::fflush(stdout) != 0)
      return Fail("cannot write to standard output");
    return 0;
  }
  if (!WriteBytes(out, bytes)) return Fail("cannot write '" + out + "'");
  return 0;
}

}  // namespace orv::packtool
