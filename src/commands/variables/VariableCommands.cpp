#include "commands/variables/VariableCommands.h"

#include <algorithm>

#include "base/Ansi.h"
#include "base/NumberText.h"
#include "script/ScriptLines.h"

namespace orv {

MixedPreparation ValuePreparationFor(std::uint8_t varType) {
  switch (varType) {
    case vtString:
    case vtDate: return {false, false};
    case vtInteger:
    case vtCurrency:
    case vtDecimal: return {true, true};
    default: return {true, false};
  }
}

void SetVarCommand(TVars& vars, std::string_view name, std::string_view value) { vars.SetVar(name, value); }

void DefineVarCommand(TVars& vars, std::string_view name, std::string_view typeName,
                      std::string_view format, std::string_view scope, std::string_view initialValue,
                      const PrepareValueFn& prepare) {
  const bool local = AnsiSameText(TrimBlanks(scope), "Local");
  const bool defined = vars.DefineVar(name, TrimBlanks(typeName), TrimBlanks(format), local);
  // A typed variable that stayed as it was keeps its value.
  if (!defined && vars.VarType(name) != vtUndefined) return;
  if (initialValue.empty()) return;
  if (prepare)
    vars.SetVar(name, prepare(initialValue, vars.VarType(name)));
  else
    vars.SetVar(name, initialValue);
}

void ClearVariablesCommand(TVars& vars, std::string_view list) {
  std::string names(list);
  std::replace(names.begin(), names.end(), ',', '|');
  if (!TrimBlanks(names).empty()) {
    std::string_view rest(names);
    while (true) {
      const std::size_t bar = rest.find('|');
      vars.SetVar(rest.substr(0, bar), "");
      if (bar == std::string_view::npos) break;
      rest.remove_prefix(bar + 1);
    }
    return;
  }
  // By position, as many times as there were globals: an assignment deletes
  // an untyped variable (the next one moves up) and keeps a typed one.
  TVarStringList& globals = vars.Globals();
  const std::size_t rounds = globals.Count();
  std::size_t position = 0;
  for (std::size_t round = 0; round < rounds && position < globals.Count(); ++round) {
    const std::string name = std::next(globals.begin(), static_cast<std::ptrdiff_t>(position))->Name;
    vars.SetVar(name, "");
    if (position < globals.Count() &&
        std::next(globals.begin(), static_cast<std::ptrdiff_t>(position))->Name == name)
      ++position;
  }
}

void DeleteArrayCommand(TVars& vars, std::string_view name, std::string_view last) {
  const ArrayBoundsRec bounds = vars.ArrayBounds(name);
  if (bounds.Count == 0) return;
  std::int64_t to = AnsiSameText(TrimBlanks(last), "All")
                        ? bounds.Highest
                        : NumberParam(last, vars.DecimalSymbol(), bounds.Highest);
  // No element lies above the highest: a huge "last" must not spin through
  // billions of names that do not exist.
  to = std::min(to, bounds.Highest);
  std::string element;
  for (std::int64_t i = bounds.Lowest; i <= to; ++i) {
    element.assign(name);
    element.append(FormatWholeNumber(i));
    vars.SetVar(element, "");
  }
}

void GetArrayInfoCommand(TVars& vars, std::string_view name, std::string_view lowVar,
                         std::string_view highVar, std::string_view countVar) {
  const ArrayBoundsRec bounds = vars.ArrayBounds(name);
  if (bounds.Count > 0) {
    vars.SetVar(lowVar, FormatWholeNumber(bounds.Lowest));
    vars.SetVar(highVar, FormatWholeNumber(bounds.Highest));
  }
  vars.SetVar(countVar, FormatWholeNumber(bounds.Count));
}

}  // namespace orv
