#include "commands/navigation/NavigationCommands.h"

#include "commands/navigation/DialogCommands.h"
#include "commands/navigation/FindCommands.h"
#include "commands/navigation/PageCommands.h"
#include "script/CommandDispatch.h"

namespace orv {

void RegisterNavigationCommands(TCommandTable& table) {
  RegisterPageCommands(table);
  RegisterFindCommands(table);
  RegisterDialogCommands(table);
}

}  // namespace orv
