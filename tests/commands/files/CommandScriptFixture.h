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
#include <string>
#include <vector>

#include "commands/CoreCommands.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"

namespace orv::test {

class ScratchFolder {
 public:
  ScratchFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "orv-cmd-XXXXXX").string();
    if (!::mkdtemp(pattern.data())) throw std::runtime_error("no scratch folder");
    path_ = pattern;
  }
  ~ScratchFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

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

  ScratchFolder dir;
  THeadlessVarHost varHost;
  TVars vars{varHost};
  THeadlessScriptHost host{nullptr};
  TScriptEngine engine{vars, host};
};

}  // namespace orv::test
