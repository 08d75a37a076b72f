#pragma once
// What a document fuzz input stands for, shared by the libFuzzer target and
// the test that replays its kept inputs. The first byte holds the options:
// bit 0 a tray application, bit 1 a test run, bits 2 and 3 how the document
// is stored (plain, zlib, damaged zlib, cut short); the high four bits set
// to 1 make the rest a recipe for a document of many pages named alike.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_set>

#include "base/Ansi.h"
#include "container/Publication.h"

namespace orv::fuzz {

inline constexpr std::uint8_t kTrayApplication = 1;
inline constexpr std::uint8_t kTestRun = 2;
inline int StorageOf(std::uint8_t options) { return (options >> 2) & 3; }
inline bool IsRepeatedPageNames(std::uint8_t options) { return (options >> 4) == 1; }

// Documents made from a recipe stop growing here: some twenty thousand
// pages of one stem, enough for naming them in quadratic time to run into
// the fuzzer's timeout, few enough to keep the fuzzer's pace.
inline constexpr std::size_t kRepeatedDocumentLimit = std::size_t{256} << 10;

// The recipe: a count in two bytes, low first, then page names, each ended
// by "\n" (the last one perhaps not). The document is "NewPage=<name>" CR LF
// for every name in turn, the count of rounds over. A name may hold CR LF,
// so other lines can come between.
inline std::string RepeatedPageNames(std::string_view recipe) {
  std::string document;
  if (recipe.size() < 2) return document;
  const std::size_t rounds =
      static_cast<unsigned char>(recipe[0]) | std::size_t{static_cast<unsigned char>(recipe[1])} << 8;
  const std::string_view names = recipe.substr(2);
  for (std::size_t round = 0; round < rounds; ++round) {
    std::size_t start = 0;
    do {
      const std::size_t end = std::min(names.find('\n', start), names.size());
      const std::string_view name = names.substr(start, end - start);
      if (document.size() + name.size() + 10 > kRepeatedDocumentLimit) return document;
      document.append("NewPage=").append(name).append("\r\n");
      start = end + 1;
    } while (start < names.size());
  }
  return document;
}

// The reader promises every page a name of its own, in any case.
inline bool PageNamesAreUnique(const Publication& publication) {
  std::unordered_set<std::string_view, AnsiCaseHash, AnsiCaseEqual> names;
  for (const PublicationPage& page : publication.pages)
    if (!names.insert(page.name).second) return false;
  return true;
}

}  // namespace orv::fuzz
