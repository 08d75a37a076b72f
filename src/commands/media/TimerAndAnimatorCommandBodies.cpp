// TimerStart, TimerStop, GIFPlay and GIFStop. Sent to an object of another
// type they do nothing; an object that is not there is reported.
#include <algorithm>
#include <climits>
#include <cstdint>
#include <optional>

#include "base/NumberText.h"
#include "commands/WholeNumberParams.h"
#include "commands/media/MediaCommands.h"
#include "commands/objects/ObjectLookup.h"
#include "objects/media/Animator.h"
#include "objects/media/Timer.h"
#include "script/ActionEvaluator.h"
#include "script/CommandDispatch.h"
#include "script/CommandIds.h"
#include "script/Vars.h"

namespace orv {
namespace {

void TimerStartBody(TActionEval& eval) {
  if (auto* timer = FindTargetOfType<TOrvalisTimer>(eval)) timer->Start(IntParam(eval, 2));
}

void TimerStopBody(TActionEval& eval) {
  if (auto* timer = FindTargetOfType<TOrvalisTimer>(eval)) timer->Stop();
}

// The number is the count of loops to play (0: endlessly), whatever older
// documentation called it.
void GIFPlayBody(TActionEval& eval) {
  if (auto* animator = FindTargetOfType<TOrvalisAnimator>(eval)) animator->Play(IntParam(eval, 2));
}

// Stops as the object stops itself: back to the first frame with
// AutoRewind, otherwise on the frame shown, where GIFPlay goes on.
void GIFStopBody(TActionEval& eval) {
  if (auto* animator = FindTargetOfType<TOrvalisAnimator>(eval)) animator->Pause();
}

}  // namespace

void RegisterTimerAndAnimatorCommands(TCommandTable& table) {
  table.Bind(cmd::kTimerStart, &TimerStartBody);
  table.Bind(cmd::kTimerStop, &TimerStopBody);
  table.Bind(cmd::kGIFPlay, &GIFPlayBody);
  table.Bind(cmd::kGIFStop, &GIFStopBody);
}

}  // namespace orv
