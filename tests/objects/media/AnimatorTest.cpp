// The animated picture on an injected step clock: loops counted against
// LoopCount with and without AutoRewind, a still picture, Pause, damaged
// files, loading as the page and the object come and go, and clicks.
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "commands/media/MediaCommands.h"
#include "commands/objects/ObjectCommandFixture.h"
#include "objects/media/Animator.h"
#include "objects/media/GifBytes.h"
#include "objects/media/ManualStepClock.h"
#include "pages/PictureCache.h"
#include "pages/PictureFiles.h"

namespace orv::test {
namespace {

constexpr int kSide = 16;
constexpr QPoint kAt(20, 20);

class AnimatorTest : public ObjectCommandFixture {
 protected:
  AnimatorTest() { RegisterMediaCommands(engine.Commands()); }

  // Writes `bytes` to a file of the test's folder; its path.
  std::string WriteFile(const std::string& name, const QByteArray& bytes) {
    const QString path = dir.filePath(QString::fromStdString(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path.toStdString();
  }

  // Page 1 holds the animator "Anim" (no outline) with `keys`, page 2 a
  // box; the animator keeps time on a clock of the test's.
  TOrvalisAnimator* OpenAnimator(std::initializer_list<std::string> keys) {
    std::string page1 = "NewPage=One\r\n" +
                        ObjectLines(19, "Anim", QRect(kAt, QSize(60, 60)), {"LineWidth=0", "FillMode=Yes"});
    for (const std::string& key : keys) page1 += key + "\r\n";
    if (!Open(page1 + "NewPage=Two\r\n" + Box("Box", QRect(10, 10, 50, 50), kDocRed))) return nullptr;
    auto* animator = Find<TOrvalisAnimator>("Anim");
    if (animator == nullptr) return nullptr;
    auto owned = std::make_unique<ManualStepClock>();
    clock = owned.get();
    animator->SetStepClock(std::move(owned));
    vars.SetVar("[Log]", "");
    return animator;
  }

  // The frames shown after each step until the frames stop (at most
  // `limit` steps).
  std::vector<int> StepToEnd(TOrvalisAnimator& animator, int limit = 50) {
    std::vector<int> frames;
    while (limit-- > 0 && clock->Fire()) frames.push_back(animator.CurrentFrame());
    return frames;
  }

  std::string Log() { return Var("[Log]"); }
  QColor Painted() { return QColor(PixelAt(kAt + QPoint(kSide / 2, kSide / 2))); }

  QTemporaryDir dir;
  ManualStepClock* clock = nullptr;
};

const std::vector<int> kThreeFrames = {kGifRed, kGifGreen, kGifBlue};

TEST_F(AnimatorTest, LoopCountEndsOnTheFrameAutoRewindChoosesAndRunsDoneOnce) {
  struct Case {
    const char* name;
    bool autoRewind;
    std::optional<int> fileLoops;  // the file's own count, which plays no part
  };
  for (const Case& c : {Case{"rewind, file plays once", true, std::nullopt},
                        Case{"rewind, file loops endlessly", true, 0},
                        Case{"last frame, file plays once", false, std::nullopt},
                        Case{"last frame, file loops 5 times", false, 5}}) {
    SCOPED_TRACE(c.name);
    const std::string file = WriteFile("three.gif", AnimatedGif(kSide, kSide, kThreeFrames, 5, c.fileLoops));
    TOrvalisAnimator* animator =
        OpenAnimator({"FileName=" + file, "LoopTimes=2", "ObjDoneAction=" + Logs("done"),
                      std::string("AutoRewind=") + (c.autoRewind ? "Yes" : "No")});
    ASSERT_NE(animator, nullptr);
    ASSERT_TRUE(animator->HasPicture());
    EXPECT_EQ(animator->size(), QSize(kSide, kSide));
    EXPECT_TRUE(animator->Playing());

    std::vector<int> expected;
    const int frameCount = static_cast<int>(kThreeFrames.size());
    for (int step = 1; step <= 2 * frameCount; ++step) expected.push_back(step % frameCount);
    if (!c.autoRewind) expected.back() = frameCount - 1;
    EXPECT_EQ(StepToEnd(*animator), expected);

    EXPECT_FALSE(animator->Playing());
    EXPECT_FALSE(animator->Animating());
    EXPECT_EQ(animator->LoopsDone(), 2);
    // Posted, not run inside the step.
    EXPECT_EQ(Log(), "");
    QCoreApplication::processEvents();
    EXPECT_EQ(Log(), "done");
    EXPECT_EQ(Painted(), kGifColours[c.autoRewind ? kGifRed : kGifBlue]);
  }
}

TEST_F(AnimatorTest, EndlessPlayKeepsLoopingWithoutDone) {
  const std::string file = WriteFile("three.gif", AnimatedGif(kSide, kSide, kThreeFrames));
  TOrvalisAnimator* animator = OpenAnimator({"FileName=" + file, "ObjDoneAction=" + Logs("done")});
  ASSERT_NE(animator, nullptr);
  EXPECT_EQ(StepToEnd(*animator, 30).size(), 30u);
  EXPECT_TRUE(animator->Animating());
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "");
}

TEST_F(AnimatorTest, StillPictureShowsWithoutStepsAndNeverEndsALoop) {
  const std::string file = WriteFile("still.gif", AnimatedGif(kSide, kSide, {kGifGreen}));
  TOrvalisAnimator* animator =
      OpenAnimator({"FileName=" + file, "LoopTimes=2", "ObjDoneAction=" + Logs("done")});
  ASSERT_NE(animator, nullptr);
  EXPECT_TRUE(animator->HasPicture());
  EXPECT_TRUE(animator->Playing());
  EXPECT_FALSE(animator->Animating());
  EXPECT_FALSE(clock->Pending());
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "");
  EXPECT_EQ(Painted(), kGifColours[kGifGreen]);
}

TEST_F(AnimatorTest, PauseRewindsWithAutoRewindElseResumesWhereItStopped) {
  for (const bool autoRewind : {true, false}) {
    SCOPED_TRACE(autoRewind ? "AutoRewind" : "no AutoRewind");
    const std::string file = WriteFile("three.gif", AnimatedGif(kSide, kSide, kThreeFrames));
    TOrvalisAnimator* animator =
        OpenAnimator({"FileName=" + file, std::string("AutoRewind=") + (autoRewind ? "Yes" : "No")});
    ASSERT_NE(animator, nullptr);
    ASSERT_TRUE(clock->Fire());
    const int shown = animator->CurrentFrame();
    ASSERT_EQ(shown, 1);
    animator->Pause();
    EXPECT_FALSE(clock->Pending());
    EXPECT_EQ(animator->Playing(), !autoRewind);
    const int stoppedAt = autoRewind ? 0 : shown;
    EXPECT_EQ(animator->CurrentFrame(), stoppedAt);
    EXPECT_EQ(Painted(), kGifColours[kThreeFrames[static_cast<std::size_t>(stoppedAt)]]);

    animator->Play(0);
    EXPECT_EQ(animator->CurrentFrame(), stoppedAt);
    ASSERT_TRUE(clock->Fire());
    EXPECT_EQ(animator->CurrentFrame(), stoppedAt + 1);
  }
}

TEST_F(AnimatorTest, StopWithoutRewindKeepsTheFrameAndTheResumeFrame) {
  const std::string file = WriteFile("three.gif", AnimatedGif(kSide, kSide, kThreeFrames));
  TOrvalisAnimator* animator = OpenAnimator({"FileName=" + file, "AutoRewind=No"});
  ASSERT_NE(animator, nullptr);
  clock->Fire();
  clock->Fire();
  animator->Pause();
  EXPECT_EQ(animator->ResumeFrame(), 2);
  animator->Stop(false);
  EXPECT_EQ(animator->ResumeFrame(), 2);
  EXPECT_TRUE(animator->Playing());
  animator->Stop(true);
  EXPECT_EQ(animator->ResumeFrame(), -1);
  EXPECT_EQ(animator->CurrentFrame(), 0);
  EXPECT_FALSE(animator->Playing());
}

TEST_F(AnimatorTest, DamagedPicturesShowNothingOrWhatReads) {
  const QByteArray good = AnimatedGif(kSide, kSide, kThreeFrames);
  // The first frame ends where the second one's control block begins.
  const qsizetype secondFrame = good.indexOf("\x21\xF9", good.indexOf("\x21\xF9") + 1);
  struct Case {
    const char* name;
    QByteArray bytes;
    bool picture;
  };
  const std::vector<Case> cases = {
      {"empty file", QByteArray(), false},
      {"header only", good.left(6), false},
      {"screen block and no frame", good.left(25), false},
      {"garbage after the palette", good.left(25) + QByteArray(200, '\x7F'), false},
      {"first frame cut short: the part that reads", good.left(secondFrame - 40), true},
      {"second frame cut short", good.left(secondFrame + 30), true},
      {"not a picture at all", QByteArray("hello, this is text"), false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string file = WriteFile("bad.gif", c.bytes);
    TOrvalisAnimator* animator = OpenAnimator({"FileName=" + file, "LoopTimes=3"});
    ASSERT_NE(animator, nullptr);
    EXPECT_EQ(animator->HasPicture(), c.picture);
    // Stepping what reads ends or runs on; it never fails.
    StepToEnd(*animator, 20);
    if (!c.picture) {
      EXPECT_FALSE(clock->Pending());
    }
    Grab();
  }
}

TEST_F(AnimatorTest, AutoSizingAddsTheOutlineOnBothSides) {
  const std::string file = WriteFile("three.gif", AnimatedGif(kSide, kSide + 4, kThreeFrames));
  struct Case {
    bool autoSizing;
    int lineWidth;
    QSize size;
  };
  for (const Case& c : {Case{true, 0, QSize(kSide, kSide + 4)}, Case{true, 3, QSize(kSide + 6, kSide + 10)},
                        Case{false, 3, QSize(60, 60)}}) {
    SCOPED_TRACE(c.lineWidth);
    TOrvalisAnimator* animator =
        OpenAnimator({"FileName=" + file, "LineWidth=" + std::to_string(c.lineWidth),
                      std::string("AutoSize=") + (c.autoSizing ? "Yes" : "No")});
    ASSERT_NE(animator, nullptr);
    EXPECT_EQ(animator->size(), c.size);
  }
}

TEST_F(AnimatorTest, LoadedOnlyWhileThePageIsShownAndTheObjectVisible) {
  const std::string file = WriteFile("three.gif", AnimatedGif(kSide, kSide, kThreeFrames));
  TOrvalisAnimator* animator = OpenAnimator({"FileName=" + file});
  ASSERT_NE(animator, nullptr);
  EXPECT_TRUE(animator->HasPicture());

  Run("HideObject \"Anim\" \"\" \"\"");
  EXPECT_FALSE(animator->HasPicture());
  EXPECT_FALSE(clock->Pending());
  Run("ShowObject \"Anim\" \"\" \"\"");
  EXPECT_TRUE(animator->HasPicture());
  EXPECT_TRUE(animator->Animating());

  Run("GotoPage \"Two\"");
  EXPECT_FALSE(animator->HasPicture());
  EXPECT_FALSE(clock->Pending());
  // Shown while its page is not: nothing loads until the page comes back.
  animator->SetVisibleState(false);
  animator->SetVisibleState(true);
  EXPECT_FALSE(animator->HasPicture());
  Run("GotoPage \"One\"");
  EXPECT_TRUE(animator->HasPicture());
  EXPECT_TRUE(animator->Animating());
}

TEST_F(AnimatorTest, WithoutAutoStartItWaitsOnTheFirstFrame) {
  const std::string file = WriteFile("three.gif", AnimatedGif(kSide, kSide, kThreeFrames));
  TOrvalisAnimator* animator = OpenAnimator({"FileName=" + file, "AutoStart=No"});
  ASSERT_NE(animator, nullptr);
  EXPECT_TRUE(animator->HasPicture());
  EXPECT_FALSE(animator->Playing());
  EXPECT_FALSE(clock->Pending());
  EXPECT_EQ(Painted(), kGifColours[kGifRed]);
}

TEST_F(AnimatorTest, AVariableInTheNameLoadsAgainWhenItChanges) {
  const std::string red = WriteFile("red.gif", AnimatedGif(kSide, kSide, {kGifRed}));
  const std::string blue = WriteFile("blue.gif", AnimatedGif(kSide, kSide, {kGifBlue}));
  TOrvalisAnimator* animator = OpenAnimator({"FileName=[Gif]"});
  ASSERT_NE(animator, nullptr);
  EXPECT_FALSE(animator->HasPicture());
  Run("SetVar \"[Gif]\" \"" + red + "\"");
  EXPECT_EQ(Painted(), kGifColours[kGifRed]);
  Run("SetVar \"[Gif]\" \"" + blue + "\"");
  EXPECT_EQ(Painted(), kGifColours[kGifBlue]);
  Run("SetVar \"[Gif]\" \"missing.gif\"");
  EXPECT_FALSE(animator->HasPicture());
}

TEST_F(AnimatorTest, APackageEntryComesBeforeTheDiskFile) {
  const std::string onDisk = WriteFile("both.gif", AnimatedGif(kSide, kSide, {kGifRed}));
  const std::string diskOnly = WriteFile("disk.gif", AnimatedGif(kSide, kSide, {kGifGreen}));
  testing::MemoryPictureSource entries;
  entries.Add(onDisk, AnimatedGif(kSide, kSide, {kGifBlue}));
  entries.Add("entry.gif", AnimatedGif(kSide, kSide, {kGifWhite, kGifBlue}));
  struct Swap {
    PictureEntrySource* previous = PictureCache().EntrySource();
    explicit Swap(PictureEntrySource* entries) { PictureCache().SetEntrySource(entries); }
    ~Swap() { PictureCache().SetEntrySource(previous); }
  } swap(&entries);
  struct Case {
    std::string file;
    int colour;
  };
  for (const Case& c : {Case{onDisk, kGifBlue}, Case{diskOnly, kGifGreen}, Case{"Entry.GIF", kGifWhite}}) {
    SCOPED_TRACE(c.file);
    ASSERT_NE(OpenAnimator({"FileName=" + c.file}), nullptr);
    EXPECT_EQ(Painted(), kGifColours[c.colour]);
  }
}

TEST_F(AnimatorTest, AClickPostsTheClickScript) {
  const std::string file = WriteFile("three.gif", AnimatedGif(kSide, kSide, kThreeFrames));
  TOrvalisAnimator* animator = OpenAnimator({"FileName=" + file, "ObjAction=" + Logs("click")});
  ASSERT_NE(animator, nullptr);
  QTest::mouseClick(animator, Qt::LeftButton, Qt::NoModifier, QPoint(kSide / 2, kSide / 2));
  EXPECT_EQ(Log(), "");
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "click");
}

}  // namespace
}  // namespace orv::test
