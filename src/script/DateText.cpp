#include "script/DateText.h"

#include <charconv>
#include <ctime>
#include <cmath>
#include <vector>

#include "base/Ansi.h"

namespace orv {
namespace {

constexpr int kDaysTo1970 = 25569;  // day number of 1 January 1970

// Days since 1 January 1970 of a civil date, and back (proleptic Gregorian).
long long DaysFromCivil(long long y, unsigned m, unsigned d) {
  y -= m <= 2;
  const long long era = (y >= 0 ? y : y - 399) / 400;
  const unsigned yoe = static_cast<unsigned>(y - era * 400);
  const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + static_cast<long long>(doe) - 719468;
}

void CivilFromDays(long long z, int& year, int& month, int& day) {
  z += 719468;
  const long long era = (z >= 0 ? z : z - 146096) / 146097;
  const unsigned doe = static_cast<unsigned>(z - era * 146097);
  const unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const unsigned mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(static_cast<long long>(yoe) + era * 400 + (month <= 2));
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return m == 2 && IsLeap(y) ? 29 : kDays[m - 1];
}

char Lower(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

void AppendNumber(std::string& out, int value, int minDigits) {
  char buf[16];
  auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, value);
  (void)ec;
  for (int n = static_cast<int>(ptr - buf); n < minDigits; ++n) out.push_back('0');
  out.append(buf, ptr);
}

std::size_t RunLength(std::string_view f, std::size_t i) {
  const char c = Lower(f[i]);
  std::size_t n = 1;
  while (i + n < f.size() && Lower(f[i + n]) == c) ++n;
  return n;
}

bool StartsWithNoCase(std::string_view text, std::size_t i, std::string_view word) {
  return text.size() - i >= word.size() && AnsiSameText(text.substr(i, word.size()), word);
}

void AppendPattern(std::string& out, std::string_view f, TDateTime value,
                   const DateFormatSettings& s, int depth) {
  const DateParts p = DecodeDateTime(value);
  // A 12-hour clock when the pattern holds an am/pm marker.
  const bool twelveHour = AnsiFindText(f, "ampm") != std::string_view::npos ||
                          AnsiFindText(f, "am/pm") != std::string_view::npos;
  bool afterHour = false;
  std::size_t i = 0;
  while (i < f.size()) {
    const char c = f[i];
    const char lc = Lower(c);
    if (c == '"' || c == '\'') {
      const std::size_t end = f.find(c, i + 1);
      const std::size_t stop = end == std::string_view::npos ? f.size() : end;
      out.append(f.substr(i + 1, stop - i - 1));
      i = stop == f.size() ? stop : stop + 1;
      continue;
    }
    if (lc == 'a' && (StartsWithNoCase(f, i, "ampm") || StartsWithNoCase(f, i, "am/pm"))) {
      out.append(p.Hour < 12 ? s.TimeAMString : s.TimePMString);
      i += StartsWithNoCase(f, i, "ampm") ? 4 : 5;
      continue;
    }
    if (c == '/') {
      out.push_back(s.DateSeparator);
      ++i;
      continue;
    }
    if (c == ':') {
      out.push_back(s.TimeSeparator);
      ++i;
      continue;
    }
    const std::size_t n = (lc == 'd' || lc == 'm' || lc == 'y' || lc == 'h' || lc == 'n' || lc == 's')
                              ? RunLength(f, i)
                              : 1;
    switch (lc) {
      case 'd':
        if (n == 1) AppendNumber(out, p.Day, 1);
        else if (n == 2) AppendNumber(out, p.Day, 2);
        else if (n == 3) out.append(s.ShortDayNames[static_cast<std::size_t>(DayOfWeek(value))]);
        else if (n == 4) out.append(s.LongDayNames[static_cast<std::size_t>(DayOfWeek(value))]);
        else if (depth == 0)
          AppendPattern(out, n == 5 ? s.ShortDateFormat : s.LongDateFormat, value, s, depth + 1);
        afterHour = false;
        break;
      case 'm':
        if (afterHour && n <= 2) {
          AppendNumber(out, p.Minute, static_cast<int>(n));
        } else if (n <= 2) {
          AppendNumber(out, p.Month, static_cast<int>(n));
        } else {
          const auto& names = n == 3 ? s.ShortMonthNames : s.LongMonthNames;
          out.append(names[static_cast<std::size_t>(p.Month - 1)]);
        }
        afterHour = false;
        break;
      case 'y':
        if (n <= 2) AppendNumber(out, p.Year % 100, 2);
        else AppendNumber(out, p.Year, 4);
        afterHour = false;
        break;
      case 'h': {
        int h = p.Hour;
        if (twelveHour) {
          h %= 12;
          if (h == 0) h = 12;
        }
        AppendNumber(out, h, n >= 2 ? 2 : 1);
        afterHour = true;
        break;
      }
      case 'n':
        AppendNumber(out, p.Minute, n >= 2 ? 2 : 1);
        afterHour = false;
        break;
      case 's':
        AppendNumber(out, p.Second, n >= 2 ? 2 : 1);
        afterHour = false;
        break;
      default:
        out.push_back(c);
        break;
    }
    i += n;
  }
}

}  // namespace

std::optional<TDateTime> EncodeDate(int year, int month, int day) {
  if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > DaysInMonth(year, month))
    return std::nullopt;
  return static_cast<TDateTime>(DaysFromCivil(year, static_cast<unsigned>(month),
                                              static_cast<unsigned>(day)) + kDaysTo1970);
}

