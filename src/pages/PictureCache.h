#pragma once
// The picture cache: decoded pictures kept between uses, each with the region
// of its non-transparent pixels for one transparent colour and size. A
// picture named twice is decoded once; its region is built once per size
// and colour.
//
// Ownership: the cache and every holder share each picture. Eviction, a
// stale file and emptying the cache only drop the cache's own reference, so
// a picture a caller still holds stays valid until the caller lets go.
// Holding is counted: an entry stays protected from eviction until every
// hold has been released.
#include <QByteArrayView>
#include <QRegion>
#include <cstdint>
#include <list>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>

#include "imaging/OVImageView.h"
#include "pages/Colour.h"

namespace orv {

class PictureEntrySource;

// One cached picture.
struct CacheRec {
  std::string name;  // as asked for (package entry name or file path)
  std::shared_ptr<const TOVImageView> picture;
  int regionWidth = 0;
  int regionHeight = 0;
  std::int64_t fileTime = 0;  // modification stamp for disk files, else 0
  std::optional<QRegion> region;
  ColourValue regionColour = 0;
  bool hasAlpha = false;
  int holds = 0;  // outstanding holds; > 0 means in use
};

// What AcquirePicture gives: the picture (null for none) and the region
// (none when there is no transparency to clip to).
struct AcquiredPicture {
  std::shared_ptr<const TOVImageView> picture;
  std::optional<QRegion> region;

  explicit operator bool() const { return picture != nullptr; }
};

class TPictureCache {
 public:
  static constexpr int kMinCapacity = 1;
  static constexpr int kMaxCapacity = 100;
  static constexpr int kDefaultCapacity = 30;

  explicit TPictureCache(PictureEntrySource* entries = nullptr);
  TPictureCache(const TPictureCache&) = delete;
  TPictureCache& operator=(const TPictureCache&) = delete;

  // Package entries are looked up here before files on disk; null for none.
  void SetEntrySource(PictureEntrySource* entries);
  // Where package entries come from; null for none.
  PictureEntrySource* EntrySource() const {
    std::lock_guard lock(mutex_);
    return entrySource_;
  }

  // By name, held: the usual form. `transparent` is a colour, the automatic
  // marker or kNoTransparentColour; width and height -1 mean the picture's
  // own. A picture that cannot be read yields none; one that reads but does
  // not decode yields the bad picture, which is not cached.
  AcquiredPicture AcquirePicture(std::string_view name, ColourValue transparent = kNoTransparentColour,
                                 int width = -1, int height = -1);
  // By name without holding it.
  AcquiredPicture AcquirePictureUnheld(std::string_view name, ColourValue transparent = kNoTransparentColour,
                                       int width = -1, int height = -1);
  // From bytes already read (frames of multi-picture animation files), held.
  // An entry of that name already cached is used instead.
  AcquiredPicture AcquirePicture(std::string_view name, QByteArrayView stream,
                                 ColourValue transparent = kNoTransparentColour, int width = -1,
                                 int height = -1);

  // Gives back one hold. Safe from any thread; a picture the cache no longer
  // knows is ignored.
  void ReleasePicture(const TOVImageView* picture);

  // Clamped to 1..100; a capacity different from the current one empties the
  // cache first.
  void SetCapacity(int capacity);
  int Capacity() const;
  int Count() const;
  void EmptyCache();

  // How many times a picture has been decoded since the cache was made.
  std::uint64_t DecodeCount() const;
  // Outstanding holds on the entry holding `picture` (0 when not cached).
  int HoldCount(const TOVImageView* picture) const;
  // Cached names, most recently used first.
  std::list<std::string> Names() const;

 private:
  using Entries = std::list<CacheRec>;

  AcquiredPicture Acquire(std::string_view name, const QByteArrayView* stream, bool hold,
                          ColourValue transparent, int width, int height);
  Entries::iterator Find(std::string_view name);
  void EvictOne();
  // Loads into `view`; false when nothing could be read.
  bool Load(std::string_view name, const QByteArrayView* stream, TOVImageView& view,
            std::int64_t& fileTime);
  std::optional<QRegion> RegionFor(CacheRec& rec, ColourValue transparent, int width, int height);

  mutable std::mutex mutex_;
  Entries entries_;  // most recently used first
  int capacity_ = kDefaultCapacity;
  PictureEntrySource* entrySource_ = nullptr;
  std::uint64_t decodeCount_ = 0;
};

// The player's one cache, living for the whole process.
TPictureCache& PictureCache();

}  // namespace orv
