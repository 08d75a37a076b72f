#include "container/DocumentInflateSource.h"

#include <zlib.h>

#include <climits>

#include "base/ErrorText.h"

namespace orv {

struct DocumentInflateSource::Stream {
  z_stream z{};
  bool open = false;
};

DocumentInflateSource::DocumentInflateSource(DocumentSource& compressed)
    : compressed_(compressed), stream_(std::make_unique<Stream>()) {
  if (inflateInit(&stream_->z) == Z_OK)
    stream_->open = true;
  else
    Fail();
}

DocumentInflateSource::~DocumentInflateSource() {
  if (stream_->open) inflateEnd(&stream_->z);
}

void DocumentInflateSource::Fail() {
  finished_ = true;
  if (failure_.empty()) {
    failure_ = compressed_.Failure();
    if (failure_.empty()) failure_ = ErrorText(err::kReadFault);
  }
}

std::size_t DocumentInflateSource::Read(char* buffer, std::size_t size) {
  if (finished_ || size == 0) return 0;
  z_stream& z = stream_->z;
  z.next_out = reinterpret_cast<Bytef*>(buffer);
  z.avail_out = static_cast<uInt>(size > UINT_MAX ? UINT_MAX : size);
  while (z.avail_out > 0) {
    if (z.avail_in == 0) {
      const std::size_t got = compressed_.Read(input_.data(), input_.size());
      if (got == 0) {
        // The stream stopped before its end: the entry is cut short.
        Fail();
        break;
      }
      z.next_in = reinterpret_cast<Bytef*>(input_.data());
      z.avail_in = static_cast<uInt>(got);
    }
    const int status = inflate(&z, Z_NO_FLUSH);
    if (status == Z_STREAM_END) {
      finished_ = true;
      break;
    }
    if (status != Z_OK && !(status == Z_BUF_ERROR && z.avail_in == 0)) {
      Fail();
      break;
    }
  }
  return size - z.avail_out;
}

}  // namespace orv
