#pragma once
// Test helpers: a readable outline of a document's structure and marks.
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <string>

#include "richtext/RichTextFormat.h"

namespace orv::test {

// Blocks as "text" lines, tables as "[table RxC]", markers as <kind:text>.
inline std::string Outline(const QTextDocument& doc) {
  std::string out;
  for (QTextBlock b = doc.begin(); b.isValid(); b = b.next()) {
    if (QTextTable* t = qobject_cast<QTextTable*>(QTextCursor(b).currentFrame())) {
      const QTextTableCell cell = t->cellAt(b.position());
      out += "|" + std::to_string(cell.row()) + "," + std::to_string(cell.column()) + "| ";
    }
    for (auto it = b.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat f = it.fragment().charFormat();
      if (rt::IsMarker(f)) {
        out += "<" + std::to_string(static_cast<int>(rt::MarkerKindOf(f))) + ":" +
               f.stringProperty(rt::kMarkerText).toStdString() + ">";
      } else if (f.isImageFormat()) {
        out += "<img>";
      } else if (rt::IsLink(f)) {
        out += "{" + it.fragment().text().toStdString() + "->" + f.stringProperty(rt::kLinkTarget).toStdString() + "}";
      } else if (rt::IsField(f)) {
        out += "(" + f.stringProperty(rt::kFieldName).toStdString() + "=" + it.fragment().text().toStdString() + ")";
      } else {
        out += it.fragment().text().toStdString();
      }
    }
    out += "\n";
  }
  return out;
}

}  // namespace orv::test
