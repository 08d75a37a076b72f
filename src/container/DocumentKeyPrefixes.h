#pragma once
// Tells from the first bytes of a document line alone whether the line may
// carry a key the reader acts on at once (IsReadAtOnce). Nine lines in ten
// are an object's properties, which the reader passes over, so this test is
// all most lines cost while the document is read.
//
// Every key read at once is at least kBytes long. Its first kBytes bytes,
// each with bit 5 forced on, form one value; the values of all such keys sit
// in a table without collisions, spread by a fixed multiplier. Forcing bit 5 on matches both cases of a letter, so a line whose key
// is one of them in any case always passes; other lines pass only when
// their first bytes happen to fold to the same value, and the exact lookup
// behind this test sorts those out.
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "container/DocumentKeyIndex.h"
#include "container/DocumentKeys.h"

namespace orv::document_key_prefix {

inline constexpr std::size_t kBytes = 5;
inline constexpr std::uint64_t kPrefixMask = (std::uint64_t{1} << (8 * kBytes)) - 1;
inline constexpr std::uint64_t kCaseBits = 0x2020202020202020ull & kPrefixMask;
inline constexpr int kSlotBits = 10;  // 8 KiB

// Spreads the prefixes of the dictionary without a clash. A key added later
// whose prefix clashes stops the build; another odd multiplier mends that.
inline constexpr std::uint64_t kMultiplier = 0x35DE66877E9057C1ull;

struct PrefixTable {
  std::array<std::uint64_t, std::size_t{1} << kSlotBits> slots{};  // 0: empty
};

constexpr std::uint64_t Fold(std::uint64_t word) { return (word | kCaseBits) & kPrefixMask; }

constexpr std::size_t SlotOf(std::uint64_t folded) {
  return static_cast<std::size_t>((folded * kMultiplier) >> (64 - kSlotBits));
}

constexpr std::uint64_t FoldedPrefix(std::string_view name) {
  std::uint64_t word = 0;
  for (std::size_t i = 0; i < kBytes; ++i)
    word |= std::uint64_t{static_cast<unsigned char>(name[i])} << (8 * i);
  return Fold(word);
}

constexpr PrefixTable BuildPrefixTable(std::span<const DocumentKey> keys) {
  PrefixTable table;
  for (const DocumentKey& key : keys) {
    if (!IsReadAtOnce(key)) continue;
    if (key.name.size() < kBytes) throw "a key read at once is shorter than the prefix";
    const std::uint64_t prefix = FoldedPrefix(key.name);
    std::uint64_t& slot = table.slots[SlotOf(prefix)];
    if (slot != 0 && slot != prefix) throw "two key prefixes clash: choose another odd kMultiplier";
    slot = prefix;
  }
  return table;
}

// Built from the dictionary in DocumentKeys.cpp.
extern const PrefixTable kTable;

// False when the line surely has no key read at once. A line that starts
// with a blank or a control byte always passes, since its key is found only
// after trimming. The 8 bytes from `line` must be readable.
inline bool MayBeReadAtOnce(const char* line) {
  const std::uint64_t folded = Fold(document_key_index::LoadWord(line));
  return kTable.slots[SlotOf(folded)] == folded || static_cast<unsigned char>(line[0]) <= ' ';
}

}  // namespace orv::document_key_prefix
