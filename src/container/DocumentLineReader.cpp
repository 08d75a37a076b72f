#include "container/DocumentLineReader.h"

#include <algorithm>
#include <cstring>

#include "base/ErrorText.h"

namespace orv {
namespace {

// Lines are collected in blocks of this size; a longer line gets a larger one.
constexpr std::size_t kBlockSize = 64 * 1024;

}  // namespace

DocumentLineReader::DocumentLineReader(DocumentSource& source, std::uint64_t total,
                                       Progress progress, DocumentTextStore* keep)
    : source_(source), total_(total), progress_(std::move(progress)), keep_(keep) {
  exhausted_ = sourceDone_ = total_ == 0;
}

// Room for `want` more bytes after the line being assembled. With a store,
// a new block is taken and the old one stays as it is, since lines already
// handed out live there; otherwise the buffer is reused. Called only when
// every byte fetched has been taken into a chunk.
void DocumentLineReader::MakeRoom(std::size_t want) {
  const std::size_t partial = end_ - start_;
  if (!keep_ && buffer_ && partial + want <= capacity_) {
    std::memmove(buffer_, buffer_ + start_, partial);
  } else {
    const std::size_t capacity = std::max(kBlockSize, 2 * (partial + want));
    std::unique_ptr<char[]> fresh;
    char* block;
    if (keep_) {
      block = keep_->Allocate(capacity + kReadAhead);
    } else {
      fresh = std::make_unique_for_overwrite<char[]>(capacity + kReadAhead);
      block = fresh.get();
    }
    if (partial > 0) std::memcpy(block, buffer_ + start_, partial);
    if (!keep_) owned_ = std::move(fresh);
    buffer_ = block;
    capacity_ = capacity;
  }
  scanned_ -= start_;
  start_ = 0;
  end_ = fetched_ = partial;
}

// Fills the rest of the buffer from the source, or at least a chunk's worth
// when the buffer is full: the source works best on large reads (zlib
// inflates a small window much more slowly), while the lines are still
// taken a chunk at a time.
bool DocumentLineReader::Fetch() {
  if (sourceDone_) return false;
  if (!buffer_ || capacity_ - fetched_ < kChunkSize) MakeRoom(kChunkSize);
  const std::size_t want = static_cast<std::size_t>(
      std::min<std::uint64_t>(capacity_ - fetched_, total_ - sourceBytes_));
  std::size_t got = 0;
  while (got < want && source_.Failure().empty()) {
    const std::size_t n = source_.Read(buffer_ + fetched_ + got, want - got);
    if (n == 0) break;
    got += n;
  }
  fetched_ += got;
  sourceBytes_ += got;
  // What lies past the data is read but never used; keep it defined.
  std::memset(buffer_ + fetched_, 0, kReadAhead);
  if (got < want || !source_.Failure().empty()) {
    sourceDone_ = true;
    // A source may find its data damaged only after delivering the last
    // byte (a checksum at the end): that is a failure too.
    failure_ = source_.Failure();
    if (failure_.empty() && sourceBytes_ < total_) failure_ = ErrorText(err::kReadFault);
  }
  if (sourceBytes_ >= total_) sourceDone_ = true;
  return got > 0;
}

bool DocumentLineReader::ReadChunk() {
  if (end_ == fetched_ && !Fetch()) {
    exhausted_ = true;
    return false;
  }
  const std::size_t got = std::min(kChunkSize, fetched_ - end_);
  end_ += got;
  bytesRead_ += got;
  if (end_ == fetched_ && sourceDone_) exhausted_ = true;
  if (progress_) progress_(static_cast<int>((bytesRead_ * 200 + total_) / (total_ * 2)));
  return true;
}

bool DocumentLineReader::NextLines(std::string_view& lines) {
  for (;;) {
    // The last CR LF read so far; none begins before scanned_.
    for (std::size_t at = end_; at >= scanned_ + 2; --at) {
      if (buffer_[at - 1] != '\n' || buffer_[at - 2] != '\r') continue;
      lines = std::string_view(buffer_ + start_, at - start_);
      start_ = scanned_ = at;
      return true;
    }
    // None yet. A CR at the very end may pair with an LF still to come.
    if (end_ > scanned_ + 1) scanned_ = end_ - 1;
    if (exhausted_ || !ReadChunk()) {
      if (start_ >= end_) return false;
      lines = std::string_view(buffer_ + start_, end_ - start_);
      start_ = scanned_ = end_;
      return true;
    }
  }
}

}  // namespace orv
