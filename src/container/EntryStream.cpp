#include "container/EntryStream.h"

#include <algorithm>
#include <climits>

#include "container/LibRec.h"
#include "container/PackageFile.h"

namespace orv {
namespace {
constexpr std::size_t kInputChunk = 64 * 1024;
}

EntryStream::EntryStream(const PackageFile& file, std::int64_t offset, std::int64_t storedSize,
                         std::int64_t unpackedSize)
    : file_(file),
      offset_(offset),
      stored_(std::max<std::int64_t>(storedSize, 0)),
      unpacked_(unpackedSize),
      compressed_(unpackedSize > 0) {
  if (offset < 0 || storedSize < 0) failed_ = true;
  if (compressed_ && !failed_) {
    inputCapacity_ = static_cast<std::size_t>(std::min<std::int64_t>(kInputChunk, std::max<std::int64_t>(stored_, 1)));
    input_ = std::make_unique<unsigned char[]>(inputCapacity_);
    inflater_ = std::make_unique<ZlibInflater>();
    if (!inflater_->Ready()) failed_ = true;
  }
}

EntryStream::EntryStream(const PackageFile& file, const LibRec& entry)
    : EntryStream(file, entry.Offset, entry.StoredSize, entry.UnpackedSize) {}

EntryStream::~EntryStream() = default;

std::int64_t EntryStream::Fail() {
  failed_ = true;
  return -1;
}

std::int64_t EntryStream::Read(char* buffer, std::size_t count) {
  if (failed_) return -1;
  if (finished_) return 0;
  return compressed_ ? ReadCompressed(buffer, count) : ReadRaw(buffer, count);
}

std::int64_t EntryStream::ReadRaw(char* buffer, std::size_t count) {
  const std::int64_t want = std::min<std::int64_t>(static_cast<std::int64_t>(count), stored_ - produced_);
  if (want <= 0) {
    finished_ = produced_ == stored_;
    return 0;
  }
  if (file_.ReadAt(offset_ + produced_, buffer, static_cast<std::size_t>(want)) != want) return Fail();
  produced_ += want;
  return want;
}

void EntryStream::Refill() {
  const std::int64_t want =
      std::min<std::int64_t>(static_cast<std::int64_t>(inputCapacity_), stored_ - consumed_);
  if (want <= 0) return;
  if (file_.ReadAt(offset_ + consumed_, input_.get(), static_cast<std::size_t>(want)) != want) {
    failed_ = true;
    return;
  }
  consumed_ += want;
  z_stream& zs = inflater_->Stream();
  zs.next_in = input_.get();
  zs.avail_in = static_cast<uInt>(want);
}

std::int64_t EntryStream::ReadCompressed(char* buffer, std::size_t count) {
  const std::int64_t remaining = unpacked_ - produced_;
  if (remaining == 0) {
    if (!VerifyEnd()) return Fail();
    finished_ = true;
    return 0;
  }
  const auto want = static_cast<uInt>(std::min<std::int64_t>({static_cast<std::int64_t>(count), remaining,
                                                               static_cast<std::int64_t>(UINT_MAX)}));
  z_stream& zs = inflater_->Stream();
  zs.next_out = reinterpret_cast<Bytef*>(buffer);
  zs.avail_out = want;
  while (zs.avail_out > 0 && !streamEnded_) {
    if (zs.avail_in == 0) Refill();
    if (failed_) return -1;
    // Without input inflate may still drain what it holds; no progress at
    // all (Z_BUF_ERROR) means the stored bytes ran out first.
    const int ret = inflater_->Inflate();
    if (ret == Z_STREAM_END)
      streamEnded_ = true;
    else if (ret != Z_OK)
      return Fail();
  }
  const std::int64_t got = want - zs.avail_out;
  produced_ += got;
  if (streamEnded_ && produced_ < unpacked_) return Fail();
  return got;
}

bool EntryStream::VerifyEnd() {
  while (!streamEnded_) {
    unsigned char scratch;
    z_stream& zs = inflater_->Stream();
    zs.next_out = &scratch;
    zs.avail_out = 1;
    if (zs.avail_in == 0) Refill();
    if (failed_) return false;
    const int ret = inflater_->Inflate();
    if (zs.avail_out == 0) return false;  // more content than the directory says
    if (ret == Z_STREAM_END)
      streamEnded_ = true;
    else if (ret != Z_OK)
      return false;
  }
  return true;
}

}  // namespace orv
