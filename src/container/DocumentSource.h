#pragma once
// Where the bytes of the publication document come from: a package entry
// stored raw, one stored as a zlib stream, or bytes already in memory.
#include <cstddef>
#include <string>

namespace orv {

class DocumentSource {
 public:
  virtual ~DocumentSource() = default;
  // Up to `size` bytes into `buffer`; 0 once the data is used up or after a
  // failure.
  virtual std::size_t Read(char* buffer, std::size_t size) = 0;
  // Empty while all is well; the message of what went wrong otherwise.
  virtual const std::string& Failure() const = 0;
};

}  // namespace orv
