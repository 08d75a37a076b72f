#include "richtext/TextFinder.h"

#include <QRegularExpression>
#include <QTextBlock>
#include <QTextDocument>
#include <vector>

#include "richtext/RichTextFormat.h"

namespace orv::rt {

namespace {

QRegularExpression WildcardExpression(const QString& pattern) {
  QString rx;
  QString literal;
  auto flush = [&] {
    rx += QRegularExpression::escape(literal);
    literal.clear();
  };
  for (QChar c : pattern) {
    if (c == QChar('*')) {
      flush();
      rx += QStringLiteral(".*?");
    } else if (c == QChar('?')) {
      flush();
      rx += QChar('.');
    } else {
      literal += c;
    }
  }
  flush();
  return QRegularExpression(rx, QRegularExpression::CaseInsensitiveOption |
                                    QRegularExpression::UseUnicodePropertiesOption);
}

}  // namespace

std::optional<TextRange> FindText(const QTextDocument& document, const QString& pattern, int from) {
  QString core = pattern;
  core.remove(QChar('*'));
  if (core.isEmpty()) return std::nullopt;
  const QRegularExpression rx = WildcardExpression(pattern);
  if (!rx.isValid()) return std::nullopt;
  for (QTextBlock block = document.findBlock(std::max(0, from)); block.isValid(); block = block.next()) {
    // The visible text only: markers and pictures drop out, so a match can
    // run across a hidden link target.
    const QString raw = block.text();
    QString visible;
    std::vector<int> position;
    visible.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
      if (raw[i] == kObjectChar || raw[i] == kEmptyFieldChar) continue;
      visible += raw[i];
      position.push_back(block.position() + static_cast<int>(i));
    }
    qsizetype offset = 0;
    while (offset < static_cast<qsizetype>(position.size()) && position[offset] < from) ++offset;
    auto matches = rx.globalMatch(visible, offset);
    while (matches.hasNext()) {
      const QRegularExpressionMatch m = matches.next();
      if (m.capturedLength() == 0) continue;
      const int start = position[m.capturedStart()];
      const int end = position[m.capturedEnd() - 1] + 1;
      return TextRange{start, end - start};
    }
  }
  return std::nullopt;
}

}  // namespace orv::rt
