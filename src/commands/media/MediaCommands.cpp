#include "commands/media/MediaCommands.h"

namespace orv {

void RegisterMediaCommands(TCommandTable& table) {
  RegisterTimerAndAnimatorCommands(table);
  RegisterMoverCommands(table);
  RegisterCartoonCommands(table);
}

}  // namespace orv
