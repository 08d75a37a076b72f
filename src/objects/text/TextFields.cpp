#include "objects/text/TextFields.h"

#include <QTextDocument>

#include "base/Ansi.h"
#include "objects/VariableReferences.h"
#include "richtext/RichTextDocument.h"
#include "richtext/VariableFields.h"

namespace orv {

namespace {

std::string AnsiOf(const QString& text) { return Utf8ToAnsi(text.toStdString()); }

bool RefersTo(const QString& fieldName, std::string_view bracketName, TVars* vars) {
  const std::string name = AnsiOf(fieldName);
  if (vars == nullptr) return AnsiSameText(name, bracketName);
  std::vector<std::string> names;
  AddReferencedVariables(name, *vars, names);
  for (const std::string& n : names)
    if (AnsiSameText(n, bracketName)) return true;
  return false;
}

// The length the field shows now, and the one it will show once refreshed.
qsizetype NewLength(const rt::RichTextDocument& document, const rt::FieldInfo& field) {
  return QString::fromStdString(AnsiToUtf8(document.FieldValue(AnsiOf(field.name)))).size();
}

template <typename Pick>
TFieldRefresh Refresh(rt::RichTextDocument& document, Pick pick) {
  TFieldRefresh result;
  QTextDocument& doc = document.Document();
  const std::vector<rt::FieldInfo> fields = rt::ListFields(doc);
  // Right to left: a new text length moves only what follows.
  for (auto it = fields.rbegin(); it != fields.rend(); ++it) {
    if (!pick(*it)) continue;
    const qsizetype before = rt::FieldShownText(doc, *it).size();
    const qsizetype after = NewLength(document, *it);
    if (!document.RefreshField(*it)) continue;
    ++result.refreshed;
    if (after != before) result.lengthChanged = true;
  }
  return result;
}

}  // namespace

TFieldRefresh RefreshFieldsOf(rt::RichTextDocument& document, std::string_view bracketName, TVars* vars) {
  return Refresh(document, [&](const rt::FieldInfo& f) { return RefersTo(f.name, bracketName, vars); });
}

TFieldRefresh RefreshEveryField(rt::RichTextDocument& document) {
  return Refresh(document, [](const rt::FieldInfo&) { return true; });
}

bool FieldLengthsWouldChange(const rt::RichTextDocument& document, std::string_view bracketName, TVars* vars) {
  const QTextDocument& doc = document.Document();
  for (const rt::FieldInfo& field : rt::ListFields(doc)) {
    if (!RefersTo(field.name, bracketName, vars)) continue;
    if (NewLength(document, field) != rt::FieldShownText(doc, field).size()) return true;
  }
  return false;
}

void AddFieldVariables(const rt::RichTextDocument& document, TVars& vars, std::vector<std::string>& names) {
  for (const std::string& name : document.FieldNamesContaining("")) AddReferencedVariables(name, vars, names);
}

}  // namespace orv
