#include "ToolSupport.h"

#include <charconv>
#include <cstdio>

#include "base/Ansi.h"

namespace orv::packtool {

int Fail(const std::string& message) {
  std::fprintf(stderr, "orvalis-pack: %s\n", message.c_str());
  return 1;
}

std::optional<std::int64_t> ParseInteger(std::string_view text) {
  std::int64_t value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (text.empty() || ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

bool IsHelpOption(std::string_view word) { return word == "--help" || word == "-h"; }

std::string OpenForTool(Package& package, const std::string& path) {
  if (package.OpenPackage(path, true) != pkg::kOpened)
    return "cannot read a package from '" + path + "' (missing, unreadable or malformed)";
  return {};
}

std::string JsonQuote(std::string_view utf8) {
  std::string out = "\"";
  for (const char c : utf8) {
    const auto u = static_cast<unsigned char>(c);
    if (c == '"' || c == '\\') {
      out.push_back('\\');
      out.push_back(c);
    } else if (u < 0x20) {
      char escaped[8];
      std::snprintf(escaped, sizeof escaped, "\\u%04x", u);
      out.append(escaped);
    } else {
      out.push_back(c);
    }
  }
  out.push_back('"');
  return out;
}

std::string ShownText(std::string_view ansi) { return JsonQuote(AnsiToUtf8(ansi)); }

}  // namespace orv::packtool
