#pragma once
// The colour parameter of the object commands: a colour name ("Red",
// "btnface", "clNone": "cl" is put in front and looked up without regard to
// case) or up to three whole numbers "red,green,blue" (a missing number at
// the end counts 0, each keeps its low 8 bits). Colours are the 32-bit
// values the objects keep: plain colours 0x00BBGGRR, system colours with
// the whole top byte set and the system-colour index in the low byte.
#include <cstdint>
#include <optional>
#include <string_view>

namespace orv {

// The colour the text names; nothing when the colour is to stay as it is:
// an empty text, a name not in the table, a part that is not a whole number
// (an empty part included), or more than three parts. A text whose first
// character lies between 'A' and 'z' in code order is a name ("clRed" is
// therefore looked up as "clclRed" and not found); any other (a digit, "-",
// a blank) is numbers.
std::optional<std::uint32_t> ReadColourText(std::string_view text, char decimalSymbol);

}  // namespace orv
