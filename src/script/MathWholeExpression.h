#pragma once
// The common case of script arithmetic, "[x]+[i]*3" after substitution:
// whole numbers joined by "+", "-", "*", unary minus and parentheses. Such an
// expression is computed in 64-bit integers and gives exactly the value of
// the general parser, as long as every number and every intermediate result
// stays within 2^53 (where a double holds every whole number, so rounding
// each step to double precision changes nothing). Anything else (decimals,
// "/", "^", "&", functions, larger numbers, deeper nesting) is declined and
// left to the general parser.
#include <cstdint>
#include <string_view>

namespace orv {

// `text` as the script wrote it after substitution (before upper-casing or
// replacing the decimal symbol). False when the expression is not of the
// whole-number form, or when it might be one the general parser refuses.
bool EvaluateWholeExpression(std::string_view text, char decimalSymbol, std::int64_t& value);

}  // namespace orv
