#pragma once
// The string commands' work on single-byte text. Positions and counts are
// 1-based character positions; letter case follows the Windows-1252 table.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// StrIns: `insert` before the character at `position` (below 1 counts as 1,
// past the end appends).
std::string InsertText(std::string_view insert, std::string_view target, std::int64_t position);
// StrDel: `count` characters from `position`; a position outside the text
// leaves it whole, the count is clipped to the end.
std::string DeleteText(std::string_view text, std::int64_t position, std::int64_t count);
// SubStr: `count` characters from `start` (below 1 counts as 1).
std::string SubText(std::string_view text, std::int64_t start, std::int64_t count);
// SearchStr: 1-based position of the first `find` in `text`, 0 when none or
// when `find` is empty.
std::int64_t SearchText(std::string_view find, std::string_view text, bool ignoreCase);
// StrReplace: every `find`, left to right, replaced text never rescanned; an
// empty `find` leaves the text whole.
std::string ReplaceText(std::string_view text, std::string_view find, std::string_view with, bool ignoreCase);
// StrParse: the pieces between delimiters (case matters); no empty last
// piece after a final delimiter; an empty delimiter gives the whole text.
std::vector<std::string> ParseText(std::string_view text, std::string_view delimiter);

}  // namespace orv
