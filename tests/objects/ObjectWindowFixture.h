#pragma once
// A publication window shown on the offscreen screen and driven with input
// the way the window system delivers it: through the window's QWindow, so
// Qt itself picks the receiver, sends enter and leave and honours grabs.
// No input here runs the event loop: what an input runs at once and what it
// only posts stay apart until the test lets the loop run.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QEnterEvent>
#include <QEventLoop>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <functional>
#include <initializer_list>
#include <string>

#include "app/WorkFormFixture.h"
#include "objects/OrvalisObj.h"
#include "pages/BackgroundMessages.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"

namespace orv::test {

// One object of a document: its type, name and place, then its own lines.
inline std::string ObjectLines(int type, const std::string& name, QRect at,
                               std::initializer_list<std::string> keys = {}) {
  std::string text = "ObjectType=" + std::to_string(type) + "\r\n";
  if (!name.empty()) text += "Name=" + name + "\r\n";
  text += "X=" + std::to_string(at.x()) + "\r\nY=" + std::to_string(at.y()) + "\r\nW=" +
          std::to_string(at.width()) + "\r\nH=" + std::to_string(at.height()) + "\r\n";
  for (const std::string& key : keys) text += key + "\r\n";
  return text;
}

// A script that appends `mark` to the variable [Log].
inline std::string Logs(const std::string& mark) { return "SetVar \"[Log]\" \"[Log]" + mark + "\""; }

// Lets the event loop run until `done` holds or `ms` pass; false then.
inline bool WaitUntil(const std::function<bool()>& done, int ms = 5000) {
  const QDeadlineTimer deadline(ms);
  while (!done()) {
    if (deadline.hasExpired()) return false;
    QEventLoop loop;
    QTimer::singleShot(5, &loop, &QEventLoop::quit);
    loop.exec();
  }
  return true;
}

// Counts the events of one type an object receives, whoever sends them.
class EventCounter : public QObject {
 public:
  EventCounter(QObject* watched, QEvent::Type type) : type_(type) { watched->installEventFilter(this); }
  int Count() const { return count_; }

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == type_) ++count_;
    return false;
  }

 private:
  QEvent::Type type_;
  int count_ = 0;
};

template <typename Host = THeadlessVarHost>
class ObjectWindowFixture : public WorkFormFixture<Host> {
 protected:
  ~ObjectWindowFixture() override {
    // A button left down would turn the next test's first move into a drag.
    if (this->form != nullptr && this->form->windowHandle() != nullptr)
      for (const Qt::MouseButton button : {Qt::LeftButton, Qt::RightButton})
        if (buttons_ & button) Release(QPoint(1, 1), button);
  }

  // Builds a 400 x 300 window from `pages` (the document from its first
  // page line on), tells the pages they are loaded as the session does,
  // shows the window active and shows page `start`.
  bool Open(const std::string& pages, int start = 1, const std::string& settings = "") {
    buttons_ = Qt::NoButton;
    entered_ = false;
    // A pointer an earlier test left over the page would hand the new
    // window enter events of its own.
    QCursor::setPos(-10000, -10000);
    if (!this->LoadDocument("ScreenWidth=400\r\nScreenHeight=300\r\n" + settings + pages)) return false;
    TOVPageList& list = this->form->Pages();
    for (int i = 1; i < list.Count(); ++i) list.Page(i)->Background().Notify(kMsgLoaded, "", "", false);
    if (list.Count() > 0) list.Page(0)->Background().Notify(kMsgLoaded, "", "", false);
    this->form->show();
    this->form->activateWindow();
    const bool up = WaitUntil([this] {
      const QWindow* window = this->form->windowHandle();
      return window != nullptr && window->isExposed() && QApplication::activeWindow() == this->form.get();
    });
    EXPECT_TRUE(up) << "the window never came up active";
    if (start > 0) this->form->ShowFirstPage(start);
    QCoreApplication::processEvents();
    // Nothing of the start-up counts as the test's input.
    this->vars.SetVar("[Log]", "");
    return up;
  }

  // The object by name, or null (with a test failure).
  template <typename T = TOrvalisObj>
  T* Find(const std::string& name) {
    auto* object = dynamic_cast<T*>(this->form->FindObject(name, false));
    EXPECT_NE(object, nullptr) << name;
    return object;
  }

  // A point of `widget` (its centre by default) in window coordinates.
  QPoint At(const QWidget& widget, QPoint local = QPoint(-1, -1)) const {
    if (local == QPoint(-1, -1)) local = widget.rect().center();
    return widget.mapTo(this->form.get(), local);
  }

  void MoveTo(QPoint at) {
    if (!entered_) {
      // The window system tells a window first that the pointer came in;
      // Qt tracks enter and leave inside the window from there.
      entered_ = true;
      QWindow* window = this->form->windowHandle();
      const QPointF local(at);
      QEnterEvent enter(local, local, window->mapToGlobal(local));
      QCoreApplication::sendEvent(window, &enter);
    }
    Send(QEvent::MouseMove, at, Qt::NoButton);
  }
  void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    buttons_ |= button;
    Send(QEvent::MouseButtonPress, at, button);
  }
  void Release(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    buttons_ &= ~Qt::MouseButtons(button);
    Send(QEvent::MouseButtonRelease, at, button);
  }
  void Click(QPoint at, Qt::MouseButton button = Qt::LeftButton) {
    MoveTo(at);
    Press(at, button);
    Release(at, button);
  }
  void PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    qt_handleKeyEvent(this->form->windowHandle(), QEvent::KeyPress, key, modifiers);
  }
  void ReleaseKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    qt_handleKeyEvent(this->form->windowHandle(), QEvent::KeyRelease, key, modifiers);
  }

  std::string Var(const std::string& name) { return this->vars.GetVar(name); }
  std::string Log() { return Var("[Log]"); }

 private:
  void Send(QEvent::Type type, QPoint at, Qt::MouseButton button) {
    QWindow* window = this->form->windowHandle();
    // Far apart in time, so two clicks never make a double click.
    timestamp_ += 10000;
    qt_handleMouseEvent(window, QPointF(at), window->mapToGlobal(QPointF(at)), buttons_, button, type,
                        Qt::NoModifier, timestamp_);
  }

  Qt::MouseButtons buttons_;
  bool entered_ = false;
  static inline int timestamp_ = 0;
};

}  // namespace orv::test
