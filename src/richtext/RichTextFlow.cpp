#include "richtext/RichTextFlow.h"

#include <QTextDocument>

#include "richtext/RichTextDocument.h"

namespace orv::rt {

RichTextFlow::RichTextFlow(RichTextDocument& source) : source_(source), flow_(source.Document()) {}

std::unique_ptr<RichTextDocument> RichTextFlow::NextBox(qreal width, qreal height) {
  std::unique_ptr<QTextDocument> part = flow_.NextBox(width, height);
  if (!part) return nullptr;
  auto box = std::make_unique<RichTextDocument>(std::move(part));
  box->TakeSettingsFrom(source_);
  return box;
}

}  // namespace orv::rt
