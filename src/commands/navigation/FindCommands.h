#pragma once
// The commands that search the publication's text: Find shows the Find
// window, FindFirst searches from the start of a scope, FindNext goes on
// from the last match.
namespace orv {

class TCommandTable;

void RegisterFindCommands(TCommandTable& table);

}  // namespace orv
