#pragma once
// The pages visited before, newest last, for going back. It holds at most
// 25 entries and loses the oldest first; while disabled nothing is added.
#include <deque>

namespace orv {

class TPageHistory {
 public:
  static constexpr int kCapacity = 25;

  void Add(int index);
  bool Empty() const { return entries_.empty(); }
  int Count() const { return static_cast<int>(entries_.size()); }
  int Last() const { return entries_.back(); }
  int At(int i) const { return entries_[i]; }
  void RemoveLast() { entries_.pop_back(); }
  void Clear() { entries_.clear(); }
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool enabled) { enabled_ = enabled; }

 private:
  std::deque<int> entries_;
  bool enabled_ = true;
};

}  // namespace orv
