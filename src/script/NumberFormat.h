#pragma once
// How the engine writes a computed number: eighteen significant digits taken
// from the value rounded to double precision, in a general or a fixed format,
// with the decimal symbol in force. Nothing here consults the C locale.
#include <cstdint>
#include <string>

namespace orv {

// `decimals` below 0 selects the general format.
inline constexpr int kGeneralFormat = -1;
// The fixed format writes at most this many decimals.
inline constexpr int kMaxFixedDecimals = 18;
inline constexpr int kSignificantDigits = 18;

// The value 0.d1d2...d18 x 10^exponent, for a finite value above zero.
struct SignificantDigits {
  char digits[kSignificantDigits];  // '0'..'9', digits[0] != '0'
  int exponent = 0;
};
SignificantDigits SignificantDigitsOf(long double magnitude);

// General format: the digits without trailing zeros, plain for magnitudes
// from 0.0001 up to below 10^18 ("0.0001", "100000000000000000"), otherwise
// scientific ("1.5E-7", "1E20"). Fixed format: exactly `decimals` decimals
// (at most 18), halves rounded away from zero, no "-" on a result that rounds
// to zero; more than 18 digits before the point fall back to the general
// format. Infinities and NaN are "INF", "-INF" and "NAN" in both.
void AppendFormattedNumber(long double value, int decimals, char decimalSymbol, std::string& out);
std::string FormatNumber(long double value, int decimals, char decimalSymbol);
// The same text for a whole number within 2^53 (where the double holds it
// exactly), written without the floating-point detour.
void AppendFormattedWhole(std::int64_t value, int decimals, char decimalSymbol, std::string& out);

}  // namespace orv
