#include "commands/registry/RegistryCommands.h"

#include <charconv>

#include "base/Messages.h"
#include "base/NumberText.h"
#include "commands/files/FileErrorText.h"
#include "script/ActionEvaluator.h"
#include "script/CommandIds.h"

namespace orv {
namespace {

constexpr int kInvalidRegistryKey = 253;

struct KeyAndName {
  std::string Root, Key, Name;
};

std::string_view Trim(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
  return s;
}

// The key path is the part up to the last "\", the value name the rest.
std::optional<KeyAndName> Split(std::string_view root, std::string_view keyAndName, bool& invalid) {
  invalid = false;
  KeyAndName out;
  const std::size_t slash = keyAndName.rfind('\\');
  out.Name = slash == std::string_view::npos ? keyAndName : keyAndName.substr(slash + 1);
  const std::optional<std::string> rootKey = TRegistryStore::RootKey(root);
  const std::optional<std::string> key =
      TRegistryStore::NormalKeyPath(slash == std::string_view::npos ? std::string_view() : keyAndName.substr(0, slash));
  if (!rootKey || !key) {
    invalid = true;
    return std::nullopt;
  }
  out.Root = *rootKey;
  out.Key = *key;
  return out;
}

std::string InvalidKey() { return std::string(Message(kInvalidRegistryKey)); }

std::optional<std::int32_t> ReadInteger(std::string_view text) {
  if (text.empty()) return 0;
  if (text.front() == '+') text.remove_prefix(1);
  std::int32_t n = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), n);
  if (ec != std::errc() || end != text.data() + text.size()) return std::nullopt;
  return n;
}

std::string WithoutZeroBytes(std::string_view bytes) {
  std::string out;
  for (char c : bytes)
    if (c != '\0') out.push_back(c);
  return out;
}

}  // namespace

std::optional<std::string> RegistryReadCommand(TRegistryStore& store, std::string_view root,
                                               std::string_view keyAndName, std::string& value) {
  keyAndName = Trim(keyAndName);
  if (keyAndName.empty()) return std::nullopt;
  bool invalid = false;
  const std::optional<KeyAndName> where = Split(root, keyAndName, invalid);
  if (invalid || !store.KeyExists(where->Root, where->Key)) return InvalidKey();
  const std::optional<RegistryValue> stored = store.Read(where->Root, where->Key, where->Name);
  if (!stored) {
    value.clear();
  } else {
    switch (stored->Type) {
      case RegistryType::Integer: value = FormatWholeNumber(stored->Integer); break;
      case RegistryType::String: value = stored->Data; break;
      case RegistryType::ExpandString:
      case RegistryType::Binary:
      case RegistryType::Other: value = WithoutZeroBytes(stored->Data); break;
    }
  }
  return std::string();
}

std::optional<std::string> RegistryWriteCommand(TRegistryStore& store, std::string_view root,
                                                std::string_view keyAndName, std::string_view text) {
  keyAndName = Trim(keyAndName);
  if (keyAndName.empty()) return std::nullopt;
  bool invalid = false;
  const std::optional<KeyAndName> where = Split(root, keyAndName, invalid);
  if (invalid) return InvalidKey();
  const std::optional<RegistryValue> stored = store.Read(where->Root, where->Key, where->Name);
  RegistryValue value = RegistryValue::Text(text);
  if (stored && stored->Type == RegistryType::Integer) {
    if (const std::optional<std::int32_t> n = ReadInteger(text)) value = RegistryValue::Number(*n);
  } else if (stored && stored->Type == RegistryType::Binary) {
    value = RegistryValue::Bytes(text.empty() ? std::string_view("\0", 1) : text);
  }
  if (const int e = store.Write(where->Root, where->Key, where->Name, value)) return FileErrnoText(e);
  return std::string();
}

namespace {

void RegistryReadBody(TActionEval& eval) {
  TRegistryStore store;
  std::string value;
  const std::optional<std::string> error = RegistryReadCommand(store, eval.Param(1), eval.Param(2), value);
  if (!error) return;
  if (error->empty()) eval.Vars().SetVar(eval.Param(3), value);
  eval.Vars().SetLastError(*error);
}

void RegistryWriteBody(TActionEval& eval) {
  TRegistryStore store;
  const std::optional<std::string> error = RegistryWriteCommand(store, eval.Param(1), eval.Param(2), eval.Param(3));
  if (error) eval.Vars().SetLastError(*error);
}

}  // namespace

void RegisterRegistryCommands(TCommandTable& table) {
  table.Bind(cmd::kRegistryRead, RegistryReadBody);
  table.Bind(cmd::kRegistryWrite, RegistryWriteBody);
}

}  // namespace orv
