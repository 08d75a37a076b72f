#pragma once
// RegistryRead and RegistryWrite on the player's registry store.
#include <string>
#include <string_view>

#include "commands/registry/RegistryStore.h"
#include "script/CommandDispatch.h"

namespace orv {

// RegistryRead: `value` is set only on success. Returns the text for
// "[LastError]"; nullopt when the command does nothing (no key and value).
std::optional<std::string> RegistryReadCommand(TRegistryStore& store, std::string_view root,
                                               std::string_view keyAndName, std::string& value);
std::optional<std::string> RegistryWriteCommand(TRegistryStore& store, std::string_view root,
                                                std::string_view keyAndName, std::string_view text);

void RegisterRegistryCommands(TCommandTable& table);

}  // namespace orv
