#pragma once
// Text buffers reused from call to call, one per nesting level, so that hot
// paths (substituting, assigning) stop allocating once the buffers have grown
// to the texts they meet. Nesting comes from re-entry: an assignment notifies
// a receiver that substitutes or assigns in turn.
#include <deque>
#include <string>

namespace orv {

class TScratchBuffers {
 public:
  class Lease {
   public:
    explicit Lease(TScratchBuffers& pool) : pool_(pool), text_(pool.Take()) {}
    Lease(const Lease&) = delete;
    Lease& operator=(const Lease&) = delete;
    ~Lease() { --pool_.depth_; }
    std::string& operator*() { return text_; }
    std::string* operator->() { return &text_; }

   private:
    TScratchBuffers& pool_;
    std::string& text_;
  };

 private:
  std::string& Take() {
    // A deque keeps the buffers of outer levels in place while it grows.
    if (depth_ == buffers_.size()) buffers_.emplace_back();
    std::string& text = buffers_[depth_++];
    text.clear();
    return text;
  }

  std::deque<std::string> buffers_;
  std::size_t depth_ = 0;
};

}  // namespace orv
