#include "commands/media/MediaCommands.h"

namespace orv {

void RegisterTimerAndAnimatorCommands(TCommandTable&) {}

}  // namespace orv
