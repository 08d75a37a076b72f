#include "commands/files/TextLineReader.h"

#include <unistd.h>

#include <cerrno>

namespace orv {

bool TTextLineReader::Fill() {
  if (pos_ < len_) return true;
  offset_ += static_cast<std::int64_t>(len_);
  pos_ = len_ = 0;
  for (;;) {
    const ssize_t n = ::pread(fd_, buffer_.data(), buffer_.size(), offset_);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) {
      error_ = errno;
      return false;
    }
    len_ = static_cast<std::size_t>(n);
    return n > 0;
  }
}

bool TTextLineReader::AtEnd() { return !Fill(); }

bool TTextLineReader::Read(std::string* line) {
  if (line) line->clear();
  if (!Fill()) return false;
  for (;;) {
    const std::size_t start = pos_;
    while (pos_ < len_ && buffer_[pos_] != '\r' && buffer_[pos_] != '\n') ++pos_;
    if (line) line->append(buffer_.data() + start, pos_ - start);
    if (pos_ < len_) {
      const char end = buffer_[pos_++];
      if (end == '\r' && Fill() && buffer_[pos_] == '\n') ++pos_;
      return true;
    }
    if (!Fill()) return error_ == 0;  // the last line has no break
  }
}

bool TTextLineReader::ReadLine(std::string& line) { return Read(&line); }
bool TTextLineReader::SkipLine() { return Read(nullptr); }

}  // namespace orv
