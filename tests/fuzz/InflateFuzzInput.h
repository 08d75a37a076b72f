#pragma once
// ZlibInflater and zlib's own inflate run side by side over the same zlib
// stream, fed the same pieces of input and given the same room for output,
// and the ways they ended compared. Shared by the libFuzzer target, the test
// that replays its kept inputs and the inflater's own tests.
#include <zlib.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "container/ZlibInflater.h"

namespace orv::fuzz {

// How a run over the whole input ended.
enum class InflateEnd {
  Ended,       // Z_STREAM_END: the data ended and its check value matched
  Failed,      // an error, or zlib asking for a preset dictionary
  Incomplete,  // Z_BUF_ERROR with all the input taken: the stream was cut short
  Stalled,     // a broken promise: Z_OK without progress, or Z_BUF_ERROR with input and room left
  Limit,       // stopped once the output reached the limit, before any end
};

struct InflateRun {
  InflateEnd end = InflateEnd::Incomplete;
  int result = Z_OK;         // the last call's
  bool repeats = false;      // one more call gave `result` again, taking and giving nothing
  std::size_t consumed = 0;  // input bytes taken
  std::string output;
};

// Deflated data can grow a thousandfold; runs stop comparing beyond this.
inline constexpr std::size_t kInflateOutputLimit = 256 * 1024;

// Calls `inflateOnce` until the stream ends, fails or can go no further,
// each time with at most `inPiece` new bytes of input and `outPiece` bytes
// of fresh room.
template <class InflateOnce>
InflateRun DriveInflate(z_stream& stream, InflateOnce inflateOnce, std::string_view input,
                        std::size_t inPiece, std::size_t outPiece,
                        std::size_t outputLimit = kInflateOutputLimit) {
  InflateRun run;
  std::vector<Bytef> room(outPiece);
  Bytef* const begin = reinterpret_cast<Bytef*>(const_cast<char*>(input.data()));
  std::size_t taken = 0;
  std::size_t produced = 0;
  const auto call = [&] {
    Bytef* const in = begin + run.consumed;
    stream.next_in = in;
    stream.avail_in = static_cast<uInt>(std::min(inPiece, input.size() - run.consumed));
    stream.next_out = room.data();
    stream.avail_out = static_cast<uInt>(outPiece);
    const int result = inflateOnce();
    taken = static_cast<std::size_t>(stream.next_in - in);
    produced = outPiece - stream.avail_out;
    return result;
  };
  for (;;) {
    run.result = call();
    run.consumed += taken;
    run.output.append(reinterpret_cast<const char*>(room.data()), produced);
    const bool progress = taken > 0 || produced > 0;
    if (run.result == Z_OK) {
      if (!progress) {
        run.end = InflateEnd::Stalled;
        return run;
      }
      if (run.output.size() >= outputLimit) {
        run.output.resize(outputLimit);
        run.end = InflateEnd::Limit;
        return run;
      }
      continue;
    }
    if (run.result == Z_STREAM_END)
      run.end = InflateEnd::Ended;
    else if (run.result != Z_BUF_ERROR)
      run.end = InflateEnd::Failed;
    else
      run.end = progress || run.consumed < input.size() ? InflateEnd::Stalled : InflateEnd::Incomplete;
    break;
  }
  const int again = call();
  run.repeats = again == run.result && taken == 0 && produced == 0;
  return run;
}

inline InflateRun RunZlibInflater(std::string_view input, std::size_t inPiece, std::size_t outPiece,
                                  std::size_t outputLimit = kInflateOutputLimit) {
  ZlibInflater inflater;
  if (!inflater.Ready()) return {InflateEnd::Failed, Z_MEM_ERROR, true, 0, {}};
  return DriveInflate(inflater.Stream(), [&] { return inflater.Inflate(); }, input, inPiece, outPiece,
                      outputLimit);
}

// zlib's own inflate, reading the header and check value itself.
inline InflateRun RunZlibInflate(std::string_view input, std::size_t inPiece, std::size_t outPiece,
                                 std::size_t outputLimit = kInflateOutputLimit) {
  z_stream stream{};
  if (inflateInit(&stream) != Z_OK) return {InflateEnd::Failed, Z_MEM_ERROR, true, 0, {}};
  InflateRun run = DriveInflate(stream, [&] { return inflate(&stream, Z_NO_FLUSH); }, input, inPiece,
                                outPiece, outputLimit);
  inflateEnd(&stream);
  return run;
}

inline const char* InflateEndName(InflateEnd end) {
  switch (end) {
    case InflateEnd::Ended: return "ended";
    case InflateEnd::Failed: return "failed";
    case InflateEnd::Incomplete: return "incomplete";
    case InflateEnd::Stalled: return "stalled";
    case InflateEnd::Limit: return "at the output limit";
  }
  return "?";
}

inline std::string DescribeInflateRun(const InflateRun& run) {
  return std::string(InflateEndName(run.end)) + " with " + std::to_string(run.result) + " after taking " +
         std::to_string(run.consumed) + " bytes and giving " + std::to_string(run.output.size()) +
         (run.repeats ? "" : ", not repeated on the next call");
}

// Empty when ZlibInflater ended `stream` as zlib's inflate does; otherwise
// what differed. Damaged data may make the two stop at slightly different
// points, so short of an end only the kind of ending is compared, with
// neither having given bytes the other contradicts.
inline std::string InflateDisagreement(std::string_view stream, std::size_t inPiece, std::size_t outPiece,
                                       std::size_t outputLimit = kInflateOutputLimit) {
  const InflateRun ours = RunZlibInflater(stream, inPiece, outPiece, outputLimit);
  InflateRun zlib = RunZlibInflate(stream, inPiece, outPiece, outputLimit);
  // No preset dictionary is ever supplied, so ZlibInflater refuses such a
  // stream at its header, where zlib reads on to the dictionary's id first
  // and then asks for the dictionary.
  const bool flagsDictionary = stream.size() >= 2 && (static_cast<unsigned char>(stream[1]) & 0x20) != 0;
  const bool wantsDictionary =
      zlib.result == Z_NEED_DICT || (zlib.end == InflateEnd::Incomplete && zlib.consumed >= 2 && flagsDictionary);
  if (wantsDictionary) {
    zlib.end = InflateEnd::Failed;
    zlib.result = Z_DATA_ERROR;
  }
  const std::string both = "ZlibInflater " + DescribeInflateRun(ours) + "; zlib " + DescribeInflateRun(zlib);
  if (wantsDictionary && ours.consumed > 2) return "read on past a header asking for a dictionary: " + both;
  if (ours.end == InflateEnd::Stalled || zlib.end == InflateEnd::Stalled) return "no progress: " + both;
  if (ours.end != zlib.end || ours.result != zlib.result) return "different ends: " + both;
  if (ours.end == InflateEnd::Limit) return ours.output == zlib.output ? "" : "different output: " + both;
  if (!ours.repeats) return "the next call differed: " + both;
  if (ours.end == InflateEnd::Ended) {
    if (ours.output != zlib.output) return "different output: " + both;
    if (ours.consumed != zlib.consumed) return "different input taken: " + both;
    return "";
  }
  const std::size_t common = std::min(ours.output.size(), zlib.output.size());
  if (ours.output.compare(0, common, zlib.output, 0, common) != 0) return "different output: " + both;
  return "";
}

// The data deflated into a zlib stream; empty if zlib refused the settings.
inline std::string DeflateWith(std::string_view data, int level, int windowBits, int strategy = Z_DEFAULT_STRATEGY) {
  z_stream stream{};
  if (deflateInit2(&stream, level, Z_DEFLATED, windowBits, 8, strategy) != Z_OK) return {};
  std::string packed(deflateBound(&stream, static_cast<uLong>(data.size())), '\0');
  stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.data()));
  stream.avail_in = static_cast<uInt>(data.size());
  stream.next_out = reinterpret_cast<Bytef*>(packed.data());
  stream.avail_out = static_cast<uInt>(packed.size());
  const int result = deflate(&stream, Z_FINISH);
  packed.resize(result == Z_STREAM_END ? stream.total_out : 0);
  deflateEnd(&stream);
  return packed;
}

