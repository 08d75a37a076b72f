#pragma once
// The script host of the windowed player: a running script serves the Qt
// event loop between its lines (at most about once a millisecond, so a
// tight loop does not spend its time there), an exclusive run lets only an
// Esc close request through, and shown errors appear in a message box.
#include <chrono>
#include <functional>
#include <string>
#include <string_view>

#include "script/ScriptHost.h"

namespace orv {

class TWorkForm;

class TQtScriptHost : public TScriptHost {
 public:
  using Clock = std::function<std::chrono::steady_clock::time_point()>;
  static constexpr std::chrono::microseconds kServeInterval{1000};

  TQtScriptHost();

  void RestartIdleTimer() override;
  void ServeUserInterface() override;
  void ServeCloseRequest() override;
  void ShowAlert(std::string_view text) override;
  // The application is shutting down, or `OnAskEnding` says the program is
  // ending (the timed run's time is up).
  bool ApplicationEnding() override;

  // The publication window scripts act on; null while none is open (and in
  // tests that need none).
  virtual TWorkForm* Window() { return window_; }
  void SetWindow(TWorkForm* window) { window_ = window; }

  // Whether Esc may close the publication ("ALLOWESC=" or a screen-saver
  // run); without it an exclusive run serves nothing.
  void SetEscClosesPublication(bool value) { escCloses_ = value; }
  // The alert's caption, Windows-1252.
  void SetAlertTitle(std::string_view title) { alertTitle_ = title; }

  // The window's answers; empty for none.
  std::function<void()> OnIdleRestart;
  std::function<void()> OnEscCloseRequest;
  // Replaces the message box (tests, or a richer dialog later).
  std::function<void(const std::string& title, const std::string& text)> OnAlert;
  std::function<bool()> OnAskEnding;

  // Times the loop was actually served.
  int ServeCount() const { return serveCount_; }
  void SetClock(Clock clock) { clock_ = std::move(clock); }

 private:
  // True when the last serving is long enough ago; then it counts as now.
  bool ServeDue();

  Clock clock_;
  std::chrono::steady_clock::time_point lastServe_{};
  bool served_ = false;
  bool escCloses_ = false;
  std::string alertTitle_;
  int serveCount_ = 0;
  TWorkForm* window_ = nullptr;
};

}  // namespace orv
