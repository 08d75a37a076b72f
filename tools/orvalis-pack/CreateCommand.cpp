// orvalis-pack create: writes a package in exactly the layout the player reads.
#include <algorithm>
#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>

#include "PackCommands.h"
#include "ToolSupport.h"
#include "base/Ansi.h"
#include "base/PathNames.h"
#include "container/PackageWriter.h"

namespace orv::packtool {
namespace {

namespace fs = std::filesystem;

// One FILE or --dir DIR on the command line with the options that follow it.
struct EntryGroup {
  bool isDir = false;
  std::string path;    // host path
  std::string name;    // --name (UTF-8), FILE only
  std::string prefix;  // --prefix (UTF-8), --dir only
  bool compress = true;
  std::optional<int> kind;
  bool picture = false;
  std::int32_t width = 0, height = 0;
  bool alpha = false;
};

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) return std::nullopt;
  return bytes;
}

std::uint8_t DefaultKind(std::string_view ansiName) {
  if (AnsiSameText(ansiName, kDocumentEntryName)) return kind::kDocument;
  const std::string_view ext = ExtractFileExt(ansiName);
  if (AnsiSameText(ext, ".ttf") || AnsiSameText(ext, ".otf")) return kind::kFont;
  return kind::kMedia;
}

class CreateParser {
 public:
  explicit CreateParser(const Args& args) : args_(args) {}

  // Empty on success, else the message.
  std::string Parse() {
    if (args_.empty()) return "create: no output file given";
    layout.Header.ReloadForm = AnsiSameText(ExtractFileExt(args_[0]), ".pkg");
    out = args_[0];
    for (pos_ = 1; pos_ < args_.size(); ++pos_) {
      const std::string& a = args_[pos_];
      std::string error = a.starts_with("--") && a.size() > 2 ? Option(a) : AddGroup(false, a);
      if (!error.empty()) return error;
    }
    if (groups.empty()) return "create: no entries given";
    return {};
  }

  PackageLayout layout;
  std::vector<EntryGroup> groups;
  std::string out;
  std::string player;

 private:
  std::optional<std::string> Word() {
    if (pos_ + 1 >= args_.size()) return std::nullopt;
    return args_[++pos_];
  }
  std::optional<std::int64_t> Number(std::int64_t low, std::int64_t high) {
    const auto word = Word();
    if (!word) return std::nullopt;
    const auto value = ParseInteger(*word);
    if (!value || *value < low || *value > high) return std::nullopt;
    return value;
  }
  std::string AddGroup(bool isDir, const std::string& path) {
    EntryGroup g;
    g.isDir = isDir;
    g.path = path;
    groups.push_back(g);
    return {};
  }

