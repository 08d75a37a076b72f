#include "richtext/TextFlow.h"

#include <QAbstractTextDocumentLayout>
#include <QEvent>
#include <QPointer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextFrame>
#include <QTextLayout>
#include <QUrl>
#include <algorithm>
#include <limits>

#include "richtext/RichTextFormat.h"

namespace orv::rt {

namespace {

// Line positions are multiples of 1/64 pixel; this only absorbs rounding.
constexpr qreal kSlack = 1.0 / 256;

// The characters Qt marks a frame's start and end with in the text.
constexpr QChar kFrameStart(0xFDD0);
constexpr QChar kFrameEnd(0xFDD1);

int End(const QTextDocument& document) { return document.characterCount() - 1; }

// The child of the root frame holding the block, or null for a top-level block.
QTextFrame* TopLevelFrameOf(QTextDocument& document, const QTextBlock& block) {
  QTextFrame* root = document.rootFrame();
  QTextFrame* frame = document.frameAt(block.position());
  if (!frame || frame == root) return nullptr;
  while (frame->parentFrame() && frame->parentFrame() != root) frame = frame->parentFrame();
  return frame;
}

// Qt tucks an empty top-level paragraph right before or after a table into
// the table's border: it takes no room of its own.
bool IsEmptyBesideFrame(QTextDocument& document, const QTextBlock& block) {
  if (block.length() != 1 || TopLevelFrameOf(document, block)) return false;
  const int at = block.position();
  return document.characterAt(at) == kFrameStart ||
         (at > 0 && document.characterAt(at - 1) == kFrameEnd);
}

// The lowest line bottom of a laid-out document, table cells included.
qreal LowestLine(QTextDocument& document) {
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  qreal lowest = 0;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    if (IsEmptyBesideFrame(document, block)) continue;
    const QRectF rect = layout->blockBoundingRect(block);
    const QTextLayout* lines = block.layout();
    for (int i = 0; i < lines->lineCount(); ++i) {
      const QTextLine line = lines->lineAt(i);
      lowest = std::max(lowest, rect.top() + line.y() + line.height());
    }
  }
  return lowest;
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

// [start, end) of `from` as a document of its own, with what it needs to lay
// out like `from`. A range starting inside a paragraph continues it: the
// paragraph's format without first-line indent and without space before.
std::unique_ptr<QTextDocument> CopyRange(QTextDocument& from, int start, int end, qreal width) {
  auto out = std::make_unique<QTextDocument>();
  out->setUndoRedoEnabled(false);
  out->setDefaultFont(from.defaultFont());
  out->setDefaultTextOption(from.defaultTextOption());
  out->setUseDesignMetrics(from.useDesignMetrics());
  out->setIndentWidth(from.indentWidth());
  out->rootFrame()->setFrameFormat(from.rootFrame()->frameFormat());
  out->setDocumentMargin(from.documentMargin());
  if (end > start) {
    // Filled before it has a layout: that is much faster.
    QTextCursor range(&from);
    range.setPosition(start);
    range.setPosition(end, QTextCursor::KeepAnchor);
    QTextCursor(out.get()).insertFragment(range.selection());
  }
  if (from.characterAt(start) != kFrameStart) {
    // A fragment drops the format of the paragraph it starts in.
    const QTextBlock block = from.findBlock(start);
    QTextBlockFormat format = block.blockFormat();
    if (start > block.position()) {
      format.setTextIndent(0);
      format.setTopMargin(0);
    }
    QTextCursor first(out.get());
    first.setBlockFormat(format);
    first.setBlockCharFormat(block.charFormat());
  }
  CopyImages(from, *out);
  // The width first: making the layout starts laying the document out.
  out->setTextWidth(width);
  PrepareDocument(*out);
  return out;
}

}  // namespace

// Keeps a document layout from laying out ahead in timer steps (up to
// 200,000 characters a step) whenever the event loop runs between boxes.
class TextFlow::LayoutHold : public QObject {
 public:
  explicit LayoutHold(QObject* layout) : layout_(layout) { layout->installEventFilter(this); }
  ~LayoutHold() override {
    if (layout_) layout_->removeEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override { return event->type() == QEvent::Timer; }

 private:
  QPointer<QObject> layout_;
};

TextFlow::TextFlow(QTextDocument& source) : source_(source), work_(&source) {
  PrepareDocument(source_);
  sourceHold_ = std::make_unique<LayoutHold>(source_.documentLayout());
}

TextFlow::~TextFlow() = default;

bool TextFlow::AtEnd() const {
  if (!walkStarted_) return End(*work_) <= 0;
  return pending_.empty() && !walkBlock_.isValid();
}

int TextFlow::Position() const { return base_ + position_; }

std::unique_ptr<QTextDocument> TextFlow::Rest() const {
  if (AtEnd()) return nullptr;
  return CopyRange(*work_, position_, End(*work_), work_->textWidth());
}

void TextFlow::StartWalk() {
  pending_.clear();
  walkBlock_ = work_->begin();
  walkLine_ = 0;
  walkStarted_ = true;
}

void TextFlow::UseWidth(qreal width) {
  if (work_->textWidth() == width) {
    if (!walkStarted_) StartWalk();
    return;
  }
  if (position_ > 0) {
    // A paragraph continued at another width must start a line layout of
    // its own, so the rest is copied once and laid out at the new width.
    std::unique_ptr<QTextDocument> rest = CopyRange(*work_, position_, End(*work_), width);
    base_ += position_;
    position_ = 0;
    copy_ = std::move(rest);
    work_ = copy_.get();
    copyHold_ = std::make_unique<LayoutHold>(work_->documentLayout());
  } else {
    // Lays out a first step only; the rest follows blockBoundingRect.
    work_->setTextWidth(width);
  }
  StartWalk();
}

bool TextFlow::HaveUnit(size_t index) {
  while (pending_.size() <= index) {
    if (!WalkOne()) return false;
  }
  return true;
}

TextFlow::Unit TextFlow::FrameUnit(QTextFrame* frame) const {
  Unit unit;
  unit.frame = true;
  unit.start = frame->firstPosition() - 1;
  unit.end = frame->lastPosition() + 1;
  QAbstractTextDocumentLayout* layout = work_->documentLayout();
  qreal top = std::numeric_limits<qreal>::max();
  qreal bottom = std::numeric_limits<qreal>::lowest();
  for (QTextBlock block = work_->findBlock(frame->firstPosition());
       block.isValid() && block.position() < frame->lastPosition(); block = block.next()) {
    const QRectF rect = layout->blockBoundingRect(block);
    const QTextLayout* lines = block.layout();
    for (int i = 0; i < lines->lineCount(); ++i) {
      const QTextLine line = lines->lineAt(i);
      top = std::min(top, rect.top() + line.y());
      bottom = std::max(bottom, rect.top() + line.y() + line.height());
    }
  }
  if (top > bottom) top = bottom = 0;
  unit.top = top;
  unit.bottom = bottom;
  return unit;
}

bool TextFlow::WalkOne() {
  QAbstractTextDocumentLayout* layout = work_->documentLayout();
  while (walkBlock_.isValid()) {
    const QTextBlock block = walkBlock_;
    if (QTextFrame* frame = TopLevelFrameOf(*work_, block)) {
      pending_.push_back(FrameUnit(frame));
      walkBlock_ = work_->findBlock(frame->lastPosition() + 1);
      walkLine_ = 0;
      return true;
    }
    if (IsEmptyBesideFrame(*work_, block)) {
      walkBlock_ = block.next();
      continue;
    }
    // Lays the source out as far as this paragraph, and no further.
    const QRectF rect = layout->blockBoundingRect(block);
    const QTextLayout* lines = block.layout();
    if (walkLine_ >= lines->lineCount()) {
      walkBlock_ = block.next();
      walkLine_ = 0;
      continue;
    }
    const QTextLine line = lines->lineAt(walkLine_);
    const bool last = walkLine_ + 1 == lines->lineCount();
    Unit unit;
    unit.start = block.position() + line.textStart();
    unit.end = last ? block.position() + block.length() - 1 : unit.start + line.textLength();
    // A box ending at a manual line break leaves the break out, as it does a
    // paragraph break: it would only add an empty line at the bottom.
    if (unit.end > unit.start && work_->characterAt(unit.end - 1) == QChar::LineSeparator) --unit.end;
    unit.top = rect.top() + line.y();
    unit.bottom = unit.top + line.height();
    unit.firstLineOffset = lines->lineAt(0).y();
    pending_.push_back(unit);
    if (last) {
      walkBlock_ = block.next();
      walkLine_ = 0;
    } else {
      ++walkLine_;
    }
    return true;
  }
  return false;
}

// How many of the pending units a box takes when the first unit's top moves
// by `shift` into the box: at least one.
size_t TextFlow::CountFitting(qreal shift, qreal height) {
  size_t n = 1;
  while (HaveUnit(n) && pending_[n].bottom + shift <= height + kSlack) ++n;
  return n;
}

std::unique_ptr<QTextDocument> TextFlow::Build(size_t units, qreal width) const {
  return CopyRange(*work_, pending_.front().start, pending_[units - 1].end, width);
}

std::unique_ptr<QTextDocument> TextFlow::NextBox(qreal width, qreal height) {
  if (AtEnd()) return nullptr;
  width = std::max<qreal>(width, 1);
  UseWidth(width);
  if (!HaveUnit(0)) {
    position_ = End(*work_);
    return nullptr;
  }

  // Where the first unit lands in the box: right below the document margin
  // (the first paragraph's space before is not applied, nor a continued
  // one's). The box's own layout then says where it really landed; only a
  // table or unusual line heights make the two differ.
  const Unit& first = pending_.front();
  const qreal margin = work_->documentMargin();
  qreal shift = margin - first.top + (first.frame ? 0 : first.firstLineOffset);

  size_t fits = 0;                                     // most units seen to fit
  size_t overflows = std::numeric_limits<size_t>::max();  // fewest seen not to
  std::unique_ptr<QTextDocument> box;
  size_t n = CountFitting(shift, height);
  for (;;) {
    std::unique_ptr<QTextDocument> candidate = Build(n, width);
    const qreal lowest = LowestLine(*candidate);
    shift = lowest - pending_[n - 1].bottom;
    if (n > 1 && lowest > height + kSlack) {
      overflows = n;
      const size_t fewer = std::max<size_t>(1, std::min(n - 1, CountFitting(shift, height)));
      if (box && fewer <= fits) break;
      n = fewer;
      continue;
    }
    fits = n;
    box = std::move(candidate);
    const size_t more = std::min(CountFitting(shift, height), overflows - 1);
    if (more <= n) break;
    n = more;
  }

  pending_.erase(pending_.begin(), pending_.begin() + static_cast<std::ptrdiff_t>(fits));
  position_ = HaveUnit(0) ? pending_.front().start : End(*work_);
  return box;
}

std::unique_ptr<QTextDocument> FlowIntoBox(QTextDocument& document, qreal width, qreal height) {
  std::unique_ptr<QTextDocument> rest;
  int cut = 0;
  {
    TextFlow flow(document);
    if (!flow.NextBox(width, height) || flow.AtEnd()) return nullptr;
    rest = flow.Rest();
    cut = flow.Position();
  }
  // A cut at a paragraph or line break also takes the break, so the box
  // does not end with an empty line.
  if (cut > 0 && (document.characterAt(cut - 1) == QChar::ParagraphSeparator ||
                  document.characterAt(cut - 1) == QChar::LineSeparator)) {
    --cut;
  }
  QTextCursor c(&document);
  c.setPosition(cut);
  c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
  c.removeSelectedText();
  return rest;
}

}  // namespace orv::rt
