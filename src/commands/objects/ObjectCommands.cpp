#include "commands/objects/ObjectCommands.h"

namespace orv {

void RegisterObjectCommands(TCommandTable& table) {
  RegisterGeneralObjectCommands(table);
  RegisterObjectSetCommands(table);
  RegisterObjectTypeCommands(table);
}

}  // namespace orv
