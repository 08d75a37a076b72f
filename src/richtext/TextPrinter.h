#pragma once
// Printing a document page by page with a header and a footer line on each
// page. The header and footer may hold "&p" (page number), "&n" (number of
// pages), "&d" (date), "&t" (time) and "&f" (the printed file's name).
#include <QDateTime>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

namespace orv::rt {

struct PageDecoration {
  QString header;
  QString footer;
  QString fileName;  // without folder
};

QString ExpandPageCodes(const QString& text, int page, int pageCount, const QString& fileName, const QDateTime& now);

// Paginates the document into the device's printable page less the header and
// footer lines and prints every page. Returns the number of pages printed, 0
// when the device could not be painted on.
int PrintDocument(const QTextDocument& document, QPagedPaintDevice& device, const PageDecoration& decoration);

}  // namespace orv::rt
