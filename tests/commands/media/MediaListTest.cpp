// The media list: newest first, ids from a counter, lookup by the file-name
// part without regard to case or by id, and stopping by record, by video,
// by kind and all; the list is the one owner of what it plays, also when a
// player ends itself from inside one of its own steps.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <functional>
#include <string>
#include <vector>

#include "commands/media/MediaList.h"

namespace orv::test {
namespace {

// Notes its stops and its end in a shared log.
class LoggedPlayback : public TMediaPlayback {
 public:
  LoggedPlayback(std::string name, std::vector<std::string>& log) : name_(std::move(name)), log_(log) {}
  ~LoggedPlayback() override { log_.push_back("freed " + name_); }
  void Stop() override {
    log_.push_back("stopped " + name_);
    if (onStop) onStop();
  }
  bool Busy() const override { return busy; }
  bool busy = false;
  std::function<void()> onStop;

 private:
  std::string name_;
  std::vector<std::string>& log_;
};

class MediaListTest : public ::testing::Test {
 protected:
  int Add(const std::string& file, TMediaKind kind, bool video) {
    MediaRec record;
    record.fileName = file;
    record.kind = kind;
    record.hasVideo = video;
    record.player = std::make_unique<LoggedPlayback>(file, log);
    return list.Add(std::move(record));
  }
  std::vector<std::string> Files() const {
    std::vector<std::string> files;
    for (const MediaRec& r : list.Records()) files.push_back(r.fileName);
    return files;
  }

  std::vector<std::string> log;
  TMediaList list;
};

TEST_F(MediaListTest, NewestFirstWithIdsThatNeverRepeat) {
  const int a = Add("c:\\pub\\walk.car", TMediaKind::mkCartoon, true);
  const int b = Add("walk.car", TMediaKind::mkCartoon, true);  // the same moment, the same name
  const int c = Add("song.wav", TMediaKind::mkLoopingSound, false);
  EXPECT_NE(a, b);
  EXPECT_NE(b, c);
  EXPECT_NE(a, c);
  EXPECT_EQ(Files(), (std::vector<std::string>{"SONG.WAV", "WALK.CAR", "C:\\PUB\\WALK.CAR"}));
  list.StopMediaRecord(b);
  EXPECT_NE(Add("walk.car", TMediaKind::mkCartoon, true), b);  // an id is not given out again
}

TEST_F(MediaListTest, FoundByFileNamePartWithoutRegardToCaseOrById) {
  const int older = Add("C:\\Pub\\Walk.car", TMediaKind::mkCartoon, true);
  const int newer = Add("d:/other/WALK.CAR", TMediaKind::mkCartoon, true);
  Add("run.car", TMediaKind::mkCartoon, true);
  const struct {
    const char* name;
    int id;
  } cases[] = {{"walk.car", newer}, {"E:\\elsewhere\\Walk.Car", newer}, {"RUN.CAR", list.Records().front().id},
               {"walk", 0}, {"", 0}, {"alk.car", 0}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const MediaRec* found = list.Find(c.name);
    EXPECT_EQ(found ? found->id : 0, c.id);
  }
  ASSERT_NE(list.FindId(older), nullptr);
  EXPECT_EQ(list.FindId(older)->fileName, "C:\\PUB\\WALK.CAR");
  EXPECT_EQ(list.FindId(12345), nullptr);
}

TEST_F(MediaListTest, StoppingLeavesTheListFirstThenStopsAndFreesOnce) {
  const int id = Add("walk.car", TMediaKind::mkCartoon, true);
  bool goneWhenStopped = false;
  static_cast<LoggedPlayback&>(*list.FindId(id)->player).onStop = [&] {
    goneWhenStopped = list.FindId(id) == nullptr && list.Count() == 0;
  };
  EXPECT_TRUE(list.StopMediaRecord(id));
  EXPECT_TRUE(goneWhenStopped);
  EXPECT_EQ(log, (std::vector<std::string>{"stopped walk.car", "freed walk.car"}));
  EXPECT_FALSE(list.StopMediaRecord(id));
  EXPECT_EQ(list.Count(), 0);
}

TEST_F(MediaListTest, APlayerStoppedFromInsideItsOwnStepIsFreedFromTheEventLoop) {
  const int id = Add("walk.car", TMediaKind::mkCartoon, true);
  auto* player = static_cast<LoggedPlayback*>(list.FindId(id)->player.get());
  player->busy = true;
  list.StopMediaRecord(id);
  EXPECT_EQ(list.FindId(id), nullptr);
  EXPECT_EQ(log, (std::vector<std::string>{"stopped walk.car"}));
  player->busy = false;  // its step returns
  QCoreApplication::processEvents();
  EXPECT_EQ(log, (std::vector<std::string>{"stopped walk.car", "freed walk.car"}));
}

struct StopCase {
  const char* name;
  std::function<int(TMediaList&)> stop;
  std::vector<std::string> left;
};

TEST_F(MediaListTest, StopByVideoByKindAndAll) {
  const StopCase cases[] = {
      {"sounds: all without video", [](TMediaList& l) { return l.StopWithVideo(false); }, {"WALK.CAR", "CLIP.AVI"}},
      {"video: cartoons included", [](TMediaList& l) { return l.StopWithVideo(true); }, {"SONG.WAV", "TUNE.MID"}},
      {"cartoons only", [](TMediaList& l) { return l.StopKind(TMediaKind::mkCartoon); },
       {"SONG.WAV", "CLIP.AVI", "TUNE.MID"}},
      {"all", [](TMediaList& l) { return l.StopAll(); }, {}},
  };
  for (const StopCase& c : cases) {
    SCOPED_TRACE(c.name);
    list.StopAll();
    Add("tune.mid", TMediaKind::mkDevice, false);
    Add("clip.avi", TMediaKind::mkDevice, true);
    Add("song.wav", TMediaKind::mkLoopingSound, false);
    Add("walk.car", TMediaKind::mkCartoon, true);
    EXPECT_EQ(c.stop(list), 4 - static_cast<int>(c.left.size()));
    EXPECT_EQ(Files(), c.left);
  }
}

TEST(MediaPlayMode, LoopBeforeWaitAnywhereInTheOptions) {
  const struct {
    const char* options;
    TPlayMode mode;
  } cases[] = {{"", TPlayMode::pmOnce},     {"Wait", TPlayMode::pmWait},      {"nowait", TPlayMode::pmWait},
               {"WAIT+LOOP", TPlayMode::pmLoop}, {"loop", TPlayMode::pmLoop}, {"Restore", TPlayMode::pmOnce}};
  for (const auto& c : cases) EXPECT_EQ(PlayModeOf(c.options), c.mode) << c.options;
}

}  // namespace
}  // namespace orv::test
