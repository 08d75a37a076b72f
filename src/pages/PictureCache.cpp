#include "pages/PictureCache.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/Ansi.h"
#include "base/HostPath.h"
#include "imaging/PictureFile.h"
#include "pages/PictureCacheRegion.h"
#include "pages/PictureCacheSource.h"

namespace orv {

namespace {

// The file's modification stamp, 0 when it cannot be read (the file is gone).
std::int64_t FileStamp(const std::string& hostPath) {
  std::error_code error;
  const auto stamp = std::filesystem::last_write_time(hostPath, error);
  if (error) return 0;
  const std::int64_t ticks = stamp.time_since_epoch().count();
  return ticks == 0 ? 1 : ticks;  // 0 is reserved for "not from disk"
}

}  // namespace

TPictureCache::TPictureCache(PictureEntrySource* entries) : entrySource_(entries) {}

void TPictureCache::SetEntrySource(PictureEntrySource* entries) {
  std::lock_guard lock(mutex_);
  entrySource_ = entries;
}

AcquiredPicture TPictureCache::AcquirePicture(std::string_view name, ColourValue transparent, int width,
                                              int height) {
  return Acquire(name, nullptr, true, transparent, width, height);
}

AcquiredPicture TPictureCache::AcquirePictureUnheld(std::string_view name, ColourValue transparent,
                                                    int width, int height) {
  return Acquire(name, nullptr, false, transparent, width, height);
}

AcquiredPicture TPictureCache::AcquirePicture(std::string_view name, QByteArrayView stream,
                                              ColourValue transparent, int width, int height) {
  return Acquire(name, &stream, true, transparent, width, height);
}

TPictureCache::Entries::iterator TPictureCache::Find(std::string_view name) {
  auto it = entries_.begin();
  while (it != entries_.end()) {
    if (!AnsiSameText(it->name, name)) {
      ++it;
      continue;
    }
    if (it->fileTime != 0 && FileStamp(HostPath(it->name)) != it->fileTime) {
      // Edited or gone on disk: forget it. Holders keep the old picture.
      it = entries_.erase(it);
      continue;
    }
    return it;
  }
  return entries_.end();
}

void TPictureCache::EvictOne() {
  for (auto it = entries_.end(); it != entries_.begin();) {
    --it;
    if (it->holds == 0) {
      entries_.erase(it);
      return;
    }
  }
  // Everything is held: the cache grows past its capacity for now.
}

bool TPictureCache::Load(std::string_view name, const QByteArrayView* stream, TOVImageView& view,
                         std::int64_t& fileTime) {
  fileTime = 0;
  if (stream != nullptr) {
    ++decodeCount_;
    view.LoadFromStream(*stream, name);
    return true;
  }
  bool readSomething = false;
  if (entrySource_ != nullptr) {
    std::string bytes;
    if (entrySource_->ReadEntry(name, bytes) == PictureEntrySource::ReadResult::Ok) {
      ++decodeCount_;
      if (view.LoadFromStream(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), name))
        return true;
      readSomething = true;  // a bad picture, unless the disk has a better one
    }
  }
  // The stamp is taken before reading, so an edit made while reading shows
  // as a change at the next lookup.
  const std::string path = HostPath(name);
  const std::int64_t stamp = FileStamp(path);
  QByteArray bytes;
  if (stamp == 0 || !ReadPictureHostFile(path, bytes)) return readSomething;
  ++decodeCount_;
  view.LoadFromStream(bytes, name);
  fileTime = stamp;
  return true;
}

