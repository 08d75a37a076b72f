#pragma once
#include <cstddef>
#include <string>
#include <string_view>
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
  // from 1 to the number of pages so far. When none is free, `wanted` as
  // given. The page then counts as existing.
  std::string Claim(std::string_view wanted);

 private:
  std::unordered_set<std::string, AnsiCaseHash, AnsiCaseEqual> names_;
  std::size_t pageCount_ = 1;
};

}  // namespace orv
