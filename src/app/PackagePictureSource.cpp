#include "app/PackagePictureSource.h"

#include "app/PackageEntryAccess.h"
#include "pages/PictureCache.h"
#include "pages/PictureCacheSource.h"

namespace orv {

namespace {

class PackageEntries : public PictureEntrySource {
 public:
  explicit PackageEntries(const Package& package) : package_(package) {}

  ReadResult ReadEntry(std::string_view name, std::string& bytes) override {
    bool exists = false;
    if (ReadPackageEntry(package_, name, bytes, exists)) return ReadResult::Ok;
    return exists ? ReadResult::CopyFailed : ReadResult::NoEntry;
  }
  std::optional<PictureEntryInfo> EntryPictureInfo(std::string_view name) override {
    const PackageEntryFacts facts = LookUpPackageEntry(package_, name);
    if (!facts.picture) return std::nullopt;
    return PictureEntryInfo{facts.width, facts.height, facts.hasAlpha};
  }

 private:
  const Package& package_;
};

}  // namespace

TPackagePictures::TPackagePictures(const Package& package) : source_(std::make_unique<PackageEntries>(package)) {
  PictureCache().SetEntrySource(source_.get());
}

TPackagePictures::~TPackagePictures() { PictureCache().SetEntrySource(nullptr); }

}  // namespace orv
