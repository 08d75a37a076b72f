#include "objects/buttons/ButtonCaption.h"

#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "base/Ansi.h"
#include "objects/OrvalisObj.h"
#include "objects/text/TextFont.h"
#include "script/Vars.h"

namespace orv {

namespace {

constexpr double kScreenPixelsPerInch = 96.0;

}  // namespace

std::string PrepareButtonCaption(std::string_view caption, TVars* vars) {
  std::string text = vars != nullptr && caption.find('[') != std::string_view::npos
                         ? vars->SubstituteVars(caption)
                         : std::string(caption);
  std::string prepared;
  prepared.reserve(text.size() + 4);
  for (const char c : text) {
    if (c == '&')
      prepared += "&&";
    else
      prepared += c == '^' ? '&' : c;
  }
  return prepared;
}

QString CaptionText(std::string_view prepared) {
  QString text = QString::fromStdString(AnsiToUtf8(prepared));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QFont CaptionFont(const TObjectFont& font, double scale) {
  QFont result(QString::fromStdString(AnsiToUtf8(font.Name)));
  // The height in pixels the size in points has on the screen, then
  // scaled for a printer.
  const double height = std::nearbyint(std::abs(font.Size) * kScreenPixelsPerInch / 72.0);
  result.setPixelSize(std::max(1, static_cast<int>(std::nearbyint(height * scale))));
  ApplyFontStyle(font.Style, result);
  return result;
}

QSize MeasureCaption(const QFont& font, const QString& text) {
  if (text.isEmpty()) return {0, 0};
  return QFontMetrics(font).size(Qt::TextShowMnemonic, text);
}

void DrawCaption(QPainter& painter, const QRect& box, const QFont& font, const QString& text,
                 const TCaptionLook& look) {
  if (text.isEmpty()) return;
  painter.save();
  painter.setFont(font);
  if (look.Background.isValid()) painter.fillRect(box, look.Background);
  const int flags = static_cast<int>(look.Horizontal) | Qt::AlignTop | Qt::TextShowMnemonic | Qt::TextDontClip;
  if (look.Grayed) {
    painter.setPen(Qt::white);
    painter.drawText(box, flags, text);
    painter.setPen(QColor(0x80, 0x80, 0x80));
    painter.drawText(box.translated(-1, -1), flags, text);
  } else {
    painter.setPen(look.Colour);
    painter.drawText(box, flags, text);
  }
  painter.restore();
}

}  // namespace orv
