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

struct KeyValue;

// What a converted text is kept after: where the value as read is, and its length.
inline constexpr std::size_t kConvertedTextHeader = sizeof(const char*) + sizeof(std::uint32_t);

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
// they make is kept in the store by ConvertedTextRoom. LinesText may read up
// to kValueReadAhead bytes past the value, as the lines of the document
// reader allow.
inline constexpr std::size_t kValueReadAhead = 16;
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

// A known key with its value, 24 bytes: documents have about a hundred
// thousand of them. Numbers and Booleans are read from the value when asked
// for, since most are never asked for while the document is read. Texts
// that need converting (Lines, variable names) are converted once, when
// read, and kept in the publication's text store right after where the
// value as read is; every other text is the value as read.
struct KeyValue {
  const DocumentKey* key = nullptr;

  std::string_view Name() const { return key->name; }
  // Lines: "¶" as CR LF; variable keys: bracketed name; every other type:
  // the same as Raw().
  std::string_view Text() const { return {data_, size_}; }
  // The value exactly as read.
  std::string_view Raw() const {
    if (!converted_) return Text();
    const char* raw;
    std::uint32_t size;
    std::memcpy(&raw, data_ - kConvertedTextHeader, sizeof raw);
    std::memcpy(&size, data_ - kConvertedTextHeader + sizeof raw, sizeof size);
    return {raw, size};
  }
  // Integer and Colour keys; Font style keeps its low 4 bits; 0 for the others.
  std::int32_t Number() const {
    if (!key) return 0;
    switch (key->type) {
      case KeyType::Integer:
      case KeyType::Colour:
      case KeyType::FontStyle: {
        const std::string_view raw = Raw();
        std::int32_t number;
        if (!document_value::ReadPlainDecimal(raw, number)) number = ReadDocumentInteger(raw);
        return key->type == KeyType::FontStyle ? number & 0x0F : number;
      }
      default:
        return 0;
    }
  }
  // Boolean keys: the value is "Yes" in any case.
  bool Yes() const { return key && key->type == KeyType::Boolean && document_value::IsYes(Raw()); }

  // The value as read, which is also the text until SetText.
  // Document values are shorter than 2 GiB, as the document is.
  void SetRaw(std::string_view raw) {
    data_ = raw.data();
    size_ = static_cast<std::uint32_t>(raw.size());
    converted_ = false;
  }
  // `text` is the value as read itself, or a text made in ConvertedTextRoom
  // from it.
  void SetText(std::string_view text) {
    if (text.data() == data_ && !converted_) return;
    data_ = text.data();
    size_ = static_cast<std::uint32_t>(text.size());
    converted_ = true;
  }

 private:
  const char* data_ = nullptr;  // the text
  std::uint32_t size_ = 0;
  bool converted_ = false;  // the value as read is kept before the text
};
static_assert(sizeof(KeyValue) <= 24 || sizeof(void*) > 8);

// Room in `store` for a text of `size` bytes converted from `raw`, kept
// after where `raw` is, so a KeyValue finds both from one pointer.
// `slack` bytes after the room may be written.
inline char* ConvertedTextRoom(DocumentTextStore& store, std::size_t size, std::string_view raw,
                               std::size_t slack = 0) {
  const char* const rawData = raw.data();
  const auto rawSize = static_cast<std::uint32_t>(raw.size());
  char* const room = store.AllocateWithSlack(kConvertedTextHeader + size, slack);
  std::memcpy(room, &rawData, sizeof rawData);
  std::memcpy(room + sizeof rawData, &rawSize, sizeof rawSize);
  return room + kConvertedTextHeader;
}

// The same for a value that already lives as long as `store` (a line the
// reader keeps there): the value is not copied, only texts made by the
// conversion are added to the store. Every value of the document comes
// through here, so it is written out in full for the reader to inline.
inline KeyValue ConvertKeptDocumentValue(const DocumentKey& key, std::string_view kept,
                                         DocumentTextStore& store) {
  KeyValue out;
  out.key = &key;
  out.SetRaw(kept);
  if (key.type == KeyType::Lines) out.SetText(document_value::LinesText(kept, store));
  if (key.role == KeyRole::VariableName) out.SetText(document_value::VariableNameText(kept, store));
  return out;
}

}  // namespace orv