TDateTime EncodeDateTime(const DateParts& p) {
  const TDateTime date = EncodeDate(p.Year, p.Month, p.Day).value_or(0);
  const double time = (p.Hour * 3600.0 + p.Minute * 60.0 + p.Second) / 86400.0;
  return date >= 0 ? date + time : date - time;
}

DateParts DecodeDateTime(TDateTime value) {
  DateParts p;
  if (!std::isfinite(value)) return p;
  const double whole = std::trunc(value);
  CivilFromDays(static_cast<long long>(whole) - kDaysTo1970, p.Year, p.Month, p.Day);
  long long seconds = std::llround(std::fabs(value - whole) * 86400.0);
  if (seconds >= 86400) seconds = 86399;
  p.Hour = static_cast<int>(seconds / 3600);
  p.Minute = static_cast<int>(seconds / 60 % 60);
  p.Second = static_cast<int>(seconds % 60);
  return p;
}

int DayOfWeek(TDateTime value) {
  // Day 0 (30 December 1899) was a Saturday.
  const long long d = static_cast<long long>(std::floor(value));
  return static_cast<int>(((d + 6) % 7 + 7) % 7);
}

TDateTime LocalNow() {
  const std::time_t t = std::time(nullptr);
  std::tm tm{};
  localtime_r(&t, &tm);
  DateParts p;
  p.Year = tm.tm_year + 1900;
  p.Month = tm.tm_mon + 1;
  p.Day = tm.tm_mday;
  p.Hour = tm.tm_hour;
  p.Minute = tm.tm_min;
  p.Second = tm.tm_sec > 59 ? 59 : tm.tm_sec;  // a leap second reads as :59
  return EncodeDateTime(p);
}

void AppendFormattedDate(std::string& out, std::string_view format, TDateTime value,
                         const DateFormatSettings& settings) {
  if (AnsiSameText(format, "Default")) format = settings.ShortDateFormat;
  AppendPattern(out, format, value, settings, 0);
}

std::string FormatDate(std::string_view format, TDateTime value, const DateFormatSettings& settings) {
  std::string out;
  AppendFormattedDate(out, format, value, settings);
  return out;
}

std::optional<TDateTime> ParseDate(std::string_view text, std::string_view format,
                                   const DateFormatSettings& settings, int currentYear) {
  // Field order: 'd' day first, 'y' year first, otherwise month first.
  std::string_view orderSource = AnsiSameText(format, "Default") ? settings.ShortDateFormat : format;
  char order = 'm';
  for (char c : orderSource) {
    const char lc = Lower(c);
    if (lc == 'd' || lc == 'm' || lc == 'y' || lc == 'e') {
      order = lc == 'e' ? 'y' : lc;
      break;
    }
  }
  std::vector<int> numbers;
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  std::size_t end = text.size();
  while (end > i && text[end - 1] == ' ') --end;
  std::vector<int> digitsOf;
  while (i < end) {
    std::size_t j = i;
    while (j < end && text[j] >= '0' && text[j] <= '9') ++j;
    if (j == i || j - i > 4) return std::nullopt;
    int v = 0;
    std::from_chars(text.data() + i, text.data() + j, v);
    numbers.push_back(v);
    digitsOf.push_back(static_cast<int>(j - i));
    if (j == end) break;
    const char sep = text[j];
    if (sep != settings.DateSeparator && sep != '-' && sep != '\\' && sep != '/') return std::nullopt;
    i = j + 1;
    if (i == end) return std::nullopt;
  }
  if (numbers.size() < 2 || numbers.size() > 3) return std::nullopt;
  int y = currentYear, m = 0, d = 0, yearDigits = 4;
  if (numbers.size() == 2) {
    if (order == 'd') d = numbers[0], m = numbers[1];
    else m = numbers[0], d = numbers[1];
  } else if (order == 'd') {
    d = numbers[0], m = numbers[1], y = numbers[2], yearDigits = digitsOf[2];
  } else if (order == 'y') {
    y = numbers[0], m = numbers[1], d = numbers[2], yearDigits = digitsOf[0];
  } else {
    m = numbers[0], d = numbers[1], y = numbers[2], yearDigits = digitsOf[2];
  }
  if (yearDigits <= 2 && numbers.size() == 3) y += currentYear / 100 * 100;
  return EncodeDate(y, m, d);
}

}  // namespace orv
