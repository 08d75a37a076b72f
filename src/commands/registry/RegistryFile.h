#pragma once
// One root key of the registry store as a text file, in the layout of a
// registry export: a header line, then for each key a "[ROOT\path]" line
// followed by its values, one a line:
//
//   "Name"="text"          a string ("\\", "\"" and "\xHH" escapes)
//   @="text"               the key's default value
//   "Count"=dword:0000002a a 32-bit integer
//   "Data"=hex:01,02,ff    binary data
//   "Path"=hex(2):..       an expandable string, as bytes
//   "Odd"=hex(7):..        any other type number, as bytes
//
// Texts are Windows-1252 in memory and UTF-8 in the file. Keys, value names
// and root names compare without regard to case.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

enum class RegistryType : std::uint8_t { String, ExpandString, Integer, Binary, Other };

struct RegistryValue {
  RegistryType Type = RegistryType::String;
  std::string Data;          // text, or bytes for Binary, ExpandString and Other
  std::int32_t Integer = 0;  // Integer
  int OtherType = 0;         // the type number of Other

  static RegistryValue Text(std::string_view text) { return {RegistryType::String, std::string(text), 0, 0}; }
  static RegistryValue Number(std::int32_t n) { return {RegistryType::Integer, {}, n, 0}; }
  static RegistryValue Bytes(std::string_view bytes) { return {RegistryType::Binary, std::string(bytes), 0, 0}; }
};

class TRegistryFile {
 public:
  static constexpr std::string_view kHeader = "Orvalis Registry Store 1";

  explicit TRegistryFile(std::string rootName) : root_(std::move(rootName)) {}

  // Reads the file's text; lines it does not understand are skipped.
  void Parse(std::string_view text);
  std::string Text() const;

  // `key` without the root name, parts joined by "\" ("" is the root).
  bool KeyExists(std::string_view key) const;
  void CreateKey(std::string_view key);
  // nullopt when the key or the value is missing.
  std::optional<RegistryValue> Value(std::string_view key, std::string_view name) const;
  // Creates the key when missing.
  void SetValue(std::string_view key, std::string_view name, RegistryValue value);

 private:
  struct NamedValue {
    std::string Name;  // "" is the default value
    RegistryValue Value;
  };
  struct Key {
    std::string Path;
    std::vector<NamedValue> Values;
  };
  Key* FindKey(std::string_view key);
  const Key* FindKey(std::string_view key) const;

  std::string root_;
  std::vector<Key> keys_;
};

}  // namespace orv
