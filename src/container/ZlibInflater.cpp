#include "container/ZlibInflater.h"

#include "container/Adler32.h"

namespace orv {
namespace {

// The header zlib itself accepts: deflate with a window of at most 32 KiB,
// the check bits right, and no preset dictionary (no package uses one).
bool IsAcceptedHeader(std::uint32_t header) {
  const std::uint32_t method = header >> 8;
  const std::uint32_t flags = header & 0xFF;
  return header % 31 == 0 && (method & 0x0F) == Z_DEFLATED && (method >> 4) <= 7 &&
         (flags & 0x20) == 0;
}

}  // namespace

ZlibInflater::ZlibInflater() { ready_ = inflateInit2(&stream_, -MAX_WBITS) == Z_OK; }

ZlibInflater::~ZlibInflater() {
  if (ready_) inflateEnd(&stream_);
}

bool ZlibInflater::TakeByte(std::uint32_t& into) {
  if (stream_.avail_in == 0) return false;
  into = (into << 8) | *stream_.next_in++;
  --stream_.avail_in;
  ++stream_.total_in;
  ++taken_;
  return true;
}

int ZlibInflater::Inflate() {
  if (!ready_) return Z_STREAM_ERROR;
  bool progress = false;
  if (phase_ == Phase::Header) {
    while (taken_ < 2 && TakeByte(header_)) progress = true;
    if (taken_ < 2) return progress ? Z_OK : Z_BUF_ERROR;
    if (!IsAcceptedHeader(header_)) return Z_DATA_ERROR;
    phase_ = Phase::Data;
  }
  if (phase_ == Phase::Data) {
    Bytef* const out = stream_.next_out;
    const int status = inflate(&stream_, Z_NO_FLUSH);
    if (stream_.next_out != out) {
      adler_ = Adler32(adler_, out, static_cast<std::size_t>(stream_.next_out - out));
      progress = true;
    }
    if (status == Z_BUF_ERROR) return progress ? Z_OK : Z_BUF_ERROR;
    if (status != Z_STREAM_END) return status;
    phase_ = Phase::Check;
    taken_ = 0;
    progress = true;
  }
  if (phase_ == Phase::Check) {
    while (taken_ < 4 && TakeByte(expected_)) progress = true;
    if (taken_ < 4) return progress ? Z_OK : Z_BUF_ERROR;
    if (expected_ != adler_) return Z_DATA_ERROR;
    phase_ = Phase::Ended;
  }
  return Z_STREAM_END;
}

}  // namespace orv
