#include "script/TypedValues.h"

#include <charconv>

#include "base/Ansi.h"
#include "base/Messages.h"
#include "base/NumberText.h"
#include "base/TruthWords.h"
#include "script/NumberFormat.h"

namespace orv {
namespace {

constexpr std::string_view kTypeNames[] = {"Undefined", "String", "Integer", "Currency",
                                           "Decimal",   "Boolean", "Date"};

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int DecimalsOf(std::string_view format) {
  int n = 0;
  const auto [ptr, ec] = std::from_chars(format.data(), format.data() + format.size(), n);
  if (ec != std::errc() || ptr != format.data() + format.size() || format.empty()) return 2;
  return n < 0 ? 0 : (n > kMaxFixedDecimals ? kMaxFixedDecimals : n);
}

}  // namespace

std::optional<std::uint8_t> VarTypeFromName(std::string_view typeName) {
  while (!typeName.empty() && typeName.front() == ' ') typeName.remove_prefix(1);
  while (!typeName.empty() && typeName.back() == ' ') typeName.remove_suffix(1);
  for (std::size_t i = 0; i < std::size(kTypeNames); ++i)
    if (AnsiSameText(typeName, kTypeNames[i])) return static_cast<std::uint8_t>(i);
  return std::nullopt;
}

char VarTypeLetter(std::uint8_t type) {
  static constexpr char kLetters[] = "USICPBD";
  return type < 7 ? kLetters[type] : 'U';
}

std::optional<std::int32_t> ReadInteger32(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  bool hex = false;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hex = true;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;
  std::uint64_t v = 0;
  for (; i < text.size(); ++i) {
    const int d = hex ? HexValue(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (d < 0) return std::nullopt;
    v = v * (hex ? 16 : 10) + static_cast<std::uint64_t>(d);
    if (v > 0xFFFFFFFFull) return std::nullopt;
  }
  if (hex) {
    // Hexadecimal digits give the 32 bits of the number as written.
    const auto bits = static_cast<std::int32_t>(static_cast<std::uint32_t>(v));
    return negative ? static_cast<std::int32_t>(0u - static_cast<std::uint32_t>(bits)) : bits;
  }
  const std::int64_t signedValue = negative ? -static_cast<std::int64_t>(v) : static_cast<std::int64_t>(v);
  if (signedValue < INT32_MIN || signedValue > INT32_MAX) return std::nullopt;
  return static_cast<std::int32_t>(signedValue);
}

std::optional<bool> ParseBoolean(std::string_view text) {
  if (IsTrueWord(text)) return true;
  if (IsFalseWord(text)) return false;
  return std::nullopt;
}

std::string InitialTypedValue(std::uint8_t type, std::string_view format, const TypedContext& ctx) {
  std::string out;
  switch (type) {
    case vtInteger: out = "0"; break;
    case vtCurrency: AppendFormattedNumber(0, 2, ctx.DecimalSymbol, out); break;
    case vtDecimal: AppendFormattedNumber(0, DecimalsOf(format), ctx.DecimalSymbol, out); break;
    case vtBoolean: out = "False"; break;
    default: break;
  }
  return out;
}

int ConvertTypedValue(std::uint8_t type, std::string_view format, std::string_view value,
                      const TypedContext& ctx, std::string& out) {
  switch (type) {
    case vtInteger: {
      if (value.empty()) {
        out.assign("0");
        return 0;
      }
      const auto v = ReadInteger32(value);
      if (!v) return msg::kInvalidInteger;
      char buf[16];
      const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, *v);
      (void)ec;
      out.assign(buf, ptr);
      return 0;
    }
    case vtCurrency:
    case vtDecimal: {
      const int decimals = type == vtCurrency ? 2 : DecimalsOf(format);
      const double v = value.empty() ? 0.0 : ReadNumberLenient(value, ctx.DecimalSymbol);
      out.clear();
      // Written as Math writes a result with as many decimals.
      AppendFormattedNumber(v, decimals, ctx.DecimalSymbol, out);
      return 0;
    }
    case vtBoolean: {
      const auto b = ParseBoolean(value);
      if (value.empty() || !b) return msg::kInvalidBoolean;
      out.assign(TruthText(*b));
      return 0;
    }
    case vtDate: {
      static const DateFormatSettings kDefaults;
      const DateFormatSettings& dates = ctx.Dates ? *ctx.Dates : kDefaults;
      const std::string_view f = format.empty() ? std::string_view("Default") : format;
      const auto d = value.empty() ? std::nullopt : ParseDate(value, f, dates, ctx.CurrentYear);
      if (!d) return msg::kInvalidDate;
      out.clear();
      AppendFormattedDate(out, f, *d, dates);
      return 0;
    }
    default:
      out.assign(value);
      return 0;
  }
}

std::string ConversionFailureText(int message, std::string_view value) {
  std::string text;
  text.reserve(value.size() + 64);
  text.push_back('"');
  text.append(value);
  text.push_back('"');
  text.append(Message(message));
  return text;
}

}  // namespace orv
