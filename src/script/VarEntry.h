#pragma once
// One variable of a store: its name, its value and, for typed variables,
// the type DefineVar gave it.
#include <cstdint>
#include <memory>
#include <string>

namespace orv {

enum VarTypeCode : std::uint8_t {
  vtUndefined = 0,
  vtString = 1,
  vtInteger = 2,
  vtCurrency = 3,
  vtDecimal = 4,
  vtBoolean = 5,
  vtDate = 6
};

// Attached to typed variables and to every variable DefineVar creates in a
// local store.
struct TGenericVarInfo {
  std::uint8_t VarType = vtUndefined;
  std::string Format;  // decimals or date format as DefineVar received it
};

struct VarEntry {
  std::string Name;   // without brackets
  std::string Value;  // may hold "=", CR, LF and NUL bytes
  std::unique_ptr<TGenericVarInfo> Info;

  std::uint8_t Type() const { return Info ? Info->VarType : std::uint8_t{vtUndefined}; }
};

}  // namespace orv
