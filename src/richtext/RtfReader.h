#pragma once
// Reads RTF into a QTextDocument. Whatever the input, it loads what it can:
// unbalanced groups, endless nesting, huge numbers and truncated escapes are
// cut short, and unknown destinations are skipped.
#include <QColor>
#include <string_view>

class QTextDocument;

namespace orv::rt {

struct RtfReadOptions {
  QColor linkColor = QColor(0, 0, 255);
};

// Replaces the document's content with the RTF text.
void ReadRtf(std::string_view rtf, QTextDocument& document, const RtfReadOptions& options = {});

// True when the text starts as RTF ("{\rtf", leading blanks allowed).
bool LooksLikeRtf(std::string_view text);

}  // namespace orv::rt
