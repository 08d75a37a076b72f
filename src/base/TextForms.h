#pragma once
// The two stand-ins for line breaks: the document writes "¶" (0xB6) inside a
// value, and texts shown to the user write "|".
#include <string>
#include <string_view>

namespace orv {

inline constexpr char kPilcrow = '\xB6';
inline constexpr std::string_view kCrLf = "\r\n";

std::string PilcrowsToCrLf(std::string_view text);
std::string CrLfToPilcrows(std::string_view text);
std::string BarsToLineBreaks(std::string_view text, std::string_view lineBreak = kCrLf);
// Replaces every occurrence of `from` (not empty) by `to`.
std::string ReplaceAll(std::string_view text, std::string_view from, std::string_view to);

}  // namespace orv
