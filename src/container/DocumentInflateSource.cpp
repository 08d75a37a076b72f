#include "container/DocumentInflateSource.h"

#include <climits>

#include "base/ErrorText.h"
#include "container/ZlibInflater.h"

namespace orv {

DocumentInflateSource::DocumentInflateSource(DocumentSource& compressed)
    : compressed_(compressed), inflater_(std::make_unique<ZlibInflater>()) {
  if (!inflater_->Ready()) Fail();
}

DocumentInflateSource::~DocumentInflateSource() = default;

void DocumentInflateSource::Fail() {
  finished_ = true;
  if (failure_.empty()) {
    failure_ = compressed_.Failure();
    if (failure_.empty()) failure_ = ErrorText(err::kReadFault);
  }
}

std::size_t DocumentInflateSource::Read(char* buffer, std::size_t size) {
  if (finished_ || size == 0) return 0;
  z_stream& z = inflater_->Stream();
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
    const int status = inflater_->Inflate();
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
