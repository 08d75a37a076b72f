#pragma once
// Refreshing the variable fields of a text when a variable changes. Every
// field that refers to the variable is refreshed, not only the first, and a
// field naming another through a variable follows what it names now.
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TVars;

namespace rt {
class RichTextDocument;
}

struct TFieldRefresh {
  int refreshed = 0;
  // Some field now shows a text of another length.
  bool lengthChanged = false;
};

// `bracketName` is "[NAME]", upper-cased; `vars` may be null (no nesting).
TFieldRefresh RefreshFieldsOf(rt::RichTextDocument& document, std::string_view bracketName, TVars* vars);
// Refreshes every field.
TFieldRefresh RefreshEveryField(rt::RichTextDocument& document);
// Whether refreshing the fields of `bracketName` would change a length.
bool FieldLengthsWouldChange(const rt::RichTextDocument& document, std::string_view bracketName, TVars* vars);
// Adds the variables the document's fields refer to now.
void AddFieldVariables(const rt::RichTextDocument& document, TVars& vars, std::vector<std::string>& names);

}  // namespace orv
