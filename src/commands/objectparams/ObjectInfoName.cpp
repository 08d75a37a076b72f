#include "commands/objectparams/ObjectInfoName.h"

#include <array>

#include "base/Ansi.h"

namespace orv {
namespace {

// In the order of the enumeration, which starts at 1.
constexpr std::array<std::string_view, 15> kInfoNames{
    "Visible", "Enabled",        "Left",       "Top",         "Width",       "Height",  "FileName", "SelectedText",
    "CursorPosition", "ImageWidth", "ImageHeight", "MediaLength", "Caption", "AbsLeft", "AbsTop",
};
static_assert(kInfoNames.size() == static_cast<std::size_t>(ObjectInfo::AbsTop));

}  // namespace

std::optional<ObjectInfo> ReadObjectInfoName(std::string_view name) {
  for (std::size_t i = 0; i < kInfoNames.size(); ++i)
    if (AnsiSameText(kInfoNames[i], name)) return static_cast<ObjectInfo>(i + 1);
  return std::nullopt;
}

}  // namespace orv
