#pragma once
// Flowing one text through a chain of boxes. The source is laid out once, at
// the boxes' width, and only as far as the boxes reach; each box gets a
// document of its own holding exactly the lines its view shows, so nothing
// after the box is copied for it.
#include <QTextBlock>
#include <QtGlobal>
#include <deque>
#include <memory>

class QTextDocument;
class QTextFrame;

namespace orv::rt {

class TextFlow {
 public:
  // The source must outlive the flow and stay unchanged while it flows. Its
  // layout is set to the width of the first box; while the flow exists the
  // layout does not run ahead on its own (Qt's background layout steps), so
  // only what the boxes take is laid out.
  explicit TextFlow(QTextDocument& source);
  ~TextFlow();
  TextFlow(const TextFlow&) = delete;
  TextFlow& operator=(const TextFlow&) = delete;

  // What fits into the next box, as a view `width` x `height` shows it (the
  // source's document margin, no scroll bars): the returned document comes
  // laid out at `width`, has every line within `height` and breaks its
  // lines where the source does. At least one line, or one table, always
  // goes in, so a chain of tiny boxes still moves on. A paragraph the box
  // starts inside of keeps its format without first-line indent and space
  // before; a paragraph or manual line break the box ends at stays out of
  // it, so it does not end with an empty line. Null once everything has
  // been given out; an empty source gives no box. A width below one pixel
  // counts as one pixel.
  std::unique_ptr<QTextDocument> NextBox(qreal width, qreal height);

  bool AtEnd() const;
  // Where the next box starts, as a position in the source.
  int Position() const;
  // What no box has taken yet, as a document of its own (continuing like a
  // box would); null at the end.
  std::unique_ptr<QTextDocument> Rest() const;

 private:
  // A line of a top-level paragraph, or a table (or other frame) taken
  // whole: its text range in the working document and its vertical extent
  // there.
  struct Unit {
    int start = 0;
    int end = 0;
    qreal top = 0;
    qreal bottom = 0;
    bool frame = false;
    qreal firstLineOffset = 0;  // of its paragraph's first line, below the paragraph's top
  };
  class LayoutHold;

  void UseWidth(qreal width);
  void StartWalk();
  bool HaveUnit(size_t index);
  bool WalkOne();
  Unit FrameUnit(QTextFrame* frame) const;
  size_t CountFitting(qreal shift, qreal height);
  std::unique_ptr<QTextDocument> Build(size_t units, qreal width) const;

  QTextDocument& source_;
  QTextDocument* work_;                   // the source, or the rest copied at a new width
  std::unique_ptr<QTextDocument> copy_;
  int base_ = 0;                          // source position of the working document's start
  int position_ = 0;                      // in the working document
  std::unique_ptr<LayoutHold> sourceHold_;
  std::unique_ptr<LayoutHold> copyHold_;

  // The walk through the working document: units found but not given out,
  // and the next line to look at.
  std::deque<Unit> pending_;
  QTextBlock walkBlock_;
  int walkLine_ = 0;
  bool walkStarted_ = false;
};

// Keeps in `document` what fits into a box `width` x `height` (see
// TextFlow::NextBox) and returns the rest as a document of its own, or null
// when everything fits.
std::unique_ptr<QTextDocument> FlowIntoBox(QTextDocument& document, qreal width, qreal height);

}  // namespace orv::rt
