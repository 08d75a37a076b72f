#include "script/MathTextPreparation.h"

#include <algorithm>

#include "base/Ansi.h"

namespace orv {
namespace {

bool IsCurrencySign(char c) {
  switch (c) {
    case '$':
    case '\x80':  // euro
    case '\xA2':  // cent
    case '\xA3':  // pound
    case '\xA5':  // yen
      return true;
    default:
      return false;
  }
}

void EraseIf(std::string& text, auto predicate) { text.erase(std::remove_if(text.begin(), text.end(), predicate), text.end()); }

void RemoveAll(std::string& text, std::string_view what) {
  if (what.empty()) return;
  std::size_t pos = 0;
  while ((pos = AnsiFindText(text, what, pos)) != std::string::npos) text.erase(pos, what.size());
}

}  // namespace

void PrepareMathText(std::string_view text, bool currencyMode, const NumberSettings& settings, std::string& out) {
  out.clear();
  if (!text.empty() && text.front() == '+') out.push_back('0');
  for (char c : text) out.push_back(AnsiUpperChar(c));
  const char decimalSymbol = AnsiUpperChar(settings.decimalSymbol);
  if (currencyMode && !settings.thousandsSeparator.empty()) {
    // A publication may make the locale's thousands separator its decimal
    // symbol; removing it then would join every number to its decimals.
    EraseIf(out, [&](char c) {
      return c != decimalSymbol && settings.thousandsSeparator.find(c) != std::string::npos;
    });
  }
  if (decimalSymbol != '.') std::replace(out.begin(), out.end(), decimalSymbol, '.');
  if (currencyMode) {
    RemoveAll(out, settings.currencyText);
    EraseIf(out, IsCurrencySign);
  }
}

}  // namespace orv
