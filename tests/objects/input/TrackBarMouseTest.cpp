// The track bar under the reader's mouse, fed through the shown window:
// presses on the thumb drag it, presses on the track step by one, and the
// change script runs once per press, on the release.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <string>
#include <vector>

#include "commands/objects/ObjectCommandFixture.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/input/TrackBar.h"
#include "pages/PageList.h"

namespace orv {
namespace {

using test::Logs;
using test::ObjectLines;

class TrackBarMouse : public test::ObjectWindowFixture<> {
 protected:
  // A bar T over 0..10 at (20, 20) bound to [T]: 110 by 20 pixels
  // horizontal, 20 by 110 vertical, so with its 10-pixel thumb each step is
  // 10 pixels. The changing script logs "g" and the change script "c",
  // each with the variable's value.
  TOrvalisTrackBar* OpenBar(int orientation, int value, std::initializer_list<std::string> extra = {}) {
    const QRect at = orientation == slVertical ? QRect(20, 20, 20, 110) : QRect(20, 20, 110, 20);
    std::string lines = ObjectLines(16, "T", at,
                                    {"VarName=T", "Min=0", "Max=10", "Align=" + std::to_string(orientation),
                                     "InitState=" + std::to_string(value), "ObjAction=" + Logs("c[T]"),
                                     "ChangingAction=" + Logs("g[T]")});
    for (const std::string& key : extra) lines += key + "\r\n";
    if (!Open("NewPage=One\r\n" + lines + "NewPage=Two\r\n")) return nullptr;
    return Find<TOrvalisTrackBar>("T");
  }
};

TEST_F(TrackBarMouse, PressMovesAndReleaseGiveTheValuesAndTheScripts) {
  struct Point {
    int x, y;
  };
  const struct {
    const char* label;
    int orientation;
    int value;  // before the press
    Point press;
    std::vector<Point> moves;
    Point release;
    int after;
    const char* log;  // changing ("g") and change ("c") runs, each with [T]
  } cases[] = {
      {"drag the thumb by whole steps", slHoriz, 5, {55, 10}, {{75, 10}, {85, 10}}, {85, 10}, 8, "g7g8c8"},
      {"a move within one step runs nothing more", slHoriz, 5, {55, 10}, {{76, 5}, {78, 15}}, {78, 15}, 7,
       "g7c7"},
      {"a half step goes to the even value", slHoriz, 5, {55, 10}, {{50, 10}}, {50, 10}, 4, "g4c4"},
      {"dragged away and back: no change on release", slHoriz, 5, {55, 10}, {{75, 10}, {55, 10}}, {55, 10}, 5,
       "g7g5"},
      {"dragged past the end stops at the maximum", slHoriz, 5, {51, 10}, {{500, 40}}, {500, 40}, 10, "g10c10"},
      {"dragged past the start stops at the minimum", slHoriz, 5, {59, 10}, {{-200, 0}}, {-200, 0}, 0, "g0c0"},
      {"a press on the thumb alone", slHoriz, 5, {55, 10}, {}, {55, 10}, 5, ""},
      {"a click on the track right of the thumb", slHoriz, 5, {90, 10}, {}, {90, 10}, 6, "c6"},
      {"a click on the track left of the thumb", slHoriz, 5, {10, 10}, {}, {10, 10}, 4, "c4"},
      {"a track click moves once, whatever the moves", slHoriz, 5, {90, 10}, {{100, 10}, {5, 10}}, {5, 10}, 6,
       "c6"},
      {"at the maximum, a click left of the thumb", slHoriz, 10, {95, 10}, {}, {95, 10}, 9, "c9"},
      {"vertical: drag up", slVertical, 5, {10, 55}, {{10, 35}}, {10, 35}, 7, "g7c7"},
      {"vertical: above the thumb adds one", slVertical, 5, {10, 20}, {}, {10, 20}, 6, "c6"},
      {"vertical: below the thumb takes one", slVertical, 5, {10, 100}, {}, {10, 100}, 4, "c4"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    TOrvalisTrackBar* bar = OpenBar(c.orientation, c.value);
    ASSERT_NE(bar, nullptr);
    ASSERT_EQ(bar->Value(), c.value);
    MoveTo(At(*bar, QPoint(c.press.x, c.press.y)));
    Press(At(*bar, QPoint(c.press.x, c.press.y)));
    for (const Point& move : c.moves) MoveTo(At(*bar, QPoint(move.x, move.y)));
    Release(At(*bar, QPoint(c.release.x, c.release.y)));
    QCoreApplication::processEvents();
    EXPECT_EQ(bar->Value(), c.after);
    EXPECT_EQ(Var("[T]"), std::to_string(c.after));
    EXPECT_EQ(Log(), c.log);
    EXPECT_FALSE(bar->Dragging());
  }
}

TEST_F(TrackBarMouse, AClickOnTheTrackShowsTheNewValueAtThePressAndReportsItOnTheRelease) {
  TOrvalisTrackBar* bar = OpenBar(slHoriz, 5);
  ASSERT_NE(bar, nullptr);
  MoveTo(At(*bar, QPoint(90, 10)));
  Press(At(*bar, QPoint(90, 10)));
  QCoreApplication::processEvents();
  EXPECT_EQ(bar->Value(), 6);
  EXPECT_EQ(Var("[T]"), "5");  // the release reports it
  EXPECT_EQ(Log(), "");
  Release(At(*bar, QPoint(90, 10)));
  QCoreApplication::processEvents();
  EXPECT_EQ(Var("[T]"), "6");
  EXPECT_EQ(Log(), "c6");
}

TEST_F(TrackBarMouse, TheVariableCannotTakeTheThumbFromTheReadersDrag) {
  TOrvalisTrackBar* bar = OpenBar(slHoriz, 5);
  ASSERT_NE(bar, nullptr);
  MoveTo(At(*bar, QPoint(55, 10)));
  Press(At(*bar, QPoint(55, 10)));
  MoveTo(At(*bar, QPoint(75, 10)));
  ASSERT_TRUE(bar->Dragging());
  vars.SetVar("[T]", "1");
  EXPECT_EQ(bar->Value(), 7);
  Release(At(*bar, QPoint(75, 10)));
  QCoreApplication::processEvents();
  EXPECT_EQ(Var("[T]"), "7");
  EXPECT_EQ(Log(), "g7c7");
  // Once the drag is over the variable moves the bar again.
  vars.SetVar("[T]", "2");
  EXPECT_EQ(bar->Value(), 2);
}

TEST_F(TrackBarMouse, ADisabledBarTakesNoPress) {
  TOrvalisTrackBar* bar = OpenBar(slHoriz, 5);
  ASSERT_NE(bar, nullptr);
  bar->SetEnabledState(false);
  Click(At(*bar, QPoint(90, 10)));
  QCoreApplication::processEvents();
  EXPECT_EQ(bar->Value(), 5);
  EXPECT_EQ(Log(), "");
}

TEST_F(TrackBarMouse, ADragCutShortByHidingTheBarEndsAsAReleaseWould) {
  TOrvalisTrackBar* bar = OpenBar(slHoriz, 5);
  ASSERT_NE(bar, nullptr);
  MoveTo(At(*bar, QPoint(55, 10)));
  Press(At(*bar, QPoint(55, 10)));
  MoveTo(At(*bar, QPoint(85, 10)));
  bar->SetVisibleState(false);
  EXPECT_FALSE(bar->Dragging());
  Release(At(*bar, QPoint(85, 10)));
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "g8c8");
  // Shown again, the next press starts afresh.
  bar->SetVisibleState(true);
  Click(At(*bar, QPoint(10, 10)));
  QCoreApplication::processEvents();
  EXPECT_EQ(bar->Value(), 7);
  EXPECT_EQ(Log(), "g8c8c7");
}

// With the page commands bound and the window found by scripts, so that a
// page change the changing script asks for would really happen.
class TrackBarPageChange : public test::ObjectCommandFixture {
 protected:
  // Left button down on `from`, moved to `to` and let go there, through
  // the window; points in the bar's own coordinates.
  void Drag(const QWidget& bar, QPoint from, QPoint to) {
    QWindow* window = form->windowHandle();
    Send(window, bar.mapTo(form.get(), from), Qt::NoButton, Qt::NoButton, QEvent::MouseMove);
    Send(window, bar.mapTo(form.get(), from), Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
    Send(window, bar.mapTo(form.get(), to), Qt::LeftButton, Qt::NoButton, QEvent::MouseMove);
    Send(window, bar.mapTo(form.get(), to), Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
  }

 private:
  static void Send(QWindow* window, QPoint at, Qt::MouseButtons buttons, Qt::MouseButton button,
                   QEvent::Type type) {
    static ulong timestamp = 0;
    timestamp += 10000;
    qt_handleMouseEvent(window, QPointF(at), window->mapToGlobal(QPointF(at)), buttons, button, type,
                        Qt::NoModifier, timestamp);
  }
};

TEST_F(TrackBarPageChange, TheChangingScriptMayNotTurnThePageButTheChangeScriptMay) {
  const std::string bar = ObjectLines(16, "T", QRect(20, 20, 110, 20),
                                      {"Min=0", "Max=10", "InitState=5", "ChangingAction=GotoPage \"Two\"",
                                       "ObjAction=" + Logs("c")});
  ASSERT_TRUE(Open("NewPage=One\r\n" + bar + "NewPage=Two\r\n"));
  auto* trackBar = Find<TOrvalisTrackBar>("T");
  ASSERT_NE(trackBar, nullptr);
  Drag(*trackBar, QPoint(55, 10), QPoint(75, 10));
  QCoreApplication::processEvents();
  EXPECT_EQ(trackBar->Value(), 7);
  EXPECT_EQ(Var("[Log]"), "c");
  EXPECT_EQ(Page(), 1);
  // The same line as the change script turns the page.
  trackBar->SetChangeAction("GotoPage \"Two\"");
  trackBar->SetValue(3);
  QCoreApplication::processEvents();
  EXPECT_EQ(Page(), 2);
}

}  // namespace
}  // namespace orv
