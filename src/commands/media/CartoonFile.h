#pragma once
// Cartoon files: a 12-byte header ("SN", the offset of the picture from the
// start of the file, four bytes the player does not use, the number of
// frames) and one picture holding the frames side by side, left to right,
// all of one width. The picture's bottom-left colour is transparent.
//
// Anything that does not make a whole cartoon (a short header, a picture
// offset outside the file, a picture that does not decode, no frames or
// more frames than the picture has columns) reads as none.
#include <QImage>
#include <QRect>
#include <QRegion>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orv {

class TPictureCache;

inline constexpr int kCartoonHeaderSize = 12;

struct TCartoonHeader {
  std::int64_t pictureOffset = 0;  // as stored: negative values are possible
  int frames = 0;
};

// The header's fields; none when the bytes are too short or do not begin
// with "SN".
std::optional<TCartoonHeader> ReadCartoonHeader(std::string_view bytes);

// The decoded strip, cut into frames.
class TCartoonStrip {
 public:
  // `picture` holds `frames` frames of picture.width() / frames columns
  // each (columns left over on the right are never shown); `region` the
  // picture's non-transparent pixels, none when it is drawn with its own
  // alpha.
  TCartoonStrip(QImage picture, std::optional<QRegion> region, int frames);

  int Frames() const { return frames_; }
  int FrameWidth() const { return frameWidth_; }
  int FrameHeight() const { return picture_.height(); }
  const QImage& Picture() const { return picture_; }
  // Frame `index` (0-based) within the picture.
  QRect FrameRect(int index) const;
  // The pixels of that frame that show, relative to the frame's top-left;
  // none when all of them are drawn with the picture's alpha.
  std::optional<QRegion> FrameRegion(int index) const;

 private:
  QImage picture_;
  std::optional<QRegion> region_;
  int frames_;
  int frameWidth_;
};

// Reads a whole cartoon file from its bytes, decoding the picture through
// `cache` (the file's name, `name`, and the picture's content name the
// cached picture). None for anything that is not a cartoon.
std::optional<TCartoonStrip> ReadCartoonStrip(std::string_view bytes, std::string_view name, TPictureCache& cache);

}  // namespace orv
