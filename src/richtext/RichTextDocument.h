#pragma once
// One rich text as the page objects use it: loading RTF or plain text,
// saving RTF, links, bookmarks, variable fields, finding, flowing into boxes
// and the copy for the clipboard. Text crossing this interface is
// Windows-1252 in std::string, like everywhere in the engine.
#include <QColor>
#include <QFont>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "richtext/TextFinder.h"
#include "richtext/VariableFields.h"

class QTextDocument;

namespace orv::rt {

struct LinkInfo {
  std::string text;    // the visible run
  std::string target;  // the hidden text after it
  int position = 0;
  int length = 0;
};

class RichTextDocument {
 public:
  RichTextDocument();
  explicit RichTextDocument(std::unique_ptr<QTextDocument> document);
  ~RichTextDocument();
  RichTextDocument(const RichTextDocument&) = delete;
  RichTextDocument& operator=(const RichTextDocument&) = delete;

  QTextDocument& Document() { return *document_; }
  const QTextDocument& Document() const { return *document_; }

  // RTF when the text starts as RTF, plain text otherwise. Plain text is
  // in `codePage` (RTF names its own).
  void Load(std::string_view text, int codePage = 1252);
  void LoadRtf(std::string_view rtf);
  void LoadPlainText(std::string_view text, int codePage = 1252);
  std::string SaveRtf() const;
  // Paragraphs joined by CR LF; hidden text and markers left out.
  std::string PlainText() const;
  // The text without hidden text (link targets, bookmarks) and protected text.
  std::string ClipboardRtf() const;
  std::string ClipboardPlainText() const;

  void SetDefaultFont(const QFont& font);
  // Links are drawn in this colour with an underline of the same colour.
  void SetLinkColor(const QColor& color);
  QColor LinkColor() const { return linkColor_; }
  // The colour of text that names none (the viewer's text colour).
  void SetDefaultTextColor(const QColor& color) { defaultTextColor_ = color; }
  QColor DefaultTextColor() const { return defaultTextColor_; }
  // Sets font name and size on all text; with `replaceStyle` bold, italic,
  // underline and strike-out become the font's, otherwise the font's are added.
  void ApplyFont(const QFont& font, bool replaceStyle);

  std::vector<LinkInfo> Links() const;
  std::optional<LinkInfo> LinkAt(int position) const;

  // Position of the bookmark's start, name compared ignoring case.
  std::optional<int> BookmarkPosition(std::string_view name) const;
  std::vector<std::string> BookmarkNames() const;

  void SetFieldCallback(FieldTextCallback callback) { fieldCallback_ = std::move(callback); }
  int MakeVariableFields();
  bool HasFields() const { return !fieldNames_.empty(); }
  // Names of the fields whose name contains the variable's name (ignoring case).
  std::vector<std::string> FieldNamesContaining(std::string_view variable) const;
  std::optional<FieldInfo> FirstFieldContaining(std::string_view variable) const;
  std::string FieldText(const FieldInfo& field) const;
  // What a field of that name shows once refreshed.
  std::string FieldValue(const std::string& name) const { return fieldCallback_ ? fieldCallback_(name) : name; }
  bool RefreshField(const FieldInfo& field);
  int RefreshAllFields();

  // The next match of a pattern with "*" and "?" at or after `from`.
  std::optional<TextRange> Find(std::string_view pattern, int from) const;

  // Keeps what fits into the box and returns the rest, or null.
  std::unique_ptr<RichTextDocument> FlowIntoBox(qreal width, qreal height);
  // Takes the link colour, default text colour and field callback of the
  // document this one's text came from (its links already carry the colour).
  void TakeSettingsFrom(const RichTextDocument& other);

 private:
  void AfterLoad();
  void IndexFields();
  std::unique_ptr<QTextDocument> CloneWithoutHidden() const;

  std::unique_ptr<QTextDocument> document_;
  QColor linkColor_ = QColor(0, 0, 255);
  QColor defaultTextColor_ = QColor(Qt::black);
  FieldTextCallback fieldCallback_;
  std::set<QString> fieldNames_;

};

}  // namespace orv::rt
