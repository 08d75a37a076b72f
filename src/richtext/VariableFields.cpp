#include "richtext/VariableFields.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

#include "base/Ansi.h"
#include "richtext/RichTextFormat.h"

namespace orv::rt {

namespace {

struct Hit {
  int start;   // offset in the block
  int length;
};

// The references of one paragraph's text, left to right.
std::vector<Hit> FindReferences(const QString& text) {
  std::vector<Hit> hits;
  qsizetype i = 0;
  while (true) {
    const qsizetype open = text.indexOf(QChar('['), i);
    if (open < 0) break;
    qsizetype close = text.indexOf(QChar(']'), open + 1);
    if (close < 0) break;
    qsizetype opens = text.mid(open, close - open + 1).count(QChar('['));
    qsizetype closes = 1;
    // A reference holding another reference is one field; the extension
    // stops at the end of the text when the brackets never balance.
    while (opens > closes) {
      const qsizetype next = text.indexOf(QChar(']'), close + 1);
      if (next < 0) break;
      opens += text.mid(close + 1, next - close).count(QChar('['));
      ++closes;
      close = next;
    }
    hits.push_back(Hit{static_cast<int>(open), static_cast<int>(close - open + 1)});
    i = close + 1;
  }
  return hits;
}

bool RangeIsPlainText(const QTextBlock& block, int start, int length) {
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    const QTextFragment f = it.fragment();
    const int fs = f.position() - block.position();
    if (fs + f.length() <= start || fs >= start + length) continue;
    const QTextCharFormat cf = f.charFormat();
    if (IsField(cf) || IsMarker(cf) || cf.isImageFormat()) return false;
  }
  return true;
}

QString ShownTextFor(const QString& name, const FieldTextCallback& callback) {
  QString text = name;
  if (callback) text = QString::fromStdString(AnsiToUtf8(callback(Utf8ToAnsi(name.toStdString()))));
  return text.isEmpty() ? QString(kEmptyFieldChar) : text;
}

int NextFieldId(const QTextDocument& document) {
  int id = 0;
  for (const FieldInfo& f : ListFields(document)) id = std::max(id, f.id);
  return id + 1;
}

}  // namespace

QString UpperFieldName(const QString& text) {
  return QString::fromStdString(AnsiToUtf8(AnsiUpperCase(Utf8ToAnsi(text.toStdString()))));
}

int MakeVariableFields(QTextDocument& document, const FieldTextCallback& callback) {
  int nextId = NextFieldId(document);
  int made = 0;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const QString text = block.text();
    if (!text.contains(QChar('['))) continue;
    std::vector<Hit> hits = FindReferences(text);
    // Right to left, so earlier offsets stay valid while text is replaced.
    for (auto it = hits.rbegin(); it != hits.rend(); ++it) {
      if (!RangeIsPlainText(block, it->start, it->length)) continue;
      QTextCursor c(&document);
      c.setPosition(block.position() + it->start + 1);
      QTextCharFormat format = c.charFormat();
      c.setPosition(block.position() + it->start);
      c.setPosition(block.position() + it->start + it->length, QTextCursor::KeepAnchor);
      const QString name = UpperFieldName(c.selectedText());
      format.setProperty(kFieldName, name);
      format.setProperty(kFieldId, nextId++);
      c.insertText(ShownTextFor(name, callback), format);
      ++made;
    }
  }
  return made;
}

std::vector<FieldInfo> ListFields(const QTextDocument& document) {
  std::vector<FieldInfo> fields;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment f = it.fragment();
      const QTextCharFormat cf = f.charFormat();
      if (!IsField(cf)) continue;
      const int id = cf.intProperty(kFieldId);
      if (!fields.empty() && fields.back().id == id && fields.back().position + fields.back().length == f.position()) {
        fields.back().length += f.length();
      } else {
        fields.push_back(FieldInfo{id, cf.stringProperty(kFieldName), f.position(), f.length()});
      }
    }
  }
  return fields;
}

QString FieldShownText(const QTextDocument& document, const FieldInfo& field) {
  QTextCursor c(const_cast<QTextDocument*>(&document));
  c.setPosition(field.position);
  c.setPosition(field.position + field.length, QTextCursor::KeepAnchor);
  QString text = c.selectedText();
  text.remove(kEmptyFieldChar);
  return text;
}

bool RefreshField(QTextDocument& document, const FieldInfo& field, const FieldTextCallback& callback) {
  if (field.length <= 0 || field.position + field.length > document.characterCount()) return false;
  QTextCursor c(&document);
  c.setPosition(field.position + 1);
  const QTextCharFormat format = c.charFormat();
  if (format.intProperty(kFieldId) != field.id) return false;
  c.setPosition(field.position);
  c.setPosition(field.position + field.length, QTextCursor::KeepAnchor);
  c.insertText(ShownTextFor(field.name, callback), format);
  return true;
}

}  // namespace orv::rt
