#include "objects/input/EditInputRules.h"

#include <charconv>

#include "base/NumberText.h"

namespace orv {

std::optional<std::int64_t> ReadPastedInteger(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  // from_chars takes a "-" but no "+".
  if (text.size() > 1 && text.front() == '+' && text[1] != '-') text.remove_prefix(1);
  if (text.empty()) return std::nullopt;
  std::int64_t value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return value;
}

QString TEditInputRules::Cased(const QString& text) const {
  switch (LetterCase) {
    case ecUpperCase: return text.toUpper();
    case ecLowerCase: return text.toLower();
    default: return text;
  }
}

QString TEditInputRules::Typed(const QString& text) const {
  if (NumbersOnly)
    for (const QChar c : text)
      if (c.isPrint() && !(c >= QLatin1Char('0') && c <= QLatin1Char('9'))) return {};
  return Cased(text);
}

std::optional<QString> TEditInputRules::Pasted(const QString& text) const {
  QString taken = text;
  if (MultiLine) {
    taken.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    taken.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  } else {
    for (qsizetype i = 0; i < taken.size(); ++i)
      if (taken[i] == QLatin1Char('\r') || taken[i] == QLatin1Char('\n')) {
        taken.truncate(i);
        break;
      }
  }
  if (NumbersOnly) {
    const std::optional<std::int64_t> number = ReadPastedInteger(text.toStdString());
    if (!number) return std::nullopt;
    return QString::fromStdString(FormatWholeNumber(*number));
  }
  return Cased(taken);
}

}  // namespace orv
