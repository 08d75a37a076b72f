#pragma once
// The instruction text of an RTF field ({\*\fldinst ...}). Hyperlink fields
// become links; merge fields naming a bracketed reference ("[NAME]") are the
// engine's own variable fields; every other field shows its result as text.
#include <QString>

namespace orv::rt {

struct FieldInstruction {
  enum class Kind { kOther, kHyperlink, kVariable };
  Kind kind = Kind::kOther;
  QString argument;  // link target, or the upper-cased field name
};

FieldInstruction ParseFieldInstruction(const QString& instruction);

// The instruction the writer stores for a variable field.
QString VariableFieldInstruction(const QString& fieldName);

}  // namespace orv::rt
