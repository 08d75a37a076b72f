#include "richtext/RtfFieldInstruction.h"

#include <QStringList>

namespace orv::rt {

namespace {

// Splits into words; a double-quoted run is one word without its quotes.
QStringList SplitWords(const QString& text) {
  QStringList words;
  QString word;
  bool quoted = false, inWord = false;
  for (QChar c : text) {
    if (c == QChar('"')) {
      quoted = !quoted;
      inWord = true;
      continue;
    }
    if (!quoted && c.isSpace()) {
      if (inWord) words.append(word);
      word.clear();
      inWord = false;
      continue;
    }
    word.append(c);
    inWord = true;
  }
  if (inWord) words.append(word);
  return words;
}

}  // namespace

FieldInstruction ParseFieldInstruction(const QString& instruction) {
  FieldInstruction out;
  const QStringList words = SplitWords(instruction);
  if (words.isEmpty()) return out;
  const QString kind = words.first().toUpper();
  if (kind == QLatin1String("HYPERLINK")) {
    bool local = false;
    for (qsizetype i = 1; i < words.size(); ++i) {
      const QString& w = words[i];
      if (w.startsWith(QChar('\\'))) {
        if (w.compare(QLatin1String("\\l"), Qt::CaseInsensitive) == 0) local = true;
        // Switches other than \l take a value that is not the target.
        else if (w.size() == 2 && i + 1 < words.size()) ++i;
        continue;
      }
      if (out.argument.isEmpty()) out.argument = w;
    }
    if (local && !out.argument.isEmpty()) out.argument.prepend(QChar('#'));
    out.kind = FieldInstruction::Kind::kHyperlink;
  } else if (kind == QLatin1String("MERGEFIELD")) {
    const qsizetype at = instruction.indexOf(QChar('['));
    const qsizetype end = instruction.lastIndexOf(QChar(']'));
    if (at >= 0 && end > at) {
      out.kind = FieldInstruction::Kind::kVariable;
      out.argument = instruction.mid(at, end - at + 1).toUpper();
    }
  }
  return out;
}

QString VariableFieldInstruction(const QString& fieldName) {
  return QStringLiteral("MERGEFIELD ") + fieldName;
}

}  // namespace orv::rt
