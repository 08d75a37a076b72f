// ZlibInflater reads the zlib header and check value itself around zlib's
// raw inflate; fed real streams in pieces of any size it must give what
// zlib's own inflate gives, on whole, damaged, cut and overlong streams.
#include <gtest/gtest.h>
#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <random>
#include <string>
#include <vector>

#include "container/ZlibInflater.h"
#include "fuzz/InflateFuzzInput.h"

namespace orv {
namespace {

using fuzz::InflateEnd;
using fuzz::InflateRun;
using fuzz::RunZlibInflate;
using fuzz::RunZlibInflater;

// Words, random bytes, runs of one byte and copies of text from up to 40 KB
// back, so that matches reach past every window size and blocks of all
// kinds are made.
std::string SampleData(std::size_t size) {
  std::mt19937 generator(1950);
  const char* const words[] = {"page ", "object ", "go to card ", "\r\n", "set value ", "script "};
  std::string data;
  while (data.size() < size) {
    const unsigned kind = generator() % 4;
    if (kind == 0) {
      data += words[generator() % std::size(words)];
    } else if (kind == 1) {
      for (unsigned n = 1 + generator() % 64; n > 0; --n) data += static_cast<char>(generator());
    } else if (kind == 2) {
      data.append(1 + generator() % 300, static_cast<char>(generator()));
    } else if (data.size() > 16) {
      const std::size_t from = data.size() - 1 - generator() % std::min<std::size_t>(data.size() - 1, 40000);
      data += data.substr(from, 3 + generator() % 200);
    }
  }
  data.resize(size);
  return data;
}

const std::string& Data() {
  static const std::string data = SampleData(48 * 1024);
  return data;
}

std::string Compress2(const std::string& data, int level) {
  uLongf size = compressBound(static_cast<uLong>(data.size()));
  std::string packed(size, '\0');
  EXPECT_EQ(compress2(reinterpret_cast<Bytef*>(packed.data()), &size,
                      reinterpret_cast<const Bytef*>(data.data()), static_cast<uLong>(data.size()), level),
            Z_OK);
  packed.resize(size);
  return packed;
}

std::string Deflated(const std::string& data, int level = 6, int windowBits = 15) {
  std::string packed = fuzz::DeflateWith(data, level, windowBits);
  EXPECT_FALSE(packed.empty());
  return packed;
}

struct Pieces {
  std::size_t in;
  std::size_t out;
};

// A byte at a time in, a few bytes of room at a time, and everything at once.
std::vector<Pieces> PieceSizes(const std::string& stream) {
  return {{1, 3}, {std::max<std::size_t>(stream.size(), 1), Data().size()}};
}

std::string Describe(const Pieces& pieces) {
  return "input pieces " + std::to_string(pieces.in) + ", output room " + std::to_string(pieces.out);
}

TEST(ZlibInflaterTest, InflatesStreamsZlibMade) {
  struct Made {
    std::string name;
    std::string stream;
  };
  std::vector<Made> streams;
  for (const int level : {0, 1, 6, 9})
    for (int windowBits = 9; windowBits <= 15; ++windowBits)
      streams.push_back({"deflateInit2 level " + std::to_string(level) + " window bits " + std::to_string(windowBits),
                         Deflated(Data(), level, windowBits)});
  for (const int level : {Z_DEFAULT_COMPRESSION, 1, 9})
    streams.push_back({"compress2 level " + std::to_string(level), Compress2(Data(), level)});

  for (const Made& made : streams) {
    std::vector<Pieces> pieces = PieceSizes(made.stream);
    pieces.push_back({7, 1});
    pieces.push_back({made.stream.size(), Data().size() + 100});
    for (const Pieces& piece : pieces) {
      SCOPED_TRACE(made.name + ", " + Describe(piece));
      const InflateRun ours = RunZlibInflater(made.stream, piece.in, piece.out);
      EXPECT_EQ(ours.end, InflateEnd::Ended) << fuzz::DescribeInflateRun(ours);
      EXPECT_TRUE(ours.output == Data()) << "gave " << ours.output.size() << " bytes";
      EXPECT_EQ(ours.consumed, made.stream.size());
      EXPECT_TRUE(ours.repeats) << "a call after the end did not give Z_STREAM_END again";
    }
  }
}

TEST(ZlibInflaterTest, FlippedCheckValueBitFailsAsZlibDoes) {
  const std::string stream = Deflated(Data());
  for (std::size_t back = 1; back <= 4; ++back) {
    for (const int bit : {0, 7}) {
      std::string damaged = stream;
      damaged[damaged.size() - back] ^= static_cast<char>(1 << bit);
      for (const Pieces& piece : PieceSizes(damaged)) {
        SCOPED_TRACE("trailer byte " + std::to_string(4 - back) + " bit " + std::to_string(bit) + ", " +
                     Describe(piece));
        const InflateRun zlib = RunZlibInflate(damaged, piece.in, piece.out);
        const InflateRun ours = RunZlibInflater(damaged, piece.in, piece.out);
        ASSERT_EQ(zlib.result, Z_DATA_ERROR);
        // The driver stops at the first Z_STREAM_END, so a failed end means
        // none was ever returned.
        EXPECT_EQ(ours.end, InflateEnd::Failed) << fuzz::DescribeInflateRun(ours);
        EXPECT_EQ(ours.result, Z_DATA_ERROR);
        EXPECT_TRUE(ours.repeats);
        // All the data comes before the check value, as with zlib.
        EXPECT_TRUE(ours.output == zlib.output);
        EXPECT_TRUE(ours.output == Data());
      }
    }
  }
}

TEST(ZlibInflaterTest, DamagedHeaderIsRefused) {
  const std::string stream = Deflated(Data(), 6, 9);
  struct HeaderCase {
    const char* name;
    unsigned char method;  // the first header byte: window size and method
    unsigned char flags;   // the second, before its check bits are set
    bool checkBitsRight;
    int zlibResult;
    int ourResult;
  };
  const unsigned char flags = static_cast<unsigned char>(stream[1]) & 0xC0;
  const HeaderCase cases[] = {
      {"check bits wrong", static_cast<unsigned char>(stream[0]), flags, false, Z_DATA_ERROR, Z_DATA_ERROR},
      {"method 7", 0x17, flags, true, Z_DATA_ERROR, Z_DATA_ERROR},
      {"method 15", 0x1F, flags, true, Z_DATA_ERROR, Z_DATA_ERROR},
      {"window bits 16 (CINFO 8)", 0x88, flags, true, Z_DATA_ERROR, Z_DATA_ERROR},
      // zlib reads the dictionary's id and asks for it; none is ever
      // supplied, so the stream is refused at once.
      {"preset dictionary flag", static_cast<unsigned char>(stream[0]), static_cast<unsigned char>(flags | 0x20), true, Z_NEED_DICT,
       Z_DATA_ERROR},
      // The smallest window size a header can state is still accepted.
      {"window bits 8 (CINFO 0)", 0x08, flags, true, Z_STREAM_END, Z_STREAM_END},
  };
  for (const HeaderCase& header : cases) {
    std::string damaged = stream;
    damaged[0] = static_cast<char>(header.method);
    unsigned flagByte = header.flags + (31 - (header.method * 256u + header.flags) % 31) % 31;
    if (!header.checkBitsRight) flagByte ^= 1;
    damaged[1] = static_cast<char>(flagByte);
    for (const Pieces& piece : PieceSizes(damaged)) {
      SCOPED_TRACE(std::string(header.name) + ", " + Describe(piece));
      const InflateRun zlib = RunZlibInflate(damaged, piece.in, piece.out);
      const InflateRun ours = RunZlibInflater(damaged, piece.in, piece.out);
      ASSERT_EQ(zlib.result, header.zlibResult);
      EXPECT_EQ(ours.result, header.ourResult) << fuzz::DescribeInflateRun(ours);
      EXPECT_TRUE(ours.repeats);
      if (header.ourResult == Z_STREAM_END) {
        EXPECT_TRUE(ours.output == Data());
      } else {
        EXPECT_EQ(ours.output, "");
        EXPECT_EQ(ours.consumed, 2u) << "input taken past the refused header";
      }
    }
  }
}

TEST(ZlibInflaterTest, CutStreamNeverEnds) {
  const std::string stream = Deflated(Data());
  const std::size_t size = stream.size();
  // Empty, inside the header, inside the data, just before the check value
  // and inside it.
  for (const std::size_t cut : {std::size_t{0}, std::size_t{1}, std::size_t{2}, size / 2, size - 4, size - 3,
                                size - 2, size - 1}) {
    const std::string cutStream = stream.substr(0, cut);
    for (const Pieces& piece : PieceSizes(cutStream)) {
      SCOPED_TRACE("cut after " + std::to_string(cut) + " of " + std::to_string(size) + " bytes, " +
                   Describe(piece));
      const InflateRun zlib = RunZlibInflate(cutStream, piece.in, piece.out);
      const InflateRun ours = RunZlibInflater(cutStream, piece.in, piece.out);
      ASSERT_EQ(zlib.end, InflateEnd::Incomplete);
      EXPECT_EQ(ours.end, InflateEnd::Incomplete) << fuzz::DescribeInflateRun(ours);
      EXPECT_EQ(ours.result, Z_BUF_ERROR);
      EXPECT_EQ(ours.consumed, cut);
      EXPECT_TRUE(ours.repeats);
      EXPECT_TRUE(ours.output == zlib.output) << "gave " << ours.output.size() << ", zlib " << zlib.output.size();
      if (cut >= size - 4) {
        EXPECT_TRUE(ours.output == Data());
      }
    }
  }
}

TEST(ZlibInflaterTest, RawDeflateWithoutHeaderIsRefused) {
  for (const int level : {0, 1, 9}) {
    const std::string raw = fuzz::DeflateWith(Data().substr(0, 1000), level, -15);
    ASSERT_FALSE(raw.empty());
    for (const Pieces& piece : PieceSizes(raw)) {
      SCOPED_TRACE("level " + std::to_string(level) + ", " + Describe(piece));
      const InflateRun zlib = RunZlibInflate(raw, piece.in, piece.out);
      const InflateRun ours = RunZlibInflater(raw, piece.in, piece.out);
      ASSERT_EQ(zlib.result, Z_DATA_ERROR);
      EXPECT_EQ(ours.result, Z_DATA_ERROR) << fuzz::DescribeInflateRun(ours);
      EXPECT_EQ(ours.output, "");
      EXPECT_TRUE(ours.repeats);
    }
  }
}

TEST(ZlibInflaterTest, BytesAfterTheEndAreLeft) {
  const std::string stream = Deflated(Data());
  const std::string extras[] = {std::string(1, '\0'), "\x78\x9c\x03\x00\x00", stream};
  for (const std::string& extra : extras) {
    const std::string longer = stream + extra;
    for (const Pieces& piece : PieceSizes(longer)) {
      SCOPED_TRACE(std::to_string(extra.size()) + " bytes after the end, " + Describe(piece));
      const InflateRun zlib = RunZlibInflate(longer, piece.in, piece.out);
      const InflateRun ours = RunZlibInflater(longer, piece.in, piece.out);
      ASSERT_EQ(zlib.end, InflateEnd::Ended);
      EXPECT_EQ(ours.end, InflateEnd::Ended) << fuzz::DescribeInflateRun(ours);
      EXPECT_TRUE(ours.output == Data());
      EXPECT_EQ(ours.consumed, stream.size());
      EXPECT_EQ(ours.consumed, zlib.consumed);
      EXPECT_TRUE(ours.repeats) << "a call after the end took input or gave output";
    }
  }
}

TEST(ZlibInflaterTest, CheckValueIsReadWithoutOutputRoom) {
  const std::string stream = Deflated(Data());
  ZlibInflater inflater;
  ASSERT_TRUE(inflater.Ready());
  z_stream& z = inflater.Stream();
  std::string out(Data().size(), '\0');
  z.next_out = reinterpret_cast<Bytef*>(out.data());
  z.avail_out = static_cast<uInt>(out.size());
  z.avail_in = 0;
  EXPECT_EQ(inflater.Inflate(), Z_BUF_ERROR);  // nothing to read yet
  z.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(stream.data()));
  z.avail_in = static_cast<uInt>(stream.size() - 4);
  EXPECT_EQ(inflater.Inflate(), Z_OK);  // all the data, but no check value yet
  EXPECT_EQ(z.avail_out, 0u);
  EXPECT_EQ(inflater.Inflate(), Z_BUF_ERROR);
  z.avail_in = 4;  // the check value needs no room for output
  EXPECT_EQ(inflater.Inflate(), Z_STREAM_END);
  EXPECT_EQ(z.total_in, stream.size());
  EXPECT_EQ(z.total_out, Data().size());
  EXPECT_TRUE(out == Data());
}

}  // namespace
}  // namespace orv