  std::string Option(const std::string& a) {
    const std::string bad = "create: " + a + " needs a valid value";
    constexpr std::int64_t kMin = INT32_MIN, kMax = INT32_MAX;
    PackageHeader& h = layout.Header;
    EntryGroup* g = groups.empty() ? nullptr : &groups.back();
    auto text = [&](std::string& into) {
      const auto w = Word();
      if (!w) return bad;
      into = Utf8ToAnsi(*w);
      return std::string();
    };
    if (a == "--player") {
      const auto w = Word();
      if (!w) return bad;
      player = *w;
    } else if (a == "--builder") {
      const auto v = Number(kMin, kMax);
      if (!v) return bad;
      h.Builder = static_cast<std::int32_t>(*v);
    } else if (a == "--debug") {
      const auto v = Number(0, 255);
      if (!v) return bad;
      h.Debug = static_cast<std::uint8_t>(*v == 3 ? 2 : *v);
      if (*v == 3) h.HasStartPage = true;
    } else if (a == "--start-page") {
      const auto v = Number(kMin, kMax);
      if (!v) return bad;
      h.HasStartPage = true;
      h.StartPage = static_cast<std::int32_t>(*v);
      if (h.Debug == 0) h.Debug = 2;
    } else if (a == "--debugger-folder") {
      return text(h.DebuggerFolder);
    } else if (a == "--project-folder") {
      return text(h.ProjectFolder);
    } else if (a == "--debug-extra") {
      return text(h.DebugExtra);
    } else if (a == "--icon") {
      return text(h.IconFile);
    } else if (a == "--run-mode") {
      const auto v = Number(0, 255);
      if (!v) return bad;
      h.RunMode = static_cast<std::uint8_t>(*v);
    } else if (a == "--single-instance") {
      h.SingleInstance = 1;
    } else if (a == "--display") {
      const auto w = Number(kMin, kMax), ht = Number(kMin, kMax), bpp = Number(0, 255);
      if (!w || !ht || !bpp) return bad;
      h.DisplayChange = 1;
      h.DisplayWidth = static_cast<std::int32_t>(*w);
      h.DisplayHeight = static_cast<std::int32_t>(*ht);
      h.DisplayBitsPerPixel = static_cast<std::uint8_t>(*bpp);
    } else if (a == "--splash") {
      return text(h.Splash);
    } else if (a == "--preview") {
      return text(h.Preview);
    } else if (a == "--pkg") {
      h.ReloadForm = true;
    } else if (a == "--trailing") {
      const auto v = Number(0, 1 << 20);
      if (!v) return bad;
      layout.TrailingBytes = static_cast<std::size_t>(*v);
    } else if (a == "--dir") {
      const auto w = Word();
      if (!w) return bad;
      return AddGroup(true, *w);
    } else if (a == "--name" || a == "--prefix" || a == "--raw" || a == "--zlib" || a == "--kind" ||
               a == "--picture" || a == "--alpha") {
      if (!g) return "create: " + a + " must follow a FILE or --dir DIR";
      if (a == "--name" || a == "--prefix") {
        const auto w = Word();
        if (!w) return bad;
        if ((a == "--name") == g->isDir) return "create: " + a + (g->isDir ? " needs a FILE" : " needs --dir DIR");
        (a == "--name" ? g->name : g->prefix) = *w;
      } else if (a == "--raw" || a == "--zlib") {
        g->compress = a == "--zlib";
      } else if (a == "--kind") {
        const auto v = Number(0, 255);
        if (!v) return bad;
        g->kind = static_cast<int>(*v);
      } else if (a == "--picture") {
        const auto w = Number(kMin, kMax), ht = Number(kMin, kMax);
        if (!w || !ht) return bad;
        g->picture = true;
        g->width = static_cast<std::int32_t>(*w);
        g->height = static_cast<std::int32_t>(*ht);
      } else {
        g->alpha = true;
      }
    } else {
      return "create: unknown option '" + a + "'";
    }
    return {};
  }

  const Args& args_;
  std::size_t pos_ = 0;
};

std::string AddFile(const EntryGroup& g, const std::string& path, const std::string& ansiName,
                    std::vector<PackageEntrySource>& entries) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) return "cannot read '" + path + "'";
  PackageEntrySource e;
  e.Name = ansiName;
  e.Data = *bytes;
  e.Compress = g.compress;
  e.Kind = g.kind ? static_cast<std::uint8_t>(*g.kind) : g.picture ? kind::kPicture : DefaultKind(ansiName);
  e.Width = g.width;
  e.Height = g.height;
  e.HasAlpha = g.alpha;
  entries.push_back(std::move(e));
  return {};
}

std::string Expand(const EntryGroup& g, std::vector<PackageEntrySource>& entries) {
  if (!g.isDir) {
    const std::string name = g.name.empty() ? fs::path(g.path).filename().string() : g.name;
    return AddFile(g, g.path, Utf8ToAnsi(name), entries);
  }
  std::error_code ec;
  std::vector<fs::path> files;
  for (fs::recursive_directory_iterator it(g.path, ec), end; !ec && it != end; it.increment(ec))
    if (it->is_regular_file()) files.push_back(it->path());
  if (ec) return "cannot list '" + g.path + "'";
  std::sort(files.begin(), files.end());
  for (const fs::path& file : files) {
    std::string relative = fs::relative(file, g.path).generic_string();
    std::replace(relative.begin(), relative.end(), '/', '\\');
    if (std::string error = AddFile(g, file.string(), Utf8ToAnsi(g.prefix + relative), entries); !error.empty())
      return error;
  }
  return {};
}

}  // namespace

