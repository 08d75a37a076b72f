// SetObjectFill, SetObjectLine, SetObjectFont, SetObjectCaption and
// SetObjectFileName on real objects of every type that takes them: what
// each parameter changes and what it leaves, the failure texts, and the new
// look on screen.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <string>
#include <vector>

#include "TypeCommandWindow.h"
#include "base/Messages.h"
#include "objects/InputObjects.h"
#include "objects/MediaObjects.h"
#include "objects/buttons/Buttons.h"
#include "objects/pictures/PictureObject.h"
#include "objects/shapes/Shapes.h"
#include "objects/text/Article.h"
#include "objects/text/LinkedArticle.h"
#include "objects/text/TextBlock.h"
#include "pages/Colour.h"

namespace orv {
namespace {

using test::ObjectLines;

class ObjectSetCommandsTest : public test::TypeCommandWindow {};

constexpr ColourValue kWhite = 0xFFFFFF;
constexpr ColourValue kRed = 0x0000FF;
constexpr ColourValue kBlue = 0xFF0000;
constexpr ColourValue kButtonFace = 0xFF00000F;  // the system colour 15
constexpr ColourValue kNoColour = 0x1FFFFFFF;

const std::string kRectPage = "NewPage=One\r\n" +
                              ObjectLines(5, "R", QRect(20, 20, 100, 60),
                                          {"FillColor=16777215", "FillPattern=2", "LineColor=16711680",
                                           "LineWidth=3", "LineStyle=0"});

TEST_F(ObjectSetCommandsTest, FillTakesWhatIsValidAndLeavesTheRest) {
  struct Case {
    const char* colour;
    const char* pattern;
    const char* transparent;
    ColourValue fill;
    int fillPattern;
    bool isTransparent;
  } cases[] = {
      {"btnface", "", "", kButtonFace, 2, false},
      {"255,0", "", "", kRed, 2, false},
      {"255,,0", "", "", kWhite, 2, false},
      {"300,0,0", "", "", 44, 2, false},
      {"Nope", "", "", kWhite, 2, false},
      {"", "", "", kWhite, 2, false},
      {"None", "", "", kNoColour, 2, false},
      {"clNone", "", "", kWhite, 2, false},
      {"", "Hollow", "", kWhite, 1, false},
      {"", "solid", "", kWhite, 0, false},
      {"", "48", "", kWhite, 48, false},
      {"", "49", "", kWhite, 2, false},
      {"", "dots", "", kWhite, 2, false},
      {"", "", "Yes", kWhite, 2, true},
      {"", "", "maybe", kWhite, 2, false},
  };
  ASSERT_TRUE(Open(kRectPage));
  auto* rect = Find<TOrvalisRect>("R");
  ASSERT_NE(rect, nullptr);
  for (const Case& c : cases) {
    rect->SetFillColor(kWhite);
    rect->SetFillPattern(2);
    rect->SetTransparent(false);
    vars.SetLastError("earlier");
    Run(std::string("SetObjectFill \"r\" \"") + c.colour + "\" \"" + c.pattern + "\" \"" + c.transparent + "\"");
    const std::string line = std::string(c.colour) + "/" + c.pattern + "/" + c.transparent;
    EXPECT_EQ(rect->FillColor(), c.fill) << line;
    EXPECT_EQ(rect->FillPattern(), c.fillPattern) << line;
    EXPECT_EQ(rect->Transparent(), c.isTransparent) << line;
    EXPECT_EQ(Var("LastError"), "") << line;
  }
  // A false word takes the flag away again.
  Run("SetObjectFill \"R\" \"\" \"\" \"Yes\"");
  Run("SetObjectFill \"R\" \"\" \"\" \"cancel\"");
  EXPECT_FALSE(rect->Transparent());
}

TEST_F(ObjectSetCommandsTest, LineTakesColourWidthAndStyleByTheirRules) {
  struct Case {
    const char* colour;
    const char* width;
    const char* style;
    ColourValue lineColour;
    int lineWidth;
    int lineStyle;
  } cases[] = {
      // A width without a colour leaves the colour.
      {"", "7", "", kBlue, 7, 0},
      {"red", "4", "", kRed, 4, 0},
      // Dashes and dots force one pixel.
      {"", "5", "2", kBlue, 1, 2},
      {"", "5", "4", kBlue, 1, 4},
      {"", "5", "5", kBlue, 5, 5},
      {"", "5", "6", kBlue, 5, 6},
      {"", "5", "7", kBlue, 5, 0},
      {"", "5", "dash", kBlue, 5, 0},
      // A width that is no number counts 0; one beyond 100 is left.
      {"", "wide", "", kBlue, 0, 0},
      {"", "101", "", kBlue, 3, 0},
      {"", "100", "", kBlue, 100, 0},
  };
  ASSERT_TRUE(Open(kRectPage));
  auto* rect = Find<TOrvalisRect>("R");
  ASSERT_NE(rect, nullptr);
  for (const Case& c : cases) {
    rect->SetLineColor(kBlue);
    rect->SetLineWidth(3);
    rect->SetLineStyle(0);
    Run(std::string("SetObjectLine \"R\" \"") + c.colour + "\" \"" + c.width + "\" \"" + c.style + "\"");
    const std::string line = std::string(c.colour) + "/" + c.width + "/" + c.style;
    EXPECT_EQ(rect->LineColor(), c.lineColour) << line;
    EXPECT_EQ(rect->LineWidth(), c.lineWidth) << line;
    EXPECT_EQ(static_cast<int>(rect->LineStyle()), c.lineStyle) << line;
  }
}

TEST_F(ObjectSetCommandsTest, EveryCommandReportsAMissingObject) {
  ASSERT_TRUE(Open(kRectPage));
  const std::string missing = "\"Gone\"||" + std::string(Message(251));
  for (const char* line : {"SetObjectFill \"Gone\" \"red\" \"\" \"\"", "SetObjectLine \"Gone\" \"red\" \"1\" \"\"",
                           "SetObjectFont \"Gone\" \"red\" \"\" \"\" \"\" \"\"", "SetObjectCaption \"Gone\" \"x\"",
                           "SetObjectFileName \"Gone\" \"x.png\""}) {
    vars.SetLastError("");
    Run(line);
    EXPECT_EQ(Var("LastError"), missing) << line;
  }
}

TEST_F(ObjectSetCommandsTest, EveryTypeTakesFillLineAndFont) {
  std::string page = "NewPage=One\r\n";
  for (int type = 2; type <= 24; ++type)
    page += ObjectLines(type, "O" + std::to_string(type), QRect(10 * (type % 10), 40 * (type / 10), 60, 30)) +
            (type == 20 || type == 21 ? "GroupBegin\r\nGroupEnd\r\n" : "");
  ASSERT_TRUE(Open(page));
  for (int type = 2; type <= 24; ++type) {
    const std::string name = "O" + std::to_string(type);
    TOrvalisObj* object = Find(name);
    ASSERT_NE(object, nullptr) << name;
    vars.SetLastError("earlier");
    Run("SetObjectFill \"" + name + "\" \"255,0,0\" \"Hollow\" \"\"");
    Run("SetObjectLine \"" + name + "\" \"0,0,255\" \"4\" \"6\"");
    Run("SetObjectFont \"" + name + "\" \"0,255,0\" \"Courier New\" \"9\" \"italic\" \"\"");
    EXPECT_EQ(Var("LastError"), "") << name;
    EXPECT_EQ(object->FillColor(), kRed) << name;
    EXPECT_EQ(object->FillPattern(), 1) << name;
    EXPECT_EQ(object->LineColor(), kBlue) << name;
    EXPECT_EQ(object->LineWidth(), 4) << name;
    EXPECT_EQ(static_cast<int>(object->LineStyle()), 6) << name;
    EXPECT_EQ(object->Font().Color, 0x00FF00u) << name;
    EXPECT_EQ(object->Font().Name, "Courier New") << name;
    EXPECT_EQ(object->Font().Style, 2) << name;
  }
}

const std::string kTextPage =
    "NewPage=One\r\n" + ObjectLines(8, "T", QRect(10, 10, 300, 80),
                                    {"Text=Hello there", "TextColor=255", "Font=Arial", "FontSize=12",
                                     "FontStyle=1", "FontCharSet=0", "FillColor=16777215"});

TEST_F(ObjectSetCommandsTest, FontChangesOnlyWhatIsGiven) {
  struct Case {
    const char* line;  // after "SetObjectFont \"T\" "
    ColourValue colour;
    const char* name;
    int size;
    int style;
    int charset;
  } cases[] = {
      // Only a colour: nothing else changes, the style neither.
      {"\"0,0,255\" \"\" \"\" \"\" \"\"", kBlue, "Arial", 12, 1, 0},
      // Only a size: the colour stays, the empty style clears bold.
      {"\"\" \"\" \"20\" \"\" \"\"", kRed, "Arial", 20, 0, 0},
      {"\"\" \"Courier New\" \"\" \"\" \"\"", kRed, "Courier New", 12, 0, 0},
      {"\"\" \"\" \"0\" \"italic, underline\" \"\"", kRed, "Arial", 12, 2 | 4, 0},
      {"\"\" \"\" \"\" \"Bold StrikeOut\" \"\"", kRed, "Arial", 12, 1 | 8, 0},
      {"\"\" \"\" \"5000\" \"\" \"\"", kRed, "Arial", 1000, 0, 0},
      {"\"\" \"\" \"\" \"\" \"greek_charset\"", kRed, "Arial", 12, 0, 161},
      {"\"\" \"\" \"\" \"\" \"238\"", kRed, "Arial", 12, 0, 238},
      {"\"\" \"\" \"\" \"\" \"KLINGON\"", kRed, "Arial", 12, 0, 1},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(Open(kTextPage));
    auto* text = Find<TOrvalisText>("T");
    ASSERT_NE(text, nullptr);
    vars.SetLastError("earlier");
    Run(std::string("SetObjectFont \"T\" ") + c.line);
    const TObjectFont& font = text->Font();
    EXPECT_EQ(font.Color, c.colour) << c.line;
    EXPECT_EQ(font.Name, c.name) << c.line;
    EXPECT_EQ(font.Size, c.size) << c.line;
    EXPECT_EQ(font.Style, c.style) << c.line;
    EXPECT_EQ(font.CharSet, c.charset) << c.line;
    EXPECT_EQ(Var("LastError"), "") << c.line;
  }
}

// Pixels of the text block's area that are about `colour`, and those that
// are dark (black text).
struct InkCount {
  int matching = 0;
  int dark = 0;
};
InkCount CountInk(const QImage& image, QRect area, QColor colour) {
  InkCount count;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x) {
      const QColor pixel = image.pixelColor(x, y);
      if (std::abs(pixel.red() - colour.red()) < 60 && std::abs(pixel.green() - colour.green()) < 60 &&
          std::abs(pixel.blue() - colour.blue()) < 60)
        ++count.matching;
      if (pixel.red() < 60 && pixel.green() < 60 && pixel.blue() < 60) ++count.dark;
    }
  return count;
}

TEST_F(ObjectSetCommandsTest, ASizeAloneKeepsTheTextColourOnScreen) {
  ASSERT_TRUE(Open(kTextPage));
  // Inside the black outline.
  const QRect area(12, 12, 296, 76);
  const InkCount before = CountInk(Grab(), area, Qt::red);
  ASSERT_GT(before.matching, 0);
  Run("SetObjectFont \"T\" \"\" \"\" \"24\" \"\" \"\"");
  const QImage after = Grab();
  Keep(after, "font-size-only");
  const InkCount grown = CountInk(after, area, Qt::red);
  // Larger, still red, never black.
  EXPECT_GT(grown.matching, before.matching);
  EXPECT_EQ(grown.dark, 0);

  Run("SetObjectFont \"T\" \"0,0,255\" \"\" \"\" \"\" \"\"");
  const QImage blue = Grab();
  Keep(blue, "font-colour-only");
  EXPECT_GT(CountInk(blue, area, Qt::blue).matching, 0);
  EXPECT_EQ(CountInk(blue, area, Qt::red).matching, 0);
}

TEST_F(ObjectSetCommandsTest, FillAndLineShowAtOnce) {
  ASSERT_TRUE(Open(kRectPage));
  Run("SetObjectFill \"R\" \"255,0,0\" \"Solid\" \"\"");
  Run("SetObjectLine \"R\" \"0,0,255\" \"8\" \"0\"");
  const QImage image = Grab();
  Keep(image, "fill-line");
  EXPECT_EQ(image.pixelColor(70, 50), QColor(Qt::red));
  EXPECT_EQ(image.pixelColor(23, 50), QColor(Qt::blue));
  EXPECT_EQ(image.pixelColor(27, 50), QColor(Qt::blue));
}

TEST_F(ObjectSetCommandsTest, ALinkedBoxPassesItsFontToTheFirstBoxOfItsChain) {
  ASSERT_TRUE(Open("NewPage=One\r\n" +
                   ObjectLines(24, "Box1", QRect(10, 10, 150, 100), {"FileName=story.rtf", "Font=Arial"}) +
                   ObjectLines(24, "Box2", QRect(200, 10, 150, 100), {"FileName=STORY.rtf", "Font=Arial"})));
  auto* first = Find<TOrvalisLinkedArticle>("Box1");
  auto* second = Find<TOrvalisLinkedArticle>("Box2");
  ASSERT_NE(first, nullptr);
  ASSERT_NE(second, nullptr);
  ASSERT_EQ(second->LinkPrev(), first);
  Run("SetObjectFont \"Box2\" \"255,0,0\" \"Times New Roman\" \"16\" \"bold\" \"\"");
  EXPECT_EQ(first->Font().Name, "Times New Roman");
  EXPECT_EQ(first->Font().Size, 16);
  EXPECT_EQ(first->Font().Color, kRed);
  // The chain's boxes show the first box's font.
  EXPECT_EQ(second->Font().Name, "Times New Roman");
  EXPECT_EQ(second->Font().Style, 1);
}

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (const std::string& item : items) text += (text.empty() ? "" : ",") + item;
  return text;
}

