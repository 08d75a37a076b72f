#pragma once
// Finding text in a document the way the Find command does: case ignored,
// "*" matches any run and "?" any one character, hidden text skipped, within
// one paragraph. The match is the leftmost one, the shortest at its start;
// a leading "*" starts it where the search starts. Each piece of the
// pattern between its "*" is looked for in one scan of the paragraph, never
// again, so the time grows with paragraph times pattern length however many
// "*" there are.
#include <QString>
#include <optional>

class QTextDocument;

namespace orv::rt {

struct TextRange {
  int start = 0;
  int length = 0;
};

// The first match starting at or after `from` (a document position,
// clamped to the document).
std::optional<TextRange> FindText(const QTextDocument& document, const QString& pattern, int from);

}  // namespace orv::rt
