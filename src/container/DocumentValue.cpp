#include "container/DocumentValue.h"

#include <algorithm>
#include <bit>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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
// none.
#if defined(__SSE2__)
// Sixteen bytes are looked at and copied at a time: the copies may read up
// to 15 bytes past the value and write up to 15 bytes past each piece, into
// the room's slack or where the next piece goes.
std::string_view LinesText(std::string_view value, DocumentTextStore& store) {
  const char* const in = value.data();
  const std::size_t size = value.size();
  const __m128i pilcrow = _mm_set1_epi8(kPilcrow);
  const auto load = [in](std::size_t at) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + at));
  };
  // The pilcrows among the 16 bytes from `at` that belong to the value.
  const auto marks = [&](std::size_t at) {
    auto found = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(load(at), pilcrow)));
    if (size - at < 16) found &= (1u << (size - at)) - 1;
    return found;
  };
  std::size_t breaks = 0;
  // Counted bit by bit: there are few, and not every processor counts bits.
  for (std::size_t at = 0; at < size; at += 16)
    for (unsigned found = marks(at); found != 0; found &= found - 1) ++breaks;
  if (breaks == 0) return value;
  char* const converted = ConvertedTextRoom(store, size + breaks, value, 16);
  char* out = converted;
  std::size_t from = 0;
  const auto copyUpTo = [&](std::size_t to) {
    for (std::size_t at = from; at < to; at += 16)
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + (at - from)), load(at));
    out += to - from;
  };
  for (std::size_t block = 0; block < size; block += 16) {
    for (unsigned found = marks(block); found != 0; found &= found - 1) {
      const std::size_t at = block + static_cast<std::size_t>(std::countr_zero(found));
      copyUpTo(at);
      *out++ = '\r';
      *out++ = '\n';
      from = at + 1;
    }
  }
  copyUpTo(size);
  return {converted, size + breaks};
}
#else
// The pieces between the breaks are copied whole.
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
#endif

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
  if (store) {
    // Kept with the bytes LinesText may read past it, zeroed.
    char* const kept = store->AllocateWithSlack(value.size(), document_value::kValueReadAhead);
    std::memcpy(kept, value.data(), value.size());
    std::memset(kept + value.size(), 0, document_value::kValueReadAhead);
    return ConvertKeptDocumentValue(key, {kept, value.size()}, *store);
  }
  KeyValue out;
  out.key = &key;
  out.SetRaw(value);
  return out;
}

}  // namespace orv