TEST_F(ObjectSetCommandsTest, CaptionsGoWhereEachTypeKeepsThem) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + ObjectLines(9, "Edit", QRect(0, 0, 80, 20)) +
                   ObjectLines(8, "Text", QRect(0, 30, 80, 20)) +
                   ObjectLines(3, "Push", QRect(0, 60, 80, 20), {"Text=Old"}) +
                   ObjectLines(12, "Check", QRect(0, 90, 80, 20)) + ObjectLines(13, "Radio", QRect(0, 120, 80, 20)) +
                   ObjectLines(10, "List", QRect(100, 0, 80, 60), {"Text=x\xB6y"}) +
                   ObjectLines(11, "Combo", QRect(100, 70, 80, 20)) + ObjectLines(5, "Rect", QRect(200, 0, 50, 50)) +
                   ObjectLines(4, "Pic", QRect(200, 60, 50, 50)) + ObjectLines(7, "Line", QRect(200, 120, 50, 50))));
  for (const char* name : {"Edit", "Text", "Push", "Check", "Radio"}) {
    vars.SetLastError("earlier");
    Run(std::string("SetObjectCaption \"") + name + "\" \"New caption\"");
    EXPECT_EQ(Find(name)->Txt(), "New caption") << name;
    EXPECT_EQ(Var("LastError"), "") << name;
  }
  for (const char* name : {"List", "Combo"}) {
    Run(std::string("SetObjectCaption \"") + name + "\" \"a|b||c\"");
    EXPECT_EQ(Joined(Find<TOrvalisListObject>(name)->Items()), "a,b,,c") << name;
  }
  for (const char* name : {"Rect", "Pic", "Line"}) {
    vars.SetLastError("");
    Run(std::string("SetObjectCaption \"") + name + "\" \"New caption\"");
    EXPECT_EQ(Var("LastError"), Message(341)) << name;
  }
}

