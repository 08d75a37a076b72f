// PlayCartoonFile and StopMedia through scripts on a shown window, on the
// real timer: the frame drawn over the page and its objects, a "Wait" that
// ends with the cartoon or when another script stops it, StopMedia's
// choices, a replayed file, the close, and files that are no cartoon.
#include <gtest/gtest.h>

#include <QTimer>
#include <string>

#include "commands/media/CartoonOverlay.h"
#include "commands/media/CartoonPlayer.h"
#include "commands/media/CartoonTestFiles.h"
#include "commands/media/MediaCommands.h"
#include "commands/media/MediaList.h"
#include "commands/objects/ObjectCommandFixture.h"
#include "container/PackageFixture.h"

namespace orv::test {
namespace {

// A delay no test waits for: the first frame stays.
constexpr const char* kForever = "100000";

class CartoonCommands : public ObjectCommandFixture {
 protected:
  CartoonCommands() {
    RegisterMediaCommands(engine.Commands());
    WriteFile(dir / "walk.car", CartoonFileBytes(3, 20, 16));
  }

  bool OpenPage() { return Open("NewPage=One\r\n" + Box("Under", QRect(80, 40, 60, 40), kDocBlue)); }

  // `coordinates`: the four numbers separated by blanks.
  std::string Play(const std::string& file, const std::string& coordinates, const std::string& cycles,
                   const std::string& delay, const std::string& options) {
    std::string line = "PlayCartoonFile";
    std::string rest = coordinates + " ";
    for (std::size_t blank; (blank = rest.find(' ')) != std::string::npos; rest.erase(0, blank + 1))
      line += " \"" + rest.substr(0, blank) + "\"";
    return line + " \"" + file + "\" \"" + cycles + "\" \"" + delay + "\" \"" + options + "\"";
  }
  int Playing() {
    TMediaList* list = MediaListOf(*form);
    return list ? list->Count() : 0;
  }
  int Overlays() {
    int count = 0;
    for (QWidget* child : form->Pages().findChildren<QWidget*>()) count += dynamic_cast<TCartoonOverlay*>(child) != nullptr;
    return count;
  }

  ScratchFolder dir;
};

TEST_F(CartoonCommands, DrawsTheFrameOverThePageThroughItsTransparencyAndStopMediaTakesItAway) {
  ASSERT_TRUE(OpenPage());
  // Stationary at (100, 50): the 20 x 16 frame covers 90..109 x 42..57,
  // its square 92..107 x 44..55; the box beneath spans 80..139 x 40..79.
  ASSERT_EQ(Run(Play(dir / "walk.car", "100 50 100 50", "1", kForever, "")), 0);
  ASSERT_EQ(Playing(), 1);
  const QImage shown = Grab("cartoon-frame");
  EXPECT_EQ(shown.pixel(100, 50), FrameColour(0).rgb());
  EXPECT_EQ(shown.pixel(92, 44), FrameColour(0).rgb());
  EXPECT_EQ(shown.pixel(91, 43), Pixel(kDocBlue));   // the transparent margin, over the box
  EXPECT_EQ(shown.pixel(100, 30), qRgb(255, 255, 255));
  EXPECT_EQ(shown.pixel(110, 50), Pixel(kDocBlue));  // right of the frame

  ASSERT_EQ(Run("StopMedia \"VIDEO\""), 0);
  EXPECT_EQ(Playing(), 0);
  EXPECT_EQ(Overlays(), 0);
  const QImage after = Grab("cartoon-stopped");
  EXPECT_EQ(after.pixel(100, 50), Pixel(kDocBlue));
  EXPECT_EQ(after.pixel(91, 43), Pixel(kDocBlue));
}

TEST_F(CartoonCommands, WaitReturnsWhenTheCartoonHasCrossedItsLine) {
  ASSERT_TRUE(OpenPage());
  ASSERT_EQ(Run(Play(dir / "walk.car", "10 10 60 10", "2", "0", "Wait")), 0);
  EXPECT_EQ(Playing(), 0);
  EXPECT_EQ(Overlays(), 0);
}

TEST_F(CartoonCommands, WithoutWaitItPlaysOnTheTimerToItsEnd) {
  ASSERT_TRUE(OpenPage());
  ASSERT_EQ(Run(Play(dir / "walk.car", "10 10 10 10", "2", "1", "")), 0);
  EXPECT_EQ(Playing(), 1);
  EXPECT_TRUE(WaitUntil([this] { return Playing() == 0; }, 10000));
  EXPECT_EQ(Overlays(), 0);
}

TEST_F(CartoonCommands, AWaitIsReleasedByAnotherScriptStoppingItByFileName) {
  ASSERT_TRUE(OpenPage());
  bool stoppedByOther = false;
  QTimer::singleShot(20, form.get(), [&] {
    stoppedByOther = Playing() == 1;
    Run("StopMedia \"WALK.CAR\"");
  });
  ASSERT_EQ(Run(Play(dir / "walk.car", "10 10 10 10", "1000000", "5", "Wait")), 0);
  EXPECT_TRUE(stoppedByOther);
  EXPECT_EQ(Playing(), 0);
  EXPECT_EQ(Overlays(), 0);
}

TEST_F(CartoonCommands, StopMediaChoosesWhatToStop) {
  const struct {
    const char* what;
    bool stops;
  } cases[] = {{"VIDEO", true}, {"video", true}, {"", true}, {"walk.car", true}, {"c:\\else\\WALK.CAR", true},
               {"SOUND", false}, {"run.car", false}, {"VIDEOS", false}};
  ASSERT_TRUE(OpenPage());
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ASSERT_EQ(Run(Play(dir / "walk.car", "100 50 100 50", "1", kForever, "")), 0);
    ASSERT_EQ(Playing(), 1);
    Run(std::string("StopMedia \"") + c.what + "\"");
    EXPECT_EQ(Playing(), c.stops ? 0 : 1);
    EXPECT_EQ(Overlays(), c.stops ? 0 : 1);
    Run("StopMedia \"\"");
  }
}

TEST_F(CartoonCommands, PlayingTheSameFileAgainReplacesItAndOthersPlayAlongside) {
  ASSERT_TRUE(OpenPage());
  WriteFile(dir / "run.car", CartoonFileBytes(2));
  Run({Play(dir / "walk.car", "100 50 100 50", "1", kForever, ""),
       Play(dir / "walk.car", "200 50 200 50", "1", kForever, ""),
       Play(dir / "run.car", "300 50 300 50", "1", kForever, "")});
  ASSERT_EQ(Playing(), 2);
  EXPECT_EQ(Overlays(), 2);
  const auto& records = MediaListOf(*form)->Records();
  EXPECT_NE(records.front().id, records.back().id);
  auto* walk = dynamic_cast<TCartoonPlayer*>(MediaListOf(*form)->Find("walk.car")->player.get());
  ASSERT_NE(walk, nullptr);
  EXPECT_EQ(walk->Shown()->centre, QPoint(200, 50));
}

TEST_F(CartoonCommands, APageChangeLeavesTheCartoonOverTheNewPage) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + Box("Under", QRect(80, 40, 60, 40), kDocBlue) + "NewPage=Two\r\n" +
                   Box("Other", QRect(80, 40, 60, 40), kDocGreen)));
  Run(Play(dir / "walk.car", "100 50 100 50", "1", kForever, ""));
  Run("GotoPage \"Two\"");
  ASSERT_EQ(Page(), 2);
  KeepCartoonsOnTop(*MediaListOf(*form));
  const QImage shown = Grab("cartoon-page-two");
  EXPECT_EQ(shown.pixel(100, 50), FrameColour(0).rgb());
  EXPECT_EQ(shown.pixel(91, 43), Pixel(kDocGreen));
}

