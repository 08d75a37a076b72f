#include "container/DocumentMemorySource.h"

#include <algorithm>
#include <cstring>

namespace orv {

std::size_t DocumentMemorySource::Read(char* buffer, std::size_t size) {
  const std::size_t count = std::min(size, bytes_.size() - position_);
  if (count > 0) std::memcpy(buffer, bytes_.data() + position_, count);
  position_ += count;
  return count;
}

}  // namespace orv
