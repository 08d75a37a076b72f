#pragma once
// The Adler-32 check value of zlib streams (RFC 1950), computed with vector
// instructions where the processor has them: zlib's own loop takes a byte
// at a time and costs about half as much as inflating the data.
#include <cstddef>
#include <cstdint>

namespace orv {

// `adler` carried on over `size` more bytes; 1 starts a new value.
std::uint32_t Adler32(std::uint32_t adler, const unsigned char* data, std::size_t size);

// The ways of computing it, which must all agree; Adler32 takes the fastest
// this processor has.
enum class Adler32Method { Zlib, Avx2 };
bool Adler32MethodAvailable(Adler32Method method);
std::uint32_t Adler32With(Adler32Method method, std::uint32_t adler, const unsigned char* data,
                          std::size_t size);

}  // namespace orv
