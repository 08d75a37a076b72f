#include "richtext/RichTextDocument.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "base/Ansi.h"
#include "richtext/RichTextFormat.h"
#include "richtext/RtfCodePage.h"
#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "richtext/TextFlow.h"

namespace orv::rt {

namespace {

QString FromAnsi(std::string_view text) { return QString::fromStdString(AnsiToUtf8(text)); }
std::string ToAnsi(const QString& text) { return Utf8ToAnsi(text.toStdString()); }

}  // namespace

RichTextDocument::RichTextDocument() : RichTextDocument(std::make_unique<QTextDocument>()) {}

RichTextDocument::RichTextDocument(std::unique_ptr<QTextDocument> document) : document_(std::move(document)) {
  document_->setUndoRedoEnabled(false);
  PrepareDocument(*document_);
  IndexFields();
}

RichTextDocument::~RichTextDocument() = default;

void RichTextDocument::Load(std::string_view text, int codePage) {
  if (LooksLikeRtf(text)) {
    LoadRtf(text);
  } else {
    LoadPlainText(text, codePage);
  }
}

void RichTextDocument::LoadRtf(std::string_view rtf) {
  // Filling a document without a layout is much faster; the old one goes.
  auto fresh = std::make_unique<QTextDocument>();
  fresh->setDefaultFont(document_->defaultFont());
  fresh->setDocumentMargin(document_->documentMargin());
  RtfReadOptions options;
  options.linkColor = linkColor_;
  ReadRtf(rtf, *fresh, options);
  std::swap(document_, fresh);
  AfterLoad();
}

void RichTextDocument::LoadPlainText(std::string_view text, int codePage) {
  QString plain = codePage == kWesternCodePage ? FromAnsi(text) : DecodeCodePage(text, codePage);
  plain.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  plain.replace(QChar('\r'), QChar('\n'));
  auto fresh = std::make_unique<QTextDocument>();
  fresh->setDefaultFont(document_->defaultFont());
  fresh->setDocumentMargin(document_->documentMargin());
  fresh->setUndoRedoEnabled(false);
  fresh->setPlainText(plain);
  std::swap(document_, fresh);
  AfterLoad();
}

void RichTextDocument::AfterLoad() {
  document_->setUndoRedoEnabled(false);
  PrepareDocument(*document_);
  IndexFields();
}

std::string RichTextDocument::SaveRtf() const { return WriteRtf(*document_); }

std::string RichTextDocument::PlainText() const {
  QString out;
  for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
    if (block != document_->begin()) out += QStringLiteral("\r\n");
    QString text = block.text();
    text.remove(kObjectChar);
    text.remove(kEmptyFieldChar);
    text.replace(QChar(0x2028), QStringLiteral("\r\n"));
    out += text;
  }
  return ToAnsi(out);
}

std::unique_ptr<QTextDocument> RichTextDocument::CloneWithoutHidden() const {
  std::unique_ptr<QTextDocument> copy(document_->clone());
  PrepareDocument(*copy);
  QTextCursor c(copy.get());
  // Right to left so positions ahead stay valid.
  for (QTextBlock block = copy->lastBlock(); block.isValid(); block = block.previous()) {
    std::vector<std::pair<int, int>> markers;
    std::vector<std::pair<int, int>> links;
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      if (IsMarker(f.charFormat())) markers.emplace_back(f.position(), f.length());
      if (IsLink(f.charFormat())) links.emplace_back(f.position(), f.length());
    }
    for (const auto& [pos, len] : links) {
      // The link's visible text stays; without its target it is no link.
      c.setPosition(pos);
      c.setPosition(pos + len, QTextCursor::KeepAnchor);
      QTextCharFormat f = c.charFormat();
      f.clearProperty(kLinkTarget);
      f.clearProperty(kDoubleUnderline);
      f.setAnchor(false);
      c.setCharFormat(f);
    }
    for (auto it = markers.rbegin(); it != markers.rend(); ++it) {
      c.setPosition(it->first);
      c.setPosition(it->first + it->second, QTextCursor::KeepAnchor);
      c.removeSelectedText();
    }
  }
  return copy;
}

std::string RichTextDocument::ClipboardRtf() const { return WriteRtf(*CloneWithoutHidden()); }

std::string RichTextDocument::ClipboardPlainText() const { return PlainText(); }

void RichTextDocument::SetDefaultFont(const QFont& font) { document_->setDefaultFont(font); }

void RichTextDocument::SetLinkColor(const QColor& color) {
  linkColor_ = color;
  QTextCursor c(document_.get());
  for (const LinkInfo& link : Links()) {
    c.setPosition(link.position);
    c.setPosition(link.position + link.length, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setForeground(color);
    f.setUnderlineColor(color);
    c.mergeCharFormat(f);
  }
}

void RichTextDocument::ApplyFont(const QFont& font, bool replaceStyle) {
  QTextCursor c(document_.get());
  c.select(QTextCursor::Document);
  QTextCharFormat f;
  f.setFontFamilies({font.family()});
  if (font.pointSizeF() > 0) f.setFontPointSize(font.pointSizeF());
  if (replaceStyle || font.bold()) f.setFontWeight(font.bold() ? QFont::Bold : QFont::Normal);
  if (replaceStyle || font.italic()) f.setFontItalic(font.italic());
  if (replaceStyle || font.strikeOut()) f.setFontStrikeOut(font.strikeOut());
  c.mergeCharFormat(f);
  if (replaceStyle || font.underline()) {
    // Links keep their underline: it is what marks them.
    for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
      for (auto it = block.begin(); !it.atEnd(); ++it) {
        const QTextFragment frag = it.fragment();
        if (IsLink(frag.charFormat())) continue;
        c.setPosition(frag.position());
        c.setPosition(frag.position() + frag.length(), QTextCursor::KeepAnchor);
        QTextCharFormat u;
        u.setFontUnderline(font.underline());
        c.mergeCharFormat(u);
      }
    }
  }
  document_->setDefaultFont(font);
}

