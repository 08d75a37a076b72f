#include "container/PackageDocument.h"

#include <algorithm>
#include <cstring>

#include "base/ErrorText.h"

namespace orv {
namespace {

// Large enough that zlib inflates at full speed, small enough to stay out of
// the way; the line reader still takes it in its own small chunks.
constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

DocumentEntrySource::DocumentEntrySource(const Package& package, const LibRec& entry)
    : stream_(package.OpenEntryStream(entry)) {
  blockSize_ = static_cast<std::size_t>(
      std::clamp<std::int64_t>(stream_.Size(), 1, static_cast<std::int64_t>(kBlockSize)));
  block_ = std::make_unique<char[]>(blockSize_);
}

std::uint64_t DocumentEntrySource::Size() const {
  return static_cast<std::uint64_t>(std::max<std::int64_t>(stream_.Size(), 0));
}

void DocumentEntrySource::Fail() {
  ended_ = true;
  if (failure_.empty()) failure_ = ErrorText(err::kReadFault);
}

bool DocumentEntrySource::Refill() {
  if (ended_) return false;
  const std::int64_t got = stream_.Read(block_.get(), blockSize_);
  if (got < 0) {
    Fail();
    return false;
  }
  filled_ = static_cast<std::size_t>(got);
  taken_ = 0;
  // Once the last byte is out, the stream's end is checked at once: a
  // damaged checksum must not pass because the reader stops at its total.
  if (got == 0 || stream_.Delivered() >= stream_.Size()) {
    ended_ = true;
    if (stream_.Read(block_.get(), 0) != 0) Fail();
  }
  return got > 0;
}

std::size_t DocumentEntrySource::Read(char* buffer, std::size_t size) {
  std::size_t copied = 0;
  while (copied < size) {
    if (taken_ == filled_ && !Refill()) break;
    const std::size_t n = std::min(size - copied, filled_ - taken_);
    std::memcpy(buffer + copied, block_.get() + taken_, n);
    taken_ += n;
    copied += n;
  }
  return copied;
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
