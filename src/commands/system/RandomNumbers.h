#pragma once
// The process's one pseudo-random generator. It seeds itself from the clock
// on first use; the publication window seeds it again when first painted,
// and so does building a mail message.
#include <cstdint>

namespace orv {

void SeedRandomFromClock();
void SeedRandom(std::uint64_t seed);
// A whole number from 0 to `maximum` inclusive; 0 for a negative maximum.
std::int64_t RandomUpTo(std::int64_t maximum);

}  // namespace orv
