#pragma once
// A headless engine with the core command bodies, for tests that run
// scripts and look at the variables afterwards.
#include <gtest/gtest.h>

#include <string>

#include "commands/CoreCommands.h"
#include "script/Engine.h"
#include "script/HeadlessScriptHost.h"
#include "script/HeadlessVarHost.h"

namespace orv::test {

// Counts what the evaluator asks of its host.
class CountingScriptHost : public THeadlessScriptHost {
 public:
  CountingScriptHost() : THeadlessScriptHost(nullptr) {}
  void ServeUserInterface() override { ++served; }
  void ServeCloseRequest() override { ++closeChecks; }
  void RestartIdleTimer() override { ++idleRestarts; }
  bool SinglePageTestRun() override { return singlePage; }
  bool ResolveEntryName(std::string_view name, std::string& entry) override {
    if (name != "pic.png") return false;
    entry = "Pictures\\pic.png";
    return true;
  }
  int served = 0, closeChecks = 0, idleRestarts = 0;
  bool singlePage = false;
};

class ScriptTest : public ::testing::Test {
 protected:
  ScriptTest() { RegisterCoreCommands(engine.Commands()); }

  // Runs `script` (lines joined with CR LF) as an outermost script.
  int Run(const std::string& script, std::uint8_t options = 0, std::uint8_t source = 52,
          const std::string& sourceName = "") {
    return engine.RunScript(script, options, source, 26, sourceName);
  }
  std::string Var(const std::string& name) { return vars.GetVar(name); }
  std::string LastError() { return vars.GetVar("LastError"); }
  // "Name=Value" of every global but LastError, in store order, joined by ";".
  std::string Globals() {
    std::string out;
    for (const VarEntry& e : vars.Globals()) {
      if (e.Name == "LastError") continue;
      if (!out.empty()) out += ";";
      out += e.Name + "=" + e.Value;
    }
    return out;
  }

  THeadlessVarHost varHost;
  TVars vars{varHost};
  CountingScriptHost host;
  TScriptEngine engine{vars, host};
};

}  // namespace orv::test
