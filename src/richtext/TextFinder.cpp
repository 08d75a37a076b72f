#include "richtext/TextFinder.h"

#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <vector>

#include "richtext/RichTextFormat.h"

namespace orv::rt {

namespace {

// The pattern cut at its "*": the pieces that must follow one another, each
// of literal characters and "?". Letters are case-folded already.
struct WildcardPattern {
  std::vector<QString> pieces;
  bool leadingStar = false;
};

WildcardPattern SplitPattern(const QString& pattern) {
  WildcardPattern p;
  QString piece;
  for (qsizetype i = 0; i < pattern.size(); ++i) {
    const QChar c = pattern[i];
    if (c == QChar('*')) {
      if (i == 0) p.leadingStar = true;
      if (!piece.isEmpty()) p.pieces.push_back(piece);
      piece.clear();
    } else {
      piece += c.toCaseFolded();
    }
  }
  if (!piece.isEmpty()) p.pieces.push_back(piece);
  return p;
}

bool PieceAt(const QString& text, qsizetype at, const QString& piece) {
  if (at + piece.size() > text.size()) return false;
  for (qsizetype k = 0; k < piece.size(); ++k)
    if (piece[k] != QChar('?') && piece[k] != text[at + k]) return false;
  return true;
}

// The first place at or after `from` where the piece fits; -1 for none.
qsizetype PieceFrom(const QString& text, qsizetype from, const QString& piece) {
  for (qsizetype at = from; at + piece.size() <= text.size(); ++at)
    if (PieceAt(text, at, piece)) return at;
  return -1;
}

// Where the pieces after the first end when each is placed as early as it
// can after the one before, starting at `from`; -1 when they do not fit.
// Placing each piece as early as possible never loses a match, and a later
// start can only place them later: when they do not fit after the earliest
// start, they fit after none. So one try per text decides, without going
// back, and a pattern of many "*" costs no more than one pass per piece.
qsizetype RestEnd(const QString& text, qsizetype from, const WildcardPattern& p) {
  qsizetype at = from;
  for (std::size_t i = 1; i < p.pieces.size(); ++i) {
    const qsizetype found = PieceFrom(text, at, p.pieces[i]);
    if (found < 0) return -1;
    at = found + p.pieces[i].size();
  }
  return at;
}

struct Span {
  qsizetype start = -1;
  qsizetype end = -1;
};

// The leftmost match in `text` from `offset`, shortest at that start ("*"
// takes as little as it can): a leading "*" starts the match at `offset`.
Span MatchIn(const QString& text, qsizetype offset, const WildcardPattern& p) {
  const QString& first = p.pieces.front();
  const qsizetype at = PieceFrom(text, offset, first);
  if (at < 0) return {};
  const qsizetype end = RestEnd(text, at + first.size(), p);
  if (end < 0) return {};
  return Span{p.leadingStar ? offset : at, end};
}

}  // namespace

std::optional<TextRange> FindText(const QTextDocument& document, const QString& pattern, int from) {
  const WildcardPattern p = SplitPattern(pattern);
  if (p.pieces.empty()) return std::nullopt;
  from = std::clamp(from, 0, std::max(0, document.characterCount() - 1));
  for (QTextBlock block = document.findBlock(from); block.isValid(); block = block.next()) {
    // The visible text only: markers and pictures drop out, so a match can
    // run across a hidden link target.
    const QString raw = block.text();
    QString visible;
    std::vector<int> position;
    visible.reserve(raw.size());
    position.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
      if (raw[i] == kObjectChar || raw[i] == kEmptyFieldChar) continue;
      visible += raw[i].toCaseFolded();
      position.push_back(block.position() + static_cast<int>(i));
    }
    qsizetype offset = 0;
    while (offset < static_cast<qsizetype>(position.size()) && position[offset] < from) ++offset;
    const Span m = MatchIn(visible, offset, p);
    if (m.start < 0 || m.end <= m.start) continue;
    const int start = position[m.start];
    const int end = position[m.end - 1] + 1;
    return TextRange{start, end - start};
  }
  return std::nullopt;
}

}  // namespace orv::rt
