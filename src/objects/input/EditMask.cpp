#include "objects/input/EditMask.h"

#include "base/Ansi.h"

namespace orv {

namespace {

// The characters QLineEdit's mask reads as something other than a literal.
bool IsQtMaskCharacter(QChar c) {
  static const QString reserved = QStringLiteral("AaNnXx90Dd#HhBb<>!\\[]{}");
  return reserved.contains(c);
}

QChar Unicode(char c) { return QChar(static_cast<char32_t>(AnsiCharToUnicode(static_cast<unsigned char>(c)))); }

// Builds the Qt mask position by position.
class MaskWriter {
 public:
  explicit MaskWriter(TEditMaskForm& form) : form_(form) {}

  void Input(char qtCode) {
    form_.QtMask += QLatin1Char(qtCode);
    form_.Literals.push_back(false);
  }
  void Literal(QChar c) {
    // Qt's mask ends at its first ";", escaped or not: a literal ";"
    // cannot stand in it and is left out.
    if (c == QLatin1Char(';')) return;
    if (IsQtMaskCharacter(c)) form_.QtMask += QLatin1Char('\\');
    form_.QtMask += c;
    form_.Literals.push_back(true);
  }
  void CaseSwitch(char qtCode) { form_.QtMask += QLatin1Char(qtCode); }

 private:
  TEditMaskForm& form_;
};

// The Qt code of a mask letter that stands for a typed character; 0 for
// any other.
char InputCode(char c) {
  switch (c) {
    case 'L': return 'A';  // letter, required
    case 'l': return 'a';  // letter, optional
    case 'A': return 'N';  // letter or digit, required
    case 'a': return 'n';
    case 'C': return 'X';  // any character, required
    case 'c': return 'x';
    case '0': return '9';  // digit, required (Qt swaps the two)
    case '9': return '0';
    case '#': return '#';  // digit or sign, optional
    default: return 0;
  }
}

}  // namespace

TEditMaskForm TranslateEditMask(std::string_view mask, char dateSeparator, char timeSeparator) {
  TEditMaskForm form;
  MaskWriter out(form);
  std::size_t i = 0;
  for (; i < mask.size(); ++i) {
    const char c = mask[i];
    if (c == ';') break;
    if (c == '\\') {
      if (i + 1 < mask.size()) out.Literal(Unicode(mask[++i]));
      continue;
    }
    if (const char code = InputCode(c)) {
      out.Input(code);
      continue;
    }
    switch (c) {
      case '<':
        if (i + 1 < mask.size() && mask[i + 1] == '>') {
          out.CaseSwitch('!');
          ++i;
        } else {
          out.CaseSwitch('<');
        }
        break;
      case '>': out.CaseSwitch('>'); break;
      case '!': break;
      case '_': out.Literal(QLatin1Char(' ')); break;
      case '/': out.Literal(Unicode(dateSeparator)); break;
      case ':': out.Literal(Unicode(timeSeparator)); break;
      default: out.Literal(Unicode(c)); break;
    }
  }
  // Nothing to show: no mask at all.
  if (form.Literals.empty()) return {};

  // The sections after the pattern.
  std::string_view rest = i < mask.size() ? mask.substr(i + 1) : std::string_view();
  const std::size_t split = rest.find(';');
  const std::string_view keep = rest.substr(0, split);
  const std::string_view blank = split == std::string_view::npos ? std::string_view() : rest.substr(split + 1);
  form.KeepLiterals = keep != "0";
  if (!blank.empty()) form.Blank = Unicode(blank.front());
  form.QtMask += QLatin1Char(';');
  form.QtMask += form.Blank;
  return form;
}

QString MaskedValue(const TEditMaskForm& form, const QString& shown) {
  QString value;
  const qsizetype count = std::min<qsizetype>(shown.size(), static_cast<qsizetype>(form.Literals.size()));
  for (qsizetype i = 0; i < count; ++i) {
    const bool literal = form.Literals[static_cast<std::size_t>(i)];
    if (literal ? form.KeepLiterals : shown[i] != form.Blank) value += shown[i];
  }
  return value;
}

}  // namespace orv
