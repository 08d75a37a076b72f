#include "container/DocumentLineScanner.h"

namespace orv {

// FindMarkedLines reads the rest of the last block past the lines.
static_assert(DocumentLineReader::kReadAhead >= kLineBlock);

void DocumentLineScanner::Start(const char* from) {
  base_ = from;
  size_ = pieceEnd_ > from ? static_cast<std::size_t>(pieceEnd_ - from) : 0;
  window_ = LineWindowState{};
  position_ = 0;
  count_ = taken_ = 0;
}

bool DocumentLineScanner::NextPiece() {
  std::string_view piece;
  if (!lines_.NextLines(piece)) return false;
  const char* const start = piece.data();
  // A run goes on into the next piece when that one follows in memory.
  if (runOpen_ && start != pieceEnd_) {
    if (runStart_ && pieceEnd_ > runStart_)
      runBefore_.emplace_back(runStart_, static_cast<std::size_t>(pieceEnd_ - runStart_));
    runStart_ = start;
  }
  pieceEnd_ = start + piece.size();
  Start(start);
  return true;
}

bool DocumentLineScanner::NextAfterWindow(std::string_view& line) {
  for (;;) {
    if (window_.next < size_) {
      count_ = FindMarkedLines(base_, size_, window_, starts_.data(), lfs_.data());
      taken_ = 0;
      if (count_ > 0) return Next(line);
      continue;
    }
    const std::size_t rest = window_.lineStart;
    window_.lineStart = position_ = size_;
    if (rest < size_) {
      line = std::string_view(base_ + rest, size_ - rest);
      return true;
    }
    if (!NextPiece()) return false;
  }
}

bool DocumentLineScanner::NextLine(std::string_view& line) {
  if (Position() >= pieceEnd_ && !NextPiece()) return false;
  const char* const at = Position();
  const char* const lineEnd = DocumentLineReader::FindLineEnd(at, pieceEnd_);
  line = std::string_view(at, static_cast<std::size_t>(lineEnd - at));
  // Past the end of the piece after its last line, which has no CR LF.
  Start(lineEnd + 2);
  return true;
}

}  // namespace orv
