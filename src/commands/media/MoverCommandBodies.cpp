#include <QPointer>
#include <chrono>
#include <optional>
#include <string>
#include <thread>
#include <utility>

#include "base/NumberText.h"
#include "commands/media/MediaCommands.h"
#include "commands/media/MoverPath.h"
#include "commands/media/ObjectMoverList.h"
#include "commands/navigation/PlayerWindow.h"
#include "commands/objects/ObjectLookup.h"
#include "script/ActionEvaluator.h"
#include "script/ActionEvaluatorNumbers.h"
#include "script/CommandDispatch.h"
#include "script/CommandIds.h"
#include "script/Engine.h"
#include "script/ScriptHost.h"
#include "script/Vars.h"
#include "script/WaitEnd.h"

namespace orv {

namespace {

// Until the mover has ended: another script's StopMovingObject or a page
// change ends it as well as the end of its path.
void WaitForMover(TActionEval& eval, const QPointer<TObjectMover>& mover) {
  ServeWhile(eval, [&] { return mover && !mover->HasEnded(); });
}

void MoveObjectAlongPathBody(TActionEval& eval) {
  const std::optional<TargetObject> target = FindTargetObject(eval);
  if (!target) return;
  TObjectMoverList& movers = PrepareObjectMovers(*target->Window);
  if (movers.MoverOf(*target->Object) != nullptr) return;
  TVars& vars = eval.Vars();
  const char decimal = vars.DecimalSymbol();
  TMoverRequest request;
  request.Path = ReadMoverPath(eval.Param(2), decimal,
                               [&vars](std::string& part) { EvaluateNumberText(part, false, vars); });
  request.DelayMs = ReadMoverDelay(eval.Param(3), decimal);
  const std::string& options = eval.Param(4);
  request.LeftTop = HasOptionWord(options, "LeftTop");
  request.Restore = HasOptionWord(options, "Restore");
  request.Loop = HasOptionWord(options, "Loop");
  // A looping mover never ends by itself: nothing to wait for.
  const bool wait = !request.Loop && HasOptionWord(options, "Wait");
  request.Subroutine = eval.Param(5);
  const QPointer<TObjectMover> mover = movers.Start(*target->Object, std::move(request));
  if (wait) WaitForMover(eval, mover);
}

void StopMovingObjectBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  if (window == nullptr) return;
  if (TObjectMoverList* movers = ObjectMoversOf(*window)) movers->Stop(eval.Param(1));
}

}  // namespace

void RegisterMoverCommands(TCommandTable& table) {
  table.Bind(cmd::kMoveObjectAlongPath, MoveObjectAlongPathBody);
  table.Bind(cmd::kStopMovingObject, StopMovingObjectBody);
}

}  // namespace orv
