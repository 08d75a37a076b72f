#pragma once
// Where the picture cache finds package entries. The package reader
// implements this; the cache asks it first and falls back to files on disk.
#include <optional>
#include <string>
#include <string_view>

#include "imaging/PictureDecoder.h"

namespace orv {

class TOVImageView;

class PictureEntrySource {
 public:
  enum class ReadResult { Ok, NoEntry, CopyFailed };

  virtual ~PictureEntrySource() = default;
  // The whole (unpacked) content of the entry `name`, matched without regard
  // to case as the package matches its names.
  virtual ReadResult ReadEntry(std::string_view name, std::string& bytes) = 0;
  // The size and alpha flag the package directory keeps for a picture entry;
  // none when the entry is not a picture or does not exist.
  virtual std::optional<PictureEntryInfo> EntryPictureInfo(std::string_view name) = 0;
};

// Result codes of LoadEntryToPicture.
inline constexpr int kEntryLoaded = 0;
inline constexpr int kEntryMissing = 1;
inline constexpr int kEntryFailed = 2;

// Reads the entry and decodes it into `view`: kEntryLoaded, kEntryMissing
// (no such entry; `view` untouched) or kEntryFailed (the copy failed, `view`
// untouched, or the picture did not decode, `view` holds the bad picture).
int LoadEntryToPicture(PictureEntrySource& source, std::string_view name, TOVImageView& view);

}  // namespace orv
