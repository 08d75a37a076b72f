#include "commands/media/MediaCommands.h"

namespace orv {

void RegisterCartoonCommands(TCommandTable&) {}

}  // namespace orv
