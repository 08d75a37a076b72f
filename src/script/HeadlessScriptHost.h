#pragma once
// The script host of a run without a window (orvalis-script, tests).
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "script/ScriptHost.h"

namespace orv {

// No window: nothing to serve, shown errors go to standard error (and are
// kept for tests).
class THeadlessScriptHost : public TScriptHost {
 public:
  explicit THeadlessScriptHost(std::FILE* errors = stderr) : errors_(errors) {}
  void ShowAlert(std::string_view text) override;
  const std::vector<std::string>& Alerts() const { return alerts_; }

 private:
  std::FILE* errors_;
  std::vector<std::string> alerts_;
};

}  // namespace orv
