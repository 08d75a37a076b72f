#pragma once
// Panning a picture with the mouse: a press fixes how far the picture may
// move, each move shifts the view against the mouse within those limits.
// Offsets are picture pixels at the picture's zoom.
#include <QPoint>
#include <cstdint>

namespace orv {

struct TPanOffset {
  std::int64_t x = 0;
  std::int64_t y = 0;
  bool operator==(const TPanOffset&) const = default;
};

class TPicturePan {
 public:
  // How far a picture of `pictureLength` at `zoom` can be panned in an
  // object `objectLength` long with an outline `lineWidth` wide.
  static std::int64_t Limit(int pictureLength, int zoom, int lineWidth, int objectLength);

  const TPanOffset& Offset() const { return offset_; }
  bool Active() const { return active_; }
  void Reset() { offset_ = {}; }

  void Begin(QPoint press, TPanOffset limits);
  // Shifts by the mouse's movement since the last point; true when the
  // offset changed.
  bool MoveTo(QPoint at);
  void End() { active_ = false; }

 private:
  TPanOffset offset_;
  TPanOffset limits_;
  QPoint last_;
  bool active_ = false;
};

}  // namespace orv
