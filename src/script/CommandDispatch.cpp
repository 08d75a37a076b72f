#include "script/CommandDispatch.h"

#include "base/TruthWords.h"
#include "script/ActionEvaluator.h"
#include "script/CommandIds.h"

namespace orv {

void TCommandTable::Bind(int id, CommandBody body) {
  if (id >= 0 && id <= kMaxId) bodies_[static_cast<unsigned>(id)] = body;
}

void TCommandTable::Unbind(int id) { Bind(id, nullptr); }

int TCommandTable::BoundCount() const {
  int n = 0;
  for (CommandBody b : bodies_) n += b != nullptr;
  return n;
}

namespace {

void ShowErrorsBody(TActionEval& eval) { eval.Vars().SetErrorDisplay(IsTrueWord(eval.Param(1))); }

}  // namespace

void RegisterEngineCommands(TCommandTable& table) { table.Bind(cmd::kShowErrors, ShowErrorsBody); }

}  // namespace orv
