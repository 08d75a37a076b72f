#pragma once
// Variable fields: every "[...]" reference in the visible text becomes a run
// named by its upper-cased text, whose shown text comes from a callback and
// can be refreshed in place later.
#include <QString>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QTextDocument;

namespace orv::rt {

// Takes the field name (Windows-1252, upper-cased "[...]" text) and returns
// the text to show (Windows-1252).
using FieldTextCallback = std::function<std::string(const std::string& fieldName)>;

struct FieldInfo {
  int id = 0;
  QString name;
  int position = 0;
  int length = 0;
};

// Replaces each reference outside hidden text and outside existing fields by
// a field. A reference with more "[" than "]" extends to following "]" until
// they balance or the paragraph ends. Returns how many fields were made.
int MakeVariableFields(QTextDocument& document, const FieldTextCallback& callback);

// The fields in document order.
std::vector<FieldInfo> ListFields(const QTextDocument& document);

// The shown text of a field, without the stand-in that keeps an empty one.
QString FieldShownText(const QTextDocument& document, const FieldInfo& field);

// Asks the callback again and replaces the field's text, keeping its format.
bool RefreshField(QTextDocument& document, const FieldInfo& field, const FieldTextCallback& callback);

// Upper-cases like the player's names (Windows-1252 case table).
QString UpperFieldName(const QString& text);

}  // namespace orv::rt
