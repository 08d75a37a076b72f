#include "richtext/TextCodeConverter.h"

#include <algorithm>
#include <cstddef>
#include <optional>

namespace orv::rt {

namespace {

constexpr std::size_t kBlockSize = 2048;
constexpr std::size_t kLongestBufferedLine = 30720;
constexpr int kDefaultHalfPoints = 20;
constexpr long long kMinPoints = 1;
constexpr long long kMaxPoints = 1638;
constexpr long long kColorCount = 16;
// Numbers saturate here: far beyond any size or colour, far below overflow.
constexpr long long kNumberCeiling = 1000000000;

constexpr std::string_view kColorTable =
    "{\\colortbl\\red0\\green0\\blue0;\\red128\\green0\\blue0;\\red0\\green128\\blue0;"
    "\\red128\\green128\\blue0;\\red0\\green0\\blue128;\\red128\\green0\\blue128;"
    "\\red0\\green128\\blue128;\\red128\\green128\\blue128;\\red192\\green192\\blue192;"
    "\\red255\\green0\\blue0;\\red0\\green255\\blue0;\\red0\\green0\\blue255;"
    "\\red255\\green0\\blue255;\\red0\\green255\\blue255;\\red255\\green255\\blue0;"
    "\\red255\\green255\\blue255;}";
constexpr std::string_view kTabStops = "\\tx1440\\tx2880\\tx4320\\tx5760\\tx7200\\tx8640\\tx10080 ";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Hands out the lines of the file the way they arrive when the file is read
// from the package in blocks of 2048 bytes.
//
// Lines end with CR LF, a lone LF or a lone CR. A CR that is the last byte
// read so far waits for the next block, so a CR at the end of one block and
// an LF at the start of the next are one line end.
//
// A line without an end cannot grow for ever: as soon as more than 30,720
// bytes are buffered without a line end, everything buffered is taken as one
// line. The buffer grows a block at a time, so such a piece is 30,721 to
// 32,768 bytes long and ends where a 2048-byte block of the file ends (a line
// that starts on a block boundary is cut into pieces of exactly 32,768 bytes;
// one that starts k bytes into a block first loses a piece of 32,768 - k
// bytes). A piece is a line without an end: it gets the blank that a line
// without an end gets, and what follows it starts a new line with its own
// paragraph prefix.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes) : bytes_(bytes) {}

  // The next line without its end; false when the file is used up.
  bool Next(std::string_view& line, bool& ended) {
    for (;;) {
      bool waitForBlock = false;
      for (std::size_t i = scanned_; i < buffered_; ++i) {
        const char c = bytes_[i];
        if (c != '\r' && c != '\n') continue;
        if (c == '\r' && i + 1 == buffered_ && buffered_ < bytes_.size()) {
          scanned_ = i;
          waitForBlock = true;
          break;
        }
        const std::size_t endLength = (c == '\r' && i + 1 < buffered_ && bytes_[i + 1] == '\n') ? 2 : 1;
        line = bytes_.substr(start_, i - start_);
        ended = true;
        start_ = scanned_ = i + endLength;
        return true;
      }
      if (!waitForBlock) {
        scanned_ = buffered_;
        if (buffered_ - start_ > kLongestBufferedLine) return TakeBuffered(line, ended);
      }
      if (buffered_ == bytes_.size()) {
        if (start_ < buffered_) return TakeBuffered(line, ended);
        return false;
      }
      buffered_ += std::min(kBlockSize, bytes_.size() - buffered_);
    }
  }

 private:
  bool TakeBuffered(std::string_view& line, bool& ended) {
    line = bytes_.substr(start_, buffered_ - start_);
    ended = false;
    start_ = scanned_ = buffered_;
    return true;
  }

  std::string_view bytes_;
  std::size_t start_ = 0;     // first byte not yet handed out
  std::size_t scanned_ = 0;   // no line end in [start_, scanned_)
  std::size_t buffered_ = 0;  // bytes read so far
};

// Writes the RTF of one file, line by line, keeping the formatting state
// that carries from line to line.
class TextCodeWriter {
 public:
  TextCodeWriter(bool wordWrap, int codePage) : wordWrap_(wordWrap) {
    out_ += "{\\rtf1\\ansi\\ansicpg";
    out_ += std::to_string(codePage > 0 ? codePage : 1252);
    out_ += "\\deflang1033";
    out_ += kColorTable;
    out_ += kTabStops;
  }

  void Line(std::string_view line, bool ended) {
    WritePrefix();
    if (line.empty()) {
      // Only a line that has an end can be empty.
      Write("\\par\r\n");
      alignment_ = pendingAlignment_;
      textWritten_ = false;
      return;
    }
    for (std::size_t i = 0; i < line.size(); ++i) {
      // A "^" that ends the line has no code after it and is shown as it is.
      if (line[i] == '^' && i + 1 < line.size()) {
        i = Code(line, i + 1);
      } else {
        Text(line[i]);
      }
    }
    // A link or bookmark that the line leaves open is closed here: left open,
    // the target's hidden text or the bookmark's group would swallow
    // everything after it.
    if (inLink_) EndLink();
    if (inBookmark_) EndBookmark();
    Write(ended && !wordWrap_ ? std::string_view("\\par ") : std::string_view(" "));
  }

  std::string Finish() {
    Write("}");
    return std::move(out_);
  }

 private:
  enum Alignment { kLeft, kCentre, kRight };

  void WritePrefix() {
    static constexpr std::string_view kAlign[] = {"\\ql", "\\qc", "\\qr"};
    Write(kAlign[alignment_]);
    Write("\\li0\\fi0\\ri0\\sb0\\sl\\sa0 ");
    WritePlain();
  }

