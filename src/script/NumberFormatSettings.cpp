#include "script/NumberFormatSettings.h"

#include <clocale>
#include <cstring>
#include <langinfo.h>
#include <string_view>

#include "base/Ansi.h"

namespace orv {
namespace {

// The locale describes itself in its own code set; only UTF-8 and plain ASCII
// locales are expected on the systems the player runs on. A text that has no
// Windows-1252 form is dropped rather than turned into '?', which would then
// be stripped from every expression.
std::string LocaleText(const char* text) {
  if (text == nullptr || *text == '\0') return {};
  const std::string_view raw(text);
  const char* codeset = nl_langinfo(CODESET);
  const bool utf8 = codeset != nullptr && (std::strcmp(codeset, "UTF-8") == 0 || std::strcmp(codeset, "utf8") == 0);
  if (!utf8) {
    for (unsigned char c : raw)
      if (c >= 0x80) return {};
    return std::string(raw);
  }
  std::string ansi = Utf8ToAnsi(raw);
  if (ansi.find('?') != std::string::npos && raw.find('?') == std::string_view::npos) return {};
  return ansi;
}

}  // namespace

NumberSettings NumberSettingsFromLocale() {
  NumberSettings settings;
  const std::lconv* conv = std::localeconv();
  if (conv == nullptr) return settings;
  const std::string point = LocaleText(conv->decimal_point);
  settings.decimalSymbol = point.size() == 1 ? point[0] : '.';
  settings.thousandsSeparator = LocaleText(conv->thousands_sep);
  settings.currencyText = LocaleText(conv->currency_symbol);
  return settings;
}

}  // namespace orv
