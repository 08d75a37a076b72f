#include "container/DocumentLineReader.h"

#include <gtest/gtest.h>
#include <zlib.h>

#include <string>
#include <vector>

#include "container/DocumentInflateSource.h"
#include "container/DocumentMemorySource.h"
#include "support/ZlibText.h"

namespace orv {
namespace {

// The lines as a caller cuts them from the pieces NextLines hands out.
std::vector<std::string> ReadAll(DocumentLineReader& reader) {
  std::vector<std::string> lines;
  std::string_view piece;
  while (reader.NextLines(piece)) {
    const char* at = piece.data();
    const char* const end = at + piece.size();
    while (at < end) {
      const char* const lineEnd = DocumentLineReader::FindLineEnd(at, end);
      lines.emplace_back(at, lineEnd);
      at = lineEnd + 2;
    }
  }
  return lines;
}

std::vector<std::string> LinesOf(std::string_view text) {
  DocumentMemorySource source(text);
  DocumentLineReader reader(source, text.size());
  auto lines = ReadAll(reader);
  EXPECT_EQ(reader.Failure(), "");
  return lines;
}

std::string Deflate(std::string_view text) { return DeflateText(text, Z_BEST_COMPRESSION); }

// A source that hands out at most `step` bytes a call, as a file stream may.
class TrickleSource final : public DocumentSource {
 public:
  TrickleSource(std::string_view bytes, std::size_t step) : bytes_(bytes), step_(step) {}
  std::size_t Read(char* buffer, std::size_t size) override {
    const std::size_t n = std::min({size, step_, bytes_.size() - position_});
    bytes_.copy(buffer, n, position_);
    position_ += n;
    return n;
  }
  const std::string& Failure() const override { return failure_; }

