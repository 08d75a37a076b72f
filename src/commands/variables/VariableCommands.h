#pragma once
// Bodies of the variable commands that work on the stores alone. Each takes
// its parameters as the evaluator prepared them; SetVar and DefineVar
// prepare their value parameter with the help of the evaluator, as below.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "script/Vars.h"

namespace orv {

// How the value parameter of SetVar (and DefineVar's initial value) is
// prepared as a "Mixed" parameter, given the type of the variable: String
// and Date values are never computed; Integer, Currency and Decimal values
// are computed with currency signs and thousands separators stripped.
struct MixedPreparation {
  bool Evaluate = true;
  bool CurrencyMode = false;
};
MixedPreparation ValuePreparationFor(std::uint8_t varType);

// SetVar: `name` prepared as "Variable" (the bare name), `value` prepared as
// ValuePreparationFor(vars.VarType(name)) says.
void SetVarCommand(TVars& vars, std::string_view name, std::string_view value);

// Prepares DefineVar's initial value (raw parameter 5) for a variable of the
// given type; the evaluator supplies it.
using PrepareValueFn = std::function<std::string(std::string_view raw, std::uint8_t varType)>;

// DefineVar: `name` prepared as "Variable", the next three as "Text",
// `initialValue` raw. Without `prepare` the raw initial value is assigned.
void DefineVarCommand(TVars& vars, std::string_view name, std::string_view typeName,
                      std::string_view format, std::string_view scope, std::string_view initialValue,
                      const PrepareValueFn& prepare = nullptr);

// ClearVariables: `list` prepared as "Variable" ("[A],[B]" -> "A,B"); empty
// clears every untyped global and resets the typed ones.
void ClearVariablesCommand(TVars& vars, std::string_view list);

// DeleteArray: `name` the array prefix, `last` a number or "All".
void DeleteArrayCommand(TVars& vars, std::string_view name, std::string_view last);

// GetArrayInfo: every parameter prepared as "Variable".
void GetArrayInfoCommand(TVars& vars, std::string_view name, std::string_view lowVar,
                         std::string_view highVar, std::string_view countVar);

}  // namespace orv
