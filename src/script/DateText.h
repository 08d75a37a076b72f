#pragma once
// Dates and times as day numbers (whole days since 30 December 1899, the
// fraction the time of day), written and read with the usual pattern
// letters.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

using TDateTime = double;

// The system's date conventions. The defaults are those of the C locale; the
// host may replace them with the user's.
struct DateFormatSettings {
  char DateSeparator = '/';
  char TimeSeparator = ':';
  std::string ShortDateFormat = "m/d/yyyy";
  std::string LongDateFormat = "dddd, mmmm d, yyyy";
  std::string TimeAMString = "AM";
  std::string TimePMString = "PM";
  std::array<std::string, 12> ShortMonthNames = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                                 "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
  std::array<std::string, 12> LongMonthNames = {"January", "February", "March",     "April",
                                                "May",     "June",     "July",      "August",
                                                "September", "October", "November", "December"};
  std::array<std::string, 7> ShortDayNames = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
  std::array<std::string, 7> LongDayNames = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                             "Thursday", "Friday", "Saturday"};
};

struct DateParts {
  int Year = 1899, Month = 12, Day = 30;
  int Hour = 0, Minute = 0, Second = 0;
};

// nullopt for a day that does not exist.
std::optional<TDateTime> EncodeDate(int year, int month, int day);
TDateTime EncodeDateTime(const DateParts& parts);  // parts must be valid
DateParts DecodeDateTime(TDateTime value);
int DayOfWeek(TDateTime value);  // 0 = Sunday
TDateTime LocalNow();

// "Default" (any case) means the short date format.
std::string FormatDate(std::string_view format, TDateTime value, const DateFormatSettings& settings);
void AppendFormattedDate(std::string& out, std::string_view format, TDateTime value,
                         const DateFormatSettings& settings);
// Numbers separated by the date separator ("-", "\" and "/" count as one),
// in the order the first of D, M, Y or E in `format` gives; a missing year is
// `currentYear`'s, a two-digit year falls in its century.
std::optional<TDateTime> ParseDate(std::string_view text, std::string_view format,
                                   const DateFormatSettings& settings, int currentYear);

}  // namespace orv
