#include "commands/files/FileMask.h"

#include "base/Ansi.h"
#include "base/NumberText.h"

namespace orv {
namespace {

[[noreturn]] void Invalid(std::string_view mask, std::size_t index) {
  std::string text = "'";
  text.append(mask).append("' is an invalid mask at (");
  text.append(FormatWholeNumber(static_cast<std::int64_t>(index) + 1)).append(")");
  throw TInvalidMask(text);
}

}  // namespace

TFileMask::TFileMask(std::string_view mask) {
  std::size_t i = 0;
  while (i < mask.size()) {
    const char c = mask[i];
    Step step;
    step.Kind = Step::Literal;
    if (c == '*') {
      step.Kind = Step::AnyRun;
      ++i;
    } else if (c == '?') {
      step.Kind = Step::AnyOne;
      ++i;
    } else if (c == '[') {
      step.Kind = Step::Set;
      ++i;
      if (i < mask.size() && mask[i] == '!') {
        step.Negated = true;
        ++i;
      }
      bool closed = false;
      while (i < mask.size()) {
        if (mask[i] == ']') {
          closed = true;
          ++i;
          break;
        }
        const char low = AnsiUpperChar(mask[i++]);
        char high = low;
        if (i < mask.size() && mask[i] == '-') {
          ++i;
          if (i >= mask.size() || mask[i] == ']') Invalid(mask, i);
          high = AnsiUpperChar(mask[i++]);
        }
        step.Ranges.emplace_back(low, high);
      }
      if (!closed) Invalid(mask, i);
    } else {
      step.Char = AnsiUpperChar(c);
      ++i;
    }
    // A run of stars is one star: keeps matching linear in the mask.
    if (step.Kind == Step::AnyRun && !steps_.empty() && steps_.back().Kind == Step::AnyRun) continue;
    steps_.push_back(std::move(step));
  }
}

bool TFileMask::InSet(const Step& s, char c) const {
  const auto u = static_cast<unsigned char>(AnsiUpperChar(c));
  for (const auto& [low, high] : s.Ranges)
    if (u >= static_cast<unsigned char>(low) && u <= static_cast<unsigned char>(high)) return true;
  return false;
}

bool TFileMask::Matches(std::string_view name) const { return MatchFrom(0, name); }

bool TFileMask::MatchFrom(std::size_t step, std::string_view name) const {
  // Iterative star matching with one back-tracking point: the last star.
  std::size_t n = 0, starStep = std::string_view::npos, starName = 0;
  for (;;) {
    if (step < steps_.size()) {
      const Step& s = steps_[step];
      if (s.Kind == Step::AnyRun) {
        starStep = step++;
        starName = n;
        continue;
      }
      if (n < name.size()) {
        bool ok = false;
        switch (s.Kind) {
          case Step::Literal: ok = AnsiUpperChar(name[n]) == s.Char; break;
          case Step::AnyOne: ok = true; break;
          case Step::Set: ok = InSet(s, name[n]) != s.Negated; break;
          case Step::AnyRun: break;
        }
        if (ok) {
          ++step;
          ++n;
          continue;
        }
      }
    } else if (n == name.size()) {
      return true;
    }
    if (starStep == std::string_view::npos || starName >= name.size()) return false;
    step = starStep + 1;
    n = ++starName;
  }
}

}  // namespace orv
