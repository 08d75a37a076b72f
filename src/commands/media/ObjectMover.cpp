#include "commands/media/ObjectMover.h"

#include <utility>

#include "objects/OrvalisObj.h"

namespace orv {

namespace {

QPoint ReferenceOffset(const TOrvalisObj& object, bool leftTop) {
  return leftTop ? QPoint() : QPoint(object.width() / 2, object.height() / 2);
}

}  // namespace

TObjectMover::TObjectMover(TOrvalisObj& object, TMoverRequest request, TMoverServices services, QObject* parent)
    : QObject(parent),
      object_(&object),
      request_(std::move(request)),
      services_(std::move(services)),
      start_(object.pos()),
      offset_(ReferenceOffset(object, request_.LeftTop)),
      walk_(request_.Path, start_ + offset_, request_.Loop) {
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { Tick(); });
}

TOrvalisObj* TObjectMover::Object() const { return object_.data(); }

void TObjectMover::Start() {
  if (state_ != State::Idle) return;
  state_ = State::Running;
  if (walk_.Over()) {
    End();
    return;
  }
  timer_.start(0);
}

void TObjectMover::Stop() {
  if (state_ == State::Idle) state_ = State::Running;
  End();
}

void TObjectMover::Tick() {
  if (state_ != State::Running) return;
  const std::optional<QPoint> at = walk_.Step();
  if (!at || object_.isNull()) {
    End();
    return;
  }
  const QPoint topLeft = *at - offset_;
  if (topLeft != object_->pos() && services_.Place) services_.Place(*object_, topLeft);
  // The move may have run a script that stopped this mover.
  if (state_ == State::Running) timer_.start(request_.DelayMs);
}

void TObjectMover::End() {
  if (state_ != State::Running) return;
  state_ = State::Ending;
  timer_.stop();
  if (request_.Restore && !object_.isNull() && object_->pos() != start_ && services_.Place)
    services_.Place(*object_, start_);
  if (!request_.Subroutine.empty() && services_.CallSubroutine) services_.CallSubroutine(request_.Subroutine);
  state_ = State::Ended;
  if (services_.Ended) services_.Ended(*this);
}

}  // namespace orv
