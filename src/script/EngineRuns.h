#pragma once
// The counters every script run of an engine shares. They change only
// through the guard each run holds from its creation to its end, so that a
// run that ends in any way (a body throwing included) gives back exactly
// what it took, and a run that began before the engine was reset gives back
// nothing of the new generation's counts.
#include <algorithm>

namespace orv {

class TEngineRuns {
 public:
  class TRunGuard {
   public:
    explicit TRunGuard(TEngineRuns& runs)
        : runs_(runs), serial_(++runs.live_), generation_(runs.generation_) {
      ++runs_.depth_;
    }
    ~TRunGuard() {
      if (InCurrentGeneration()) {
        runs_.exclusive_ = std::max(0, runs_.exclusive_ - exclusiveAdded_);
        --runs_.live_;
      }
      --runs_.depth_;
    }
    TRunGuard(const TRunGuard&) = delete;
    TRunGuard& operator=(const TRunGuard&) = delete;

    // 1 for the outermost run of a generation, counting up with nesting.
    int Serial() const { return serial_; }
    int Generation() const { return generation_; }
    // False once the engine was reset after this run began.
    bool InCurrentGeneration() const { return generation_ == runs_.generation_; }
    // One more exclusive hold, given back when the run ends.
    void AddExclusive() {
      ++exclusiveAdded_;
      ++runs_.exclusive_;
    }
    int ExclusiveAdded() const { return exclusiveAdded_; }

   private:
    TEngineRuns& runs_;
    int serial_;
    int generation_;
    int exclusiveAdded_ = 0;
  };

  int Generation() const { return generation_; }
  // Runs of the current generation.
  int Live() const { return live_; }
  // Runs of every generation: the nesting depth.
  int Depth() const { return depth_; }
  // Exclusive holds of the runs of the current generation.
  int Exclusive() const { return exclusive_; }
  // A newly loaded publication: the runs still going no longer count.
  void StartNewGeneration() {
    ++generation_;
    live_ = 0;
    exclusive_ = 0;
  }

 private:
  int generation_ = 1;
  int live_ = 0;
  int depth_ = 0;
  int exclusive_ = 0;
};

}  // namespace orv
