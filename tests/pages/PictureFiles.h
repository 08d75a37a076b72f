#pragma once
// Pictures written on the fly for the page tests: known pixels, saved as PNG
// into a temporary folder, and a package stand-in held in memory.
#include <QBuffer>
#include <QImage>
#include <QTemporaryDir>
#include <chrono>
#include <filesystem>
#include <map>
#include <string>

#include "base/Ansi.h"
#include "pages/PictureCacheSource.h"

namespace orv::testing {

// A w x h picture whose pixel (x, y) is (x * 40 + seed, y * 40, 200).
inline QImage PatternImage(int w, int h, int seed = 0) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb((x * 40 + seed) & 0xFF, (y * 40) & 0xFF, 200));
  return image;
}

inline QByteArray PngBytes(const QImage& image) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "PNG");
  return bytes;
}

inline std::string WritePicture(const QTemporaryDir& dir, const std::string& name, const QImage& image) {
  const std::string path = dir.path().toStdString() + "/" + name;
  image.save(QString::fromStdString(path), "PNG");
  return path;
}

// Moves a file's modification stamp, so a rewrite within the same second is
// still seen as a change.
inline void ShiftFileTime(const std::string& path, int seconds) {
  const auto stamp = std::filesystem::last_write_time(path);
  std::filesystem::last_write_time(path, stamp + std::chrono::seconds(seconds));
}

class MemoryPictureSource : public PictureEntrySource {
 public:
  void Add(const std::string& name, const QByteArray& bytes) {
    entries_[AnsiUpperCase(name)] = bytes.toStdString();
  }
  void FailCopies(bool fail) { failCopies_ = fail; }
  int reads = 0;

  ReadResult ReadEntry(std::string_view name, std::string& bytes) override {
    ++reads;
    const auto it = entries_.find(AnsiUpperCase(name));
    if (it == entries_.end()) return ReadResult::NoEntry;
    if (failCopies_) return ReadResult::CopyFailed;
    bytes = it->second;
    return ReadResult::Ok;
  }
  std::optional<PictureEntryInfo> EntryPictureInfo(std::string_view name) override {
    const auto it = entries_.find(AnsiUpperCase(name));
    if (it == entries_.end()) return std::nullopt;
    const QImage image = QImage::fromData(QByteArray::fromStdString(it->second));
    if (image.isNull()) return std::nullopt;
    return PictureEntryInfo{image.width(), image.height(), image.hasAlphaChannel()};
  }

 private:
  std::map<std::string, std::string> entries_;
  bool failCopies_ = false;
};

}  // namespace orv::testing