// One fuzz input made into a stream and the piece sizes to feed it with.
// The first byte: bits 0-2 pick the input piece, bits 3-5 the output piece;
// without bit 7 the remaining bytes are the stream as they are. With bit 7
// the bytes from the fifth on are deflated first so that well-formed streams
// are tried too: the second byte picks the level, window and strategy (bit 6
// of the first forces fixed codes), the third and fourth an alteration of the
// made stream (none, a flipped bit, a cut, or bytes added after its end).
struct InflateFuzzCase {
  std::string stream;
  std::size_t inPiece = 1;
  std::size_t outPiece = 1;
};

inline InflateFuzzCase MakeInflateFuzzCase(const std::uint8_t* data, std::size_t size) {
  static constexpr std::size_t kInPieces[8] = {1, 2, 3, 5, 16, 100, 4096, 1 << 20};
  static constexpr std::size_t kOutPieces[8] = {1, 2, 7, 31, 258, 4096, 32768, 65536};
  static constexpr int kStrategies[4] = {Z_DEFAULT_STRATEGY, Z_FILTERED, Z_HUFFMAN_ONLY, Z_RLE};
  InflateFuzzCase made;
  if (size == 0) return made;
  const std::uint8_t options = data[0];
  made.inPiece = kInPieces[options & 7];
  made.outPiece = kOutPieces[(options >> 3) & 7];
  if ((options & 0x80) == 0) {
    made.stream.assign(reinterpret_cast<const char*>(data) + 1, size - 1);
    return made;
  }
  const auto byteAt = [&](std::size_t i) -> unsigned { return i < size ? data[i] : 0; };
  const unsigned settings = byteAt(1);
  const unsigned alteration = byteAt(2);
  const std::size_t position = ((alteration >> 2) << 8) | byteAt(3);
  const std::string_view content =
      size > 4 ? std::string_view(reinterpret_cast<const char*>(data) + 4, size - 4) : std::string_view();
  const int strategy = (options & 0x40) != 0 ? Z_FIXED : kStrategies[(settings / 70) % 4];
  made.stream = DeflateWith(content, static_cast<int>(settings % 10), 9 + static_cast<int>((settings / 10) % 7),
                            strategy);
  if (made.stream.empty()) return made;
  switch (alteration & 3) {
    case 1:
      made.stream[position % made.stream.size()] ^= static_cast<char>(1u << (byteAt(3) & 7));
      break;
    case 2:
      made.stream.resize(position % (made.stream.size() + 1));
      break;
    case 3:
      made.stream += made.stream.substr(0, 1 + position % 16);
      break;
    default:
      break;
  }
  return made;
}

inline std::string InflateFuzzDisagreement(const std::uint8_t* data, std::size_t size) {
  const InflateFuzzCase made = MakeInflateFuzzCase(data, size);
  return InflateDisagreement(made.stream, made.inPiece, made.outPiece);
}

}  // namespace orv::fuzz
