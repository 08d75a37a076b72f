#pragma once
// The package stores every integer little-endian, whatever the host.
#include <cstdint>
#include <string>

namespace orv {

inline std::int32_t ReadLe32(const unsigned char* p) {
  const std::uint32_t v = std::uint32_t(p[0]) | (std::uint32_t(p[1]) << 8) | (std::uint32_t(p[2]) << 16) |
                          (std::uint32_t(p[3]) << 24);
  return static_cast<std::int32_t>(v);
}

inline std::uint16_t ReadLe16(const unsigned char* p) {
  return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

inline void AppendLe32(std::string& out, std::int32_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int shift = 0; shift < 32; shift += 8) out.push_back(static_cast<char>((v >> shift) & 0xFF));
}

inline void AppendLe16(std::string& out, std::uint16_t value) {
  out.push_back(static_cast<char>(value & 0xFF));
  out.push_back(static_cast<char>(value >> 8));
}

}  // namespace orv
