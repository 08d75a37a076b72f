#pragma once
// DateToNum and NumToDate: dates as whole day numbers (day 0 is 30 December
// 1899).
#include <string>
#include <string_view>

#include "script/DateText.h"

namespace orv {

// The day number of `text` read in the order `format` hints ("Default": the
// short date format's order), or "Error". A year of one or two digits is in
// the century of `currentYear`; nothing of this reading changes how later
// dates are read.
std::string DateTextToNumber(std::string_view text, std::string_view format, const DateFormatSettings& settings,
                             int currentYear);
// `day` rounded to a whole day and written with `format` ("Default": the
// short date format); "Error" for a day outside the years 1 to 9999.
std::string DateNumberToText(double day, std::string_view format, const DateFormatSettings& settings);

}  // namespace orv
