#pragma once
// Text in the engine is single-byte Windows-1252 held in std::string. These
// are the only case rules and code-page conversions the engine uses: never the
// C library's locale-dependent functions, which disagree with the code page.
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

namespace orv {

char AnsiUpperChar(char c);
char AnsiLowerChar(char c);
std::string AnsiUpperCase(std::string_view text);
std::string AnsiLowerCase(std::string_view text);
void AnsiUpperInPlace(std::string& text);

// <0, 0, >0 like strcmp, on the upper-cased bytes.
int AnsiCompareText(std::string_view a, std::string_view b);
// Inlined below: they are behind every variable lookup.
inline bool AnsiSameText(std::string_view a, std::string_view b);
bool AnsiStartsWithText(std::string_view text, std::string_view prefix);
// Position of `needle` in `text` ignoring case, or npos.
std::size_t AnsiFindText(std::string_view text, std::string_view needle, std::size_t from = 0);
inline std::size_t AnsiHashText(std::string_view text);

// The upper-case form of every byte.
extern const std::array<unsigned char, 256> kAnsiUpper;

inline bool AnsiSameText(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (kAnsiUpper[static_cast<unsigned char>(a[i])] != kAnsiUpper[static_cast<unsigned char>(b[i])]) return false;
  return true;
}

inline std::size_t AnsiHashText(std::string_view text) {
  std::size_t h = 1469598103934665603ull;  // FNV-1a
  for (char c : text) {
    h ^= kAnsiUpper[static_cast<unsigned char>(c)];
    h *= 1099511628211ull;
  }
  return h;
}

// For unordered containers keyed by names that compare without case.
struct AnsiCaseHash {
  using is_transparent = void;
  std::size_t operator()(std::string_view s) const { return AnsiHashText(s); }
};
struct AnsiCaseEqual {
  using is_transparent = void;
  bool operator()(std::string_view a, std::string_view b) const { return AnsiSameText(a, b); }
};

// Windows-1252 <-> UTF-8 at the user-interface and file-system boundary. Every
// byte converts; characters with no Windows-1252 form become '?'.
std::string AnsiToUtf8(std::string_view ansi);
std::string Utf8ToAnsi(std::string_view utf8);
char32_t AnsiCharToUnicode(unsigned char c);

}  // namespace orv
