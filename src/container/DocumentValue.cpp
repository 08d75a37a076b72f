#include "container/DocumentValue.h"

#include <algorithm>
#include <cstring>

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
  const char* p = text.data();
  const char* const end = p + text.size();
  while (p < end && *p == ' ') ++p;
  bool negative = false;
  if (p < end && (*p == '-' || *p == '+')) negative = *p++ == '-';
  // Unsigned arithmetic wraps instead of overflowing.
  std::uint32_t value = 0;
  if (p < end && (*p == '$' || *p == 'x' || *p == 'X' || (*p == '0' && end - p > 1 && p[1] == 'x'))) {
    p += *p == '0' ? 2 : 1;
    for (int digit; p < end && (digit = HexDigit(*p)) >= 0; ++p)
      value = value * 16u + static_cast<std::uint32_t>(digit);
  } else {
    for (std::uint32_t digit; p < end && (digit = static_cast<unsigned char>(*p) - 48u) <= 9u; ++p)
      value = value * 10u + digit;
  }
  if (negative) value = 0u - value;
  return static_cast<std::int32_t>(value);
}

namespace document_value {

// `value` with every "¶" as CR LF, in the store; `value` itself when it has
// none. The pieces between the breaks are copied whole.
std::string_view LinesText(std::string_view value, DocumentTextStore& store) {
  const char* const end = value.data() + value.size();
  auto next = [end](const char* from) {
    const void* found = std::memchr(from, kPilcrow, static_cast<std::size_t>(end - from));
    return found ? static_cast<const char*>(found) : end;
  };
  if (value.empty()) return value;
  const char* pilcrow = next(value.data());
  if (pilcrow == end) return value;
  std::size_t breaks = 0;
  for (const char* p = pilcrow; p != end; p = next(p + 1)) ++breaks;
  char* const converted = ConvertedTextRoom(store, value.size() + breaks, value);
  char* out = converted;
  for (const char* from = value.data();;) {
    std::memcpy(out, from, static_cast<std::size_t>(pilcrow - from));
    out += pilcrow - from;
    if (pilcrow == end) break;
    *out++ = '\r';
    *out++ = '\n';
    from = pilcrow + 1;
    pilcrow = next(from);
  }
  return {converted, value.size() + breaks};
}

std::string_view VariableNameText(std::string_view value, DocumentTextStore& store) {
  // A plain name is bracketed straight into the store.
  if (const auto key = SimpleVarKey(value)) {
    char* const out = ConvertedTextRoom(store, key->size() + 2, value);
    out[0] = '[';
    std::memcpy(out + 1, key->data(), key->size());
    out[key->size() + 1] = ']';
    return {out, key->size() + 2};
  }
  thread_local std::string name;  // reused: a name per bound object adds up
  NormalizeVarNameInto(value, name);
  char* const out = ConvertedTextRoom(store, name.size(), value);
  std::memcpy(out, name.data(), name.size());
  return {out, name.size()};
}

}  // namespace document_value

// Texts are converted only with a store to keep them; without one (the
// defaults of the settings) they stand as written.
KeyValue ConvertDocumentValue(const DocumentKey& key, std::string_view value,
                              DocumentTextStore* store) {
  if (store) return ConvertKeptDocumentValue(key, store->Keep(value), *store);
  KeyValue out;
  out.key = &key;
  out.SetRaw(value);
  return out;
}

}  // namespace orv
