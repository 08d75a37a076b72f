#include "richtext/TextPrinter.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QTextDocument>
#include <memory>

#include "richtext/RichTextFormat.h"

namespace orv::rt {

QString ExpandPageCodes(const QString& text, int page, int pageCount, const QString& fileName, const QDateTime& now) {
  QString out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] == QChar('&') && i + 1 < text.size()) {
      const QChar code = text[i + 1].toLower();
      QString value;
      bool known = true;
      if (code == QChar('p')) value = QString::number(page);
      else if (code == QChar('n')) value = QString::number(pageCount);
      else if (code == QChar('d')) value = QLocale::system().toString(now.date(), QLocale::ShortFormat);
      else if (code == QChar('t')) value = QLocale::system().toString(now.time(), QLocale::ShortFormat);
      else if (code == QChar('f')) value = fileName;
      else known = false;
      if (known) {
        out += value;
        ++i;
        continue;
      }
    }
    out += text[i];
  }
  return out;
}

int PrintDocument(const QTextDocument& document, QPagedPaintDevice& device, const PageDecoration& decoration) {
  QPainter painter;
  if (!painter.begin(&device)) return 0;
  const int dpi = device.logicalDpiY() > 0 ? device.logicalDpiY() : 96;
  const QRectF page(QPointF(0, 0), device.pageLayout().paintRectPixels(dpi).size());

  QFont lineFont = document.defaultFont();
  const QFontMetricsF metrics(lineFont, &device);
  const qreal headerHeight = decoration.header.isEmpty() ? 0 : metrics.height() * 1.5;
  const qreal footerHeight = decoration.footer.isEmpty() ? 0 : metrics.height() * 1.5;
  const QSizeF body(page.width(), std::max<qreal>(page.height() - headerHeight - footerHeight, metrics.height()));

  // Laid out at the device's resolution, like any printed text.
  std::unique_ptr<QTextDocument> copy(document.clone());
  copy->documentLayout()->setPaintDevice(&device);
  PrepareDocument(*copy);
  copy->setPageSize(body);
  const int pages = std::max(1, copy->pageCount());
  const QDateTime now = QDateTime::currentDateTime();

  for (int i = 0; i < pages; ++i) {
    if (i > 0) device.newPage();
    painter.save();
    painter.translate(0, headerHeight);
    painter.setClipRect(QRectF(QPointF(0, 0), body));
    painter.translate(0, -i * body.height());
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(QPointF(0, i * body.height()), body);
    context.palette.setColor(QPalette::Text, Qt::black);
    copy->documentLayout()->draw(&painter, context);
    painter.restore();

    painter.setFont(lineFont);
    painter.setPen(Qt::black);
    if (!decoration.header.isEmpty()) {
      painter.drawText(QRectF(0, 0, page.width(), headerHeight), Qt::AlignHCenter | Qt::AlignTop,
                       ExpandPageCodes(decoration.header, i + 1, pages, decoration.fileName, now));
    }
    if (!decoration.footer.isEmpty()) {
      painter.drawText(QRectF(0, page.height() - footerHeight, page.width(), footerHeight),
                       Qt::AlignHCenter | Qt::AlignBottom,
                       ExpandPageCodes(decoration.footer, i + 1, pages, decoration.fileName, now));
    }
  }
  painter.end();
  return pages;
}

}  // namespace orv::rt
