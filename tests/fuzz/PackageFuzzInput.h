#pragma once
// One fuzz input through the package reader: open it as a file, then deliver
// every entry the ways the player does. Shared by the libFuzzer target and
// the test that replays the kept inputs.
//
// An input that begins with kRepeatMagic is no file itself but the recipe of
// one whose few deflated bytes unfold into a directory of many records:
//   "DIR*" flags:u8 count:u24 headLength:u8 head[headLength] record[...]
// The directory is the head and then the record `count` times, deflated
// behind a one-byte player; flags bit 0 picks the ".pkg" reload form.
#include <sys/mman.h>
#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "base/PathNames.h"
#include "container/EntryStream.h"
#include "container/Package.h"
#include "container/PackageBytes.h"
#include "container/PackageFormat.h"

namespace orv::fuzz {

inline constexpr std::string_view kRepeatMagic = "DIR*";
// Enough for many more records than any input's file has bytes, small
// enough to deflate thousands of times a minute.
inline constexpr std::size_t kMaxRepeatedDirectory = 4 << 20;

// False when the reader broke one of its own promises (a crash is the other
// way to fail).
inline bool DeliverPackageFile(const std::uint8_t* data, std::size_t size, bool reloadForm) {
  const int fd = ::memfd_create("package", MFD_CLOEXEC);
  if (fd < 0) return true;
  std::size_t written = 0;
  while (written < size) {
    const ssize_t n = ::write(fd, data + written, size - written);
    if (n <= 0) {
      ::close(fd);
      return true;
    }
    written += static_cast<std::size_t>(n);
  }
  Package package;
  const int code = package.OpenPackageDescriptor(fd, reloadForm ? "input.pkg" : "input.exe", true);
  if (code != pkg::kOpened) return code == pkg::kOpenFailed && package.Entries().empty();

  bool kept = static_cast<std::int64_t>(package.Entries().size()) <=
              packfmt::MaxDirectoryRecords(static_cast<std::int64_t>(size));
  int delivered = 0;
  for (const LibRec& entry : package.Entries()) {
    if (++delivered > 64) break;
    std::string whole;
    const int loaded = package.LoadEntryToMemory(entry, whole);
    if (loaded != pkg::kLoaded && loaded != pkg::kCopyFailed) kept = false;
    if (loaded == pkg::kLoaded && static_cast<std::int64_t>(whole.size()) != entry.DeliveredSize()) kept = false;

    // Small chunks must deliver exactly what one big read does.
    EntryStream stream = package.OpenEntryStream(entry);
    std::string chunked;
    char chunk[7];
    std::int64_t n;
    while ((n = stream.Read(chunk, sizeof chunk)) > 0) chunked.append(chunk, static_cast<std::size_t>(n));
    if ((n == 0) != (loaded == pkg::kLoaded) || (n == 0 && chunked != whole)) kept = false;

    const LibRec* found = package.FindEntry(entry.Name);
    if (!found) kept = false;
    char part[16];
    const std::int64_t got = package.ReadEntryPart(entry.Name, 3, part, sizeof part);
    if (got < 0 && got != pkg::kPartReadFailed) kept = false;
    std::string stored;
    package.ReadStoredBytes(entry, stored);
    package.ResolveEntryName(ExtractFileName(entry.Name));
    PictureInfo info;
    package.EntryPictureInfo(entry.Name, info);
  }
  if (const LibRec* document = package.LocateDocument(); document && package.FindEntry(kDocumentEntryName))
    kept = false;
  package.ClosePackage(false);
  return kept;
}

// Builds the file a kRepeatMagic recipe describes; false when `recipe` is
// too short to be one.
inline bool RepeatedDirectoryFile(std::string_view recipe, std::string& file, bool& reloadForm) {
  constexpr std::size_t kFixed = kRepeatMagic.size() + 5;
  if (recipe.size() < kFixed || !recipe.starts_with(kRepeatMagic)) return false;
  const auto byte = [&](std::size_t at) { return static_cast<std::uint8_t>(recipe[kRepeatMagic.size() + at]); };
  reloadForm = (byte(0) & 1) != 0;
  std::size_t count = byte(1) | (byte(2) << 8) | (static_cast<std::size_t>(byte(3)) << 16);
  const std::string_view rest = recipe.substr(kFixed);
  const std::string_view head = rest.substr(0, std::min<std::size_t>(byte(4), rest.size()));
  const std::string_view record = rest.substr(head.size());
  if (!record.empty()) count = std::min(count, (kMaxRepeatedDirectory - head.size()) / record.size());
  file = test::RepeatedRecordsPackage("P", head, record, count);
  return true;
}

// The first byte's low bit picks the ".pkg" reload form of a plain file.
inline bool DeliverPackageInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string file;
  bool reloadForm = false;
  if (RepeatedDirectoryFile(input, file, reloadForm))
    return DeliverPackageFile(reinterpret_cast<const std::uint8_t*>(file.data()), file.size(), reloadForm);
  return DeliverPackageFile(data, size, size > 0 && (data[0] & 1) != 0);
}

}  // namespace orv::fuzz
