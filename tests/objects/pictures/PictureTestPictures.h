#pragma once
// Pictures for the picture object tests: small synthetic PNGs of known
// colours written into a temporary folder, document lines for a picture
// object, and where a colour shows up in a grabbed image.
#include <QColor>
#include <QImage>
#include <QRect>
#include <QTemporaryDir>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <string_view>

namespace orv::test {

// Colours the pictures and fills use; none is near another.
inline const QColor kPictureRed(220, 20, 30);
inline const QColor kPictureBlue(30, 40, 210);
inline const QColor kFillGreen(0, 200, 0);
inline const QColor kKeyWhite(255, 255, 255);
// The fill above as the document writes it ($BBGGRR).
inline constexpr const char* kFillGreenKey = "FillColor=$00C800";

inline std::string ColourName(const QColor& colour) { return colour.name().toStdString(); }

class PictureFolder {
 public:
  // A w x h picture in one colour.
  std::string Solid(const std::string& name, int w, int h, const QColor& colour) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(colour);
    return Save(name, image);
  }
  // The left half `left`, the right half `right`.
  std::string Halves(const std::string& name, int w, int h, const QColor& left, const QColor& right) {
    QImage image(w, h, QImage::Format_RGB32);
    image.fill(right);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w / 2; ++x) image.setPixelColor(x, y, left);
    return Save(name, image);
  }
  std::string Save(const std::string& name, const QImage& image) {
    const std::string path = dir_.path().toStdString() + "/" + name;
    image.save(QString::fromStdString(path), "PNG");
    return path;
  }
  std::string Path(const std::string& name) const { return dir_.path().toStdString() + "/" + name; }

 private:
  QTemporaryDir dir_;
};

// A picture object at `at` with no outline and a green fill, then `keys`.
inline std::string PictureLines(QRect at, const std::string& file, std::initializer_list<std::string> keys = {}) {
  std::string text = "ObjectType=4\r\nName=Pic\r\nX=" + std::to_string(at.x()) + "\r\nY=" + std::to_string(at.y()) +
                     "\r\nW=" + std::to_string(at.width()) + "\r\nH=" + std::to_string(at.height()) +
                     "\r\nLineWidth=0\r\n" + kFillGreenKey + "\r\nFileName=" + file + "\r\n";
  for (const std::string& key : keys) text += key + "\r\n";
  return text;
}

inline bool Near(const QColor& a, const QColor& b, int tolerance = 2) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

// The smallest rectangle holding every pixel of `colour`; empty for none.
inline QRect BoundsOf(const QImage& image, const QColor& colour) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (image.pixelColor(x, y) == colour) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

// How many pixels of `rect` are not `colour`.
inline int PixelsNotOf(const QImage& image, const QRect& rect, const QColor& colour) {
  int count = 0;
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      if (image.pixelColor(x, y) != colour) ++count;
  return count;
}

}  // namespace orv::test
