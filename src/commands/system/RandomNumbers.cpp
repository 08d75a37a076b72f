#include "commands/system/RandomNumbers.h"

#include <chrono>
#include <random>

namespace orv {
namespace {

std::mt19937_64& Generator() {
  static std::mt19937_64 generator(
      static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
  return generator;
}

}  // namespace

void SeedRandomFromClock() {
  SeedRandom(static_cast<std::uint64_t>(std::chrono::high_resolution_clock::now().time_since_epoch().count()));
}

void SeedRandom(std::uint64_t seed) { Generator().seed(seed); }

std::int64_t RandomUpTo(std::int64_t maximum) {
  if (maximum <= 0) return 0;
  return std::uniform_int_distribution<std::int64_t>(0, maximum)(Generator());
}

}  // namespace orv
