#pragma once
// File-name masks of FileList: "*" any run of characters, "?" any one
// character, "[...]" one character of a set of characters and ranges ("a-f"),
// "[!...]" one character outside it; letter case is ignored. A mask that
// breaks these rules is refused with the text "'<mask>' is an invalid mask at
// (<position>)".
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TInvalidMask : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class TFileMask {
 public:
  // Throws TInvalidMask.
  explicit TFileMask(std::string_view mask);
  bool Matches(std::string_view name) const;

 private:
  struct Step {
    enum Kind { Literal, AnyOne, AnyRun, Set } Kind = Literal;
    char Char = 0;             // Literal (upper case)
    bool Negated = false;      // Set
    std::vector<std::pair<char, char>> Ranges;  // Set, upper case
  };
  bool MatchFrom(std::size_t step, std::string_view name) const;
  bool InSet(const Step& s, char c) const;

  std::vector<Step> steps_;
};

}  // namespace orv
