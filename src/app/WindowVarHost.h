#pragma once
// The variables host of the windowed player: the window's geometry, state,
// title, order and publication size come from the publication window, the
// pages from its page list, the clipboard and screen from the desktop; the
// values that are not the window's (author, folders, run mode, ...) are kept
// as plain values that the start-up sets. Until a window is attached, and
// after it is gone, the kept values answer everything.
#include <QPointer>
#include <functional>
#include <optional>
#include <string>

#include "app/WorkForm.h"
#include "script/HeadlessVarHost.h"

namespace orv {

class TWindowVarHost : public TVarHost {
 public:
  void AttachWindow(TWorkForm* window) { window_ = window; }
  TWorkForm* Window() const { return window_; }

  std::string ReadValue(SystemVar var) override;
  void WriteValue(SystemVar var, std::string_view value) override;
  HostPageState Pages() override;
  TDateTime Now() override;
  void LastErrorAssigned(std::string_view text, bool display) override;

  // A value that is not the window's ("PubAuthor", "PubDir", "OVMode", ...).
  void SetValue(SystemVar var, std::string_view value) { kept_.SetValue(var, value); }
  void HoldClock(std::optional<TDateTime> now) { kept_.HoldClock(now); }
  // Shows an error text while error display is on; the alert box of the
  // script host, say. Without it the text is only recorded.
  std::function<void(const std::string& text)> OnShowError;
  const std::vector<std::string>& ShownErrors() const { return kept_.ShownErrors(); }

 private:
  QPointer<TWorkForm> window_;
  THeadlessVarHost kept_;
};

}  // namespace orv
