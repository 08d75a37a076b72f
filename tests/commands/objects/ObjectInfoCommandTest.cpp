// GetObjectInfo on one object of every type: the values each type gives
// for every information name, names in any case, places in page and
// display coordinates, and the unknown name's report.
#include <gtest/gtest.h>

#include <string>

#include "ObjectCommandFixture.h"
#include "objects/ObjectPage.h"
#include "objects/pictures/PictureTestPictures.h"

namespace orv {
namespace {

using test::Box;
using test::Holder;
using test::kDocRed;
using test::kEveryTypeCaption;

class ObjectCommandInfo : public test::ObjectCommandFixture {
 protected:
  bool OpenEveryType() {
    picture = pictures.Solid("p.png", 37, 23, Qt::red);
    return Open(test::EveryTypePage("One", picture));
  }
  test::PictureFolder pictures;
  std::string picture;
};

TEST_F(ObjectCommandInfo, EachTypeGivesItsFileCaptionAndPictureValues) {
  ASSERT_TRUE(OpenEveryType());
  const std::string items = "alpha|beta|gamma";
  struct Case {
    const char* object;
    const char* info;
    std::string expected;
  } cases[] = {
      {"Article", "FileName", "notes.rtf"},
      {"LinkedArticle", "FileName", "chain.rtf"},
      {"Article", "Caption", ""},
      {"Article", "SelectedText", ""},
      {"PushButton", "FileName", "strip.bmp"},
      {"PushButton", "Caption", kEveryTypeCaption},
      {"Picture", "FileName", picture},
      {"Picture", "ImageWidth", "37"},
      {"Picture", "ImageHeight", "23"},
      {"Rect", "ImageWidth", "0"},
      {"Rect", "FileName", ""},
      {"Rect", "Caption", ""},
      {"Text", "Caption", kEveryTypeCaption},
      {"EditField", "Caption", kEveryTypeCaption},
      // The page's first tab stop: the field took the focus by Tab when
      // the page showed, which selects its whole text.
      {"EditField", "CursorPosition", "6"},
      {"EditField", "SelectedText", kEveryTypeCaption},
      {"ListBox", "Caption", items},
      {"ComboBox", "Caption", items},
      {"CheckBox", "Caption", kEveryTypeCaption},
      {"RadioButton", "Caption", kEveryTypeCaption},
      {"WebBrowser", "FileName", "http://example.com/"},
      {"MediaPlayer", "FileName", "clip.avi"},
      {"MediaPlayer", "MediaLength", "0"},
      {"Flash", "MediaLength", "0"},
      {"Animator", "FileName", "spin.gif"},
      {"Flash", "FileName", "movie.swf"},
      {"Polygon", "FileName", "shape.png"},
      {"Timer", "Visible", "True"},
      {"TrackBar", "Caption", ""},
      {"Group", "Enabled", "True"},
      {"Container", "FileName", ""},
      {"Circle", "MediaLength", "0"},
      {"RoundRect", "CursorPosition", ""},
      // Names in any case.
      {"ListBox", "CAPTION", items},
      {"Picture", "imagewidth", "37"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.object) + " " + c.info);
    EXPECT_EQ(Info(c.object, c.info), c.expected);
  }
}

TEST_F(ObjectCommandInfo, PlacesAndStatesOfEveryType) {
  ASSERT_TRUE(OpenEveryType());
  for (const char* name : {"Article", "PushButton", "Picture", "Rect", "Circle", "Text", "EditField", "ListBox",
                           "ComboBox", "CheckBox", "RadioButton", "WebBrowser", "Timer", "TrackBar", "RoundRect",
                           "MediaPlayer", "Animator", "Group", "Container", "Flash", "Polygon", "LinkedArticle"}) {
    SCOPED_TRACE(name);
    const TOrvalisObj* object = Find(name);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(InfoRect(name), test::Text(object->geometry()));
    EXPECT_EQ(Info(name, "AbsLeft"), std::to_string(object->x()));
    EXPECT_EQ(Info(name, "AbsTop"), std::to_string(object->y()));
    EXPECT_EQ(Info(name, "Visible"), "True");
    Run("DisableObject \"" + std::string(name) + "\"");
    EXPECT_EQ(Info(name, "Enabled"), "False");
    EXPECT_FALSE(object->isEnabled());
    Run("EnableObject \"" + std::string(name) + "\"");
    EXPECT_EQ(Info(name, "Enabled"), "True");
    EXPECT_TRUE(object->isEnabled());
  }
  // A line is the rectangle between its end points, wherever its window.
  EXPECT_EQ(InfoRect("Line"), "10,250 20x40");
  EXPECT_EQ(Info("Line", "AbsLeft"), "10");
  EXPECT_EQ(Info("Line", "AbsTop"), "250");
}

// Display coordinates are those of the page display however the page is
// scrolled or nested: a grouped object on the master page counts its group.
TEST_F(ObjectCommandInfo, DisplayPlacesCountHoldersAndTheMasterPage) {
  ASSERT_TRUE(Open("MasterPage\r\n" + Holder(20, "G", QRect(30, 40, 200, 200), Box("M", QRect(7, 9, 10, 10), kDocRed)) +
                   "NewPage=One\r\n"));
  for (const char* info : {"Left", "AbsLeft"}) EXPECT_EQ(Info("M", info), "37") << info;
  for (const char* info : {"Top", "AbsTop"}) EXPECT_EQ(Info("M", info), "49") << info;
}

TEST_F(ObjectCommandInfo, AnUnknownNameIsReportedAndTheVariableKept) {
  ASSERT_TRUE(OpenEveryType());
  Run({"SetVar \"[Info]\" \"kept\"", "GetObjectInfo \"Rect\" \"Colour\" \"[Info]\""});
  EXPECT_EQ(LastError(), "Colour||Tipo di informazione oggetto non valida.");
  EXPECT_EQ(Var("[Info]"), "kept");
}

}  // namespace
}  // namespace orv
