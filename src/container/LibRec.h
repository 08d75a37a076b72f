#pragma once
// One record of a package directory, and the entry kinds the player treats
// specially. Any other kind is an ordinary entry reachable by name only.
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

namespace kind {
inline constexpr std::uint8_t kDocument = 1;
inline constexpr std::uint8_t kPicture = 3;
inline constexpr std::uint8_t kMedia = 4;
inline constexpr std::uint8_t kFont = 6;
inline constexpr std::uint8_t kPlugIn = 10;
inline constexpr std::uint8_t kSupportFile = 11;
inline constexpr std::uint8_t kPlugInSecondForm = 16;
}  // namespace kind

// Scripts name files the author embedded as this prefix plus the file name:
// "embedded:" and three backslashes.
inline constexpr std::string_view kEmbeddedPrefix = "embedded:\\\\\\";
// The publication document's entry name.
inline constexpr std::string_view kDocumentEntryName = "RUNTIME.PUB";

struct LibRec {
  std::string Name;               // Windows-1252, usually the author's full path
  std::uint8_t Kind = 0;
  std::int32_t UnpackedSize = 0;  // 0 or negative: stored raw
  std::int32_t Offset = 0;        // absolute offset in the package file
  std::int32_t StoredSize = 0;    // bytes the entry occupies in the file
  std::int32_t Width = 0;         // pictures (kind 3) only
  std::int32_t Height = 0;
  bool HasAlpha = false;
  // True once this run wrote a copy to disk that it must clean up; the copy
  // is at ExtractedPath (the name may have changed since, for fonts and
  // plug-ins, and the folder is remembered so the right file is removed).
  bool Extracted = false;
  std::string ExtractedPath;

  bool IsCompressed() const { return UnpackedSize > 0; }
  // Bytes the entry delivers: unpacked size when compressed, else stored size.
  std::int64_t DeliveredSize() const { return IsCompressed() ? UnpackedSize : StoredSize; }
};

}  // namespace orv
