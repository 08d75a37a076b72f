// Runs an action script headless with the core commands.
#include <unistd.h>

#include <climits>
#include <cstdio>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "ScriptCheck.h"
#include "base/Ansi.h"
#include "base/HostPath.h"
#include "base/PathNames.h"
#include "commands/CoreCommands.h"
#include "commands/variables/VariablesFile.h"
#include "container/Package.h"
#include "script/Engine.h"
#include "script/HeadlessScriptHost.h"
#include "script/HeadlessVarHost.h"

namespace orv {
namespace {

constexpr int kExitStopped = 1;
constexpr int kExitUsage = 2;

void PrintHelp() {
  std::puts(
      "Usage: orvalis-script [options] FILE\n"
      "Runs the action script in FILE (\"-\" for standard input) headless, as one\n"
      "outermost script with the core commands.\n"
      "\n"
      "  --save-vars OUT       after the run, write the global variables to OUT as\n"
      "                        SaveVariables does (\"-\" for standard output)\n"
      "  --set NAME=VALUE      assign a variable before the run (repeatable)\n"
      "  --pub-dir DIR         the publication folder (default: the current one)\n"
      "  --package FILE        open a package first\n"
      "  --subroutines FILE    the subroutine library for GoSub\n"
      "  --trace               print each executed line to standard error as\n"
      "                        serial:line: text\n"
      "  --check               run nothing; report the lines that would fail\n"
      "  --help                show this help and exit\n"
      "  --version             show the version and exit\n"
      "\n"
      "Exit status: 0 when the script ran to its end, 1 when an action error\n"
      "stopped it, 2 for a usage or file error.");
}

int UsageError(const std::string& text) {
  std::fprintf(stderr, "orvalis-script: %s\n", text.c_str());
  return kExitUsage;
}

bool ReadWholeFile(const std::string& path, std::string& text) {
  if (path == "-") {
    text.assign(std::istreambuf_iterator<char>(std::cin), std::istreambuf_iterator<char>());
    return !std::cin.bad();
  }
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::ostringstream buffer;
  buffer << in.rdbuf();
  text = buffer.str();
  return !in.bad();
}

// One line for the terminal: the two line breaks after the command word
// become ": ", any other line break a blank.
std::string OneLine(std::string_view text) {
  std::string line;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text.substr(i, 2) == "\r\r") {
      line += ": ";
      ++i;
    } else if (text[i] == '\r' || text[i] == '\n') {
      if (!(text[i] == '\n' && i > 0 && text[i - 1] == '\r')) line += ' ';
    } else {
      line += text[i];
    }
  }
  return AnsiToUtf8(line);
}

// Shown errors are printed where they arise: the file of the script that
// failed (the main script, or the subroutine library for a GoSub) and the
// line in it.
class RunnerVarHost : public THeadlessVarHost {
 public:
  RunnerVarHost(std::string scriptFile, std::string subroutinesFile)
      : scriptFile_(std::move(scriptFile)), subroutinesFile_(std::move(subroutinesFile)) {}
  void SetEngine(TScriptEngine* engine) { engine_ = engine; }
  void LastErrorAssigned(std::string_view text, bool display) override {
    const TActionEval* eval = engine_ ? engine_->Current() : nullptr;
    lastPlace_ = (eval && eval->Source() == srcSubroutine ? subroutinesFile_ : scriptFile_) + ":" +
                 std::to_string(eval ? eval->LineIndex : 0);
    lastShown_ = display;
    if (display) PrintLast(text);
  }
  // The last "[LastError]" text with the place it was assigned at.
  void PrintLast(std::string_view text) const {
    std::fprintf(stderr, "%s: %s\n", lastPlace_.c_str(), OneLine(text).c_str());
  }
  bool LastShown() const { return lastShown_; }

 private:
  std::string scriptFile_;
  std::string subroutinesFile_;
  TScriptEngine* engine_ = nullptr;
  std::string lastPlace_;
  bool lastShown_ = false;
};

// File parameters name the entries of the opened package.
class PackageScriptHost : public THeadlessScriptHost {
 public:
  explicit PackageScriptHost(Package* package) : package_(package) {}
  Package* PublicationPackage() override { return package_; }
  void MapEmbeddedTestName(std::string& name) override {
    if (package_) name = package_->MapEmbeddedName(name);
  }
  bool ResolveEntryName(std::string_view name, std::string& entry) override {
    if (!package_) return false;
    entry = package_->ResolveEntryName(name);
    return entry != name;
  }

 private:
  Package* package_;
};

struct Options {
  std::string file;
  std::string saveVars;
  std::vector<std::string> sets;
  std::string pubDir;
  std::string package;
  std::string subroutines;
  bool trace = false;
  bool check = false;
};

// Absolute, so that it still names the same file after the change of folder.
std::string Absolute(const std::string& path) {
  if (path.empty() || path == "-" || path.front() == '/') return path;
  char buf[PATH_MAX];
  if (!::getcwd(buf, sizeof buf)) return path;
  return std::string(buf) + "/" + path;
}

