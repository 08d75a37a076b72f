#pragma once
// One input through the mask translation and the typing rules of edit
// fields: the first line is a mask, the rest is text, typed key by key into
// a line edit with the translated mask, set into an edit field with the
// mask, pasted by every combination of the input rules. Returns what went
// wrong, empty when nothing did. Shared by the fuzz target and the test
// that replays its kept inputs. Needs a QApplication.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <algorithm>
#include <optional>
#include <string>
#include <string_view>

#include "base/Ansi.h"
#include "base/NumberText.h"
#include "objects/input/EditField.h"
#include "objects/input/EditInputRules.h"
#include "objects/input/EditMask.h"

namespace orv::test {

namespace edit_mask_exercise {

// What the control shows must have one character per mask position, the
// blank wherever nothing was typed.
inline std::string CheckShown(const TEditMaskForm& form, const QLineEdit& line, const char* step) {
  if (form.Empty()) return {};
  const QString shown = line.displayText();
  if (static_cast<std::size_t>(shown.size()) != form.Literals.size())
    return std::string(step) + ": " + std::to_string(shown.size()) + " characters shown for " +
           std::to_string(form.Literals.size()) + " mask positions";
  const QString value = MaskedValue(form, shown);
  if (value.size() > shown.size()) return std::string(step) + ": the value is longer than the text shown";
  return {};
}

// A key for a byte: a few bytes stand for editing keys, the rest type
// themselves.
inline void TypeByte(QLineEdit& line, unsigned char byte) {
  int key = 0;
  QString text;
  switch (byte) {
    case 0x01: key = Qt::Key_Home; break;
    case 0x02: key = Qt::Key_End; break;
    case 0x03: key = Qt::Key_Left; break;
    case 0x04: key = Qt::Key_Right; break;
    case 0x08: key = Qt::Key_Backspace; break;
    case 0x7F: key = Qt::Key_Delete; break;
    default: text = QString(QChar(static_cast<char32_t>(AnsiCharToUnicode(byte)))); break;
  }
  QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
  QCoreApplication::sendEvent(&line, &press);
}

}  // namespace edit_mask_exercise

inline std::string ExerciseEditMask(std::string_view input) {
  using namespace edit_mask_exercise;
  const std::size_t lineEnd = input.find('\n');
  const std::string_view mask = input.substr(0, std::min<std::size_t>(lineEnd, 2000));
  std::string_view text = lineEnd == std::string_view::npos ? std::string_view() : input.substr(lineEnd + 1);
  if (text.size() > 300) text = text.substr(0, 300);

  // Separators of either kind, Qt's mask characters among them.
  const char dateSeparator = mask.empty() ? '/' : "/.-#9\\"[static_cast<unsigned char>(mask.front()) % 6];
  const TEditMaskForm form = TranslateEditMask(mask, dateSeparator, ':');
  if (form.Empty() != form.Literals.empty()) return "an empty mask with positions, or the reverse";

  QLineEdit line;
  line.setInputMask(form.QtMask);
  if (std::string problem = CheckShown(form, line, "set"); !problem.empty()) return problem;
  for (const char c : text) {
    TypeByte(line, static_cast<unsigned char>(c));
    if (std::string problem = CheckShown(form, line, "typed"); !problem.empty()) return problem;
  }
  (void)line.hasAcceptableInput();
  const QString typed = QString::fromStdString(AnsiToUtf8(text));
  line.setText(typed);
  if (std::string problem = CheckShown(form, line, "text set"); !problem.empty()) return problem;

  // The field with the mask: set text and the value read back.
  TOrvalisEditField field(9, nullptr, nullptr);
  field.SetEditMask(mask);
  field.SetText(text);
  const std::string value = field.Text();
  (void)field.SatisfiesMask();
  if (field.Text() != value) return "the value read twice differs";
  field.SetMultiLine(true);
  if (field.Text().size() > TOrvalisEditField::kLargestLength) return "a field holds more than it may";

  // Every combination of the rules on the text as a paste and as typing.
  for (int flags = 0; flags < 12; ++flags) {
    TEditInputRules rules;
    rules.LetterCase = flags % 3;
    rules.NumbersOnly = (flags / 3) % 2 != 0;
    rules.MultiLine = flags / 6 != 0;
    const std::optional<QString> pasted = rules.Pasted(typed);
    if (rules.NumbersOnly && pasted) {
      const std::optional<std::int64_t> number = ReadPastedInteger(pasted->toStdString());
      if (!number || FormatWholeNumber(*number) != pasted->toStdString()) return "a pasted number is not plain";
    }
    if (!rules.MultiLine && pasted && (pasted->contains(QLatin1Char('\n')) || pasted->contains(QLatin1Char('\r'))))
      return "a single line took a line break";
    const QString keys = rules.Typed(typed);
    if (rules.NumbersOnly)
      for (const QChar c : keys)
        if (c.isPrint() && (c < QLatin1Char('0') || c > QLatin1Char('9'))) return "a numbers field let a non-digit through";
  }
  return {};
}

}  // namespace orv::test
