#pragma once
// Finds the key a document line starts with. Every line of the document
// comes through here, so the lookup is written out inline for the reader's
// loop and reads the line a machine word at a time.
//
// A key is read as 64-bit words, its first byte in the lowest bits whatever
// the host's byte order. The first word and the length pick the slot of an
// open-addressed table built at compile time; there each word is compared
// with bit 5 forced on where the key has a letter, against the key in lower
// case. Every key is ASCII, so this is exactly the comparison without case
// of the Windows-1252 case table: only the two cases of a letter differ in
// bit 5 alone, and no byte outside ASCII loses its top bit.
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "container/DocumentKeys.h"

namespace orv {

struct KeyedDocumentLine {
  const DocumentKey* key = nullptr;  // null for an unknown key
  std::string_view value;            // as SplitDocumentLine gives it
};

namespace document_key_index {

inline constexpr std::uint64_t kOnes = 0x0101010101010101ull;
inline constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
inline constexpr std::size_t kWords = kLongestDocumentKey / 8;
inline constexpr int kSlotBits = 11;  // about eight slots for every key, 4 KiB
inline constexpr std::size_t kSlotMask = (std::size_t{1} << kSlotBits) - 1;
inline constexpr std::size_t kMaxKeys = 320;
inline constexpr std::uint16_t kEmpty = 0xFFFF;

using KeyWords = std::array<std::uint64_t, kWords>;

// The lowest `bytes` bytes of a word, for 0 to 8 bytes.
inline constexpr std::array<std::uint64_t, 9> kByteMasks = {
    0, 0xFFull, 0xFFFFull, 0xFFFFFFull, 0xFFFFFFFFull, 0xFFFFFFFFFFull, 0xFFFFFFFFFFFFull,
    0xFFFFFFFFFFFFFFull, ~0ull};

// The slot depends on the key's case through bit 5 only, which is forced on.
constexpr std::size_t SlotOf(std::uint64_t first, std::size_t size) {
  return static_cast<std::size_t>((((first | 0x20 * kOnes) + size) * 0x9E3779B97F4A7C15ull) >>
                                  (64 - kSlotBits));
}

struct Entry {
  KeyWords lower{};     // the key in lower case
  KeyWords caseBits{};  // bit 5 of every letter
  KeyWords keep{};      // the bytes of each word that belong to the key
  std::size_t size = 0;
  const DocumentKey* key = nullptr;
};

// The slots hold indexes into the entries, so the part of the table every
// lookup touches stays small.
struct KeyTable {
  std::array<std::uint16_t, kSlotMask + 1> slots{};
  std::array<Entry, kMaxKeys> entries{};
};

constexpr KeyTable BuildKeyTable(std::span<const DocumentKey> keys) {
  if (keys.size() > kMaxKeys) throw "more keys than the index holds";
  KeyTable table;
  for (std::uint16_t& slot : table.slots) slot = kEmpty;
  for (std::size_t k = 0; k < keys.size(); ++k) {
    const DocumentKey& key = keys[k];
    if (key.name.empty() || key.name.size() > kLongestDocumentKey) throw "a key of bad length";
    Entry& entry = table.entries[k];
    for (std::size_t i = 0; i < key.name.size(); ++i) {
      const char c = key.name[i];
      const bool letter = c >= 'A' && c <= 'Z';
      const auto lower = static_cast<unsigned char>(letter ? c + 0x20 : c);
      entry.lower[i / 8] |= std::uint64_t{lower} << (8 * (i % 8));
      if (letter) entry.caseBits[i / 8] |= std::uint64_t{0x20} << (8 * (i % 8));
    }
    for (std::size_t i = 0; i < kWords; ++i) {
      const std::size_t left = key.name.size() > 8 * i ? key.name.size() - 8 * i : 0;
      entry.keep[i] = kByteMasks[left < 8 ? left : 8];
    }
    entry.size = key.name.size();
    entry.key = &key;
    std::size_t slot = SlotOf(entry.lower[0], entry.size);
    while (table.slots[slot] != kEmpty) slot = (slot + 1) & kSlotMask;
    table.slots[slot] = static_cast<std::uint16_t>(k);
  }
  return table;
}

// Built from the dictionary in DocumentKeys.cpp.
extern const KeyTable kTable;

inline std::uint64_t LoadWord(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
  return word;
}

// The `size` bytes (1 to 32) at `key`; the 32 bytes from `key` are
// readable. Most keys fit in two words, which are compared without a loop.
inline const DocumentKey* FindKeyAt(const char* key, std::size_t size) {
  const std::uint64_t first = LoadWord(key) & kByteMasks[size < 8 ? size : 8];
  for (std::size_t slot = SlotOf(first, size);; slot = (slot + 1) & kSlotMask) {
    const std::uint16_t index = kTable.slots[slot];
    if (index == kEmpty) return nullptr;
    const Entry& entry = kTable.entries[index];
    if (entry.size != size || (first | entry.caseBits[0]) != entry.lower[0]) continue;
    if (size <= 8) return entry.key;
    if (((LoadWord(key + 8) & entry.keep[1]) | entry.caseBits[1]) != entry.lower[1]) continue;
    if (size > 16 &&
        (((LoadWord(key + 16) & entry.keep[2]) | entry.caseBits[2]) != entry.lower[2] ||
         ((LoadWord(key + 24) & entry.keep[3]) | entry.caseBits[3]) != entry.lower[3]))
      continue;
    return entry.key;
  }
}

// Index of the first "=" among the 32 bytes from `text`, or 32.
inline std::size_t FirstEquals(const char* text) {
#if defined(__SSE2__)
  const __m128i equals = _mm_set1_epi8('=');
  for (std::size_t i = 0; i < kLongestDocumentKey; i += 16) {
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(text + i));
    if (const auto hits = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(bytes, equals))))
      return i + static_cast<std::size_t>(std::countr_zero(hits));
  }
#else
  // Borrows only ever run upwards from a matching byte, so the lowest flag
  // is exact.
  for (std::size_t i = 0; i < kLongestDocumentKey; i += 8) {
    const std::uint64_t diff = LoadWord(text + i) ^ ('=' * kOnes);
    if (const std::uint64_t flags = (diff - kOnes) & ~diff & kHighBits)
      return i + static_cast<std::size_t>(std::countr_zero(flags)) / 8;
  }
#endif
  return kLongestDocumentKey;
}

inline bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace document_key_index

// Lines with blanks around the key, or a long key: split as written.
KeyedDocumentLine LookUpUnusualDocumentLine(std::string_view line);

// A document line split as SplitDocumentLine does, its key looked up as
// FindDocumentKey does. The kLongestDocumentKey bytes from the start of
// `line` must be readable whatever its length, as they are for the lines of
// DocumentLineReader.
inline KeyedDocumentLine LookUpDocumentLine(std::string_view line) {
  using namespace document_key_index;
  const char* const text = line.data();
  const std::size_t equals = FirstEquals(text);
  if (equals < line.size() && equals < kLongestDocumentKey) {
    // KEY=value, unless blanks surround the key.
    if (!IsBlank(text[0]) && (equals == 0 || !IsBlank(text[equals - 1])))
      return {FindKeyAt(text, equals + 1), line.substr(equals + 1)};
  } else if (!line.empty() && line.size() < kLongestDocumentKey) {
    // A section word: the whole line.
    if (!IsBlank(text[0]) && !IsBlank(line.back())) return {FindKeyAt(text, line.size()), line};
  }
  return LookUpUnusualDocumentLine(line);
}

}  // namespace orv
