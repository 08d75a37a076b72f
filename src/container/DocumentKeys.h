#pragma once
// The vocabulary of the publication document: every key the player knows,
// with the type its value is converted by and the part of the publication it
// belongs to.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace orv {

enum class KeyType : std::uint8_t {
  Marker,     // a section word, no value
  String,     // the value as it stands
  Lines,      // multi-line text: "¶" becomes CR LF
  File,       // a file name, resolved when used
  Integer,    // signed 32-bit; "$", "x", "X", "0x" select hexadecimal
  Boolean,    // true only for "Yes", any case
  Colour,     // an Integer holding a colour value
  FontStyle,  // an Integer whose low 4 bits are bold, italic, underline, strike-out
};

enum class KeyScope : std::uint8_t {
  Publication,  // publication settings, anywhere in the document
  Text,         // "L_" texts of the player's own dialogs
  Page,         // the current page
  Object,       // the current object
  Menu,         // menu items, inside a menu section only
  Ignored,      // accepted and ignored
};

// Keys that steer the reading rather than carry a property.
enum class KeyRole : std::uint8_t {
  Plain,
  MasterPage,
  NewPage,
  ObjectType,
  GroupBegin,      // also "CONTAINERBEGIN"
  GroupEnd,        // also "CONTAINEREND"
  MenuBegin,
  MenuEnd,
  TrayMenuBegin,
  MenuName,
  VariableName,    // the value is a variable name, kept in bracketed form
  TestRunOnly,     // read only when the package is a test run
};

struct DocumentKey {
  std::string_view name;  // upper case, with its "=" unless it is a section word
  KeyType type;
  KeyScope scope;
  KeyRole role = KeyRole::Plain;
  // Publication keys: the value in force until the document gives one; null
  // when the key has no default (its consumer decides).
  const char* defaultText = nullptr;
};

// Keys the reader acts on as it meets them: every key but an object's
// properties and the keys it ignores. An object's properties are converted
// when its keys are asked for (Publication::ObjectKeys).
constexpr bool IsReadAtOnce(const DocumentKey& key) {
  if (key.scope == KeyScope::Ignored) return false;
  if (key.scope != KeyScope::Object) return true;
  return key.role == KeyRole::ObjectType || key.role == KeyRole::GroupBegin ||
         key.role == KeyRole::GroupEnd;
}

// No known key is longer.
inline constexpr std::size_t kLongestDocumentKey = 32;

// The key as written in the document ("newpage=", " MasterPage "), matched
// without regard to case; null for an unknown key.
const DocumentKey* FindDocumentKey(std::string_view key);

// Every known key, publication keys first in their documented order, then the
// "L_" texts in theirs.
std::span<const DocumentKey> DocumentKeys();

// The key's name without its "=", as the inspect outputs show it.
std::string_view KeyLabel(const DocumentKey& key);

}  // namespace orv