int Main(int argc, char** argv) {
  Options o;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) return false;
      out = argv[++i];
      return true;
    };
    if (arg == "--help" || arg == "-h") {
      PrintHelp();
      return 0;
    }
    if (arg == "--version") {
      std::printf("orvalis-script %s\n", ORVALIS_VERSION);
      return 0;
    }
    std::string v;
    if (arg == "--save-vars") {
      if (!value(o.saveVars)) return UsageError("--save-vars needs a file name");
    } else if (arg == "--set") {
      if (!value(v) || v.find('=') == std::string::npos || v.front() == '=')
        return UsageError("--set needs NAME=VALUE");
      o.sets.push_back(v);
    } else if (arg == "--pub-dir") {
      if (!value(o.pubDir)) return UsageError("--pub-dir needs a folder");
    } else if (arg == "--package") {
      if (!value(o.package)) return UsageError("--package needs a file name");
    } else if (arg == "--subroutines") {
      if (!value(o.subroutines)) return UsageError("--subroutines needs a file name");
    } else if (arg == "--trace") {
      o.trace = true;
    } else if (arg == "--check") {
      o.check = true;
    } else if (arg.size() > 1 && arg.front() == '-') {
      return UsageError("unknown option " + arg + " (see --help)");
    } else if (o.file.empty()) {
      o.file = arg;
    } else {
      return UsageError("only one script file may be given");
    }
  }
  if (o.file.empty()) return UsageError("no script file given (see --help)");

  std::string script;
  if (!ReadWholeFile(o.file, script)) return UsageError("cannot read " + o.file + ": " + std::strerror(errno));
  std::string subroutines;
  if (!o.subroutines.empty() && !ReadWholeFile(o.subroutines, subroutines))
    return UsageError("cannot read " + o.subroutines + ": " + std::strerror(errno));

  if (o.check) {
    TCompiledScript compiled(script, ActionRegistry());
    const std::vector<ScriptFault> faults = CheckScript(compiled);
    for (const ScriptFault& f : faults)
      std::printf("%s:%d: %s\n", o.file.c_str(), f.Line, AnsiToUtf8(f.Message).c_str());
    return faults.empty() ? 0 : kExitStopped;
  }
  Package package;
  // A ".pkg" file is written in the form a running publication reloads.
  const bool reloadForm = AnsiSameText(ExtractFileExt(o.package), ".pkg");
  if (!o.package.empty() && package.OpenPackage(Absolute(o.package), reloadForm) != pkg::kOpened)
    return UsageError("cannot open the package " + o.package);

  const std::string saveVars = Absolute(o.saveVars);
  if (!o.pubDir.empty() && ::chdir(o.pubDir.c_str()) != 0)
    return UsageError("cannot use " + o.pubDir + " as the publication folder: " + std::strerror(errno));
  char cwd[PATH_MAX];
  const std::string pubDir = ::getcwd(cwd, sizeof cwd) ? ScriptFolder(cwd) : std::string();

  RunnerVarHost varHost(o.file, o.subroutines);
  varHost.SetValue(svPubDir, pubDir);
  TVars vars(varHost);
  PackageScriptHost host(package.IsOpen() ? &package : nullptr);
  TScriptEngine engine(vars, host);
  varHost.SetEngine(&engine);
  RegisterCoreCommands(engine.Commands());
  engine.SetSubroutineLibrary(subroutines);
  if (o.trace)
    engine.SetLineTracer([](const TActionEval& eval) {
      std::fprintf(stderr, "%d:%d: %s\n", eval.Serial(), eval.LineIndex, AnsiToUtf8(eval.LineText()).c_str());
    });
  for (const std::string& set : o.sets) {
    const std::size_t eq = set.find('=');
    vars.SetVar(Utf8ToAnsi(set.substr(0, eq)), Utf8ToAnsi(set.substr(eq + 1)));
  }

  int stop = 0;
  int status = 0;
  try {
    stop = engine.RunScript(script);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvalis-script: %s\n", e.what());
    status = kExitStopped;
  }
  if (stop != 0) {
    status = kExitStopped;
    // Already printed when error display was on.
    if (!varHost.LastShown()) varHost.PrintLast(vars.GetVar("LastError"));
  }

  if (!saveVars.empty()) {
    const std::string text = VariablesFileText(vars.Globals());
    if (saveVars == "-") {
      std::fwrite(text.data(), 1, text.size(), stdout);
    } else {
      std::ofstream out(saveVars, std::ios::binary | std::ios::trunc);
      out.write(text.data(), static_cast<std::streamsize>(text.size()));
      if (!out.flush()) return UsageError("cannot write " + o.saveVars + ": " + std::strerror(errno));
    }
  }
  return status;
}

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
  try {
    return orv::Main(argc, argv);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "orvalis-script: %s\n", e.what());
    return 2;
  }
}
