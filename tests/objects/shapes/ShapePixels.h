#pragma once
// Reading shapes off a grabbed page: the page is white, the shapes are
// drawn in pure colours, so how much of a pixel a shape covers reads off
// one channel.
#include <QColor>
#include <QImage>
#include <cstdlib>
#include <string>

namespace orv::test {

inline constexpr unsigned kWhitePage = 0xFFFFFF;

// How much of the pixel a red shape on the white page covers, 0 to 1.
inline double RedInk(const QImage& image, int x, int y) { return 1.0 - image.pixelColor(x, y).greenF(); }

inline std::string ColourAt(const QImage& image, int x, int y) {
  return image.pixelColor(x, y).name().toStdString();
}

// Whether the pixel is `expected`, give or take a few steps of each channel
// where a curved edge passes close by.
inline bool Near(const QImage& image, int x, int y, const QColor& expected, int tolerance = 12) {
  const QColor c = image.pixelColor(x, y);
  return std::abs(c.red() - expected.red()) <= tolerance && std::abs(c.green() - expected.green()) <= tolerance &&
         std::abs(c.blue() - expected.blue()) <= tolerance;
}

// Saves `image` for a person to look at.
inline void SaveGrab(const QImage& image, const std::string& name) {
  image.save(QString::fromStdString("/tmp/shapes-" + name + ".png"));
}

}  // namespace orv::test
