#pragma once
// Holds the value texts of one publication in large blocks, so reading a
// document of many thousand keys does not allocate for each value. Texts
// handed out stay where they are until the store is destroyed.
#include <cstddef>
#include <memory>
#include <string_view>
#include <vector>

namespace orv {

class DocumentTextStore {
 public:
  DocumentTextStore() = default;
  DocumentTextStore(const DocumentTextStore&) = delete;
  DocumentTextStore& operator=(const DocumentTextStore&) = delete;

  // Room for `size` bytes, to be filled by the caller.
  char* Allocate(std::size_t size) {
    if (size != 0 && size <= left_ && size <= kOwnBlockAbove) {
      char* out = free_;
      free_ += size;
      left_ -= size;
      return out;
    }
    return AllocateBlock(size);
  }
  // Room for `size` bytes with `slack` more behind them that may be written
  // and read; the next allocation may take those.
  char* AllocateWithSlack(std::size_t size, std::size_t slack) {
    char* const out = Allocate(size + slack);
    if (out + size + slack == free_) {
      free_ -= slack;
      left_ += slack;
    }
    return out;
  }
  // A copy of `text` kept in the store.
  std::string_view Keep(std::string_view text);

 private:
  static constexpr std::size_t kBlockSize = 64 * 1024;
  // A longer text gets a block of its own and leaves the current one open.
  static constexpr std::size_t kOwnBlockAbove = kBlockSize / 4;

  char* AllocateBlock(std::size_t size);

  std::vector<std::unique_ptr<char[]>> blocks_;
  char* free_ = nullptr;
  std::size_t left_ = 0;
};

}  // namespace orv
