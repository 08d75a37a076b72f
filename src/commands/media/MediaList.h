#pragma once
// TMediaList: what the publication window is playing (cartoons now; sounds
// and videos join as further kinds), newest first. Each record owns the
// thing that plays it; the list is that thing's one owner, and stopping a
// record is the only way one ends up freed.
//
// Records are named by an id handed out from a counter, so two media
// started at the same moment never share one.
#include <QObject>
#include <list>
#include <memory>
#include <string>
#include <string_view>

namespace orv {

class TWorkForm;

// What a record plays. Stop ends it at once, with nothing of it left on
// screen or in the speakers.
class TMediaPlayback {
 public:
  virtual ~TMediaPlayback() = default;
  virtual void Stop() = 0;
  // True while one of its own steps is running (a step that ended it, say):
  // it is then freed once control is back in the event loop.
  virtual bool Busy() const { return false; }
};

enum class TMediaKind { mkDevice = 0, mkCartoon = 2, mkLoopingSound = 3 };

// How a medium plays, from its options: "Loop" before "Wait".
enum class TPlayMode { pmOnce = 0, pmWait = 1, pmLoop = 2 };
TPlayMode PlayModeOf(std::string_view options);

struct MediaRec {
  int id = 0;
  TPlayMode playMode = TPlayMode::pmOnce;
  std::string fileName;  // the played file, upper-cased
  TMediaKind kind = TMediaKind::mkDevice;
  bool hasVideo = false;  // shows pictures (always for cartoons)
  int loopCount = 0;
  std::unique_ptr<TMediaPlayback> player;
};

class TMediaList : public QObject {
 public:
  explicit TMediaList(QObject* parent = nullptr);
  // Stops whatever still plays.
  ~TMediaList() override;

  // Puts the record first and gives its new id.
  int Add(MediaRec record);
  // By the file-name part, without regard to case (folders are ignored);
  // the newest first. Null when none.
  MediaRec* Find(std::string_view fileName);
  MediaRec* FindId(int id);

  // The record leaves the list first, then its player is stopped and freed.
  // False when no record has that id.
  bool StopMediaRecord(int id);
  // Each returns how many it stopped.
  int StopWithVideo(bool hasVideo);
  int StopKind(TMediaKind kind);
  int StopAll();

  int Count() const { return static_cast<int>(records_.size()); }
  const std::list<MediaRec>& Records() const { return records_; }

 private:
  template <typename Pred>
  int StopWhere(Pred pred);
  void Retire(std::unique_ptr<TMediaPlayback> player);

  std::list<MediaRec> records_;
  // Players stopped from inside one of their own steps, freed from the
  // event loop.
  std::list<std::unique_ptr<TMediaPlayback>> retired_;
  int nextId_ = 1;
};

// The window's media list; null before anything played.
TMediaList* MediaListOf(TWorkForm& window);
// The window's media list, made when there is none; the window's close
// then stops everything in it.
TMediaList& PrepareMediaList(TWorkForm& window);

}  // namespace orv
