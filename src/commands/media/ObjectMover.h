#pragma once
// TObjectMover: one page object moving along a path. There is no thread:
// a single-shot timer on the user-interface thread runs one step of the
// walk, moves the object and starts again with the delay (0: one step each
// time the event loop comes round), so steps advance only while the loop
// is served, as every other change of the page does. The mover ends at the
// end of the path or when stopped; then, with "Restore", the object goes
// back to where it started and the subroutine, if any, is called.
#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <functional>
#include <string>
#include <vector>

#include "commands/media/MoverPathWalk.h"

namespace orv {

class TOrvalisObj;

// What MoveObjectAlongPath asks for.
struct TMoverRequest {
  // In the coordinates of the object's parent.
  std::vector<QPoint> Path;
  bool LeftTop = false;   // points are where the top-left goes, not the centre
  bool Restore = false;
  bool Loop = false;
  int DelayMs = 15;
  std::string Subroutine;
};

class TObjectMover;

// How a mover acts on the world: moving its object (top-left in the
// parent's coordinates), calling a subroutine, and telling its owner it
// ended.
struct TMoverServices {
  std::function<void(TOrvalisObj& object, QPoint topLeft)> Place;
  std::function<void(const std::string& label)> CallSubroutine;
  std::function<void(TObjectMover& mover)> Ended;
};

class TObjectMover : public QObject {
 public:
  TObjectMover(TOrvalisObj& object, TMoverRequest request, TMoverServices services, QObject* parent = nullptr);

  // The first step comes when the event loop next runs; an empty path ends
  // at once.
  void Start();
  // Ends now (Restore, subroutine); nothing once it has ended.
  void Stop();

  enum class State { Idle, Running, Ending, Ended };
  State CurrentState() const { return state_; }
  bool HasEnded() const { return state_ == State::Ended; }
  // Null once the object is gone.
  TOrvalisObj* Object() const;
  const TMoverRequest& Request() const { return request_; }
  // Where the object started, top-left in its parent's coordinates.
  QPoint StartPosition() const { return start_; }

 private:
  void Tick();
  void End();

  QPointer<TOrvalisObj> object_;
  TMoverRequest request_;
  TMoverServices services_;
  QPoint start_;
  QPoint offset_;
  TMoverPathWalk walk_;
  QTimer timer_;
  State state_ = State::Idle;
};

}  // namespace orv