  void WritePlain() {
    Write("\\plain\\f0\\fs");
    Write(std::to_string(halfPoints_));
    Write(" ");
  }

  void WriteFontSize() {
    Write("\\fs");
    Write(std::to_string(halfPoints_));
    // The size ends without a blank; a digit written next would run into the
    // number and change the size, so it gets one.
    sizeNeedsDelimiter_ = true;
  }

  void Write(std::string_view s) {
    out_ += s;
    sizeNeedsDelimiter_ = false;
  }

  void WriteByte(char c) {
    if (sizeNeedsDelimiter_ && IsDigit(c)) out_ += ' ';
    if (c == '\\' || c == '{' || c == '}') out_ += '\\';
    out_ += c;
    sizeNeedsDelimiter_ = false;
  }

  // One character of the file's text.
  void Text(char c) {
    textWritten_ = true;
    if (inLink_ && !inTarget_ && c == '=') {
      Write("\\v ");
      inTarget_ = true;
      return;
    }
    if (inTarget_) {
      if (c == '"') quoted_ = !quoted_;
      if (c == '|' && !quoted_) {
        Write("\\'b6");
        return;
      }
    }
    if (inBookmark_) bookmarkName_ += c;
    WriteByte(c);
  }

  // The digits at `pos` (a leading "-" allowed), saturating; `pos` moves past them.
  std::optional<long long> Number(std::string_view line, std::size_t& pos) {
    std::size_t i = pos;
    const bool negative = i < line.size() && line[i] == '-';
    if (negative) ++i;
    if (i >= line.size() || !IsDigit(line[i])) return std::nullopt;
    long long value = 0;
    for (; i < line.size() && IsDigit(line[i]); ++i) {
      value = std::min(value * 10 + (line[i] - '0'), kNumberCeiling);
    }
    pos = i;
    return negative ? -value : value;
  }

  // Handles the code letter at `pos`; returns the index of its last byte.
  std::size_t Code(std::string_view line, std::size_t pos) {
    const char code = line[pos];
    std::size_t next = pos + 1;
    switch (code) {
      case 'B': Write("\\b "); break;
      case 'b': Write("\\b0 "); break;
      case 'I': Write("\\i "); break;
      case 'i': Write("\\i0 "); break;
      case 'U': Write("\\ul "); break;
      case 'u': Write("\\ulnone "); break;
      case 'X': Write("\\strike "); break;
      case 'x': Write("\\strike0 "); break;
      case 'C': alignment_ = pendingAlignment_ = kCentre; break;
      case 'G': alignment_ = pendingAlignment_ = kRight; break;
      case 'c':
      case 'g':
        pendingAlignment_ = kLeft;
        if (!textWritten_) alignment_ = kLeft;
        break;
      case 'F':
        if (const auto points = Number(line, next)) {
          halfPoints_ = static_cast<int>(2 * std::clamp(*points, kMinPoints, kMaxPoints));
          WriteFontSize();
        }
        break;
      case 'f':
        halfPoints_ = kDefaultHalfPoints;
        WriteFontSize();
        break;
      case 'P':
        if (const auto color = Number(line, next)) {
          Write("\\cf");
          Write(std::to_string(*color >= 0 && *color < kColorCount ? *color : 0));
          Write(" ");
        }
        break;
      case 'p': Write("\\cf0 "); break;
      case 'S':
      case 'T':
      case 's':
      case 't':
        Number(line, next);
        Write("\\tab ");
        break;
      case 'L':
        if (!inLink_) {
          Write("\\uldb ");
          inLink_ = true;
        }
        break;
      case 'l': EndLink(); break;
      case 'M':
        // A second start would open a group that no end closes.
        if (!inBookmark_) {
          Write("{\\*\\bkmkstart ");
          inBookmark_ = true;
          bookmarkName_.clear();
        }
        break;
      case 'm':
        // An end without a start would close the document's own group.
        if (inBookmark_) EndBookmark();
        break;
      case '^': Text('^'); break;
      default: break;  // not a code: it goes with its "^"
    }
    return next - 1;
  }

  void EndLink() {
    WritePlain();
    inLink_ = inTarget_ = quoted_ = false;
  }

  // The bookmark's text is its name; the end repeats it. Nothing visible
  // follows the end: a marker text after it would show after every bookmark.
  void EndBookmark() {
    Write("}{\\*\\bkmkend ");
    for (const char c : bookmarkName_) WriteByte(c);
    Write("}");
    WritePlain();
    inBookmark_ = false;
    bookmarkName_.clear();
  }

  const bool wordWrap_;
  std::string out_;
  Alignment alignment_ = kLeft;
  Alignment pendingAlignment_ = kLeft;
  int halfPoints_ = kDefaultHalfPoints;
  bool textWritten_ = false;
  bool sizeNeedsDelimiter_ = false;
  bool inLink_ = false;
  bool inTarget_ = false;  // past the link's "=": the hidden target
  bool quoted_ = false;    // inside double quotes in the target
  bool inBookmark_ = false;
  std::string bookmarkName_;
};

}  // namespace

std::string ConvertTextCodesToRtf(std::string_view bytes, bool wordWrap, int codePage) {
  TextCodeWriter writer(wordWrap, codePage);
  LineReader reader(bytes);
  std::string_view line;
  bool ended = false;
  while (reader.Next(line, ended)) writer.Line(line, ended);
  return writer.Finish();
}

}  // namespace orv::rt
