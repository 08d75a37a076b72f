#pragma once
// Widths of Windows-1252 texts in one font, added up character by
// character as the system measures list items (no kerning between them).
// Measuring ten thousand items then costs a table look-up per character.
#include <QFont>
#include <array>
#include <string_view>

namespace orv {

class TAnsiTextWidths {
 public:
  TAnsiTextWidths() = default;
  explicit TAnsiTextWidths(const QFont& font);
  int Width(std::string_view ansi) const;

 private:
  std::array<int, 256> advance_{};
};

}  // namespace orv
