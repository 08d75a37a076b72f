#pragma once
// The player's own registry: one text file per root key (TRegistryFile) in
// the folder "orvalis/registry" of the user's configuration folder
// ($XDG_CONFIG_HOME, by default ~/.config). Every change is a locked
// read-modify-write that replaces the file whole, so a failed write leaves
// the old content. The registry commands and the publication window's saved
// position use it.
#include <optional>
#include <string>
#include <string_view>

#include "commands/registry/RegistryFile.h"

namespace orv {

class TRegistryStore {
 public:
  // `folder` is a host path; the default is the user's store.
  explicit TRegistryStore(std::string folder = DefaultFolder());
  static std::string DefaultFolder();

  // The root key a script's name selects ("HKEY_LOCAL_MACHINE", ...; any
  // unknown name is "HKEY_CURRENT_USER"); nullopt for the roots that hold no
  // keys ("HKEY_PERFORMANCE_DATA", "HKEY_DYN_DATA").
  static std::optional<std::string> RootKey(std::string_view name);
  // A key path is usable when none of its parts is empty or holds a
  // control character; a leading or trailing "\" is dropped.
  static std::optional<std::string> NormalKeyPath(std::string_view key);

  bool KeyExists(std::string_view root, std::string_view key) const;
  // nullopt when the key or the value is missing.
  std::optional<RegistryValue> Read(std::string_view root, std::string_view key, std::string_view name) const;
  // Creates the key when missing. errno on failure, else 0.
  int Write(std::string_view root, std::string_view key, std::string_view name, const RegistryValue& value);

  const std::string& Folder() const { return folder_; }

 private:
  std::string FileOf(std::string_view root) const;
  TRegistryFile Load(std::string_view root) const;

  std::string folder_;
};

}  // namespace orv
