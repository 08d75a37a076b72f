#pragma once
// One \pict group: its blip bytes and sizes, turned into the picture shown in
// the text. PNG and JPEG blips are decoded; any other kind becomes an empty
// frame of the picture's size, so the text around it keeps its place.
#include <QImage>
#include <QSizeF>
#include <string>

namespace orv::rt {

struct RtfPicture {
  enum class Kind { kOther, kPng, kJpeg };
  Kind kind = Kind::kOther;
  std::string bytes;
  int width = 0, height = 0;          // \picw \pich
  int goalWidth = 0, goalHeight = 0;  // \picwgoal \pichgoal, twips
  int scaleX = 100, scaleY = 100;     // \picscalex \picscaley, percent

  // Adds one hex digit of the picture's data; anything else is ignored.
  void AddHexDigit(char c);

 private:
  int pendingNibble_ = -1;
};

struct DecodedPicture {
  QImage image;
  QSizeF displaySize;  // pixels at 96 dots per inch
};

DecodedPicture DecodeRtfPicture(const RtfPicture& picture);

}  // namespace orv::rt
