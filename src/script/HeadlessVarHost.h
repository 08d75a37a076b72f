#pragma once
// The host of a run without a window (the script runner, tests): window and
// screen values are kept as plain values that writes change, there are no
// pages, and the clock can be held still.
#include <array>
#include <optional>
#include <string>
#include <vector>

#include "script/VarHost.h"

namespace orv {

class THeadlessVarHost : public TVarHost {
 public:
  THeadlessVarHost();

  std::string ReadValue(SystemVar var) override;
  void WriteValue(SystemVar var, std::string_view value) override;
  HostPageState Pages() override { return pages_; }
  TDateTime Now() override;
  void LastErrorAssigned(std::string_view text, bool display) override;

  void SetValue(SystemVar var, std::string_view value) { values_[var] = std::string(value); }
  void SetPages(HostPageState pages) { pages_ = std::move(pages); }
  void HoldClock(std::optional<TDateTime> now) { heldNow_ = now; }
  // Texts shown as errors (error display on), in order.
  const std::vector<std::string>& ShownErrors() const { return shownErrors_; }

 private:
  std::array<std::string, svCount> values_;
  HostPageState pages_;
  std::optional<TDateTime> heldNow_;
  std::vector<std::string> shownErrors_;
};

}  // namespace orv
