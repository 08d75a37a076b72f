#pragma once
// A picture taken from the cache and held for as long as the guard lives.
// Holds are counted, so a release that is forgotten pins the entry for
// good; the guard gives its hold back on every path out of a paint.
#include <optional>
#include <string_view>

#include "pages/PictureCache.h"

namespace orv {

class TPictureHold {
 public:
  TPictureHold() = default;
  // Acquires `name` from `cache`, held.
  TPictureHold(TPictureCache& cache, std::string_view name, ColourValue transparent = kNoTransparentColour,
               int width = -1, int height = -1)
      : cache_(&cache), acquired_(cache.AcquirePicture(name, transparent, width, height)) {}
  TPictureHold(const TPictureHold&) = delete;
  TPictureHold& operator=(const TPictureHold&) = delete;
  TPictureHold(TPictureHold&& other) noexcept
      : cache_(other.cache_), acquired_(std::move(other.acquired_)) {
    other.acquired_ = {};
  }
  TPictureHold& operator=(TPictureHold&& other) noexcept {
    if (this != &other) {
      Release();
      cache_ = other.cache_;
      acquired_ = std::move(other.acquired_);
      other.acquired_ = {};
    }
    return *this;
  }
  ~TPictureHold() { Release(); }

  // Null when the picture could not be read.
  const TOVImageView* Picture() const { return acquired_.picture.get(); }
  // The region of the non-transparent pixels; none when nothing is
  // transparent.
  const std::optional<QRegion>& Region() const { return acquired_.region; }
  explicit operator bool() const { return acquired_.picture != nullptr; }

  void Release() {
    if (cache_ != nullptr && acquired_.picture != nullptr) cache_->ReleasePicture(acquired_.picture.get());
    acquired_ = {};
  }

 private:
  TPictureCache* cache_ = nullptr;
  AcquiredPicture acquired_;
};

}  // namespace orv
