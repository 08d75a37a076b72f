#pragma once
// While an exclusive (run-now) script serves the event loop, nothing but an
// Esc close request may reach the publication: other user input is dropped,
// timer ticks are skipped, and posted work waits (it is posted again, so it
// runs once the loop is served normally).
#include <QObject>
#include <functional>

namespace orv {

class TRunNowEventFilter : public QObject {
 public:
  explicit TRunNowEventFilter(std::function<void()> onEscape) : onEscape_(std::move(onEscape)) {}
  int EscapeRequests() const { return escapeRequests_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> onEscape_;
  int escapeRequests_ = 0;
};

}  // namespace orv
