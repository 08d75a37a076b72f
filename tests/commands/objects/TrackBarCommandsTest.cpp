// TrackBarSetMin and TrackBarSetMax: the range stays whole whatever the
// number, the value is pulled into it (its change script runs when it
// moves) and the bar shows the thumb at its new place.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <climits>
#include <string>

#include "commands/objects/TypeCommandWindow.h"
#include "objects/InputObjects.h"
#include "objects/ObjectPage.h"

namespace orv {
namespace {

using test::Logs;
using test::ObjectLines;
using test::Text;

constexpr std::uint32_t kFill = 0x00C000;

class TrackBarCommandsTest : public test::TypeCommandWindow {
 protected:
  // Bar TB over 0..10 at 5, bound to [T], its change script logging "c"
  // with the variable; a rectangle R of another type beside it.
  TOrvalisTrackBar* OpenBar() {
    const std::string lines =
        ObjectLines(16, "TB", QRect(10, 10, 110, 20),
                    {"Min=0", "Max=10", "InitState=5", "VarName=T", "FillColor=" + std::to_string(kFill),
                     "ObjAction=" + Logs("c[T]")}) +
        ObjectLines(5, "R", QRect(10, 50, 20, 20));
    if (!Open("NewPage=One\r\n" + lines)) return nullptr;
    vars.SetVar("[Log]", "");
    return Find<TOrvalisTrackBar>("TB");
  }
  std::string Log() {
    QCoreApplication::processEvents();
    return Var("[Log]");
  }
};

TEST_F(TrackBarCommandsTest, TheRangeStaysWholeAndTheValueFollowsIt) {
  const struct {
    const char* line;
    int min, max, value;
    const char* log;
  } cases[] = {
      {"TrackBarSetMin \"TB\" \"3\"", 3, 10, 5, ""},
      {"TrackBarSetMin \"TB\" \"7\"", 7, 10, 7, "c7"},
      {"TrackBarSetMin \"TB\" \"20\"", 20, 21, 20, "c20"},  // above the maximum
      {"TrackBarSetMax \"TB\" \"-4\"", -5, -4, -4, "c-4"},  // below the minimum
      {"TrackBarSetMax \"TB\" \"2\"", 0, 2, 2, "c2"},
      {"TrackBarSetMax \"TB\" \"0\"", 0, 0, 0, "c0"},       // an empty range
      {"TrackBarSetMin \"TB\" \"99999999999\"", INT_MAX - 1, INT_MAX, INT_MAX - 1, "c2147483646"},
      {"TrackBarSetMax \"TB\" \"-99999999999\"", INT_MIN, INT_MIN + 1, INT_MIN + 1, "c-2147483647"},
      {"TrackBarSetMax \"TB\" \"7.9\"", 0, 7, 5, ""},
      {"TrackBarSetMin \"TB\" \"not a number\"", 0, 10, 5, ""},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.line);
    TOrvalisTrackBar* bar = OpenBar();
    ASSERT_NE(bar, nullptr);
    Run(c.line);
    EXPECT_EQ(bar->Minimum(), c.min);
    EXPECT_EQ(bar->Maximum(), c.max);
    EXPECT_EQ(bar->Value(), c.value);
    EXPECT_EQ(Var("[T]"), std::to_string(c.value));
    EXPECT_EQ(Log(), c.log);
    EXPECT_TRUE(bar->rect().contains(bar->ThumbRect())) << Text(bar->ThumbRect());
  }
}

TEST_F(TrackBarCommandsTest, TheBarShowsItsThumbWhereTheNewRangePutsIt) {
  TOrvalisTrackBar* bar = OpenBar();
  ASSERT_NE(bar, nullptr);
  const QColor fill(0, 0xC0, 0);
  // What the window shows: the bar must have repainted itself.
  auto face = [&] {
    QCoreApplication::processEvents();
    const QImage page = Screen();
    const QImage part = page.copy(bar->geometry());
    QRect bounds;
    for (int y = 0; y < part.height(); ++y)
      for (int x = 0; x < part.width(); ++x)
        if (part.pixelColor(x, y) == fill) bounds |= QRect(x, y, 1, 1);
    return Text(bounds);
  };
  // 5 of 0..10 on 100 pixels of travel.
  EXPECT_EQ(face(), Text(QRect(52, 2, 6, 16)));
  Run("TrackBarSetMax \"TB\" \"20\"");
  Keep(Screen(), "trackbar-max");
  EXPECT_EQ(face(), Text(bar->ThumbRect().adjusted(2, 2, -2, -2)));
  EXPECT_EQ(bar->ThumbRect().left(), 25);
  Run("TrackBarSetMin \"TB\" \"30\"");
  EXPECT_EQ(face(), Text(QRect(2, 2, 6, 16)));  // the value went with the minimum
}

TEST_F(TrackBarCommandsTest, OtherObjectsAreLeftAlone) {
  TOrvalisTrackBar* bar = OpenBar();
  ASSERT_NE(bar, nullptr);
  vars.SetLastError("");
  EXPECT_EQ(Run("TrackBarSetMin \"R\" \"50\""), 0);
  EXPECT_EQ(Run("TrackBarSetMax \"R\" \"-50\""), 0);
  EXPECT_EQ(Var("LastError"), "");
  EXPECT_EQ(bar->Minimum(), 0);
  EXPECT_EQ(bar->Maximum(), 10);
  EXPECT_EQ(Log(), "");
}

}  // namespace
}  // namespace orv
