#include "objects/shapes/Shapes.h"

#include <algorithm>

#include "container/DocumentValue.h"

namespace orv {

namespace {

// "ENDCAPS=" bits.
constexpr int kStartArrowBit = 1;
constexpr int kEndArrowBit = 512;

}  // namespace

TOrvalisRoundRect::TOrvalisRoundRect(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisObj(type, parent, host) {
  LockTransparency(true);
}

TOrvalisCircle::TOrvalisCircle(int type, QWidget* parent, TObjectHost* host) : TOrvalisObj(type, parent, host) {
  LockTransparency(true);
}

TOrvalisLine::TOrvalisLine(int type, QWidget* parent, TObjectHost* host) : TOrvalisObj(type, parent, host) {
  LockTransparency(true);
}

void TOrvalisLine::SetPoints(QPoint start, QPoint end) {
  // End points live where objects may be placed, so differences between
  // them and the window's corner stay in range.
  auto clamp = [](QPoint p) {
    return QPoint(std::clamp(p.x(), -kLargestCoordinate, kLargestCoordinate),
                  std::clamp(p.y(), -kLargestCoordinate, kLargestCoordinate));
  };
  start = clamp(start);
  end = clamp(end);
  const int left = std::min(start.x(), end.x());
  const int top = std::min(start.y(), end.y());
  const std::int64_t right = std::max(start.x(), end.x());
  const std::int64_t bottom = std::max(start.y(), end.y());
  SetDocumentGeometry(left, top, right - left + 1, bottom - top + 1);
  start_ = start - pos();
  end_ = end - pos();
}

bool TOrvalisLine::ApplyKey(const KeyValue& key) {
  const std::string_view name = key.Name();
  if (name == "X1=") x1_ = key.Number();
  else if (name == "Y1=") y1_ = key.Number();
  else if (name == "X2=") x2_ = key.Number();
  else if (name == "Y2=") SetPoints(QPoint(x1_.value_or(0), y1_.value_or(0)), QPoint(x2_.value_or(0), key.Number()));
  else if (name == "ENDCAPS=") {
    const int caps = key.Number();
    if (caps & kStartArrowBit) startCap_ = lc_Arrow;
    if (caps & kEndArrowBit) endCap_ = lc_Arrow;
  } else {
    return false;
  }
  return true;
}

TOrvalisPolygon::TOrvalisPolygon(int type, QWidget* parent, TObjectHost* host) : TOrvalisDragObj(type, parent, host) {
  LockTransparency(true);
}

bool TOrvalisPolygon::ApplyKey(const KeyValue& key) {
  if (ApplyHoverKey(key) || ApplyHintKey(key) || ApplyDragKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "FILENAME=") imageFile_.SetView(key.Text());
  else if (name == "OBJACTION=") clickAction_.SetView(key.Text());
  else if (name == "OBJRACTION=") rClickAction_.SetView(key.Text());
  else if (name == "PICTSTYLE=") useImageRgn_ = key.Number() == 1;
  else if (name == "PICTTRANSCOLOR=") transColor_ = static_cast<ColourValue>(key.Number());
  else if (name == "OPACITYEX=") opacity_ = key.Number();
  else if (name == "POINTS=") points_.SetView(key.Text());
  else return false;
  if (name == "OBJACTION=") UpdateCursor();
  return true;
}

}  // namespace orv
