#pragma once
// TCartoonPlayer: plays a cartoon along a straight line over the page area.
// Each turn draws the frame at the current position when it lies within
// the path's box, waits the delay, then moves on by one frame and one step;
// a moving cartoon crosses the line once in frames x cycles steps, a
// stationary one (both ends the same) shows its frames `cycles` times. With
// "Loop" it starts again from the first point whenever it leaves the box.
//
// The turns run on a single-shot timer of the user-interface thread,
// restarted after each turn with the delay (0: one turn per pass of the
// event loop), so they only advance while events are served. Tests step it
// themselves (SetTimed(false), Step()).
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QRect>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <optional>

#include "commands/media/CartoonFile.h"
#include "commands/media/MediaList.h"

class QWidget;

namespace orv {

class TCartoonOverlay;

// The path as PlayCartoonFile gives it: page coordinates, -1 for the
// defaults; cycles and delay as written (their sign is dropped).
struct TCartoonPath {
  int x1 = -1;
  int y1 = -1;
  int x2 = -1;
  int y2 = -1;
  std::int64_t cycles = 1;
  std::int64_t delayMs = 0;
  bool loop = false;
};

// The frame a turn showed: its index and the point its centre is on.
struct TCartoonFrame {
  int index = 0;
  QPoint centre;
  bool operator==(const TCartoonFrame&) const = default;
};

class TCartoonPlayer : public QObject, public TMediaPlayback {
 public:
  // `area` is the page area the coordinates and the -1 defaults refer to.
  TCartoonPlayer(TCartoonStrip strip, const TCartoonPath& path, QWidget& area);
  ~TCartoonPlayer() override;

  // The first turn; with timed stepping the timer then runs the others.
  void Start();
  // The next turn: moves on and draws. False once the cartoon has ended
  // (OnEnded has then been called) or was stopped.
  bool Step();
  // From outside (StopMedia): ends at once, its frame gone; OnEnded is not
  // called.
  void Stop() override;
  bool Busy() const override { return stepping_ > 0; }

  // Timed (the default) or stepped by the caller.
  void SetTimed(bool timed);
  bool Running() const { return running_; }
  // What the last turn showed; none when its position lay outside the box.
  std::optional<TCartoonFrame> Shown() const { return shown_; }
  QPointF Position() const { return position_; }
  // The path's bounding box (area coordinates), edges included.
  int BoxLeft() const { return left_; }
  int BoxTop() const { return top_; }
  int BoxRight() const { return right_; }
  int BoxBottom() const { return bottom_; }
  int DelayMs() const { return delayMs_; }
  int Cycles() const { return cycles_; }
  const TCartoonStrip& Strip() const { return strip_; }
  // Null once the cartoon has ended or was stopped.
  TCartoonOverlay* Overlay() const;

  // The cartoon ended by itself (not through Stop). It may stop and free
  // the player from inside (Busy is true meanwhile).
  std::function<void()> OnEnded;

 private:
  bool InBox() const;
  QPoint RoundedPosition() const;
  // Steps 1 to 3 of a turn: false when the cartoon is over.
  bool DrawTurn();
  // Moving on after the delay.
  void Advance();
  void Arm();
  void Finish(bool ended);

  TCartoonStrip strip_;
  QPointer<TCartoonOverlay> overlay_;
  QTimer timer_;
  // Kept as four ints: a QRect spanning the whole int range overflows.
  int left_ = 0;
  int top_ = 0;
  int right_ = 0;
  int bottom_ = 0;
  QPointF start_;
  QPointF position_;
  double dx_ = 0;
  double dy_ = 0;
  int cycles_ = 1;
  int cyclesLeft_ = 1;
  int delayMs_ = 0;
  int frame_ = 0;
  bool loop_ = false;
  bool timed_ = true;
  bool running_ = false;
  int stepping_ = 0;
  std::optional<TCartoonFrame> shown_;
};

// Puts every playing cartoon of `list` back over the page area's other
// children at once (after a page change raised the new page), rather than
// at its next turn.
void KeepCartoonsOnTop(TMediaList& list);

}  // namespace orv
