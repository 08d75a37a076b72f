// Dropping onto edit fields: accepted only while the field's page is
// shown; files replace the whole text with their paths, one per line;
// text goes in at the drop point by the field's rules.
#include <gtest/gtest.h>

#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QPlainTextEdit>
#include <QUrl>
#include <string>

#include "EditFieldFixture.h"
#include "pages/PageListNavigator.h"

namespace orv {
namespace {

using test::EditFieldLines;

class EditFieldDrop : public test::EditFieldFixture {
 protected:
  // Drags `data` in from outside and drops it at `at` of the control (its
  // viewport for several lines), as the drag manager does.
  static void Drop(QWidget* inner, QMimeData& data, QPoint at) {
    QWidget* target = inner;
    if (auto* memo = qobject_cast<QPlainTextEdit*>(inner)) target = memo->viewport();
    QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &move);
    ASSERT_TRUE(move.isAccepted());
    QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
  }
};

TEST_F(EditFieldDrop, DropsAreTakenWhileThePageIsShown) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + EditFieldLines("E", QRect(10, 10, 200, 24)) + "NewPage=Two\r\n" +
                   EditFieldLines("F", QRect(10, 10, 200, 24))));
  EXPECT_TRUE(Inner("E")->acceptDrops());
  EXPECT_FALSE(Inner("F")->acceptDrops());
  form->Navigator().ShowPage(2);
  QCoreApplication::processEvents();
  EXPECT_FALSE(Inner("E")->acceptDrops());
  EXPECT_TRUE(Inner("F")->acceptDrops());
}

TEST_F(EditFieldDrop, DroppedFilesReplaceTheTextWithTheirPathsOneALine) {
  for (const char* multiLine : {"EditMultiLine=No", "EditMultiLine=Yes"}) {
    SCOPED_TRACE(multiLine);
    ASSERT_TRUE(OpenField({multiLine}, QRect(10, 10, 200, 60)));
    Field()->setFocus();
    Type("old");
    ASSERT_EQ(ChangeRuns(), 3);
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QStringLiteral("/tmp/a.txt")), QUrl::fromLocalFile(QStringLiteral("/tmp/b c.txt")),
                  QUrl(QStringLiteral("http://example.com/not-a-file"))});
    Drop(Inner(), data, QPoint(5, 5));
    EXPECT_EQ(Var("[V]"), "/tmp/a.txt\r\n/tmp/b c.txt");
    EXPECT_EQ(ChangeRuns(), 4);
  }
}

TEST_F(EditFieldDrop, DroppedTextGoesInAtTheDropPointAndTheFieldTakesTheFocus) {
  const struct {
    std::vector<std::string> keys;
    const char* dropped;
    const char* variable;
  } cases[] = {
      {{}, "XY", "abXYcd"},
      {{"EditCase=1"}, "xy", "ABXYCD"},  // the set text is upper-cased too
      {{"EditMultiLine=Yes"}, "X\r\nY", "abX\r\nYcd"},
      // A numbers field takes a whole number only.
      {{"EditNumber=Yes"}, "x", "abcd"},
      {{"EditNumber=Yes"}, " 07", "ab7cd"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.dropped);
    vars.Globals().Clear();
    ASSERT_TRUE(Open("NewPage=P\r\n" + EditFieldLines("E", QRect(10, 10, 200, 60), c.keys) +
                     EditFieldLines("F", QRect(10, 100, 200, 24))));
    Field()->SetText("abcd");
    // The point of the gap after "ab".
    QPoint at;
    if (auto* line = qobject_cast<QLineEdit*>(Inner())) {
      at = QPoint(0, line->height() / 2);
      while (at.x() < line->width() && line->cursorPositionAt(at) != 2) at.rx() += 1;
    } else {
      auto* memo = qobject_cast<QPlainTextEdit*>(Inner());
      QTextCursor cursor = memo->textCursor();
      cursor.setPosition(2);
      at = memo->cursorRect(cursor).center();
    }
    Field("F")->setFocus();
    QMimeData data;
    data.setText(QString::fromLatin1(c.dropped));
    Drop(Inner(), data, at);
    EXPECT_EQ(Var("[V]"), c.variable);
    EXPECT_EQ(QApplication::focusWidget(), Inner());
  }
}

}  // namespace
}  // namespace orv
