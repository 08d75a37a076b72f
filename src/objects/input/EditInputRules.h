#pragma once
// What an edit field lets in: the letter case it turns typed, pasted and
// set text into, and the digits-only rule of a numbers field. The inner
// controls ask these before inserting anything.
#include <QString>
#include <cstdint>
#include <optional>
#include <string_view>

namespace orv {

enum TEditCase : std::uint8_t { ecNormal = 0, ecUpperCase = 1, ecLowerCase = 2 };

struct TEditInputRules {
  int LetterCase = ecNormal;
  bool NumbersOnly = false;
  bool MultiLine = false;

  // `text` in the field's letter case.
  QString Cased(const QString& text) const;
  // The characters a key press types, as the field takes them; empty when
  // the field refuses them.
  QString Typed(const QString& text) const;
  // The text a paste or a text drop inserts; nullopt when the field
  // refuses it (the caller beeps). A numbers field takes a whole number in
  // its plain decimal form only; a single-line field the first line.
  std::optional<QString> Pasted(const QString& text) const;
};

// A whole number of 64 bits: blanks around it, an optional sign, digits
// only.
std::optional<std::int64_t> ReadPastedInteger(std::string_view text);

}  // namespace orv
