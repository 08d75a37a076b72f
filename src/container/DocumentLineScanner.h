#pragma once
// Walks the lines of the document for its reader. Most lines are object
// properties that nobody looks at while the document is read, so only the
// lines that may carry a key read at once come out (FindMarkedLines, a
// window at a time); the others are passed over. The lines between the ones
// a reader sets aside are kept as runs: stretches of whole lines where the
// document text lies in memory, to be looked at later.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "container/DocumentLineReader.h"
#include "container/DocumentMarkedLines.h"

namespace orv {

class DocumentLineScanner {
 public:
  // Runs point into the lines `lines` hands out, so they last as long as
  // its text store does. A run is open from the start of the document.
  explicit DocumentLineScanner(DocumentLineReader& lines) : lines_(lines) {}
  DocumentLineScanner(const DocumentLineScanner&) = delete;
  DocumentLineScanner& operator=(const DocumentLineScanner&) = delete;

  // The next line that may carry a key read at once, without its CR LF; the
  // last line of the document, when it has no CR LF, always comes out.
  // False at the end of the document.
  bool Next(std::string_view& line) {
    if (taken_ < count_) {
      const std::size_t start = starts_[taken_];
      const std::size_t lf = lfs_[taken_];
      ++taken_;
      position_ = lf + 1;
      line = std::string_view(base_ + start, lf - 1 - start);
      return true;
    }
    return NextAfterWindow(line);
  }

  // The next line whatever it holds, for a section read line by line; the
  // next call of Next goes on after it.
  bool NextLine(std::string_view& line);

  // The open run ends at `at`, the start of a line handed out, or at the
  // end of the document when `at` is null: `keep` is called with its text,
  // once, or once for every stretch where the document's text is split in
  // memory. No run is open until BeginRun.
  template <class Keep>
  void EndRun(const char* at, Keep&& keep) {
    if (!runOpen_) return;
    runOpen_ = false;
    if (!runBefore_.empty()) {
      for (const std::string_view stretch : runBefore_) keep(stretch);
      runBefore_.clear();
    }
    if (!at) at = pieceEnd_;
    if (runStart_ && at > runStart_)
      keep(std::string_view(runStart_, static_cast<std::size_t>(at - runStart_)));
  }

  // A run opens with the line after the last one handed out.
  void BeginRun() {
    runOpen_ = true;
    runStart_ = Position();
  }

 private:
  // A window walked and no marked line left in it: the next window, the
  // next piece of lines, or the last line.
  bool NextAfterWindow(std::string_view& line);
  bool NextPiece();
  // Walks the lines in [from, pieceEnd_); nothing when `from` is past it.
  void Start(const char* from);
  // The start of the line after the last one handed out.
  const char* Position() const { return base_ + position_; }

  DocumentLineReader& lines_;
  // The piece of lines being walked, and where in it.
  const char* base_ = nullptr;
  const char* pieceEnd_ = nullptr;
  std::size_t size_ = 0;  // of the walk, from base_
  LineWindowState window_;
  std::size_t position_ = 0;
  std::size_t count_ = 0;  // marked lines found in the window
  std::size_t taken_ = 0;  // of which these were handed out
  std::array<std::uint32_t, kMostMarkedLines> starts_;
  std::array<std::uint32_t, kMostMarkedLines> lfs_;
  // The open run: where its last stretch starts (null until the first piece
  // is read), and the stretches before, each ended by a piece that does not
  // follow the one before in memory.
  bool runOpen_ = true;
  const char* runStart_ = nullptr;
  std::vector<std::string_view> runBefore_;
};

}  // namespace orv
