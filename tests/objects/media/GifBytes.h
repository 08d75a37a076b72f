#pragma once
// Animated GIF pictures written byte by byte (Qt writes no GIF): solid
// frames of a four-colour palette, so a frame is known by the colour it
// paints.
#include <QByteArray>
#include <QColor>
#include <optional>
#include <vector>

namespace orv::test {

// The palette's colours, by index.
inline const QColor kGifColours[4] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 0, 255),
                                      QColor(255, 255, 255)};
inline constexpr int kGifRed = 0, kGifGreen = 1, kGifBlue = 2, kGifWhite = 3;

namespace gif_detail {

inline void Word(QByteArray& out, int value) {
  out.append(static_cast<char>(value & 0xFF));
  out.append(static_cast<char>((value >> 8) & 0xFF));
}

// LZW with 3-bit codes throughout: a clear code before every pixel keeps
// the code table from growing.
inline QByteArray SolidPixels(int count, int colour) {
  QByteArray packed;
  unsigned bits = 0, held = 0;
  auto put = [&](unsigned code) {
    bits |= code << held;
    held += 3;
    while (held >= 8) {
      packed.append(static_cast<char>(bits & 0xFF));
      bits >>= 8;
      held -= 8;
    }
  };
  for (int i = 0; i < count; ++i) {
    put(4);  // clear
    put(static_cast<unsigned>(colour));
  }
  put(5);  // end of information
  if (held > 0) packed.append(static_cast<char>(bits & 0xFF));
  QByteArray blocks;
  blocks.append(static_cast<char>(2));  // minimum code size
  for (qsizetype at = 0; at < packed.size(); at += 255) {
    const QByteArray part = packed.mid(at, 255);
    blocks.append(static_cast<char>(part.size()));
    blocks.append(part);
  }
  blocks.append('\0');
  return blocks;
}

}  // namespace gif_detail

// A `width` x `height` picture with one solid frame per colour index, each
// shown `delayCs` hundredths of a second. `fileLoops` writes the file's own
// loop count (0: endlessly); none writes no loop block (played once).
inline QByteArray AnimatedGif(int width, int height, const std::vector<int>& frames, int delayCs = 5,
                              std::optional<int> fileLoops = std::nullopt) {
  using namespace gif_detail;
  QByteArray out("GIF89a");
  Word(out, width);
  Word(out, height);
  out.append(static_cast<char>(0x91));  // global table of 4 colours
  out.append('\0');
  out.append('\0');
  for (const QColor& colour : kGifColours) {
    out.append(static_cast<char>(colour.red()));
    out.append(static_cast<char>(colour.green()));
    out.append(static_cast<char>(colour.blue()));
  }
  if (fileLoops) {
    out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
    Word(out, *fileLoops);
    out.append('\0');
  }
  for (const int colour : frames) {
    out.append("\x21\xF9\x04\x04", 4);  // graphic control: keep the frame
    Word(out, delayCs);
    out.append("\0\0", 2);
    out.append('\x2C');
    Word(out, 0);
    Word(out, 0);
    Word(out, width);
    Word(out, height);
    out.append('\0');
    out.append(SolidPixels(width * height, colour));
  }
  out.append('\x3B');
  return out;
}

}  // namespace orv::test
