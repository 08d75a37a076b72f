#pragma once
// The information names of GetObjectInfo, compared whole without regard to
// case.
#include <optional>
#include <string_view>

namespace orv {

enum class ObjectInfo {
  Visible = 1,
  Enabled,
  Left,
  Top,
  Width,
  Height,
  FileName,
  SelectedText,
  CursorPosition,
  ImageWidth,
  ImageHeight,
  MediaLength,
  Caption,
  AbsLeft,
  AbsTop,
};

std::optional<ObjectInfo> ReadObjectInfoName(std::string_view name);

}  // namespace orv
