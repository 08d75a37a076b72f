#pragma once
// The reports a running script gives an attached script debugger, and its
// answer to an error. The default debugger is not attached and does nothing;
// the debugger link of a test run overrides it.
#include <string_view>

namespace orv {

class TActionEval;

// Line codes of ReportLine.
enum : int {
  dlPassed = 0,    // passed over while skipping a block
  dlExecuted = 1,  // executed, or a block keyword acted on
  dlError = 2,     // "[LastError]" received a text
  dlComment = 3,   // comment or label
  dlNewRun = 4     // a new outermost run begins
};

// Answers of ReportDebugError.
enum : int { daStop = 1, daEndPublication = 3 };

class TEngineDebugger {
 public:
  virtual ~TEngineDebugger() = default;
  // Reports are made only while this is true.
  virtual bool Attached() const { return false; }
  virtual void ReportLine(int /*serial*/, std::string_view /*text*/, int /*code*/) {}
  virtual void ReportLineComplete(const TActionEval& /*eval*/) {}
  virtual void ReportScriptStart(int /*serial*/, std::string_view /*sourceName*/, int /*objectType*/,
                                 int /*source*/) {}
  // An action error or a break point; the answer decides what follows
  // (daStop, daEndPublication, anything else continues).
  virtual int ReportDebugError(std::string_view /*script*/, std::string_view /*error*/,
                               std::string_view /*sourceName*/, bool /*breakPoint*/, int /*line*/,
                               int /*source*/) {
    return daStop;
  }
};

}  // namespace orv
