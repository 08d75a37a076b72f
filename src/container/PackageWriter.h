#pragma once
// Writes packages in the layout the reader reads: an optional player program,
// the entries back to back, the directory deflated at the maximum level, the
// directory pointer and the marker. Authors and tests make packages with it.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "container/LibRec.h"
#include "container/PackageHeader.h"

namespace orv {

struct PackageEntrySource {
  std::string Name;  // Windows-1252
  std::uint8_t Kind = kind::kMedia;
  std::string Data;  // the content
  bool Compress = true;
  std::int32_t Width = 0;  // pictures (kind 3) only
  std::int32_t Height = 0;
  bool HasAlpha = false;
};

struct PackageLayout {
  std::string Player;              // bytes in front of the package (may be empty)
  PackageHeader Header;            // Header.ReloadForm writes the ".pkg" form
  std::vector<PackageEntrySource> Entries;  // in directory order; the last one read shadows earlier ones
  std::size_t TrailingBytes = 0;   // filler after the marker (a signature, say)
};

// Receives the package bytes in order; false stops the writing.
using PackageOutput = std::function<bool(std::string_view bytes)>;

// False when the output refused bytes or the package would exceed the 32-bit
// offsets of the format; `error` then says which.
bool WritePackage(const PackageLayout& layout, const PackageOutput& out, std::string& error);
// The whole package in memory (for tests and small tools); empty on failure.
std::string BuildPackage(const PackageLayout& layout);

}  // namespace orv
