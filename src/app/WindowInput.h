#pragma once
// Mouse and keyboard input handed to a top-level window the way the window
// system hands it over: the window itself picks the child widget under the
// point, sends enter and leave, keeps a pressed button's implicit grab, and
// application event filters see every event. Nothing here needs a display,
// so it drives the offscreen platform as well.
#include <QElapsedTimer>
#include <QEvent>
#include <QPoint>
#include <QPointer>
#include <QString>
#include <QWindow>

namespace orv {

class TWindowInput {
 public:
  TWindowInput();

  // Points are in the window's own coordinates. A null window (one that
  // went away meanwhile) or a hidden one gets nothing.
  void Move(QWindow* window, QPoint at);
  void Press(QWindow* window, QPoint at, Qt::MouseButton button);
  void Release(QWindow* window, QPoint at, Qt::MouseButton button);

  // Keys go to the modal dialog that is up, else to the window with the
  // keyboard focus, else to `fallback`; that is looked up again for every
  // event, as a press may open a dialog that gets the release.
  //
  // One key combination, Qt's key code with its modifier bits: the
  // modifier keys go down first and up last.
  void KeyClick(QWindow* fallback, int combination);
  // Each character pressed and released as one key carrying it.
  void Type(QWindow* fallback, const QString& text);

 private:
  void SendMouse(QWindow* window, QEvent::Type type, QPoint at, Qt::MouseButton button);
  // Enter and leave of the window itself, as the pointer crosses its edge.
  void FollowPointer(QWindow* window, QPoint at);
  void SendKey(QWindow* fallback, QEvent::Type type, int key, Qt::KeyboardModifiers modifiers,
               const QString& text);

  Qt::MouseButtons held_ = Qt::NoButton;
  QPointer<QWindow> under_;  // the window the pointer is in
  QPointer<QWindow> pointerWindow_;  // where the last mouse event went
  QPoint pointerAt_;
  QElapsedTimer clock_;      // event time stamps
};

}  // namespace orv
