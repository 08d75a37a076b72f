#pragma once
// Cartoon files made by the tests: the 12-byte header and a strip of
// frames written as a PNG. Each frame is a square of its own colour on the
// transparent background (magenta, the strip's bottom-left colour), with a
// margin of `kFrameMargin` pixels all round.
#include <QBuffer>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <cstdint>
#include <string>

namespace orv::test {

inline const QColor kCartoonBackground(255, 0, 255);
inline constexpr int kFrameMargin = 2;

// Frame i's colour: plainly different from each other and from white.
inline QColor FrameColour(int index) {
  static const QColor colours[] = {QColor(255, 0, 0), QColor(0, 160, 0), QColor(0, 0, 255), QColor(255, 160, 0)};
  return colours[index % 4];
}

inline QImage CartoonStripImage(int frames, int frameWidth, int frameHeight) {
  QImage strip(frames * frameWidth, frameHeight, QImage::Format_RGB32);
  strip.fill(kCartoonBackground);
  QPainter painter(&strip);
  for (int i = 0; i < frames; ++i)
    painter.fillRect(i * frameWidth + kFrameMargin, kFrameMargin, frameWidth - 2 * kFrameMargin,
                     frameHeight - 2 * kFrameMargin, FrameColour(i));
  return strip;
}

inline std::string PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes.toStdString();
}

// The header: "SN", the picture's offset, four unused bytes, the frames.
inline std::string CartoonHeader(std::int32_t pictureOffset, std::uint16_t frames) {
  std::string header = "SN";
  const auto offset = static_cast<std::uint32_t>(pictureOffset);
  for (int i = 0; i < 4; ++i) header.push_back(static_cast<char>((offset >> (8 * i)) & 0xFF));
  header.append(4, '\0');
  header.push_back(static_cast<char>(frames & 0xFF));
  header.push_back(static_cast<char>(frames >> 8));
  return header;
}

// A whole cartoon; `storedFrames` is what the header claims (normally the
// strip's own count).
inline std::string CartoonFileBytes(const QImage& strip, int storedFrames) {
  return CartoonHeader(12, static_cast<std::uint16_t>(storedFrames)) + PngBytes(strip);
}

inline std::string CartoonFileBytes(int frames, int frameWidth = 20, int frameHeight = 16) {
  return CartoonFileBytes(CartoonStripImage(frames, frameWidth, frameHeight), frames);
}

}  // namespace orv::test
