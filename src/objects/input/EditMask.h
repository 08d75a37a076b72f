#pragma once
// Input masks of edit fields. Publications write them in the masked-edit
// form "pattern;keep-literals;blank":
//   L / l   letter, required / optional      A / a   letter or digit
//   C / c   any character                    0 / 9   digit, required / optional
//   #       digit or sign, optional          > < <>  upper, lower, as typed
//   \x      x as a literal                   _       a space
//   / :     the date and the time separator  !       ignored
// and any other character stands for itself. The second section "0" keeps
// the literals out of the variable; the third section's first character is
// the blank shown for a missing character ("_" by default).
// QLineEdit reads masks of its own, with other letters; this is the one
// place that turns one into the other.
#include <QString>
#include <string_view>
#include <vector>

namespace orv {

struct TEditMaskForm {
  // For QLineEdit::setInputMask, blank included; empty for no mask.
  QString QtMask;
  // Whether the variable gets the literals along with what was typed.
  bool KeepLiterals = true;
  QChar Blank = QLatin1Char('_');
  // One flag per character the field shows: true for a literal.
  std::vector<bool> Literals;

  bool Empty() const { return QtMask.isEmpty(); }
};

// `mask` as the document or a script gives it (Windows-1252). A pattern
// without one character to show means no mask.
TEditMaskForm TranslateEditMask(std::string_view mask, char dateSeparator = '/', char timeSeparator = ':');

// The variable's form of what a masked field shows (its display text, one
// character per mask position): the typed characters, the literals when
// the mask keeps them, never the blanks.
QString MaskedValue(const TEditMaskForm& form, const QString& shown);

}  // namespace orv
