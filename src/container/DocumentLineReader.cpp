#include "container/DocumentLineReader.h"

#include <algorithm>
#include <cstring>

#include "base/ErrorText.h"

namespace orv {

DocumentLineReader::DocumentLineReader(DocumentSource& source, std::uint64_t total,
                                       Progress progress)
    : source_(source), total_(total), progress_(std::move(progress)) {
  exhausted_ = total_ == 0;
}

bool DocumentLineReader::ReadChunk() {
  const std::size_t want =
      static_cast<std::size_t>(std::min<std::uint64_t>(kChunkSize, total_ - bytesRead_));
  // Drop what has been handed out before the buffer grows again, so it holds
  // no more than the line being assembled and one chunk.
  if (start_ > 0) {
    buffer_.erase(0, start_);
    scanned_ -= start_;
    start_ = 0;
  }
  const std::size_t old = buffer_.size();
  buffer_.resize(old + want);
  const std::size_t got = source_.Read(buffer_.data() + old, want);
  buffer_.resize(old + got);
  bytesRead_ += got;
  if (got == 0 || !source_.Failure().empty()) {
    exhausted_ = true;
    // A source may find its data damaged only after delivering the last
    // byte (a checksum at the end): that is a failure too.
    failure_ = source_.Failure();
    if (failure_.empty() && bytesRead_ < total_) failure_ = ErrorText(err::kReadFault);
  }
  if (bytesRead_ >= total_) exhausted_ = true;
  if (progress_ && got > 0)
    progress_(static_cast<int>((bytesRead_ * 200 + total_) / (total_ * 2)));
  return got > 0;
}

bool DocumentLineReader::NextLine(std::string_view& line) {
  for (;;) {
    const std::string_view pending(buffer_.data() + scanned_, buffer_.size() - scanned_);
    const std::size_t crlf = pending.find("\r\n");
    if (crlf != std::string_view::npos) {
      const std::size_t end = scanned_ + crlf;
      line = std::string_view(buffer_.data() + start_, end - start_);
      start_ = scanned_ = end + 2;
      return true;
    }
    // A CR at the very end may pair with an LF still to come.
    scanned_ = std::max(start_, buffer_.size() > 0 ? buffer_.size() - 1 : 0);
    // The data ends only when the buffer is empty and nothing is left to
    // read: a CR LF that closes a chunk exactly must not end the document.
    if (exhausted_ || !ReadChunk()) {
      if (start_ >= buffer_.size()) return false;
      line = std::string_view(buffer_.data() + start_, buffer_.size() - start_);
      start_ = scanned_ = buffer_.size();
      return true;
    }
  }
}

}  // namespace orv
