#pragma once
// The list commands: they read and change the items of list and combo
// boxes.
#include <string>
#include <string_view>
#include <vector>

namespace orv {

class TCommandTable;

// ListBoxGetItem to ListBoxSort.
void RegisterListBoxCommands(TCommandTable& table);

// The items ListBoxAddItem "ALL" adds: CR LF pairs, "|" and lone line
// breaks each end an item; a break at the very end adds no empty item.
std::vector<std::string> AllItemsOf(std::string_view text);

}  // namespace orv
