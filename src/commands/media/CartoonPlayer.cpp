#include "commands/media/CartoonPlayer.h"

#include <QWidget>
#include <algorithm>
#include <climits>
#include <cmath>

#include "base/NumberText.h"
#include "commands/media/CartoonOverlay.h"

namespace orv {

namespace {

// Far enough outside any page that a frame there shows nothing, near
// enough that no sum with a widget position overflows.
constexpr std::int64_t kFarOff = 1 << 28;

int Clamped(std::int64_t value, std::int64_t low, std::int64_t high) {
  return static_cast<int>(std::clamp(value, low, high));
}

// Holds the player busy for the length of a turn.
class BusyTurn {
 public:
  explicit BusyTurn(int& count) : count_(count) { ++count_; }
  ~BusyTurn() { --count_; }
  BusyTurn(const BusyTurn&) = delete;
  BusyTurn& operator=(const BusyTurn&) = delete;

 private:
  int& count_;
};

}  // namespace

TCartoonPlayer::TCartoonPlayer(TCartoonStrip strip, const TCartoonPath& path, QWidget& area)
    : strip_(std::move(strip)) {
  timer_.setSingleShot(true);
  QObject::connect(&timer_, &QTimer::timeout, this, [this] { Step(); });

  cycles_ = std::max(1, SaturatedAbs(path.cycles));
  cyclesLeft_ = cycles_;
  delayMs_ = SaturatedAbs(path.delayMs);
  loop_ = path.loop;

  // The defaults: a quarter of the way in, half-way down, across half the
  // area.
  const int width = area.width(), height = area.height();
  const int x1 = path.x1 == -1 ? width / 2 / 2 : path.x1;
  const int y1 = path.y1 == -1 ? height / 2 : path.y1;
  const int x2 = path.x2 == -1 ? Clamped(std::int64_t{x1} + width / 2, INT_MIN, INT_MAX) : path.x2;
  const int y2 = path.y2 == -1 ? y1 : path.y2;

  // Frames x cycles reach 65535 x 2^31: counted in 64 bits, divided as reals.
  const double steps = static_cast<double>(std::int64_t{strip_.Frames()} * cycles_);
  dx_ = x1 == x2 ? 0.0 : (static_cast<double>(x2) - x1) / steps;
  dy_ = y1 == y2 ? 0.0 : (static_cast<double>(y2) - y1) / steps;
  start_ = position_ = QPointF(x1, y1);
  left_ = std::min(x1, x2);
  top_ = std::min(y1, y2);
  right_ = std::max(x1, x2);
  bottom_ = std::max(y1, y2);

  // The overlay covers the box and one frame around its edge, within the
  // area.
  const std::int64_t halfW = strip_.FrameWidth() / 2, halfH = strip_.FrameHeight() / 2;
  const std::int64_t left = std::max<std::int64_t>(0, std::int64_t{left_} - halfW);
  const std::int64_t top = std::max<std::int64_t>(0, std::int64_t{top_} - halfH);
  const std::int64_t right = std::min<std::int64_t>(width, std::int64_t{right_} + strip_.FrameWidth() - halfW + 1);
  const std::int64_t bottom = std::min<std::int64_t>(height, std::int64_t{bottom_} + strip_.FrameHeight() - halfH + 1);
  const QRect cover = right > left && bottom > top
                          ? QRect(static_cast<int>(left), static_cast<int>(top), static_cast<int>(right - left),
                                  static_cast<int>(bottom - top))
                          : QRect();
  overlay_ = new TCartoonOverlay(area, cover, strip_);
}

TCartoonPlayer::~TCartoonPlayer() {
  timer_.stop();
  delete overlay_.data();
}

TCartoonOverlay* TCartoonPlayer::Overlay() const { return overlay_.data(); }

void TCartoonPlayer::SetTimed(bool timed) {
  timed_ = timed;
  if (!timed_) timer_.stop();
}

QPoint TCartoonPlayer::RoundedPosition() const {
  return QPoint(Clamped(std::llround(position_.x()), INT_MIN, INT_MAX),
                Clamped(std::llround(position_.y()), INT_MIN, INT_MAX));
}

bool TCartoonPlayer::InBox() const {
  // Far beyond the int range the rounded position is clamped onto the
  // range's edge, which a box may touch: the real position decides then.
  const double x = position_.x(), y = position_.y();
  if (!(x > double(INT_MIN) - 1 && x < double(INT_MAX) + 1 && y > double(INT_MIN) - 1 && y < double(INT_MAX) + 1))
    return false;
  const QPoint at = RoundedPosition();
  return at.x() >= left_ && at.x() <= right_ && at.y() >= top_ && at.y() <= bottom_;
}

void TCartoonPlayer::Start() {
  if (running_) return;
  BusyTurn busy(stepping_);
  running_ = true;
  if (DrawTurn())
    Arm();
  else
    Finish(true);
}

bool TCartoonPlayer::Step() {
  if (!running_) return false;
  BusyTurn busy(stepping_);
  Advance();
  if (!DrawTurn()) {
    Finish(true);
    return false;
  }
  Arm();
  return true;
}

bool TCartoonPlayer::DrawTurn() {
  const bool inside = InBox();
  if (!loop_ && !inside) return false;
  if (!inside) {
    shown_.reset();
    if (overlay_) overlay_->HideFrame();
    return true;
  }
  const QPoint centre = RoundedPosition();
  shown_ = TCartoonFrame{frame_, centre};
  if (overlay_) {
    const std::int64_t left = std::int64_t{centre.x()} - strip_.FrameWidth() / 2;
    const std::int64_t top = std::int64_t{centre.y()} - strip_.FrameHeight() / 2;
    overlay_->KeepOnTop();
    overlay_->ShowFrame(frame_, QPoint(Clamped(left, -kFarOff, kFarOff), Clamped(top, -kFarOff, kFarOff)));
  }
  return true;
}

void TCartoonPlayer::Advance() {
  ++frame_;
  const bool stationary = dx_ == 0.0 && dy_ == 0.0;
  if (frame_ >= strip_.Frames()) {
    frame_ = 0;
    // A stationary cartoon counts its runs through the frames; after the
    // last it is put left of its box, which ends it (or, looping, starts
    // it again).
    if (stationary && --cyclesLeft_ <= 0) {
      position_.setX(static_cast<double>(left_) - 1.0);
      cyclesLeft_ = cycles_;
    }
  }
  if (loop_ && !InBox())
    position_ = start_;
  else
    position_ += QPointF(dx_, dy_);
}

void TCartoonPlayer::Arm() {
  if (timed_ && running_) timer_.start(delayMs_);
}

void TCartoonPlayer::Finish(bool ended) {
  const bool wasRunning = running_;
  running_ = false;
  timer_.stop();
  shown_.reset();
  // Taking the overlay away shows the page beneath again.
  delete overlay_.data();
  if (ended && wasRunning && OnEnded) OnEnded();
}

void TCartoonPlayer::Stop() { Finish(false); }

void KeepCartoonsOnTop(TMediaList& list) {
  for (const MediaRec& record : list.Records()) {
    if (record.kind != TMediaKind::mkCartoon) continue;
    if (auto* player = dynamic_cast<TCartoonPlayer*>(record.player.get()); player && player->Overlay())
      player->Overlay()->KeepOnTop();
  }
}

}  // namespace orv
