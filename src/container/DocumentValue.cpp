#include "container/DocumentValue.h"

#include <algorithm>

#include "base/Ansi.h"
#include "base/TextForms.h"
#include "script/VarNames.h"

namespace orv {
namespace {

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

std::string_view Trim(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

DocumentLine SplitDocumentLine(std::string_view line) {
  const std::size_t equals = line.find('=');
  if (equals == std::string_view::npos) return {Trim(line), line};
  return {Trim(line.substr(0, equals + 1)), line.substr(equals + 1)};
}

std::int32_t ReadDocumentInteger(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  bool hex = false;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hex = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && text[i + 1] == 'x') {
    hex = true;
    i += 2;
  }
  // Unsigned arithmetic wraps instead of overflowing.
  std::uint32_t value = 0;
  for (; i < text.size(); ++i) {
    const int digit = hex ? HexDigit(text[i]) : (text[i] >= '0' && text[i] <= '9' ? text[i] - '0' : -1);
    if (digit < 0) break;
    value = value * (hex ? 16u : 10u) + static_cast<std::uint32_t>(digit);
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

KeyValue ConvertDocumentValue(const DocumentKey& key, std::string_view value,
                              DocumentTextStore* store) {
  KeyValue out;
  out.key = &key;
  out.raw = store ? store->Keep(value) : value;
  out.text = out.raw;
  switch (key.type) {
    case KeyType::Lines: {
      const std::size_t breaks = static_cast<std::size_t>(std::count(value.begin(), value.end(), kPilcrow));
      if (breaks == 0 || !store) break;
      char* converted = store->Allocate(value.size() + breaks);
      out.text = std::string_view(converted, value.size() + breaks);
      for (const char c : value) {
        if (c == kPilcrow) {
          *converted++ = '\r';
          *converted++ = '\n';
        } else {
          *converted++ = c;
        }
      }
      break;
    }
    case KeyType::Integer:
    case KeyType::Colour:
      out.number = ReadDocumentInteger(value);
      break;
    case KeyType::FontStyle:
      out.number = ReadDocumentInteger(value) & 0x0F;
      break;
    case KeyType::Boolean:
      out.yes = AnsiSameText(value, "Yes");
      break;
    case KeyType::Marker:
    case KeyType::String:
    case KeyType::File:
      break;
  }
  if (key.role == KeyRole::VariableName && store) out.text = store->Keep(NormalizeVarName(value));
  return out;
}

}  // namespace orv
