#include "richtext/RichTextFormat.h"

#include <QAbstractTextDocumentLayout>
#include <QObject>
#include <QPainter>
#include <QTextDocument>

namespace orv::rt {

namespace {

// Markers take no room and draw nothing.
class MarkerHandler : public QObject, public QTextObjectInterface {
  Q_OBJECT
  Q_INTERFACES(QTextObjectInterface)

 public:
  QSizeF intrinsicSize(QTextDocument*, int, const QTextFormat&) override { return {0.0, 0.0}; }
  void drawObject(QPainter*, const QRectF&, QTextDocument*, int, const QTextFormat&) override {}
};

MarkerHandler& Handler() {
  static MarkerHandler* handler = new MarkerHandler;  // lives as long as the process
  return *handler;
}

}  // namespace

QTextCharFormat MarkerFormat(MarkerKind kind, const QString& text) {
  QTextCharFormat f;
  f.setObjectType(kMarkerObjectType);
  f.setProperty(kMarkerKind, static_cast<int>(kind));
  f.setProperty(kMarkerText, text);
  return f;
}

QTextCharFormat HiddenTextFormat(const QString& text, bool hidden, bool isProtected) {
  QTextCharFormat f = MarkerFormat(MarkerKind::kHiddenText, text);
  if (hidden) f.setProperty(kHiddenFlag, true);
  if (isProtected) f.setProperty(kProtected, true);
  return f;
}

bool IsMarker(const QTextCharFormat& format) { return format.objectType() == kMarkerObjectType; }

MarkerKind MarkerKindOf(const QTextCharFormat& format) {
  return static_cast<MarkerKind>(format.intProperty(kMarkerKind));
}

bool IsLink(const QTextCharFormat& format) { return format.hasProperty(kLinkTarget); }
bool IsField(const QTextCharFormat& format) { return format.hasProperty(kFieldName); }

void PrepareDocument(QTextDocument& document) {
  document.documentLayout()->registerHandler(kMarkerObjectType, &Handler());
}

}  // namespace orv::rt

#include "RichTextFormat.moc"
