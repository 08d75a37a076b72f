#include "base/TruthWords.h"

#include <array>

#include "base/Ansi.h"

namespace orv {
namespace {

constexpr std::array<std::string_view, 6> kTrue = {"True", "T", "Yes", "Checked", "OK", "1"};
constexpr std::array<std::string_view, 6> kFalse = {"False", "F", "No", "UnChecked", "Cancel", "0"};

template <std::size_t N>
bool IsOneOf(std::string_view text, const std::array<std::string_view, N>& words) {
  const std::size_t plus = text.find('+');
  if (plus != std::string_view::npos) text = text.substr(0, plus);
  for (std::string_view w : words)
    if (AnsiSameText(text, w)) return true;
  return false;
}

}  // namespace

bool IsTrueWord(std::string_view text) { return IsOneOf(text, kTrue); }
bool IsFalseWord(std::string_view text) { return IsOneOf(text, kFalse); }
std::string_view TruthText(bool value) { return value ? "True" : "False"; }

}  // namespace orv
