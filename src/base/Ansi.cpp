#include "base/Ansi.h"

#include <array>
#include <cstdint>

namespace orv {
namespace {

struct CaseTables {
  std::array<unsigned char, 256> upper{};
  std::array<unsigned char, 256> lower{};
  constexpr CaseTables() {
    for (int i = 0; i < 256; ++i) {
      upper[i] = static_cast<unsigned char>(i);
      lower[i] = static_cast<unsigned char>(i);
    }
    auto pair = [this](int up, int low) {
      upper[low] = static_cast<unsigned char>(up);
      lower[up] = static_cast<unsigned char>(low);
    };
    for (int c = 'a'; c <= 'z'; ++c) pair(c - 32, c);
    for (int c = 0xE0; c <= 0xFE; ++c)
      if (c != 0xF7) pair(c - 32, c);  // 0xF7 is the division sign, 0xD7 times
    pair(0x8A, 0x9A);                  // S caron
    pair(0x8C, 0x9C);                  // OE ligature
    pair(0x8E, 0x9E);                  // Z caron
    pair(0x9F, 0xFF);                  // Y diaeresis
  }
};

// Built at compile time: the case rules sit on the hottest paths (variable
// lookup, every math text), where a guarded function-local static costs a
// check per character.
constexpr CaseTables kCaseTables;

constexpr const CaseTables& Tables() { return kCaseTables; }

}  // namespace

// Constant-initialised from the table above: no start-up order to mind.
const std::array<unsigned char, 256> kAnsiUpper = kCaseTables.upper;

namespace {

// 0x80..0x9F; the five holes map to the C1 control of the same value, so every
// byte survives a round trip.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

void AppendUtf8(std::string& out, char32_t cp) {
  if (cp < 0x80) {
    out.push_back(static_cast<char>(cp));
  } else if (cp < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else if (cp < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
  }
}

char UnicodeToAnsi(char32_t cp) {
  if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) return static_cast<char>(cp);
  for (std::size_t i = 0; i < kHigh.size(); ++i)
    if (kHigh[i] == cp) return static_cast<char>(0x80 + i);
  return '?';
}

}  // namespace

char AnsiUpperChar(char c) { return static_cast<char>(Tables().upper[static_cast<unsigned char>(c)]); }
char AnsiLowerChar(char c) { return static_cast<char>(Tables().lower[static_cast<unsigned char>(c)]); }

std::string AnsiUpperCase(std::string_view text) {
  std::string out(text);
  AnsiUpperInPlace(out);
  return out;
}

std::string AnsiLowerCase(std::string_view text) {
  std::string out(text);
  const auto& t = Tables().lower;
  for (char& c : out) c = static_cast<char>(t[static_cast<unsigned char>(c)]);
  return out;
}

void AnsiUpperInPlace(std::string& text) {
  const auto& t = Tables().upper;
  for (char& c : text) c = static_cast<char>(t[static_cast<unsigned char>(c)]);
}

int AnsiCompareText(std::string_view a, std::string_view b) {
  const auto& t = Tables().upper;
  const std::size_t n = a.size() < b.size() ? a.size() : b.size();
  for (std::size_t i = 0; i < n; ++i) {
    const int x = t[static_cast<unsigned char>(a[i])];
    const int y = t[static_cast<unsigned char>(b[i])];
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}


bool AnsiStartsWithText(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && AnsiSameText(text.substr(0, prefix.size()), prefix);
}

std::size_t AnsiFindText(std::string_view text, std::string_view needle, std::size_t from) {
  if (needle.empty()) return from <= text.size() ? from : std::string_view::npos;
  if (needle.size() > text.size()) return std::string_view::npos;
  for (std::size_t i = from; i + needle.size() <= text.size(); ++i)
    if (AnsiSameText(text.substr(i, needle.size()), needle)) return i;
  return std::string_view::npos;
}


char32_t AnsiCharToUnicode(unsigned char c) {
  if (c >= 0x80 && c < 0xA0) return kHigh[c - 0x80];
  return c;
}

std::string AnsiToUtf8(std::string_view ansi) {
  // Names and most texts are plain ASCII, which is its own UTF-8.
  std::size_t ascii = 0;
  while (ascii < ansi.size() && static_cast<unsigned char>(ansi[ascii]) < 0x80) ++ascii;
  if (ascii == ansi.size()) return std::string(ansi);
  std::string out;
  out.reserve(ansi.size() + ansi.size() / 8);
  for (char c : ansi) AppendUtf8(out, AnsiCharToUnicode(static_cast<unsigned char>(c)));
  return out;
}

std::string Utf8ToAnsi(std::string_view utf8) {
  std::string out;
  out.reserve(utf8.size());
  std::size_t i = 0;
  while (i < utf8.size()) {
    const auto b = static_cast<unsigned char>(utf8[i]);
    int extra = 0;
    char32_t cp = 0;
    if (b < 0x80) {
      out.push_back(static_cast<char>(b));
      ++i;
      continue;
    } else if ((b & 0xE0) == 0xC0) {
      extra = 1;
      cp = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      extra = 2;
      cp = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      extra = 3;
      cp = b & 0x07;
    } else {
      out.push_back('?');
      ++i;
      continue;
    }
    if (i + extra >= utf8.size()) {  // truncated sequence at the end
      out.push_back('?');
      break;
    }
    bool ok = true;
    for (int k = 1; k <= extra; ++k) {
      const auto cb = static_cast<unsigned char>(utf8[i + k]);
      if ((cb & 0xC0) != 0x80) {
        ok = false;
        break;
      }
      cp = (cp << 6) | (cb & 0x3F);
    }
    if (!ok) {
      out.push_back('?');
      ++i;
      continue;
    }
    out.push_back(UnicodeToAnsi(cp));
    i += extra + 1;
  }
  return out;
}

}  // namespace orv
