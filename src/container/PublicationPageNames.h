#pragma once
#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>

#include "base/Ansi.h"

namespace orv {

// The names of the pages read so far, handing out a unique one to each new
// page.
class PublicationPageNames {
 public:
  // Starts with the master page, whose name is empty.
  PublicationPageNames();

  // The name a new page gets: `wanted` when it is not empty and no page has
  // it (any case); otherwise its stem (trailing blanks and digits removed, one
  // blank added back when the stem holds a blank) with the first free number
  // from 1 on. The page then counts as existing.
  std::string Claim(std::string_view wanted);

  // How many times a name was looked up among the pages so far.
  std::size_t Lookups() const { return lookups_; }

 private:
  bool Taken(std::string_view name);
  std::string Numbered(std::string stem);

  std::unordered_set<std::string, AnsiCaseHash, AnsiCaseEqual> names_;
  // Per stem (any case), the number below which every name of the stem is
  // taken. Names are only ever added, so it never has to go back, and a
  // thousand pages of one name do not each try the numbers of all before.
  std::unordered_map<std::string, std::size_t, AnsiCaseHash, AnsiCaseEqual> firstFree_;
  std::size_t lookups_ = 0;
};

}  // namespace orv
