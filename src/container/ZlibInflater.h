#pragma once
// Inflates a zlib stream (RFC 1950): zlib's raw inflate does the deflate
// data, and the two-byte header and the Adler-32 check value at the end are
// read here, so the check is computed by Adler32, several times faster than
// zlib's own loop. Callers fill Stream()'s input and output fields as they
// would for inflate() and get the same results.
#include <zlib.h>

#include <cstddef>
#include <cstdint>

namespace orv {

class ZlibInflater {
 public:
  ZlibInflater();
  ~ZlibInflater();
  ZlibInflater(const ZlibInflater&) = delete;
  ZlibInflater& operator=(const ZlibInflater&) = delete;

  // False when zlib could not set up its state; nothing inflates then.
  bool Ready() const { return ready_; }
  z_stream& Stream() { return stream_; }

  // As inflate(&Stream(), Z_NO_FLUSH): Z_OK after some progress, Z_BUF_ERROR
  // when none was possible, Z_STREAM_END once the data ended and its check
  // value matched (and from then on), Z_DATA_ERROR for a bad header or check
  // value, zlib's other errors as zlib gives them.
  int Inflate();

 private:
  enum class Phase { Header, Data, Check, Ended };

  // Takes bytes of the header or the check value from the input.
  bool TakeByte(std::uint32_t& into);

  z_stream stream_{};
  bool ready_ = false;
  Phase phase_ = Phase::Header;
  std::uint32_t header_ = 0;
  std::uint32_t expected_ = 0;  // the check value as stored
  std::size_t taken_ = 0;       // bytes of the header or of the check value
  std::uint32_t adler_ = 1;
};

}  // namespace orv
