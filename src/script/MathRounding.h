#pragma once
// Arithmetic runs at extended precision but every step's result is cut to
// double precision (53-bit mantissa) with round-to-nearest, keeping the wider
// exponent range of the extended format. Doing the cut explicitly makes the
// digits independent of whether the compiler uses SSE or x87 code and of the
// x87 precision-control word.
#include <cfenv>

namespace orv {

long double RoundToDoublePrecision(long double value);

// Holds round-to-nearest for the lifetime of the guard and restores the
// previous mode afterwards.
class RoundToNearestGuard {
 public:
  RoundToNearestGuard() : previous_(std::fegetround()) {
    if (previous_ != FE_TONEAREST) std::fesetround(FE_TONEAREST);
  }
  ~RoundToNearestGuard() {
    if (previous_ != FE_TONEAREST && previous_ >= 0) std::fesetround(previous_);
  }
  RoundToNearestGuard(const RoundToNearestGuard&) = delete;
  RoundToNearestGuard& operator=(const RoundToNearestGuard&) = delete;

 private:
  int previous_;
};

}  // namespace orv
