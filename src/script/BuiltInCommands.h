#pragma once
// The 201 commands every publication can use, as data: registration order,
// number, accepted parameter counts and the preparation of each parameter.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace orv {

inline constexpr std::string_view kBuiltInGroupName = "_OVK";
inline constexpr int kMaxParams = 10;

struct BuiltInCommandRec {
  int Id;
  std::string_view Name;
  std::uint8_t MinParams;
  std::uint8_t MaxParams;
  std::array<std::uint8_t, kMaxParams> ParamTypes;  // ParamType codes, 0 past MaxParams
};

std::span<const BuiltInCommandRec> BuiltInCommands();

}  // namespace orv