TEST_F(ObjectSetCommandsTest, FileNamesGoWhereEachTypeKeepsThem) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + ObjectLines(4, "Pic", QRect(0, 0, 50, 50)) +
                   ObjectLines(23, "Poly", QRect(60, 0, 50, 50)) + ObjectLines(2, "Art", QRect(120, 0, 80, 50)) +
                   ObjectLines(24, "Linked", QRect(210, 0, 80, 50)) +
                   ObjectLines(3, "Lib", QRect(0, 60, 50, 20), {"ImageStyle=1"}) +
                   ObjectLines(3, "Up", QRect(60, 60, 50, 20), {"ImageStyle=2"}) +
                   ObjectLines(3, "Plain", QRect(120, 60, 50, 20), {"ImageStyle=0"}) +
                   ObjectLines(18, "Media", QRect(0, 90, 50, 20)) + ObjectLines(8, "Text", QRect(0, 120, 50, 20)) +
                   ObjectLines(5, "Rect", QRect(60, 120, 50, 20)) + ObjectLines(9, "Edit", QRect(120, 120, 50, 20))));
  const std::string file = WriteFile("given.txt", "Some text");
  auto set = [&](const char* name) {
    vars.SetLastError("earlier");
    return Run(std::string("SetObjectFileName \"") + name + "\" \"" + file + "\"");
  };
  set("Pic");
  EXPECT_EQ(Find<TOrvalisPicture>("Pic")->ImageFile(), file);
  set("Poly");
  EXPECT_EQ(Find<TOrvalisPolygon>("Poly")->ImageFile(), file);
  set("Art");
  EXPECT_EQ(Find<TOrvalisArticle>("Art")->TextFile(), file);
  set("Linked");
  EXPECT_EQ(Find<TOrvalisLinkedArticle>("Linked")->TextFile(), file);
  set("Lib");
  EXPECT_EQ(Find<TOrvalisPushBtn>("Lib")->LibImage(), file);
  EXPECT_EQ(Find<TOrvalisPushBtn>("Lib")->UpImage(), "");
  set("Up");
  EXPECT_EQ(Find<TOrvalisPushBtn>("Up")->UpImage(), file);
  set("Plain");
  EXPECT_EQ(Find<TOrvalisPushBtn>("Plain")->UpImage(), "");
  EXPECT_EQ(Find<TOrvalisPushBtn>("Plain")->LibImage(), "");
  EXPECT_EQ(Var("LastError"), "");
  set("Media");
  EXPECT_EQ(Var("LastError"), "");
  for (const char* name : {"Text", "Rect", "Edit"}) {
    set(name);
    EXPECT_EQ(Var("LastError"), Message(342)) << name;
  }
}

TEST_F(ObjectSetCommandsTest, AnArticleShowsTheFileItIsGiven) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + ObjectLines(2, "Art", QRect(10, 10, 300, 100),
                                                   {"TextColor=255", "FontSize=14", "FillColor=16777215"})));
  const QRect area(10, 10, 300, 100);
  EXPECT_EQ(CountInk(Grab(), area, Qt::red).matching, 0);
  const std::string file = WriteFile("story.txt", "A story told in red letters\r\n");
  Run("SetObjectFileName \"Art\" \"" + file + "\"");
  const QImage image = Grab();
  Keep(image, "article-file");
  EXPECT_GT(CountInk(image, area, Qt::red).matching, 0);
}

}  // namespace
}  // namespace orv
