#pragma once
// A button's caption as it is shown: variables replaced, "&" shown as
// written and "^" marking the underlined accelerator letter; the font it is
// drawn in, its measured size and its drawing.
#include <QColor>
#include <QFont>
#include <QRect>
#include <QSize>
#include <QString>
#include <string>
#include <string_view>

class QPainter;

namespace orv {

struct TObjectFont;
class TVars;

// The caption ready to show (Windows-1252): with `vars`, variables replaced
// when it names any; every "&" doubled so it shows itself, then every "^"
// made the "&" that underlines the letter after it.
std::string PrepareButtonCaption(std::string_view caption, TVars* vars);

// A prepared caption as Qt draws it (line breaks as "\n").
QString CaptionText(std::string_view prepared);

// The object's font as the screen shows it (96 pixels per inch), its
// height in pixels multiplied by `scale` and rounded.
QFont CaptionFont(const TObjectFont& font, double scale);

// The size the caption takes, all its lines, the accelerator marks taken
// out; 0 by 0 for an empty caption.
QSize MeasureCaption(const QFont& font, const QString& text);

// How a caption is drawn into its box.
struct TCaptionLook {
  QColor Colour;
  Qt::Alignment Horizontal = Qt::AlignLeft;
  QColor Background;     // invalid: the text background is transparent
  bool Grayed = false;   // embossed: white, then grey one pixel up and left
};
void DrawCaption(QPainter& painter, const QRect& box, const QFont& font, const QString& text,
                 const TCaptionLook& look);

}  // namespace orv
