#pragma once
// Flowing text through a chain of boxes: the part of a document that does
// not fit into a box moves to a new document that continues exactly where
// the box ended (mid-paragraph when a paragraph is split).
#include <QtGlobal>
#include <memory>

class QTextDocument;

namespace orv::rt {

// Lays `document` out `width` wide and cuts it after the last line that ends
// within `height`; at least one line always stays, so a chain of boxes makes
// progress. Returns the rest, or null when everything fits.
std::unique_ptr<QTextDocument> FlowIntoBox(QTextDocument& document, qreal width, qreal height);

}  // namespace orv::rt
