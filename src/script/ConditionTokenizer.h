#pragma once
// Splits the condition of `IfEx` and `WhileEx` into words, quoted texts,
// operator runs and "(", before any variable is substituted: a value that
// contains spaces or "=" stays one operand.
#include <cstddef>
#include <string>
#include <string_view>

namespace orv {

enum class ConditionTokenKind { kNone, kWord, kQuoted, kOperator, kOpen };

struct ConditionToken {
  ConditionTokenKind kind = ConditionTokenKind::kNone;
  std::string text;
};

class ConditionTokenizer {
 public:
  explicit ConditionTokenizer(std::string_view text) : text_(text) {}

  // kNone at the end of the text, and when a ")" comes before any character
  // of a token. A ")" ends the token being read and is consumed.
  ConditionToken Next();
  // A ")" was met since the last call to TakeClose.
  bool TakeClose() {
    const bool seen = closeSeen_;
    closeSeen_ = false;
    return seen;
  }
  bool CloseSeen() const { return closeSeen_; }

 private:
  void EndAtClose();

  std::string_view text_;
  std::size_t pos_ = 0;
  bool closeSeen_ = false;
};

}  // namespace orv
