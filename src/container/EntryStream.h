#pragma once
// Sequential reading of one stored region of the package file, raw or as a
// zlib stream, in chunks. Used for entries and for the directory itself.
//
// A compressed region must inflate to exactly the size the directory claims
// and its zlib stream must end (checksum verified) within the stored bytes:
// a damaged entry is a failure, never silently different bytes.
#include <cstddef>
#include <cstdint>
#include <memory>

#include "container/ZlibInflater.h"

namespace orv {

class PackageFile;
struct LibRec;

class EntryStream {
 public:
  // `unpackedSize` 0 or negative: the `storedSize` bytes at `offset` are the
  // content. Otherwise they hold a zlib stream of `unpackedSize` bytes.
  EntryStream(const PackageFile& file, std::int64_t offset, std::int64_t storedSize, std::int64_t unpackedSize);
  EntryStream(const PackageFile& file, const LibRec& entry);
  ~EntryStream();
  EntryStream(const EntryStream&) = delete;
  EntryStream& operator=(const EntryStream&) = delete;

  // Copies the next bytes into `buffer`: the number copied, 0 once the whole
  // content was delivered and verified, -1 on any failure (then forever).
  std::int64_t Read(char* buffer, std::size_t count);
  // Bytes the stream delivers in all.
  std::int64_t Size() const { return compressed_ ? unpacked_ : stored_; }
  std::int64_t Delivered() const { return produced_; }
  bool Failed() const { return failed_; }

 private:
  std::int64_t ReadRaw(char* buffer, std::size_t count);
  std::int64_t ReadCompressed(char* buffer, std::size_t count);
  bool VerifyEnd();
  void Refill();
  std::int64_t Fail();

  const PackageFile& file_;
  std::int64_t offset_;
  std::int64_t stored_;
  std::int64_t unpacked_;
  bool compressed_;
  std::int64_t consumed_ = 0;  // stored bytes read so far
  std::int64_t produced_ = 0;  // content bytes delivered so far
  bool failed_ = false;
  bool finished_ = false;
  bool streamEnded_ = false;
  std::unique_ptr<ZlibInflater> inflater_;
  std::unique_ptr<unsigned char[]> input_;
  std::size_t inputCapacity_ = 0;
};

}  // namespace orv
