#pragma once
// A publication running as a screen saver with "MOUSEEXIT=" ends on any
// input: a key, a mouse button, or the mouse moving more than a pixel from
// where it was last seen. The mouse cursor is hidden meanwhile.
#include <QObject>
#include <QPoint>
#include <functional>
#include <optional>

namespace orv {

class TScreenSaverExit : public QObject {
 public:
  // Watches every event of the application; `close` ends the publication.
  explicit TScreenSaverExit(std::function<void()> close);
  ~TScreenSaverExit() override;

  int CloseRequests() const { return closeRequests_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Close();

  std::function<void()> close_;
  std::optional<QPoint> lastMouse_;
  int closeRequests_ = 0;
};

}  // namespace orv
