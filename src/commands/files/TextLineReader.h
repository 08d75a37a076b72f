#pragma once
// Reads a data file line by line from an open descriptor. A line ends at CR,
// at LF or at a CR LF pair; a last line without a break counts; an empty file
// has no lines. Offset() is always the first byte of the next line, so a
// reader can stop after any line and a later one resume exactly there.
#include <sys/types.h>

#include <array>
#include <cstdint>
#include <string>

namespace orv {

class TTextLineReader {
 public:
  TTextLineReader(int fd, std::int64_t offset) : fd_(fd), offset_(offset) {}

  // False at the end of the file or on a read error (then Error() is set).
  bool ReadLine(std::string& line);
  // Skips a line without keeping it.
  bool SkipLine();
  // True when no byte follows (reads ahead when needed).
  bool AtEnd();
  std::int64_t Offset() const { return offset_ + static_cast<std::int64_t>(pos_); }
  int Error() const { return error_; }

 private:
  bool Fill();  // false at the end or on error
  bool Read(std::string* line);

  int fd_;
  std::int64_t offset_;  // file offset of buffer_[0]
  std::array<char, 4096> buffer_{};
  std::size_t pos_ = 0, len_ = 0;
  int error_ = 0;
};

}  // namespace orv
