#pragma once
// Conversion of assigned values to the stored form of a typed variable.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "script/DateText.h"
#include "script/VarStringList.h"

namespace orv {

// "Undefined" .. "Date" (trimmed, any case) -> type code.
std::optional<std::uint8_t> VarTypeFromName(std::string_view typeName);
// The letter the debugger shows for a type: "U", "S", "I", "C", "P", "B", "D".
char VarTypeLetter(std::uint8_t type);

// A 32-bit signed whole number: leading spaces, an optional sign, decimal
// digits, or hexadecimal digits after "$", "x" or "0x"; nothing after.
std::optional<std::int32_t> ReadInteger32(std::string_view text);
// True, false or nullopt by the truth words.
std::optional<bool> ParseBoolean(std::string_view text);

struct TypedContext {
  char DecimalSymbol = '.';
  const DateFormatSettings* Dates = nullptr;
  int CurrentYear = 2000;
};

// The value a variable of the type holds when DefineVar creates it.
std::string InitialTypedValue(std::uint8_t type, std::string_view format, const TypedContext& ctx);

// Converts `value` for a variable of `type` into `out` (replaced). Returns 0
// on success, otherwise the number of the message that reports the failure.
int ConvertTypedValue(std::uint8_t type, std::string_view format, std::string_view value,
                      const TypedContext& ctx, std::string& out);

// The report of a failed conversion: the value in double quotes, then the
// message.
std::string ConversionFailureText(int message, std::string_view value);

}  // namespace orv
