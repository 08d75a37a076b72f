#include "commands/system/DateNumbers.h"

#include <cmath>

#include "base/NumberText.h"

namespace orv {
namespace {

// 1 January of year 1 and 31 December 9999.
constexpr double kFirstDay = -693593;
constexpr double kLastDay = 2958465;

}  // namespace

std::string DateTextToNumber(std::string_view text, std::string_view format, const DateFormatSettings& settings,
                             int currentYear) {
  const std::optional<TDateTime> date = ParseDate(text, format, settings, currentYear);
  if (!date) return "Error";
  return FormatWholeNumber(static_cast<std::int64_t>(std::nearbyint(*date)));
}

std::string DateNumberToText(double day, std::string_view format, const DateFormatSettings& settings) {
  const double whole = std::nearbyint(day);
  if (!(whole >= kFirstDay && whole <= kLastDay)) return "Error";
  return FormatDate(format, whole, settings);
}

}  // namespace orv
