#pragma once
// The animated picture: a GIF or other animation played on the page. The
// picture is loaded only while its page is shown and the object visible;
// its frames advance one step at a time on the object's clock, and the
// object counts the loops itself (the file's own loop count is ignored).
#include <QByteArray>
#include <memory>
#include <string>

#include "objects/OrvalisObj.h"
#include "objects/media/StepClock.h"

class QBuffer;
class QMovie;

namespace orv {

class TOrvalisAnimator : public TOrvalisObj {
 public:
  // Frames shown for less (0 included) would spin the event loop.
  static constexpr int kShortestFrameDelayMs = 10;

  TOrvalisAnimator(int type, QWidget* parent, TObjectHost* host);
  ~TOrvalisAnimator() override;

  std::string_view ImageFile() const { return imageFile_.View(); }
  std::string_view DoneAction() const { return doneAction_.View(); }
  bool AutoSizing() const { return autoSizing_; }
  bool AutoStart() const { return autoStart_; }
  bool AutoRewind() const { return autoRewind_; }
  // 0: endlessly.
  int LoopCount() const { return loopCount_; }

  // --- State ------------------------------------------------------------
  bool HasPicture() const { return movie_ != nullptr; }
  // Started and not yet stopped with a rewind or at its last loop.
  bool Playing() const { return playing_; }
  // Frames are advancing.
  bool Animating() const { return animating_; }
  int LoopsDone() const { return loopsDone_; }
  // The frame on display; -1 without a picture.
  int CurrentFrame() const;
  // The frame the next Play starts at; -1 for the one on display.
  int ResumeFrame() const { return resumeFrame_; }

  // --- Operations -------------------------------------------------------
  // A new name loads at once when the picture may show; the same name
  // loads again.
  void SetImageFile(std::string_view name);
  // Reads the picture afresh (RefreshObject, SetObjectFileName).
  void Reload() { Load(); }
  // Only on a shown page and while visible: the package entry, else the
  // disk file, else nothing; damaged pictures show nothing.
  void Load();
  // Stops and lets the picture go.
  void Unload();
  // Plays |loops| loops (0: endlessly), from the resume frame when set.
  void Play(int loops);
  // With AutoRewind Stop(true); otherwise stops on the frame on display,
  // where the next Play goes on.
  void Pause();
  // Stops the frames; with rewind back to the first frame, not playing.
  void Stop(bool rewind);
  // Shows the next frame and counts a loop when the picture starts over;
  // what the clock runs, public so that a test's clock can be stepped.
  void Step();
  void SetStepClock(std::unique_ptr<TStepClock> clock);
  TStepClock& StepClock() { return *clock_; }

  bool TakesClickActions() const override { return true; }
  bool TakesHoverActions() const override { return true; }
  bool ApplyKey(const KeyValue& key) override;
  void DrawShape(QPainter& painter) override;
  void Notify(int message, const std::string& text, const std::string& data) override;
  void PageEntering() override;
  void PageLeaving() override;

 protected:
  bool event(QEvent* event) override;
  void WatchedVariableChanged(std::string_view bracketName, std::string_view value) override;

 private:
  bool MayShow() const { return pageActive_ && VisibleState(); }
  void OpenMovie(const std::string& name);
  void DropMovie();
  void StopAnimating();
  void ScheduleStep();
  // Counts the loop that just ended; true when it was the last one.
  bool LoopEnded();
  int LastFrame() const;

  std::unique_ptr<TStepClock> clock_;
  TObjectText imageFile_, doneAction_;
  bool autoSizing_ = true;
  bool autoStart_ = true;
  bool autoRewind_ = true;
  int loopCount_ = 0;

  QByteArray bytes_;  // a package entry's picture, read by movie_
  std::unique_ptr<QBuffer> buffer_;
  std::unique_ptr<QMovie> movie_;
  bool pageActive_ = false;  // between page entering (or shown) and leaving
  bool playing_ = false;
  bool animating_ = false;
  int loopsDone_ = 0;
  int resumeFrame_ = -1;
  int lastFrameSeen_ = 0;
};

}  // namespace orv
