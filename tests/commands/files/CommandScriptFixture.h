#pragma once
// Scripts run through the headless engine with the core command bodies, in a
// scratch folder that is the publication folder ("[PubDir]").
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "commands/CoreCommands.h"
#include "container/Package.h"
#include "container/PackageWriter.h"
#include "script/Engine.h"
#include "script/HeadlessScriptHost.h"
#include "script/HeadlessVarHost.h"

namespace orv::test {

class CommandScratchFolder {
 public:
  CommandScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orv-cmd-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("no scratch folder");
    path_ = pattern;
  }
  ~CommandScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  CommandScratchFolder(const CommandScratchFolder&) = delete;
  CommandScratchFolder& operator=(const CommandScratchFolder&) = delete;

  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline bool PathExists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

// Writes fail once a file would grow past a few bytes, as on a full disk.
class FileSizeLimit {
 public:
  FileSizeLimit() {
    old_ = ::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &saved_);
    rlimit small = saved_;
    small.rlim_cur = 8;
    ::setrlimit(RLIMIT_FSIZE, &small);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &saved_);
    ::signal(SIGXFSZ, old_);
  }

 private:
  rlimit saved_{};
  void (*old_)(int) = nullptr;
};

// A publication program: a stand-in player followed by a package of
// `entries` (compressed unless they say otherwise).
inline std::string PublicationWith(std::vector<PackageEntrySource> entries, std::uint8_t debug = 0) {
  PackageLayout layout;
  layout.Player = "player";
  layout.Header.Debug = debug;
  layout.Entries = std::move(entries);
  return BuildPackage(layout);
}

// The user's configuration folder ($XDG_CONFIG_HOME), and the registry store
// in it, moved to `folder` while this lives.
class ConfigFolderOverride {
 public:
  explicit ConfigFolderOverride(const std::string& folder) {
    if (const char* old = std::getenv("XDG_CONFIG_HOME")) saved_ = old;
    ::setenv("XDG_CONFIG_HOME", folder.c_str(), 1);
  }
  ~ConfigFolderOverride() {
    if (saved_)
      ::setenv("XDG_CONFIG_HOME", saved_->c_str(), 1);
    else
      ::unsetenv("XDG_CONFIG_HOME");
  }
  ConfigFolderOverride(const ConfigFolderOverride&) = delete;
  ConfigFolderOverride& operator=(const ConfigFolderOverride&) = delete;

 private:
  std::optional<std::string> saved_;
};

// A host without a window that may have a package open, answering the
// package questions as the player does.
class CommandScriptHost : public THeadlessScriptHost {
 public:
  CommandScriptHost() : THeadlessScriptHost(nullptr) {}
  Package* PublicationPackage() override { return package; }
  bool ResolveEntryName(std::string_view name, std::string& entry) override {
    if (!package) return false;
    entry = package->ResolveEntryName(name);
    return entry != name;
  }
  void MapEmbeddedTestName(std::string& name) override {
    if (package) name = package->MapEmbeddedName(name);
  }
  Package* package = nullptr;
};

class CommandScriptTest : public ::testing::Test {
 protected:
  CommandScriptTest() {
    RegisterCoreCommands(engine.Commands());
    varHost.SetValue(svPubDir, dir.Path() + "/");
    varHost.SetValue(svPubDrive, "");
  }

  // Runs the lines as one script; returns its stop code.
  int Run(const std::vector<std::string>& lines) {
    std::string script;
    for (const std::string& line : lines) script.append(line).append("\r\n");
    return engine.RunScript(script, 0, 52, 26, "");
  }
  int Run(const char* line) { return Run(std::vector<std::string>{line}); }
  std::string Var(const std::string& name) { return vars.GetVar(name); }
  std::string LastError() { return vars.GetVar("LastError"); }
  std::string File(const std::string& name) { return ReadBytes(dir / name); }
  void Put(const std::string& name, const std::string& bytes) { WriteBytes(dir / name, bytes); }

  CommandScratchFolder dir;
  THeadlessVarHost varHost;
  TVars vars{varHost};
  CommandScriptHost host;
  TScriptEngine engine{vars, host};
};

}  // namespace orv::test