std::vector<LinkInfo> RichTextDocument::Links() const {
  std::vector<LinkInfo> links;
  QString text;
  QString target;
  int start = -1, end = -1;
  auto flush = [&] {
    if (start >= 0) links.push_back(LinkInfo{ToAnsi(text), ToAnsi(target), start, end - start});
    start = -1;
    text.clear();
  };
  for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const QTextCharFormat cf = f.charFormat();
      if (!IsLink(cf)) {
        flush();
        continue;
      }
      const QString t = cf.stringProperty(kLinkTarget);
      if (start >= 0 && (t != target || f.position() != end)) flush();
      if (start < 0) {
        start = f.position();
        target = t;
      }
      QString shown = f.text();
      shown.remove(kEmptyFieldChar);
      text += shown;
      end = f.position() + f.length();
    }
    flush();
  }
  return links;
}

std::optional<LinkInfo> RichTextDocument::LinkAt(int position) const {
  for (const LinkInfo& link : Links()) {
    if (position >= link.position && position < link.position + link.length) return link;
  }
  return std::nullopt;
}

std::optional<int> RichTextDocument::BookmarkPosition(std::string_view name) const {
  const QString wanted = FromAnsi(name);
  for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat cf = it.fragment().charFormat();
      if (IsMarker(cf) && MarkerKindOf(cf) == MarkerKind::kBookmarkStart &&
          AnsiSameText(ToAnsi(cf.stringProperty(kMarkerText)), ToAnsi(wanted))) {
        return it.fragment().position();
      }
    }
  }
  return std::nullopt;
}

std::vector<std::string> RichTextDocument::BookmarkNames() const {
  std::vector<std::string> names;
  for (QTextBlock block = document_->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat cf = it.fragment().charFormat();
      if (IsMarker(cf) && MarkerKindOf(cf) == MarkerKind::kBookmarkStart) {
        names.push_back(ToAnsi(cf.stringProperty(kMarkerText)));
      }
    }
  }
  return names;
}

void RichTextDocument::IndexFields() {
  fieldNames_.clear();
  for (const FieldInfo& f : ListFields(*document_)) fieldNames_.insert(f.name);
}

int RichTextDocument::MakeVariableFields() {
  const int made = rt::MakeVariableFields(*document_, fieldCallback_);
  IndexFields();
  return made;
}

std::vector<std::string> RichTextDocument::FieldNamesContaining(std::string_view variable) const {
  std::vector<std::string> names;
  for (const QString& name : fieldNames_) {
    const std::string ansi = ToAnsi(name);
    if (AnsiFindText(ansi, variable) != std::string::npos) names.push_back(ansi);
  }
  return names;
}

std::optional<FieldInfo> RichTextDocument::FirstFieldContaining(std::string_view variable) const {
  if (FieldNamesContaining(variable).empty()) return std::nullopt;
  for (const FieldInfo& f : ListFields(*document_)) {
    if (AnsiFindText(ToAnsi(f.name), variable) != std::string::npos) return f;
  }
  return std::nullopt;
}

std::string RichTextDocument::FieldText(const FieldInfo& field) const {
  return ToAnsi(FieldShownText(*document_, field));
}

bool RichTextDocument::RefreshField(const FieldInfo& field) {
  return rt::RefreshField(*document_, field, fieldCallback_);
}

int RichTextDocument::RefreshAllFields() {
  const std::vector<FieldInfo> fields = ListFields(*document_);
  int refreshed = 0;
  // Right to left: a new text length moves only what follows.
  for (auto it = fields.rbegin(); it != fields.rend(); ++it) refreshed += rt::RefreshField(*document_, *it, fieldCallback_);
  return refreshed;
}

std::optional<TextRange> RichTextDocument::Find(std::string_view pattern, int from) const {
  return FindText(*document_, FromAnsi(pattern), from);
}

std::unique_ptr<RichTextDocument> RichTextDocument::FlowIntoBox(qreal width, qreal height) {
  std::unique_ptr<QTextDocument> rest = rt::FlowIntoBox(*document_, width, height);
  IndexFields();
  if (!rest) return nullptr;
  auto out = std::make_unique<RichTextDocument>(std::move(rest));
  out->linkColor_ = linkColor_;
  out->defaultTextColor_ = defaultTextColor_;
  out->fieldCallback_ = fieldCallback_;
  return out;
}

void RichTextDocument::TakeSettingsFrom(const RichTextDocument& other) {
  linkColor_ = other.linkColor_;
  defaultTextColor_ = other.defaultTextColor_;
  fieldCallback_ = other.fieldCallback_;
}

}  // namespace orv::rt
