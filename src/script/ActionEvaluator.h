#pragma once
// One run of one action script. The evaluator walks the compiled lines,
// keeps the block structure by skipping, prepares each command's parameters
// by their types into buffers it reuses from line to line, and calls the
// body bound to the command's id. Runs nest (GoSub, events served between
// lines); each has its own evaluator, created by TScriptEngine.
#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "script/ActionManager.h"
#include "script/CompiledScript.h"
#include "script/EngineRuns.h"
#include "script/Vars.h"

namespace orv {

class TScriptEngine;
class TScriptHost;

// Option bits given by whoever starts a script.
enum : std::uint8_t {
  eoNoPageChange = 1,  // page-changing commands are action errors
  eoRestricted = 2,    // from a hosted web page: dangerous commands refused
  eoRunNow = 4         // exclusive: nothing is served between lines
};

class TActionEval {
 public:
  TActionEval(const TActionEval&) = delete;
  TActionEval& operator=(const TActionEval&) = delete;
  // Gives back the caller's local store and "[Self]" (and, through the run
  // guard, the engine's counters); runs also when a command body throws.
  ~TActionEval();

  // --- For command bodies ----------------------------------------------
  int ParamCount() const { return paramCount_; }
  // Parameter n (1-based) as prepared; empty beyond ParamCount().
  const std::string& Param(int n) const;
  // True when preparation removed a leading "!" from parameter n.
  bool IsLiteral(int n) const;
  // Parameter n as written in the line (for the commands that prepare
  // their own parameters); empty beyond ParamCount().
  std::string_view RawParam(int n) const;
  // Prepares the written parameter n by `type` into Param(n) and returns it.
  const std::string& PrepareParam(int n, std::uint8_t type, bool currencyMode = false, bool evaluate = true);
  // Preparation of any text by a parameter type code; returns the literal
  // flag. `out` must not share storage with `text`.
  bool PrepareParameter(std::string_view text, std::uint8_t type, bool currencyMode, bool evaluate,
                        std::string& out);

  std::uint8_t Options() const { return options_; }
  std::uint8_t Source() const { return source_; }
  const std::string& SourceName() const { return sourceName_; }
  int Serial() const { return run_.Serial(); }
  int Generation() const { return run_.Generation(); }
  int StopCode() const { return stopCode_; }
  void SetStopCode(int code) { stopCode_ = code; }
  const TCompiledScript& Script() const { return *script_; }
  // Line n with leading blanks removed; empty beyond the last line.
  std::string_view CurrentLine(int n) const { return script_->CurrentLine(n); }
  std::string_view LineText() const { return lineText_; }
  std::string_view CommandWordUpper() const { return line_ ? std::string_view(line_->CommandWordUpper) : std::string_view(); }
  const ActionGroupRec* CurrentGroup() const { return currentGroup_; }
  const ActionRec* CurrentAction() const { return currentAction_; }
  // Adds one to this run's share of the engine's exclusive counter.
  void AddExclusive() { run_.AddExclusive(); }
  int ExclusiveAdded() const { return run_.ExclusiveAdded(); }

  // Raises an action error: "[LastError]" gets the command word, CR, CR and
  // the error's text, and the run stops (an attached debugger may decide
  // otherwise).
  void ActionError(int code, std::string_view data = {});

  TVars& Vars() { return vars_; }
  TScriptHost& Host();
  TScriptEngine& Engine() { return engine_; }

  // --- Block state and position (control flow, Menu) ---------------------
  int LineIndex = 0;       // 1-based line being executed; 0 before the first
  int SkipAfterNext = 0;   // lines jumped over after the next line is read
  int DebugOffCount = 0;
  bool ReturnRequested = false;
  std::uint8_t SkipState = ssExecuting;
  int IfDepth = 0;
  int WhileDepth = 0;
  int LoopDepth = 0;
  bool LoopContinue = false;

  // Enters a skip state from executing, on the line being handled (which
  // must begin that kind of skip); the lines passed over may be stepped
  // over at once.
  void BeginSkip(std::uint8_t state);
  // Moves LineIndex so that the first line equal to the label (":" added
  // when missing, case ignored) runs next; false when there is none.
  bool FindLabel(std::string_view label);
  // The opening line of the block enclosing the current line: searching
  // back from the line before it, "END"+name or "END"+otherName opens a
  // nesting level that name or otherName closes. With `jump` the opening
  // line runs next. Returns the line found, 0 when none.
  int FindBlockStart(std::string_view name, std::string_view otherName, bool jump);

 private:
  friend class TScriptEngine;
  TActionEval(TScriptEngine& engine, TEngineRuns& runs, std::shared_ptr<const TCompiledScript> script,
              std::uint8_t options, std::uint8_t source, int objectType, std::string_view sourceName);

  // PrepareParameter for a text whose "[" was looked for already (the
  // compiled line knows it of every parameter).
  bool PrepareParameter(std::string_view text, bool hasReference, std::uint8_t type, bool currencyMode,
                        bool evaluate, std::string& out);
  void RunLines();
  void HandleCommandLine();
  void Dispatch(int id);
  void ReportLine(int code);
  bool Restricted(const ActionGroupRec& group, int id) const;

  TScriptEngine& engine_;
  TVars& vars_;
  std::shared_ptr<const TCompiledScript> script_;
  std::uint8_t options_;
  std::uint8_t source_;
  std::string sourceName_;
  TEngineRuns::TRunGuard run_;
  int stopCode_ = 0;
  bool started_ = false;
  bool recordedSelf_ = false;
  std::string savedSelf_;
  std::unique_ptr<TVarStringList> savedLocals_;

  const ScriptLineRec* line_ = nullptr;  // the line being handled
  std::string_view lineText_;
  const ActionGroupRec* currentGroup_ = nullptr;
  const ActionRec* currentAction_ = nullptr;

  int paramCount_ = 0;
  std::array<std::string, kMaxParams> params_;
  std::array<bool, kMaxParams> literal_{};
};

}  // namespace orv
