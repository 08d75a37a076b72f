// The cartoon player's turns, stepped by the test: which frame each turn
// shows and where (moving, stationary, looping, the -1 defaults), when it
// ends, the overlay it draws in, and the counts and sizes that once
// overflowed.
#include <gtest/gtest.h>

#include <QWidget>
#include <climits>
#include <cstdlib>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "base/NumberText.h"
#include "commands/media/CartoonFile.h"
#include "commands/media/CartoonOverlay.h"
#include "commands/media/CartoonPlayer.h"
#include "commands/media/CartoonTestFiles.h"
#include "pages/PictureCache.h"

namespace orv::test {
namespace {

using Turn = std::optional<TCartoonFrame>;
Turn F(int index, int x, int y) { return TCartoonFrame{index, QPoint(x, y)}; }
const Turn kNothing = std::nullopt;

class CartoonPlayerTest : public ::testing::Test {
 protected:
  CartoonPlayerTest() { area.resize(400, 300); }

  // A stepped player of a strip of `frames` 20 x 16 frames on the area.
  std::unique_ptr<TCartoonPlayer> Player(const TCartoonPath& path, int frames, int frameWidth = 20) {
    std::optional<TCartoonStrip> strip = ReadCartoonStrip(CartoonFileBytes(frames, frameWidth, 16), "T.CAR", cache);
    EXPECT_TRUE(strip);
    return PlayerOf(std::move(*strip), path);
  }
  std::unique_ptr<TCartoonPlayer> PlayerOf(TCartoonStrip strip, const TCartoonPath& path) {
    auto player = std::make_unique<TCartoonPlayer>(std::move(strip), path, area);
    player->SetTimed(false);
    player->OnEnded = [this] { ++ended; };
    return player;
  }