 private:
  std::string_view bytes_;
  std::size_t step_;
  std::size_t position_ = 0;
  std::string failure_;
};

TEST(DocumentLineReaderTest, SplitsOnCrLfOnly) {
  struct Case {
    std::string text;
    std::vector<std::string> lines;
  } cases[] = {
      {"", {}},
      {"A=1\r\nB=2\r\n", {"A=1", "B=2"}},
      {"A=1\r\nB=2", {"A=1", "B=2"}},               // the rest is the last line
      {"A=1\r\n\r\nB=2\r\n", {"A=1", "", "B=2"}},   // an empty line is a line
      {"A=x\ry\nz\r\n", {"A=x\ry\nz"}},              // lone CR or LF stay in the line
      {"A=1\r", {"A=1\r"}},
      {"\r\n", {""}},
      {"\r\r\n\r", {"\r", "\r"}},
      {"A=" + std::string(40, '\r') + "x\r\nB=\r\r\r\n", {"A=" + std::string(40, '\r') + "x", "B=\r\r"}},
  };
  for (const Case& c : cases) EXPECT_EQ(LinesOf(c.text), c.lines) << c.text;
}

// A CR LF that ends exactly at the end of a 2048-byte chunk empties the
// buffer while data remains: the document must go on.
TEST(DocumentLineReaderTest, CrLfClosingAChunkDoesNotEndTheDocument) {
  std::string first = "Title=" + std::string(DocumentLineReader::kChunkSize - 8, 'x') + "\r\n";
  ASSERT_EQ(first.size(), DocumentLineReader::kChunkSize);
  const std::string text = first + "NewPage=After\r\nName=Tail";
  EXPECT_EQ(LinesOf(text), (std::vector<std::string>{first.substr(0, first.size() - 2),
                                                     "NewPage=After", "Name=Tail"}));
}

TEST(DocumentLineReaderTest, CrLfSplitAcrossChunksIsOneBreak) {
  std::string first = "A=" + std::string(DocumentLineReader::kChunkSize - 3, 'x') + "\r";
  ASSERT_EQ(first.size(), DocumentLineReader::kChunkSize);
  const std::string text = first + "\nB=2\r\n";
  EXPECT_EQ(LinesOf(text), (std::vector<std::string>{first.substr(0, first.size() - 1), "B=2"}));
}

TEST(DocumentLineReaderTest, LinesLongerThanManyChunksArriveWhole) {
  const std::string longValue(5 * DocumentLineReader::kChunkSize + 17, 'v');
  const std::string text = "A=1\r\nText=" + longValue + "\r\nB=2\r\n";
  const std::vector<std::string> expected{"A=1", "Text=" + longValue, "B=2"};
  TrickleSource source(text, 100);
  DocumentLineReader reader(source, text.size());
  EXPECT_EQ(ReadAll(reader), expected);
}

TEST(DocumentLineReaderTest, NothingPastTheTotalIsRead) {
  const std::string text = "A=1\r\nB=2\r\nC=3\r\n";
  DocumentMemorySource source(text);
  DocumentLineReader reader(source, 8);  // "A=1\r\nB=2"
  EXPECT_EQ(ReadAll(reader), (std::vector<std::string>{"A=1", "B=2"}));
  EXPECT_EQ(reader.BytesRead(), 8u);
}

TEST(DocumentLineReaderTest, ProgressIsRoundedPercentOfTotalPerChunk) {
  const std::string text(5000, 'x');  // chunks of 2048, 2048, 904
  DocumentMemorySource source(text);
  std::vector<int> seen;
  DocumentLineReader reader(source, text.size(), [&](int percent) { seen.push_back(percent); });
  ReadAll(reader);
  // 2048/5000 = 40.96%, 4096/5000 = 81.92%, 100%.
  EXPECT_EQ(seen, (std::vector<int>{41, 82, 100}));
}

TEST(DocumentLineReaderTest, DataEndingBeforeTheTotalIsAFailure) {
  const std::string text = "A=1\r\nB=2";
  DocumentMemorySource source(text);
  DocumentLineReader reader(source, text.size() + 10);
  EXPECT_EQ(ReadAll(reader), (std::vector<std::string>{"A=1", "B=2"}));
  EXPECT_NE(reader.Failure(), "");
}

// A source that finds its data damaged only once its last byte is out (a
// checksum after the data): the reader must not take the document as whole.
TEST(DocumentLineReaderTest, FailureFoundWithTheLastBytesIsAFailure) {
  class CheckedAtEndSource final : public DocumentSource {
   public:
    explicit CheckedAtEndSource(std::string_view bytes) : bytes_(bytes) {}
    std::size_t Read(char* buffer, std::size_t size) override {
      const std::size_t n = bytes_.copy(buffer, size, position_);
      position_ += n;
      if (position_ == bytes_.size()) failure_ = "checksum";
      return n;
    }
    const std::string& Failure() const override { return failure_; }

   private:
    std::string_view bytes_;
    std::size_t position_ = 0;
    std::string failure_;
  };
  const std::string text = "A=1\r\nB=2\r\n";
  CheckedAtEndSource source(text);
  DocumentLineReader reader(source, text.size());
  ReadAll(reader);
  EXPECT_EQ(reader.Failure(), "checksum");
}

TEST(DocumentInflateSourceTest, InflatesAcrossManyChunks) {
  std::string text;
  for (int i = 0; i < 4000; ++i) text += "Name=Object" + std::to_string(i) + "\r\n";
  const std::string packed = Deflate(text);
  TrickleSource compressed(packed, 333);
  DocumentInflateSource source(compressed);
  DocumentLineReader reader(source, text.size());
  const auto lines = ReadAll(reader);
  ASSERT_EQ(lines.size(), 4000u);
  EXPECT_EQ(lines.front(), "Name=Object0");
  EXPECT_EQ(lines.back(), "Name=Object3999");
  EXPECT_EQ(reader.Failure(), "");
}

TEST(DocumentInflateSourceTest, DamagedOrCutStreamsFail) {
  const std::string text(10000, 'a');
  std::string damaged = Deflate(text);
  damaged[damaged.size() / 2] ^= 0x55;
  damaged[2] ^= 0x7F;
  const std::string cut = Deflate(text).substr(0, 8);
  for (const std::string& packed : {damaged, cut, std::string("not zlib at all")}) {
    DocumentMemorySource compressed(packed);
    DocumentInflateSource source(compressed);
    DocumentLineReader reader(source, text.size());
    ReadAll(reader);
    EXPECT_NE(reader.Failure(), "");
  }
}

}  // namespace
}  // namespace orv
