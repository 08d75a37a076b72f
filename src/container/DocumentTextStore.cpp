#include "container/DocumentTextStore.h"

#include <cstring>

namespace orv {

char* DocumentTextStore::AllocateBlock(std::size_t size) {
  if (size == 0) return nullptr;
  if (size > kOwnBlockAbove) {
    blocks_.push_back(std::make_unique_for_overwrite<char[]>(size));
    return blocks_.back().get();
  }
  blocks_.push_back(std::make_unique_for_overwrite<char[]>(kBlockSize));
  free_ = blocks_.back().get();
  left_ = kBlockSize;
  char* out = free_;
  free_ += size;
  left_ -= size;
  return out;
}

std::string_view DocumentTextStore::Keep(std::string_view text) {
  char* out = Allocate(text.size());
  if (!out) return {};
  std::memcpy(out, text.data(), text.size());
  return {out, text.size()};
}

}  // namespace orv
