#pragma once
// While alive, the picture cache reads the pictures pages ask for from the
// open publication package.
#include <memory>

namespace orv {

class Package;
class PictureEntrySource;

class TPackagePictures {
 public:
  explicit TPackagePictures(const Package& package);
  ~TPackagePictures();
  TPackagePictures(const TPackagePictures&) = delete;
  TPackagePictures& operator=(const TPackagePictures&) = delete;

 private:
  std::unique_ptr<PictureEntrySource> source_;
};

}  // namespace orv
