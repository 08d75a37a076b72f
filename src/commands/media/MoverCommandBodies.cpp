#include "commands/media/MediaCommands.h"

namespace orv {

void RegisterMoverCommands(TCommandTable&) {}

}  // namespace orv
