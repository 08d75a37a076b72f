#pragma once
// One line of the publication document taken apart, and a key's value
// converted by the key's type.
#include <cstdint>
#include <string>
#include <string_view>

#include "container/DocumentKeys.h"
#include "container/DocumentTextStore.h"

namespace orv {

// A known key with its value. The model keeps all three forms because the
// consumers differ: most use the converted value, some the text as written.
// The texts live in the publication's text store.
struct KeyValue {
  const DocumentKey* key = nullptr;
  std::string_view raw;     // the value exactly as read
  std::string_view text;    // Lines: "¶" as CR LF; variable keys: bracketed name;
                            // every other type: the same as raw
  std::int32_t number = 0;  // Integer and Colour; Font style keeps its low 4 bits
  bool yes = false;         // Boolean

  std::string_view Name() const { return key->name; }
  std::string_view Text() const { return text; }
};

struct DocumentLine {
  std::string_view key;    // up to and including the first "=", trimmed
  std::string_view value;  // after that "=", untouched; the whole line for a section word
};

// Without "=" the trimmed line is the key and the line itself the value.
DocumentLine SplitDocumentLine(std::string_view line);

// Leading blanks, an optional sign, then decimal digits or, after "$", "x",
// "X" or "0x", hexadecimal ones. Reading stops at the first other character;
// the digits read so far count. The result wraps to 32 bits, so a colour
// written unsigned reads as the same bits.
std::int32_t ReadDocumentInteger(std::string_view text);

// The value converted by the key's type, its texts kept in `store`. Without a
// store the value must outlive the result and need no conversion of its text
// (the defaults of the settings).
KeyValue ConvertDocumentValue(const DocumentKey& key, std::string_view value,
                              DocumentTextStore* store);

}  // namespace orv
