#pragma once
// Number conversions of the engine. Each takes the decimal symbol in force
// (the "DecimalSymbol" variable), never the C locale.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// A whole decimal number: blanks around it, an optional sign, digits with at
// most one decimal symbol, an optional exponent ("E", sign, digits).
std::optional<double> ReadNumber(std::string_view text, char decimalSymbol);
// Toward zero; NaN gives 0 and values outside the 64-bit range are clamped.
std::int64_t TruncateNumber(double value);
// |value| within the int range, the smallest int (and anything beyond)
// giving the largest: counts and delays taken without their sign.
int SaturatedAbs(std::int64_t value);
// ReadNumber, then truncated toward zero.
std::optional<std::int64_t> ReadWholeNumber(std::string_view text, char decimalSymbol);
// A number parameter: the text read and truncated, `fallback` when it is not
// a number.
std::int64_t NumberParam(std::string_view text, char decimalSymbol, std::int64_t fallback = 0);
// Keeps "-", digits and the decimal symbol, turns every other "," or "." into
// the decimal symbol, drops the rest and reads what remains (0 on failure).
double ReadNumberLenient(std::string_view text, char decimalSymbol);

std::string FormatWholeNumber(std::int64_t value);

// A parameter whose text begins with "!" is taken literally.
bool IsLiteralText(std::string_view text);
std::string_view StripLiteral(std::string_view text);

// An option word is present when it occurs anywhere in the text, any case.
bool HasOptionWord(std::string_view options, std::string_view word);

}  // namespace orv