  TPictureCache cache;
  QWidget area;
  int ended = 0;
};

std::string Describe(const Turn& turn) {
  if (!turn) return "nothing";
  return "frame " + std::to_string(turn->index) + " at " + std::to_string(turn->centre.x()) + "," +
         std::to_string(turn->centre.y());
}

struct SequenceCase {
  const char* name;
  int frames;
  TCartoonPath path;
  std::vector<Turn> turns;  // what each turn shows, the first one Start's
  bool endsThen;            // the turn after the last one ends it
};

TEST_F(CartoonPlayerTest, FramesAndPlacesTurnByTurn) {
  const SequenceCase cases[] = {
      {"moving right: frames x cycles steps, both ends drawn", 2, {.x1 = 10, .y1 = 20, .x2 = 30, .y2 = 20},
       {F(0, 10, 20), F(1, 20, 20), F(0, 30, 20)}, true},
      {"moving up and left, two cycles", 2, {.x1 = 30, .y1 = 40, .x2 = 10, .y2 = 0, .cycles = 2},
       {F(0, 30, 40), F(1, 25, 30), F(0, 20, 20), F(1, 15, 10), F(0, 10, 0)}, true},
      {"steps of a third of a pixel's multiple, rounded", 3, {.x1 = 0, .y1 = 0, .x2 = 10, .y2 = 0},
       {F(0, 0, 0), F(1, 3, 0), F(2, 7, 0), F(0, 10, 0)}, true},
      {"straight down", 2, {.x1 = 5, .y1 = 0, .x2 = 5, .y2 = 20},
       {F(0, 5, 0), F(1, 5, 10), F(0, 5, 20)}, true},
      {"stationary: the frames `cycles` times in place", 3, {.x1 = 50, .y1 = 60, .x2 = 50, .y2 = 60, .cycles = 2},
       {F(0, 50, 60), F(1, 50, 60), F(2, 50, 60), F(0, 50, 60), F(1, 50, 60), F(2, 50, 60)}, true},
      {"stationary, negative cycles count without sign", 2, {.x1 = 50, .y1 = 60, .x2 = 50, .y2 = 60, .cycles = -2},
       {F(0, 50, 60), F(1, 50, 60), F(0, 50, 60), F(1, 50, 60)}, true},
      {"stationary, cycles 0 plays once", 2, {.x1 = 50, .y1 = 60, .x2 = 50, .y2 = 60, .cycles = 0},
       {F(0, 50, 60), F(1, 50, 60)}, true},
      {"looping: a turn off the line, then from the start again", 2,
       {.x1 = 10, .y1 = 20, .x2 = 30, .y2 = 20, .loop = true},
       {F(0, 10, 20), F(1, 20, 20), F(0, 30, 20), kNothing, F(0, 10, 20), F(1, 20, 20), F(0, 30, 20), kNothing,
        F(0, 10, 20)},
       false},
      {"looping in place", 2, {.x1 = 50, .y1 = 60, .x2 = 50, .y2 = 60, .loop = true},
       {F(0, 50, 60), F(1, 50, 60), F(0, 50, 60), F(1, 50, 60), F(0, 50, 60)}, false},
      {"-1 everywhere: across the middle half of the area", 2, {},
       {F(0, 100, 150), F(1, 200, 150), F(0, 300, 150)}, true},
      {"-1 end: half the area's width on from the start", 2, {.x1 = 40, .y1 = 30},
       {F(0, 40, 30), F(1, 140, 30), F(0, 240, 30)}, true},
      {"-1 start: a quarter in, half-way down", 2, {.x2 = 140, .y2 = 150},
       {F(0, 100, 150), F(1, 120, 150), F(0, 140, 150)}, true},
      {"the whole int range", 2, {.x1 = INT_MIN, .y1 = 0, .x2 = INT_MAX, .y2 = 0},
       {F(0, INT_MIN, 0), F(1, -1, 0), F(0, INT_MAX, 0)}, true},
  };
  for (const SequenceCase& c : cases) {
    SCOPED_TRACE(c.name);
    ended = 0;
    std::unique_ptr<TCartoonPlayer> player = Player(c.path, c.frames);
    player->Start();
    for (std::size_t i = 0; i < c.turns.size(); ++i) {
      SCOPED_TRACE("turn " + std::to_string(i));
      if (i > 0) {
        ASSERT_TRUE(player->Step());
      }
      EXPECT_EQ(Describe(player->Shown()), Describe(c.turns[i]));
      // The overlay covers every frame it shows within the area.
      ASSERT_NE(player->Overlay(), nullptr);
      if (c.turns[i] && std::abs(static_cast<std::int64_t>(c.turns[i]->centre.x())) < 100000) {
        const TCartoonFrame& at = *c.turns[i];
        const QRect frame(at.centre.x() - 10, at.centre.y() - 8, 20, 16);
        if (frame.intersects(area.rect())) {
          EXPECT_TRUE(player->Overlay()->geometry().contains(frame.intersected(area.rect())));
        }
      }
    }
    EXPECT_EQ(player->Step(), !c.endsThen);
    EXPECT_EQ(player->Running(), !c.endsThen);
    EXPECT_EQ(ended, c.endsThen ? 1 : 0);
    EXPECT_EQ(player->Overlay() == nullptr, c.endsThen);
    if (c.endsThen) {
      EXPECT_FALSE(player->Step());
      EXPECT_EQ(ended, 1);  // ends once
    }
  }
}

TEST_F(CartoonPlayerTest, StopTakesTheFrameAwayWithoutEndingItself) {
  std::unique_ptr<TCartoonPlayer> player = Player({.x1 = 10, .y1 = 20, .x2 = 300, .y2 = 20}, 2);
  player->Start();
  ASSERT_NE(player->Overlay(), nullptr);
  EXPECT_TRUE(player->Overlay()->testAttribute(Qt::WA_TransparentForMouseEvents));
  player->Stop();
  EXPECT_EQ(player->Overlay(), nullptr);
  for (QWidget* child : area.findChildren<QWidget*>()) EXPECT_EQ(dynamic_cast<TCartoonOverlay*>(child), nullptr);
  EXPECT_FALSE(player->Step());
  EXPECT_EQ(ended, 0);
}

TEST_F(CartoonPlayerTest, OverlayStaysOverWhatIsRaisedAboveIt) {
  std::unique_ptr<TCartoonPlayer> player = Player({.x1 = 10, .y1 = 20, .x2 = 300, .y2 = 20}, 2);
  player->Start();
  auto* page = new QWidget(&area);  // a page shown by a page change
  page->setGeometry(area.rect());
  page->show();
  page->raise();
  ASSERT_TRUE(player->Step());
  EXPECT_EQ(area.children().constLast(), player->Overlay());
}

TEST_F(CartoonPlayerTest, OverlayIsCutToTheArea) {
  std::unique_ptr<TCartoonPlayer> player = Player({.x1 = -500, .y1 = 100, .x2 = 5000, .y2 = 900}, 2);
  player->Start();
  ASSERT_NE(player->Overlay(), nullptr);
  EXPECT_TRUE(area.rect().contains(player->Overlay()->geometry()));
  EXPECT_TRUE(player->Overlay()->FramePlace().isEmpty());  // the first frame lies outside
}

TEST(CartoonSaturatedAbs, TheSmallestIntegersGiveTheLargestInt) {
  const struct {
    std::int64_t value;
    int magnitude;
  } cases[] = {{0, 0}, {7, 7}, {-7, 7}, {INT_MIN, INT_MAX}, {INT_MAX, INT_MAX},
               {std::int64_t{INT_MIN} - 1, INT_MAX}, {INT64_MIN, INT_MAX}, {INT64_MAX, INT_MAX}};
  for (const auto& c : cases) EXPECT_EQ(SaturatedAbs(c.value), c.magnitude) << c.value;
}

TEST_F(CartoonPlayerTest, SmallestCyclesAndDelayAreTakenAsTheLargest) {
  std::unique_ptr<TCartoonPlayer> player =
      Player({.x1 = 50, .y1 = 60, .x2 = 50, .y2 = 60, .cycles = INT_MIN, .delayMs = INT_MIN}, 2);
  EXPECT_EQ(player->Cycles(), INT_MAX);
  EXPECT_EQ(player->DelayMs(), INT_MAX);
  player->Start();
  for (int i = 0; i < 10; ++i) ASSERT_TRUE(player->Step());  // far from its last cycle
  EXPECT_EQ(Describe(player->Shown()), Describe(F(0, 50, 60)));
}

TEST_F(CartoonPlayerTest, FramesTimesCyclesBeyond32BitsStillMoveForward) {
  // 32768 x 131072 is 2^32, which is 0 in 32 bits (a division by zero);
  // 3 x INT_MAX wraps to a negative count (a step backwards).
  const struct {
    int frames;
    std::int64_t cycles;
  } cases[] = {{32768, 131072}, {3, INT_MAX}, {65535, INT_MAX}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.frames);
    QImage picture(c.frames, 2, QImage::Format_RGB32);
    picture.fill(Qt::red);
    std::optional<TCartoonStrip> strip = ReadCartoonStrip(CartoonFileBytes(picture, c.frames), "BIG.CAR", cache);
    ASSERT_TRUE(strip);
    std::unique_ptr<TCartoonPlayer> player =
        PlayerOf(std::move(*strip), {.x1 = 0, .y1 = 10, .x2 = 100, .y2 = 10, .cycles = c.cycles});
    player->Start();
    ASSERT_TRUE(player->Step());
    EXPECT_GT(player->Position().x(), 0.0);
    EXPECT_LT(player->Position().x(), 1.0);
    EXPECT_EQ(Describe(player->Shown()), Describe(F(1, 0, 10)));
  }
}

}  // namespace
}  // namespace orv::test
