#pragma once
// A rich text flowing through a chain of boxes (linked articles): each box
// gets a rich text of its own holding what its view shows, with the source's
// link colour, text colour, default font and field callback, and its fields
// indexed, so finding and refreshing fields and clicking links work in it.
#include <QtGlobal>
#include <memory>

#include "richtext/TextFlow.h"

namespace orv::rt {

class RichTextDocument;

class RichTextFlow {
 public:
  // The source must outlive the flow and stay unchanged while it flows.
  explicit RichTextFlow(RichTextDocument& source);

  // See TextFlow::NextBox; null once everything has been given out.
  std::unique_ptr<RichTextDocument> NextBox(qreal width, qreal height);
  bool AtEnd() const { return flow_.AtEnd(); }
  // Where the next box starts, as a position in the source.
  int Position() const { return flow_.Position(); }

 private:
  RichTextDocument& source_;
  TextFlow flow_;
};

}  // namespace orv::rt
