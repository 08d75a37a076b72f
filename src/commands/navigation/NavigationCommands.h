#pragma once
// The commands that move between pages, run slide shows, talk to the user
// through dialogs, search the publication's text, open help and end the
// publication. Their bodies act on the publication window they find
// through the player's script host (PlayerWindow).
namespace orv {

class TCommandTable;

void RegisterNavigationCommands(TCommandTable& table);

}  // namespace orv
