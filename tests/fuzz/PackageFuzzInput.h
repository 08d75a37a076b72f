#pragma once
// One fuzz input through the package reader: open it as a file, then deliver
// every entry the ways the player does. Shared by the libFuzzer target and
// the test that replays the kept inputs.
#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <string>

#include "base/PathNames.h"
#include "container/EntryStream.h"
#include "container/Package.h"

namespace orv::fuzz {

// False when the reader broke one of its own promises (a crash is the other
// way to fail). The first byte's low bit picks the ".pkg" reload form.
inline bool DeliverPackageInput(const std::uint8_t* data, std::size_t size) {
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
  const bool reloadForm = size > 0 && (data[0] & 1) != 0;
  Package package;
  const int code = package.OpenPackageDescriptor(fd, reloadForm ? "input.pkg" : "input.exe", true);
  if (code != pkg::kOpened) return code == pkg::kOpenFailed && package.Entries().empty();

  bool kept = true;
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

}  // namespace orv::fuzz
