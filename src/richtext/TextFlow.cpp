#include "richtext/TextFlow.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextLayout>
#include <QTextTable>
#include <QUrl>

#include "richtext/RichTextFormat.h"

namespace orv::rt {

namespace {

struct Cut {
  int position = -1;
  bool midParagraph = false;
  QTextBlock block;
};

// The first position that does not fit, or -1.
Cut FindCut(QTextDocument& document, qreal height) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  bool keptALine = false;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QRectF rect = layout->blockBoundingRect(block);
    if (QTextTable* table = qobject_cast<QTextTable*>(QTextCursor(block).currentFrame())) {
      // Tables move as a whole; one that is first in the box stays even when
      // too tall.
      const QRectF frameRect = layout->frameBoundingRect(table);
      if (frameRect.bottom() > height && keptALine) return Cut{table->firstPosition() - 1, false, block};
      keptALine = true;
      block = document.findBlock(table->lastPosition() + 1).previous();
      if (frameRect.bottom() > height && table->lastPosition() + 1 < document.characterCount() - 1) {
        return Cut{table->lastPosition() + 1, false, document.findBlock(table->lastPosition() + 1)};
      }
      continue;
    }
    const QTextLayout* lines = block.layout();
    for (int i = 0; i < lines->lineCount(); ++i) {
      const QTextLine line = lines->lineAt(i);
      if (rect.top() + line.y() + line.height() > height && keptALine) {
        return Cut{block.position() + line.textStart(), line.textStart() > 0, block};
      }
      keptALine = true;
    }
  }
  return Cut{};
}

void CopyImages(const QTextDocument& from, QTextDocument& to) {
  for (QTextBlock block = to.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      if (!f.isImageFormat()) continue;
      const QUrl name(f.toImageFormat().name());
      to.addResource(QTextDocument::ImageResource, name, from.resource(QTextDocument::ImageResource, name));
    }
  }
}

}  // namespace

std::unique_ptr<QTextDocument> FlowIntoBox(QTextDocument& document, qreal width, qreal height) {
  PrepareDocument(document);
  document.setPageSize(QSizeF(width, -1));
  document.setTextWidth(width);
  const Cut cut = FindCut(document, height);
  if (cut.position < 0 || cut.position >= document.characterCount() - 1) return nullptr;

  QTextCursor c(&document);
  c.setPosition(cut.position);
  c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  const QTextDocumentFragment rest = c.selection();

  auto out = std::make_unique<QTextDocument>();
  out->setDefaultFont(document.defaultFont());
  out->setDocumentMargin(document.documentMargin());
  out->setUndoRedoEnabled(false);
  QTextCursor oc(out.get());
  oc.insertFragment(rest);
  if (!qobject_cast<QTextTable*>(QTextCursor(cut.block).currentFrame())) {
    // The fragment loses the format of a paragraph it starts inside of; a
    // continued paragraph has no first-line indent of its own.
    QTextBlockFormat format = cut.block.blockFormat();
    if (cut.midParagraph) format.setTextIndent(0);
    QTextCursor(out->begin()).setBlockFormat(format);
  }
  CopyImages(document, *out);
  PrepareDocument(*out);
  // A cut between paragraphs also takes the break before it, so the box
  // ends with its last paragraph and not with an empty one.
  if (!cut.midParagraph && cut.position > 0 && document.characterAt(cut.position - 1) == QChar::ParagraphSeparator) {
    c.setPosition(cut.position - 1);
    c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  }
  c.removeSelectedText();
  return out;
}

}  // namespace orv::rt
