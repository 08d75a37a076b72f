#pragma once
// Writes a QTextDocument as RTF that the reader reads back to the same text,
// formats, tables, pictures, links (help-file convention), bookmarks,
// variable fields and hidden and protected text. The result is 7-bit RTF:
// Windows-1252 bytes as \'xx, everything else as \uN.
#include <string>

class QTextDocument;

namespace orv::rt {

std::string WriteRtf(const QTextDocument& document);

}  // namespace orv::rt