std::optional<QRegion> TPictureCache::RegionFor(CacheRec& rec, ColourValue transparent, int width,
                                                int height) {
  const QImage& bitmap = rec.picture->Bitmap();
  const int w = width < 0 ? bitmap.width() : width;
  const int h = height < 0 ? bitmap.height() : height;
  const bool matches = rec.region && rec.regionColour == transparent && rec.regionWidth == w &&
                       rec.regionHeight == h;

  // A held entry's region may be in a holder's hands; pictures without a
  // transparent colour, with their own alpha or that are bad get none.
  if ((rec.holds > 0 && rec.region) || transparent == kNoTransparentColour || rec.hasAlpha ||
      rec.picture->BadImage())
    return matches ? rec.region : std::nullopt;

  if (!matches) rec.region.reset();
  if (!rec.region) {
    if (w <= 0 || h <= 0) return std::nullopt;
    const bool natural = w == bitmap.width() && h == bitmap.height();
    std::optional<QRegion> region =
        natural ? BuildTransparencyRegion(bitmap, transparent)
                : BuildTransparencyRegion(bitmap.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation),
                                          transparent);
    if (!region) return std::nullopt;
    rec.region = std::move(region);
    rec.regionColour = transparent;
    rec.regionWidth = w;
    rec.regionHeight = h;
  }
  return rec.region;
}

AcquiredPicture TPictureCache::Acquire(std::string_view name, const QByteArrayView* stream, bool hold,
                                       ColourValue transparent, int width, int height) {
  if (name.empty()) return {};
  std::lock_guard lock(mutex_);
  auto it = Find(name);
  if (it == entries_.end()) {
    auto view = std::make_shared<TOVImageView>();
    std::int64_t fileTime = 0;
    if (!Load(name, stream, *view, fileTime) || view->IsEmpty()) return {};
    // A picture that does not decode is handed out as the bad picture but
    // not kept: the next use tries again.
    if (view->BadImage()) return {std::move(view), std::nullopt};
    // Make room only once there is something to keep.
    if (static_cast<int>(entries_.size()) >= capacity_) EvictOne();
    CacheRec rec;
    rec.name = std::string(name);
    rec.hasAlpha = view->HasAlpha();
    rec.picture = std::move(view);
    rec.fileTime = fileTime;
    entries_.push_front(std::move(rec));
    it = entries_.begin();
  } else if (it != entries_.begin()) {
    entries_.splice(entries_.begin(), entries_, it);
    it = entries_.begin();
  }
  AcquiredPicture result;
  result.region = RegionFor(*it, transparent, width, height);
  result.picture = it->picture;
  if (hold) ++it->holds;
  return result;
}

void TPictureCache::ReleasePicture(const TOVImageView* picture) {
  if (picture == nullptr) return;
  std::lock_guard lock(mutex_);
  for (CacheRec& rec : entries_) {
    if (rec.picture.get() == picture) {
      if (rec.holds > 0) --rec.holds;
      return;
    }
  }
}

void TPictureCache::SetCapacity(int capacity) {
  capacity = std::clamp(capacity, kMinCapacity, kMaxCapacity);
  std::lock_guard lock(mutex_);
  if (capacity == capacity_) return;
  entries_.clear();
  capacity_ = capacity;
}

int TPictureCache::Capacity() const {
  std::lock_guard lock(mutex_);
  return capacity_;
}

int TPictureCache::Count() const {
  std::lock_guard lock(mutex_);
  return static_cast<int>(entries_.size());
}

void TPictureCache::EmptyCache() {
  std::lock_guard lock(mutex_);
  entries_.clear();
}

std::uint64_t TPictureCache::DecodeCount() const {
  std::lock_guard lock(mutex_);
  return decodeCount_;
}

int TPictureCache::HoldCount(const TOVImageView* picture) const {
  std::lock_guard lock(mutex_);
  for (const CacheRec& rec : entries_)
    if (rec.picture.get() == picture) return rec.holds;
  return 0;
}

std::list<std::string> TPictureCache::Names() const {
  std::lock_guard lock(mutex_);
  std::list<std::string> names;
  for (const CacheRec& rec : entries_) names.push_back(rec.name);
  return names;
}

TPictureCache& PictureCache() {
  static TPictureCache cache;
  return cache;
}

}  // namespace orv
