#pragma once
// Answers the modal dialog a call is about to open: the answer runs from
// the dialog's own event loop, as a user's keys would arrive.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <vector>

namespace orv::test {

// The widget a key typed now goes to in the open modal dialog.
inline QWidget* KeyTarget() {
  QWidget* dialog = QApplication::activeModalWidget();
  if (dialog == nullptr) return nullptr;
  QWidget* focus = dialog->focusWidget();
  return focus != nullptr ? focus : dialog;
}

// `text` typed into `target`, one key per character, Latin-1 letters too.
inline void TypeInto(QWidget* target, const QString& text) {
  for (const QChar c : text)
    QTest::sendKeyEvent(QTest::Click, target, static_cast<Qt::Key>(c.toUpper().unicode()), QString(c),
                        Qt::NoModifier);
}

// Once a modal dialog is up and active, as the user sees it, `answer` runs
// with it: a dialog may serve the event loop while it is built, before it
// is shown, and Qt's file dialog follows the typed name only in a field
// that has the focus.
inline void WhenModal(std::function<void(QWidget& dialog)> answer) {
  QTimer::singleShot(0, [answer = std::move(answer)]() mutable {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
      answer(*dialog);
    } else
      WhenModal(std::move(answer));
  });
}

// Keys typed into the open dialog, each to the widget focused at that
// moment.
inline void WhenModalPress(std::vector<Qt::Key> keys) {
  WhenModal([keys](QWidget&) {
    for (Qt::Key key : keys)
      if (QWidget* target = KeyTarget()) QTest::keyClick(target, key);
  });
}

}  // namespace orv::test
