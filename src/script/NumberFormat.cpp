#include "script/NumberFormat.h"

#include <charconv>
#include <cmath>
#include <cstdint>

#include "script/MathRounding.h"

namespace orv {
namespace {

// Powers of ten that the extended format holds exactly (5^27 < 2^64).
constexpr int kExactPowers = 28;
constexpr long double kPowersOfTen[kExactPowers] = {
    1e0L,  1e1L,  1e2L,  1e3L,  1e4L,  1e5L,  1e6L,  1e7L,  1e8L,  1e9L,
    1e10L, 1e11L, 1e12L, 1e13L, 1e14L, 1e15L, 1e16L, 1e17L, 1e18L, 1e19L,
    1e20L, 1e21L, 1e22L, 1e23L, 1e24L, 1e25L, 1e26L, 1e27L};
constexpr long double kLowest18Digits = 1e17L;
constexpr long double kPast18Digits = 1e18L;

// value x 10^power; exact powers keep the product correctly rounded for
// every value of ordinary size, larger ones go in exact steps.
long double ScaleByPowerOfTen(long double value, int power) {
  while (power >= kExactPowers) {
    value *= kPowersOfTen[kExactPowers - 1];
    power -= kExactPowers - 1;
  }
  while (power <= -kExactPowers) {
    value /= kPowersOfTen[kExactPowers - 1];
    power += kExactPowers - 1;
  }
  return power >= 0 ? value * kPowersOfTen[power] : value / kPowersOfTen[-power];
}

long double EighteenDigitProduct(long double magnitude, int exponent) {
  const long double product = RoundToDoublePrecision(ScaleByPowerOfTen(magnitude, kSignificantDigits - exponent));
  // With 53 mantissa bits a product of 18 digits is already whole; smaller
  // ones are retried with the next power of ten.
  return std::rint(product);
}

char* WriteDigits(char* p, const char* digits, int count) {
  for (int i = 0; i < count; ++i) *p++ = digits[i];
  return p;
}

char* WriteZeros(char* p, int count) {
  for (int i = 0; i < count; ++i) *p++ = '0';
  return p;
}

char* WriteGeneral(char* p, const SignificantDigits& sig, char decimalSymbol) {
  int count = kSignificantDigits;
  while (count > 1 && sig.digits[count - 1] == '0') --count;
  const int e = sig.exponent;
  if (e >= -3 && e <= kSignificantDigits) {
    if (e <= 0) {
      *p++ = '0';
      *p++ = decimalSymbol;
      p = WriteZeros(p, -e);
      return WriteDigits(p, sig.digits, count);
    }
    if (count <= e) return WriteZeros(WriteDigits(p, sig.digits, count), e - count);
    p = WriteDigits(p, sig.digits, e);
    *p++ = decimalSymbol;
    return WriteDigits(p, sig.digits + e, count - e);
  }
  *p++ = sig.digits[0];
  if (count > 1) {
    *p++ = decimalSymbol;
    p = WriteDigits(p, sig.digits + 1, count - 1);
  }
  *p++ = 'E';
  return std::to_chars(p, p + 8, e - 1).ptr;
}

// Fixed format; `sig` is null for zero. Returns the end, and tells whether
// any written digit is non-zero so the caller can drop the sign of a value
// that rounded to zero.
char* WriteFixed(char* p, const SignificantDigits* sig, int decimals, char decimalSymbol, bool& nonZero) {
  // One spare place in front takes a carry out of the first digit.
  char digits[kSignificantDigits + 1];
  digits[0] = '0';
  int exponent = 0;
  int kept = 0;
  if (sig != nullptr) {
    for (int i = 0; i < kSignificantDigits; ++i) digits[i + 1] = sig->digits[i];
    exponent = sig->exponent;
    kept = exponent + decimals;  // digits that stay, counted from the first
    if (kept < 0) {
      kept = 0;
    } else if (kept < kSignificantDigits) {
      if (digits[kept + 1] >= '5') {
        int i = kept;
        while (digits[i] == '9') digits[i--] = '0';
        ++digits[i];
      }
    } else {
      kept = kSignificantDigits;
    }
  }
  // digits[0..kept] now holds the kept digits behind a possible carry digit.
  const char* first = digits + 1;
  if (digits[0] != '0') {
    first = digits;
    ++exponent;
    ++kept;
  }
  nonZero = false;
  for (int i = 0; i < kept; ++i) nonZero = nonZero || first[i] != '0';
  auto digitAt = [&](int index) { return index >= 0 && index < kept ? first[index] : '0'; };
  if (exponent <= 0) {
    *p++ = '0';
  } else {
    for (int i = 0; i < exponent; ++i) *p++ = digitAt(i);
  }
  if (decimals > 0) {
    *p++ = decimalSymbol;
    for (int j = 0; j < decimals; ++j) *p++ = digitAt(exponent + j);
  }
  return p;
}

// The count of digits before the point: 10^(E-1) <= magnitude < 10^E.
int DecimalExponent(long double magnitude) {
  int binary = 0;
  std::frexp(magnitude, &binary);  // 2^(binary-1) <= magnitude < 2^binary
  // log10(2^(binary-1)) rounded down is at most one below the answer.
  constexpr long double kLog10Of2 = 0.301029995663981195213738894724493027L;
  const int estimate = static_cast<int>(std::floor((binary - 1) * kLog10Of2)) + 1;
  return ScaleByPowerOfTen(magnitude, -estimate) >= 1 ? estimate + 1 : estimate;
}

}  // namespace

SignificantDigits SignificantDigitsOf(long double magnitude) {
  SignificantDigits sig;
  // A whole number that a double holds exactly is written with its own
  // digits. Scaling it to 18 digits and rounding that product to double
  // precision would print a sum of two whole numbers as a fraction once the
  // product passes 2^53 (576459578550+1859775 as 576461438324.999936).
  constexpr long double kExactWholeLimit = 9007199254740992.0L;  // 2^53
  if (magnitude >= 1 && magnitude <= kExactWholeLimit && magnitude == std::floor(magnitude)) {
    auto whole = static_cast<std::uint64_t>(magnitude);
    int count = 0;
    for (std::uint64_t rest = whole; rest != 0; rest /= 10) ++count;
    for (int i = count; i < kSignificantDigits; ++i) whole *= 10;
    for (int i = kSignificantDigits - 1; i >= 0; --i) {
      sig.digits[i] = static_cast<char>('0' + whole % 10);
      whole /= 10;
    }
    sig.exponent = count;
    return sig;
  }
  int exponent = DecimalExponent(magnitude);
  long double product = EighteenDigitProduct(magnitude, exponent);
  // The logarithm may be off by one near a power of ten.
  if (product < kLowest18Digits) {
    --exponent;
    product = EighteenDigitProduct(magnitude, exponent);
  }
  if (product >= kPast18Digits) {
    ++exponent;
    product = std::rint(RoundToDoublePrecision(product / 10));
  }
  auto whole = static_cast<std::uint64_t>(product);
  for (int i = kSignificantDigits - 1; i >= 0; --i) {
    sig.digits[i] = static_cast<char>('0' + whole % 10);
    whole /= 10;
  }
  sig.exponent = exponent;
  return sig;
}

void AppendFormattedNumber(long double value, int decimals, char decimalSymbol, std::string& out) {
  if (std::isnan(value)) {
    out += "NAN";
    return;
  }
  if (std::isinf(value)) {
    out += value < 0 ? "-INF" : "INF";
    return;
  }
  // Longest output: sign, 19 whole digits, point, 18 decimals; or sign,
  // "0.000", 18 digits; or 18 digits, point, "E-" and five exponent digits.
  char buffer[64];
  char* p = buffer + 1;  // room for the sign
  const long double magnitude = std::fabs(value);
  bool nonZero = magnitude != 0;
  if (decimals < 0) {
    if (magnitude == 0) {
      *p++ = '0';
    } else {
      p = WriteGeneral(p, SignificantDigitsOf(magnitude), decimalSymbol);
    }
  } else {
    if (decimals > kMaxFixedDecimals) decimals = kMaxFixedDecimals;
    if (magnitude != 0) {
      const SignificantDigits sig = SignificantDigitsOf(magnitude);
      if (sig.exponent > kSignificantDigits) {
        p = WriteGeneral(p, sig, decimalSymbol);
      } else {
        p = WriteFixed(p, &sig, decimals, decimalSymbol, nonZero);
      }
    } else {
      p = WriteFixed(p, nullptr, decimals, decimalSymbol, nonZero);
    }
  }
  char* begin = buffer + 1;
  if (value < 0 && nonZero) *--begin = '-';
  out.append(begin, p);
}

std::string FormatNumber(long double value, int decimals, char decimalSymbol) {
  std::string out;
  AppendFormattedNumber(value, decimals, decimalSymbol, out);
  return out;
}

void AppendFormattedWhole(std::int64_t value, int decimals, char decimalSymbol, std::string& out) {
  // Sign, up to 19 digits, point, 18 decimals.
  char buffer[48];
  char* end = buffer + sizeof buffer;
  char* p = end;
  if (decimals > 0) {
    const int zeros = decimals > kMaxFixedDecimals ? kMaxFixedDecimals : decimals;
    for (int i = 0; i < zeros; ++i) *--p = '0';
    *--p = decimalSymbol;
  }
  // Negated in unsigned arithmetic so that no value overflows.
  std::uint64_t magnitude = value < 0 ? 0 - static_cast<std::uint64_t>(value) : static_cast<std::uint64_t>(value);
  do {
    *--p = static_cast<char>('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);
  if (value < 0) *--p = '-';
  out.append(p, end);
}

}  // namespace orv
