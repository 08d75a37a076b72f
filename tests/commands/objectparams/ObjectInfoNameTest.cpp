// The information names of GetObjectInfo.
#include "commands/objectparams/ObjectInfoName.h"

#include <gtest/gtest.h>

namespace orv {
namespace {

TEST(ObjectInfoNameTest, EveryNameInAnyCase) {
  const std::pair<const char*, ObjectInfo> names[] = {
      {"Visible", ObjectInfo::Visible},           {"ENABLED", ObjectInfo::Enabled},
      {"left", ObjectInfo::Left},                 {"Top", ObjectInfo::Top},
      {"width", ObjectInfo::Width},               {"Height", ObjectInfo::Height},
      {"filename", ObjectInfo::FileName},         {"SelectedText", ObjectInfo::SelectedText},
      {"CURSORPOSITION", ObjectInfo::CursorPosition}, {"ImageWidth", ObjectInfo::ImageWidth},
      {"imageheight", ObjectInfo::ImageHeight},   {"MediaLength", ObjectInfo::MediaLength},
      {"Caption", ObjectInfo::Caption},           {"absleft", ObjectInfo::AbsLeft},
      {"AbsTop", ObjectInfo::AbsTop},
  };
  for (const auto& [name, info] : names) EXPECT_EQ(ReadObjectInfoName(name), info) << name;
}

TEST(ObjectInfoNameTest, OnlyWholeNamesCount) {
  for (const char* name : {"", "Visibl", "Visible ", " Left", "LeftTop", "File Name", "Abs", "Text"})
    EXPECT_EQ(ReadObjectInfoName(name), std::nullopt) << '"' << name << '"';
}

}  // namespace
}  // namespace orv
