#pragma once
// The arithmetic behind the math grammar's productions. Operands are extended
// precision values; every result is rounded to double precision. Overflow and
// undefined results are ordinary values (infinities, NaN); only the cases
// flagged through `mathError` fail.
#include <cstdint>

#include "script/MathTokenizer.h"

namespace orv {

long double MathSum(long double a, long double b);
long double MathDifference(long double a, long double b);
long double MathProduct(long double a, long double b);
// b = 0 is a math error.
long double MathQuotient(long double a, long double b, bool& mathError);
// Both sides truncated to 64-bit integers; the remainder keeps the sign of
// `a`. A right side that truncates to 0 is a math error.
long double MathModulo(long double a, long double b, bool& mathError);
// x^0 is 1, 0^positive is 0, whole exponents up to 2^31-1 in magnitude by
// repeated squaring, anything else through e^(y ln x) (NaN for x < 0).
long double MathPower(long double base, long double exponent);
long double MathNegation(long double a);
// "LN" of a value not above 0 and "SQRT" of a value below 0 are math errors.
long double ApplyMathFunction(MathFunction function, long double argument, bool& mathError);

// The value passed through a 64-bit signed integer the way the engine does:
// magnitudes of 2^63 and more (and NaN) become the lowest integer.
std::int64_t MathToInt64(long double wholeValue);

}  // namespace orv
