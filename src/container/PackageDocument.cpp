#include "container/PackageDocument.h"

#include <algorithm>

#include "base/ErrorText.h"

namespace orv {
DocumentEntrySource::DocumentEntrySource(const Package& package, const LibRec& entry)
    : stream_(package.OpenEntryStream(entry)) {}

std::uint64_t DocumentEntrySource::Size() const {
  return static_cast<std::uint64_t>(std::max<std::int64_t>(stream_.Size(), 0));
}

std::size_t DocumentEntrySource::Read(char* buffer, std::size_t size) {
  if (ended_ || size == 0) return 0;
  const std::int64_t got = stream_.Read(buffer, size);
  if (got < 0) {
    Fail();
    return 0;
  }
  // Once the last byte is out, the stream's end is checked at once: a
  // damaged checksum must not pass because the reader stops at its total.
  if (got == 0 || stream_.Delivered() >= stream_.Size()) {
    ended_ = true;
    if (stream_.Read(buffer, 0) != 0) Fail();
  }
  return static_cast<std::size_t>(got);
}

void DocumentEntrySource::Fail() {
  ended_ = true;
  if (failure_.empty()) failure_ = ErrorText(err::kReadFault);
}

DocumentReadOptions DocumentReadOptionsFor(const Package& package,
                                           DocumentLineReader::Progress progress) {
  DocumentReadOptions options;
  options.trayApplication =
      !package.Header().ReloadForm && package.Header().RunMode == runmode::kTray;
  options.testRun = package.TestRun();
  options.progress = std::move(progress);
  return options;
}

PackageDocumentStatus ReadPackageDocument(Package& package, const DocumentReadOptions& options,
                                          Publication& publication, std::string& error) {
  error.clear();
  const LibRec* entry = package.LocateDocument();
  if (!entry) {
    error = ErrorText(err::kFileNotFound);
    return PackageDocumentStatus::Missing;
  }
  DocumentEntrySource source(package, *entry);
  if (ReadPublicationDocument(source, source.Size(), options, publication, error))
    return PackageDocumentStatus::Read;
  return PackageDocumentStatus::Damaged;
}

}  // namespace orv
