#pragma once
// The engine's own marks inside a QTextDocument. Text the reader must keep but
// never show (hidden and protected runs, bookmark ends) lives in zero-size
// inline objects, so layout, finding and flowing skip it for free while the
// writer can still put it back. Links and variable fields are ordinary runs
// carrying extra properties.
#include <QColor>
#include <QString>
#include <QTextCharFormat>
#include <QTextFormat>

class QTextDocument;

namespace orv::rt {

enum Property : int {
  kLinkTarget = QTextFormat::UserProperty + 1,  // QString, on the visible run of a link
  kLinkBaseColor,                               // QColor the run had before taking the link colour
  kFieldName,                                   // QString, upper-cased "[...]" reference
  kFieldId,                                     // int, tells adjacent fields of one name apart
  kMarkerKind,                                  // int MarkerKind, on marker objects
  kMarkerText,                                  // QString: the hidden text or the bookmark's name
  kProtected,                                   // bool, on hidden-text markers from \protect
  kHiddenFlag,                                  // bool, on hidden-text markers from \v
  kDoubleUnderline,                             // bool: written \uldb (drawn with one line)
};

// Qt has no double underline; such runs are drawn with a single line.
inline constexpr int kMarkerObjectType = QTextFormat::UserObject + 17;

enum class MarkerKind : int { kHiddenText = 1, kBookmarkStart = 2, kBookmarkEnd = 3 };

inline constexpr QChar kObjectChar = QChar(0xFFFC);
// Keeps a variable field whose value is empty findable in the text.
inline constexpr QChar kEmptyFieldChar = QChar(0x200B);
inline const QColor kDefaultLinkColor = QColor(0, 0, 255);

QTextCharFormat MarkerFormat(MarkerKind kind, const QString& text);
QTextCharFormat HiddenTextFormat(const QString& text, bool hidden, bool isProtected);
bool IsMarker(const QTextCharFormat& format);
MarkerKind MarkerKindOf(const QTextCharFormat& format);
bool IsLink(const QTextCharFormat& format);
bool IsField(const QTextCharFormat& format);

// Registers the zero-size drawing of markers with the document's layout. Call
// once a document is filled (creating the layout earlier slows loading).
void PrepareDocument(QTextDocument& document);

// Whole-document pixels per twip: the engine lays out at 96 dots per inch.
inline constexpr double kTwipsPerPixel = 15.0;

}  // namespace orv::rt