TEST_F(CartoonCommands, TheCloseStopsEveryCartoon) {
  ASSERT_TRUE(OpenPage());
  Run(Play(dir / "walk.car", "100 50 100 50", "1", kForever, ""));
  ASSERT_EQ(Playing(), 1);
  form->close();
  EXPECT_EQ(Playing(), 0);
  EXPECT_EQ(Overlays(), 0);
}

TEST_F(CartoonCommands, WhatIsNoCartoonDrawsAndTellsNothingAndAWaitReturns) {
  const QImage strip = CartoonStripImage(2, 20, 16);
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"no frames", CartoonFileBytes(strip, 0)},
      {"more frames than columns", CartoonFileBytes(strip, 41)},
      {"short header", "SN\x0c\0"},
      {"picture beyond the file", CartoonHeader(1 << 20, 2) + PngBytes(strip)},
      {"negative picture offset", CartoonHeader(-12, 2) + PngBytes(strip)},
      {"picture that does not decode", CartoonHeader(12, 2) + PngBytes(strip).substr(0, 40)},
  };
  ASSERT_TRUE(OpenPage());
  const QImage before = Grab();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    WriteFile(dir / "bad.car", c.bytes);
    vars.SetVar("[LastError]", "untouched");
    ASSERT_EQ(Run(Play(dir / "bad.car", "100 50 100 50", "1", kForever, "Wait")), 0);
    EXPECT_EQ(Playing(), 0);
    EXPECT_EQ(Overlays(), 0);
    EXPECT_EQ(LastError(), "untouched");
    EXPECT_EQ(Grab(), before);
  }
  // A file that is not there, and no file at all.
  ASSERT_EQ(Run(Play(dir / "missing.car", "-1 -1 -1 -1", "1", "0", "Wait")), 0);
  ASSERT_EQ(Run(Play("", "-1 -1 -1 -1", "1", "0", "Wait")), 0);
  EXPECT_EQ(Playing(), 0);
}

TEST_F(CartoonCommands, ANoCartoonReplacingAPlayingOneStopsIt) {
  ASSERT_TRUE(OpenPage());
  Run(Play(dir / "walk.car", "100 50 100 50", "1", kForever, ""));
  ASSERT_EQ(Playing(), 1);
  WriteFile(dir / "walk.car", CartoonFileBytes(CartoonStripImage(2, 20, 16), 0));
  Run(Play(dir / "walk.car", "100 50 100 50", "1", kForever, ""));
  EXPECT_EQ(Playing(), 0);
  EXPECT_EQ(Overlays(), 0);
}

}  // namespace
}  // namespace orv::test
