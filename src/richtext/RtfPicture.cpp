#include "richtext/RtfPicture.h"

#include <QPainter>
#include <algorithm>
#include <cstdint>

#include "richtext/RichTextFormat.h"

namespace orv::rt {

namespace {

// Frames for undecodable pictures are drawn into real bitmaps; a hostile size
// must not allocate without bound.
constexpr int kMaxFrameSide = 2000;

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

double Scaled(int value, int scalePercent) {
  const int scale = (scalePercent > 0 && scalePercent <= 10000) ? scalePercent : 100;
  return static_cast<double>(value) * scale / 100.0;
}

}  // namespace

void RtfPicture::AddHexDigit(char c) {
  const int v = HexValue(c);
  if (v < 0) return;
  if (pendingNibble_ < 0) {
    pendingNibble_ = v;
  } else {
    bytes.push_back(static_cast<char>(pendingNibble_ * 16 + v));
    pendingNibble_ = -1;
  }
}

DecodedPicture DecodeRtfPicture(const RtfPicture& picture) {
  DecodedPicture out;
  if (picture.kind != RtfPicture::Kind::kOther && !picture.bytes.empty()) {
    out.image.loadFromData(reinterpret_cast<const uchar*>(picture.bytes.data()),
                           static_cast<int>(std::min<std::size_t>(picture.bytes.size(), INT32_MAX)),
                           picture.kind == RtfPicture::Kind::kPng ? "PNG" : "JPEG");
  }
  double w = 0, h = 0;
  if (picture.goalWidth > 0 && picture.goalHeight > 0) {
    w = Scaled(picture.goalWidth, picture.scaleX) / kTwipsPerPixel;
    h = Scaled(picture.goalHeight, picture.scaleY) / kTwipsPerPixel;
  } else if (!out.image.isNull()) {
    w = Scaled(out.image.width(), picture.scaleX);
    h = Scaled(out.image.height(), picture.scaleY);
  } else {
    w = picture.width;
    h = picture.height;
  }
  w = std::clamp(w, 1.0, static_cast<double>(kMaxFrameSide));
  h = std::clamp(h, 1.0, static_cast<double>(kMaxFrameSide));
  out.displaySize = QSizeF(w, h);
  if (out.image.isNull()) {
    QImage frame(static_cast<int>(w), static_cast<int>(h), QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::transparent);
    QPainter p(&frame);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(0, 0, frame.width() - 1, frame.height() - 1);
    out.image = frame;
  }
  return out;
}

}  // namespace orv::rt
