#pragma once
// One line of the publication document taken apart, and a key's value
// converted by the key's type.
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

#include "container/DocumentKeys.h"
#include "container/DocumentTextStore.h"

namespace orv {

// A known key with its value, 32 bytes: documents have about a hundred
// thousand of them. The model keeps the value as read and as converted
// because the consumers differ: most use the converted value, some the text
// as written. The texts live in the publication's text store; a text that
// differs from the value as read (Lines, variable names) is kept there right
// after its length.
struct KeyValue {
  const DocumentKey* key = nullptr;

 private:
  // Declared here so the number fills the size's word.
  const char* raw_ = nullptr;
  const char* text_ = nullptr;
  std::uint32_t rawSize_ = 0;

 public:
  // Integer and Colour; Font style keeps its low 4 bits; Boolean: 1 for "Yes".
  std::int32_t number = 0;

  std::string_view Name() const { return key->name; }
  // The value exactly as read.
  std::string_view Raw() const { return {raw_, rawSize_}; }
  // Lines: "¶" as CR LF; variable keys: bracketed name; every other type:
  // the same as Raw().
  std::string_view Text() const {
    if (text_ == raw_) return Raw();
    std::uint32_t size;
    std::memcpy(&size, text_ - sizeof size, sizeof size);
    return {text_, size};
  }
  // Boolean keys only.
  bool Yes() const { return key && key->type == KeyType::Boolean && number != 0; }

  // The value as read, which is also the text until SetConvertedText.
  // Document values are shorter than 2 GiB, as the document is.
  void SetRaw(std::string_view raw) {
    raw_ = text_ = raw.data();
    rawSize_ = static_cast<std::uint32_t>(raw.size());
  }
  // `text` is Raw() itself, or a text made by ConvertedTextRoom.
  void SetText(std::string_view text) { text_ = text.data(); }
};
static_assert(sizeof(KeyValue) <= 32);

// Room in `store` for a converted text of `size` bytes, kept after its length
// so a KeyValue finds both from one pointer.
inline char* ConvertedTextRoom(DocumentTextStore& store, std::size_t size) {
  const auto length = static_cast<std::uint32_t>(size);
  char* const room = store.Allocate(sizeof length + size);
  std::memcpy(room, &length, sizeof length);
  return room + sizeof length;
}

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

namespace document_value {
// The parts of a conversion that need more than a few instructions. A text
// they make is kept in the store by ConvertedTextRoom.
std::string_view LinesText(std::string_view value, DocumentTextStore& store);
std::string_view VariableNameText(std::string_view value, DocumentTextStore& store);

// Up to nine plain decimal digits, the form nearly every number has.
inline bool ReadPlainDecimal(std::string_view text, std::int32_t& number) {
  if (text.empty() || text.size() > 9) return false;
  std::uint32_t value = 0;
  for (const char c : text) {
    const std::uint32_t digit = static_cast<unsigned char>(c) - 48u;
    if (digit > 9) return false;
    value = value * 10 + digit;
  }
  number = static_cast<std::int32_t>(value);
  return true;
}

// "Yes" in any case: only these letters compare equal to its letters in the
// Windows-1252 case table.
inline bool IsYes(std::string_view value) {
  return value.size() == 3 && (value[0] | 0x20) == 'y' && (value[1] | 0x20) == 'e' &&
         (value[2] | 0x20) == 's';
}
}  // namespace document_value

// The same for a value that already lives as long as `store` (a line the
// reader keeps there): the value is not copied, only texts made by the
// conversion are added to the store. Every value of the document comes
// through here, so it is written out in full for the reader to inline.
inline KeyValue ConvertKeptDocumentValue(const DocumentKey& key, std::string_view kept,
                                         DocumentTextStore& store) {
  KeyValue out;
  out.key = &key;
  out.SetRaw(kept);
  switch (key.type) {
    case KeyType::Integer:
    case KeyType::Colour:
    case KeyType::FontStyle: {
      std::int32_t number;
      if (!document_value::ReadPlainDecimal(kept, number)) number = ReadDocumentInteger(kept);
      out.number = key.type == KeyType::FontStyle ? number & 0x0F : number;
      break;
    }
    case KeyType::Boolean:
      out.number = document_value::IsYes(kept) ? 1 : 0;
      break;
    case KeyType::Lines:
      out.SetText(document_value::LinesText(kept, store));
      break;
    case KeyType::Marker:
    case KeyType::String:
    case KeyType::File:
      break;
  }
  if (key.role == KeyRole::VariableName) out.SetText(document_value::VariableNameText(kept, store));
  return out;
}

}  // namespace orv
