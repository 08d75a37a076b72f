// The document keys that several object types take alike.
#include <QPainter>
#include <algorithm>

#include "base/Ansi.h"
#include "container/DocumentValue.h"
#include "objects/OrvalisObj.h"

namespace orv {

bool TOrvalisObj::ApplyFontKey(const KeyValue& key) {
  const std::string_view name = key.Name();
  if (name == "TEXTCOLOR=") font_.Color = static_cast<ColourValue>(key.Number());
  else if (name == "FONT=") font_.Name = key.Text();
  else if (name == "FONTSIZE=") font_.Size = key.Number();
  else if (name == "FONTSTYLE=") font_.Style = key.Number() & 0x0F;
  else if (name == "FONTCHARSET=") font_.CharSet = key.Number() & 0xFF;
  else return false;
  return true;
}

bool TOrvalisObj::ApplyHoverKey(const KeyValue& key) {
  const std::string_view name = key.Name();
  if (name == "OBJENTERACTION=") enterAction_.SetView(key.Text());
  else if (name == "OBJEXITACTION=") exitAction_.SetView(key.Text());
  else return false;
  return true;
}

bool TOrvalisObj::ApplyHintKey(const KeyValue& key) {
  if (key.Name() != "HINT=") return false;
  hint_.SetView(key.Text());
  return true;
}

bool TOrvalisObj::ApplyHotKeyKey(const KeyValue& key) {
  if (key.Name() != "KEY=") return false;
  SetHotKeyCode(key.Number());
  return true;
}

void TOrvalisObj::DrawPlaceholderText(QPainter& painter, std::string_view text) {
  QFont font(QStringLiteral("Arial"));
  font.setPointSize(10);
  painter.save();
  painter.setFont(font);
  const QString shown = QString::fromStdString(AnsiToUtf8(text));
  const QFontMetrics metrics(font);
  const int inset = std::clamp(LineWidth(), 0, kLargestCoordinate);
  const QRect box(inset + 2, inset, metrics.horizontalAdvance(shown), metrics.height());
  painter.fillRect(box, QColor(0xC0, 0xC0, 0xC0));
  painter.setPen(Qt::black);
  painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, shown);
  painter.restore();
}

}  // namespace orv
