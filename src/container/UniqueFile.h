#pragma once
// Exclusive creation of a fresh file named by eight upper-case hexadecimal
// digits and an extension, for copies that must not meet an existing file
// (fonts, plug-ins).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// The local date and time packed as a file date-time value: date in the high
// 16 bits, time (two-second steps) in the low 16. Changes between runs.
std::uint32_t PackedLocalDateTime();

// The name for `attempt` (from 0): "%08X" of seed + 1000033037 + attempt,
// then "." and `ext` unless `ext` is empty.
std::string UniqueFileName(std::uint32_t seed, std::uint32_t attempt, std::string_view ext);

// Creates (exclusively) and closes an empty file in `folder` (Windows-1252)
// and returns its path, or nothing when the folder accepts no new file within
// a bounded number of attempts.
std::optional<std::string> CreateUniqueFile(std::string_view folder, std::string_view ext);

}  // namespace orv
