#include "commands/variables/VariableCommandBodies.h"

#include "commands/variables/VariableCommands.h"
#include "commands/variables/VariablesFile.h"
#include "script/ActionEvaluator.h"
#include "script/CommandIds.h"
#include "script/ParamTypes.h"

namespace orv {
namespace {

void SetVarBody(TActionEval& eval) {
  const std::string& name = eval.PrepareParam(1, ptVariable);
  const MixedPreparation how = ValuePreparationFor(eval.Vars().VarType(name));
  const std::string& value = eval.PrepareParam(2, ptMixed, how.CurrencyMode, how.Evaluate);
  SetVarCommand(eval.Vars(), name, value);
}

void DefineVarBody(TActionEval& eval) {
  const std::string& name = eval.PrepareParam(1, ptVariable);
  const std::string& typeName = eval.PrepareParam(2, ptText);
  const std::string& format = eval.PrepareParam(3, ptText);
  const std::string& scope = eval.PrepareParam(4, ptText);
  DefineVarCommand(eval.Vars(), name, typeName, format, scope, eval.RawParam(5),
                   [&eval](std::string_view raw, std::uint8_t varType) {
                     const MixedPreparation how = ValuePreparationFor(varType);
                     std::string value;
                     eval.PrepareParameter(raw, ptMixed, how.CurrencyMode, how.Evaluate, value);
                     return value;
                   });
}

void SaveVariablesBody(TActionEval& eval) { SaveVariablesCommand(eval.Vars(), eval.Param(1)); }
void LoadVariablesBody(TActionEval& eval) { LoadVariablesCommand(eval.Vars(), eval.Param(1)); }
void ClearVariablesBody(TActionEval& eval) { ClearVariablesCommand(eval.Vars(), eval.Param(1)); }
void DeleteArrayBody(TActionEval& eval) { DeleteArrayCommand(eval.Vars(), eval.Param(1), eval.Param(2)); }
void GetArrayInfoBody(TActionEval& eval) {
  GetArrayInfoCommand(eval.Vars(), eval.Param(1), eval.Param(2), eval.Param(3), eval.Param(4));
}

}  // namespace

void RegisterVariableCommands(TCommandTable& table) {
  table.Bind(cmd::kSetVar, SetVarBody);
  table.Bind(cmd::kDefineVar, DefineVarBody);
  table.Bind(cmd::kSaveVariables, SaveVariablesBody);
  table.Bind(cmd::kLoadVariables, LoadVariablesBody);
  table.Bind(cmd::kClearVariables, ClearVariablesBody);
  table.Bind(cmd::kDeleteArray, DeleteArrayBody);
  table.Bind(cmd::kGetArrayInfo, GetArrayInfoBody);
}

}  // namespace orv
