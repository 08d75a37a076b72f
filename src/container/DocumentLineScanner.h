#pragma once
// Walks the CR LF lines of a piece of the document and hands out only the
// lines the reader must look at now (FindMarkedLines), a window at a time.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "container/DocumentMarkedLines.h"

namespace orv {

class DocumentLineScanner {
 public:
  // Bytes past the end of the lines that are read (and never used): the
  // rest of the last block.
  static constexpr std::size_t kReadAhead = kLineBlock;

  // The lines in [from, end): `from` starts a line, and every line but the
  // last ends with CR LF. kReadAhead bytes past `end` must be readable.
  // Nothing is scanned when `from` is at or past `end`.
  void Start(const char* from, const char* end) {
    base_ = from;
    size_ = end > from ? static_cast<std::size_t>(end - from) : 0;
    window_ = LineWindowState{};
    position_ = 0;
    count_ = taken_ = 0;
  }

  // The next line that may carry a key read at once, without its CR LF; the
  // last line, when it has no CR LF, always comes out. False when no line is
  // left.
  bool Next(std::string_view& line) {
    for (;;) {
      if (taken_ < count_) {
        const std::size_t start = starts_[taken_];
        const std::size_t lf = lfs_[taken_];
        ++taken_;
        position_ = lf + 1;
        line = std::string_view(base_ + start, lf - 1 - start);
        return true;
      }
      if (window_.next >= size_) {
        const std::size_t rest = window_.lineStart;
        window_.lineStart = position_ = size_;
        if (rest >= size_) return false;
        line = std::string_view(base_ + rest, size_ - rest);
        return true;
      }
      count_ = FindMarkedLines(base_, size_, window_, starts_.data(), lfs_.data());
      taken_ = 0;
    }
  }

  // The start of the line after the last one handed out.
  const char* Position() const { return base_ + position_; }

 private:
  const char* base_ = nullptr;
  std::size_t size_ = 0;
  LineWindowState window_;
  std::size_t position_ = 0;
  std::size_t count_ = 0;  // marked lines found in the window
  std::size_t taken_ = 0;  // of which these were handed out
  std::array<std::uint32_t, kMostMarkedLines> starts_;
  std::array<std::uint32_t, kMostMarkedLines> lfs_;
};

}  // namespace orv