void HelpCreate() {
  std::puts(
      "Usage: orvalis-pack create OUT [options] ENTRY...\n"
      "Writes a package to OUT: entries back to back, the directory deflated at\n"
      "the maximum level, its pointer and the marker. OUT ending in .pkg (or\n"
      "--pkg) is written in the reload form, without the run-mode, single-instance,\n"
      "display, splash and preview fields.\n"
      "\n"
      "Header options:\n"
      "  --player FILE          put FILE (a player program) in front of the package\n"
      "  --builder N            builder number (default 0)\n"
      "  --debug N              0 ordinary, 1 single-page test, 2 test run,\n"
      "                         3 test run from --start-page\n"
      "  --start-page P         test run from page P (stores debug byte 3)\n"
      "  --debugger-folder T  --project-folder T  --debug-extra T  --icon T\n"
      "                         the four test-run texts (stored when debug is not 0)\n"
      "  --run-mode N           0 windowed (default), 1 screen saver, 2 tray\n"
      "  --single-instance      only one instance may run\n"
      "  --display W H BPP      change the display at start (run mode 0)\n"
      "  --splash NAME          entry shown while the document loads\n"
      "  --preview NAME         screen-saver preview entry (run mode 1)\n"
      "  --trailing N           N zero bytes after the marker\n"
      "\n"
      "Entries, in directory order (a later entry shadows an earlier one of the\n"
      "same name; the document RUNTIME.PUB usually comes last):\n"
      "  FILE                   add FILE; the options after it describe it:\n"
      "    --name NAME          stored name (default: FILE's own file name)\n"
      "    --raw | --zlib       stored raw or as a zlib stream (default --zlib)\n"
      "    --kind K             entry kind (default 1 for RUNTIME.PUB, 6 for .ttf\n"
      "                         and .otf, 3 with --picture, else 4)\n"
      "    --picture W H        a picture (kind 3) of W x H pixels\n"
      "    --alpha              the picture has an alpha channel\n"
      "  --dir DIR              add every file under DIR in name order, named by\n"
      "                         its path below DIR with \"\\\" separators; --prefix P\n"
      "                         puts P in front, --raw/--zlib/--kind apply to all\n"
      "\n"
      "Example:\n"
      "  orvalis-pack create book.exe --player orvalis --splash 'C:\\art\\s.png' \\\n"
      "    s.png --name 'C:\\art\\s.png' --picture 640 480 \\\n"
      "    notes.txt --name 'embedded:\\\\\\notes.txt' --raw  RUNTIME.PUB");
}

int RunCreate(const Args& args) {
  CreateParser parser(args);
  if (const std::string error = parser.Parse(); !error.empty()) return Fail(error);
  PackageLayout& layout = parser.layout;
  if (!parser.player.empty()) {
    const auto player = ReadWholeFile(parser.player);
    if (!player) return Fail("cannot read the player '" + parser.player + "'");
    layout.Player = *player;
  }
  for (const EntryGroup& g : parser.groups)
    if (const std::string error = Expand(g, layout.Entries); !error.empty()) return Fail(error);

  std::FILE* file = std::fopen(parser.out.c_str(), "wb");
  if (!file) return Fail("cannot create '" + parser.out + "'");
  std::string error;
  const bool written = WritePackage(
      layout, [&](std::string_view bytes) { return std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size(); },
      error);
  const bool closed = std::fclose(file) == 0;
  if (!written || !closed) {
    std::remove(parser.out.c_str());
    return Fail(error.empty() ? "cannot write '" + parser.out + "'" : error);
  }
  return 0;
}

}  // namespace orv::packtool
