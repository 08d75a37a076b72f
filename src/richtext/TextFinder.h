#pragma once
// Finding text in a document the way the Find command does: case ignored,
// "*" matches any run and "?" any one character, hidden text skipped, within
// one paragraph.
#include <QString>
#include <optional>

class QTextDocument;

namespace orv::rt {

struct TextRange {
  int start = 0;
  int length = 0;
};

// The first match starting at or after `from` (a document position).
std::optional<TextRange> FindText(const QTextDocument& document, const QString& pattern, int from);

}  // namespace orv::rt
