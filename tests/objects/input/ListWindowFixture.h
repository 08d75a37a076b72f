#pragma once
// List and combo boxes on a shown publication window, driven by real
// mouse and keyboard input: clicks with Ctrl or Shift held, double
// clicks, typed keys, and what the inner controls show.
#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QComboBox>
#include <QListWidget>
#include <QTest>
#include <QWindow>
#include <string>

#include "objects/InputObjects.h"
#include "objects/ObjectWindowFixture.h"

namespace orv::test {

class ListWindowFixture : public ObjectWindowFixture<> {
 protected:
  // A click (or a double click) at `at` in window coordinates, with
  // `modifiers` held.
  void ClickWith(QPoint at, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    MoveTo(at);
    SendTo(form->windowHandle(), at, modifiers, 1);
  }
  void DoubleClick(QPoint at) {
    MoveTo(at);
    SendTo(form->windowHandle(), at, Qt::NoModifier, 2);
  }
  // A click into a window of its own (a combo box's open list).
  static void ClickInWindow(QWidget& widget, QPoint local) {
    QWindow* window = widget.window()->windowHandle();
    SendTo(window, widget.mapTo(widget.window(), local), Qt::NoModifier, 1);
  }
  void Type(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    PressKey(key, modifiers);
    ReleaseKey(key, modifiers);
  }

  // The centre of item `row` of a list box, in window coordinates.
  QPoint ItemPoint(TOrvalisListBox& list, int row) {
    QListWidget& widget = list.List();
    return At(*widget.viewport(), widget.visualItemRect(widget.item(row)).center());
  }
  // What the list shows selected: "-x-" for the second of three.
  static std::string ShownSelection(TOrvalisListBox& list) {
    std::string marks;
    for (int row = 0; row < list.List().count(); ++row) marks += list.List().item(row)->isSelected() ? 'x' : '-';
    return marks;
  }
  static std::string ModelSelection(const TOrvalisListObject& list) {
    std::string marks;
    for (int row = 0; row < list.ItemCount(); ++row) marks += list.ItemSelected(row) ? 'x' : '-';
    return marks;
  }
  static std::string ShownItems(TOrvalisListBox& list) {
    std::string text;
    for (int row = 0; row < list.List().count(); ++row)
      text += (row > 0 ? "," : "") + list.List().item(row)->text().toStdString();
    return text;
  }
  static std::string ShownItems(TOrvalisComboBox& combo) {
    std::string text;
    for (int row = 0; row < combo.Combo().count(); ++row)
      text += (row > 0 ? "," : "") + combo.Combo().itemText(row).toStdString();
    return text;
  }

 private:
  // Its own clock, far ahead of the shared fixture's, so only clicks
  // meant as double clicks make one.
  static void SendTo(QWindow* window, QPoint at, Qt::KeyboardModifiers modifiers, int clicks) {
    const QPointF local(at), global = window->mapToGlobal(local);
    clock_ += 10000;
    for (int i = 0; i < clicks; ++i) {
      qt_handleMouseEvent(window, local, global, Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress, modifiers,
                          clock_);
      clock_ += 10;
      qt_handleMouseEvent(window, local, global, Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease,
                          modifiers, clock_);
      clock_ += 10;
    }
  }
  static inline int clock_ = 1'000'000'000;
};

}  // namespace orv::test
