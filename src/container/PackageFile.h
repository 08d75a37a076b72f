#pragma once
// The open package file. Every read is positional (pread), so deliveries never
// share or disturb a file position and may interleave safely.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/FileDescriptor.h"

namespace orv {

class PackageFile {
 public:
  PackageFile() = default;
  PackageFile(const PackageFile&) = delete;
  PackageFile& operator=(const PackageFile&) = delete;

  // Opens a regular file read-only; false (and closed) otherwise.
  bool Open(const std::string& hostPath);
  // Takes ownership of an open descriptor; false (and closes it) unless it is
  // a readable regular file.
  bool Adopt(int fd);
  void Close();

  bool IsOpen() const { return fd_.IsOpen(); }
  std::int64_t Size() const { return size_; }
  int Descriptor() const { return fd_.Get(); }

  // Reads up to `count` bytes at `offset`; the number read, which is short
  // only at the end of the file, or -1 on an error or a negative offset.
  std::int64_t ReadAt(std::int64_t offset, void* buffer, std::size_t count) const;
  // True when exactly `count` bytes were read.
  bool ReadExactAt(std::int64_t offset, void* buffer, std::size_t count) const;

 private:
  TFileDescriptor fd_;
  std::int64_t size_ = 0;
};

}  // namespace orv
