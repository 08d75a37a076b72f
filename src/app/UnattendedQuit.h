#pragma once
// The end of a timed run (--quit-after): once the time is up the window is
// asked to close, and any modal dialog still open (a script's message box,
// input box or file dialog, a password prompt) is answered as Escape would
// answer it, so the run never hangs. A publication that refuses to close
// still ends the loop.
#include <QObject>
#include <QTimer>
#include <chrono>
#include <optional>
#include <functional>

class QWidget;

namespace orv {

class TUnattendedQuit : public QObject {
 public:
  // `window` gives the publication window of the moment (nullptr while
  // there is none).
  explicit TUnattendedQuit(std::function<QWidget*()> window);

  // Counts from now.
  void Start(int milliseconds);
  bool TimeIsUp() const { return timeIsUp_; }
  // The time is up by the clock, even before the event loop could tell:
  // a wait that serves no events asks this.
  bool Due() const;
  int AnsweredDialogs() const { return answered_; }

  // Answers one modal dialog as Escape would; false when none is open.
  static bool AnswerModalDialog();

 private:
  void Tick();
  void Close();

  std::function<QWidget*()> window_;
  QTimer deadline_;
  std::optional<std::chrono::steady_clock::time_point> dueAt_;
  QTimer ticker_;
  bool timeIsUp_ = false;
  bool closing_ = false;
  bool refused_ = false;
  int answered_ = 0;
};

}  // namespace orv
