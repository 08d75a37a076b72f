// Objects built from the document: the class of each type, the defaults
// each type starts with, and where its keys land, including the keys and
// values a type does not take.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <typeindex>
#include <typeinfo>
#include <vector>

#include "objects/buttons/Buttons.h"
#include "objects/InputObjects.h"
#include "objects/MediaObjects.h"
#include "objects/ObjectPage.h"
#include "objects/OrvalisRepositor.h"
#include "objects/pictures/PictureObject.h"
#include "objects/shapes/Shapes.h"
#include "objects/text/Article.h"
#include "objects/text/LinkedArticle.h"
#include "objects/text/TextBlock.h"
#include "objects/WebObjects.h"

namespace orv {
namespace {

using test::DocLines;
using test::ObjectPage;
using test::Text;

std::string Text(const QPoint& p) { return std::to_string(p.x()) + "," + std::to_string(p.y()); }

// One object of `type` with `lines` after its "ObjectType=".
std::string OneObject(int type, std::initializer_list<std::string_view> lines = {}) {
  return "ObjectType=" + std::to_string(type) + "\r\n" + DocLines(lines);
}

TEST(ObjectDocumentKeys, EveryTypeIsBuiltAsItsOwnClass) {
  const struct {
    int type;
    std::type_index cls;
  } cases[] = {
      {2, typeid(TOrvalisArticle)},    {3, typeid(TOrvalisPushBtn)},       {4, typeid(TOrvalisPicture)},
      {5, typeid(TOrvalisRect)},       {6, typeid(TOrvalisCircle)},        {7, typeid(TOrvalisLine)},
      {8, typeid(TOrvalisText)},       {9, typeid(TOrvalisEditField)},     {10, typeid(TOrvalisListBox)},
      {11, typeid(TOrvalisComboBox)},  {12, typeid(TOrvalisCheckBox)},     {13, typeid(TOrvalisRadioBtn)},
      {14, typeid(TOrvalisWebBrowser)}, {15, typeid(TOrvalisTimer)},       {16, typeid(TOrvalisTrackBar)},
      {17, typeid(TOrvalisRoundRect)}, {18, typeid(TOrvalisMediaPlayer)},  {19, typeid(TOrvalisAnimator)},
      {20, typeid(TOrvalisGroup)},     {21, typeid(TOrvalisContainer)},    {22, typeid(TOrvalisFlash)},
      {23, typeid(TOrvalisPolygon)},   {24, typeid(TOrvalisLinkedArticle)},
  };
  std::string document;
  for (const auto& c : cases) document += OneObject(c.type, {"Name=O" + std::to_string(c.type)});
  ObjectPage page(document);
  ASSERT_EQ(page.Count(), std::size(cases));
  for (std::size_t i = 0; i < std::size(cases); ++i) {
    TOrvalisObj* object = page.Object(i);
    ASSERT_NE(object, nullptr);
    EXPECT_EQ(std::type_index(typeid(*object)), cases[i].cls) << "type " << cases[i].type;
    EXPECT_EQ(object->ObjType(), cases[i].type);
    EXPECT_EQ(object->ObjectName(), "O" + std::to_string(cases[i].type));
    EXPECT_EQ(object->parentWidget(), &page.Page());
  }
}

TEST(ObjectDocumentKeys, TypesStartWithTheirDefaults) {
  ObjectPage page(OneObject(5) + OneObject(3) + OneObject(12) + OneObject(13) + OneObject(15) + OneObject(4) +
                  OneObject(16) + OneObject(2) + OneObject(14));
  ASSERT_EQ(page.Count(), 9u);

  const TOrvalisObj* rect = page.Object(0);
  ASSERT_NE(rect, nullptr);
  EXPECT_EQ(rect->LineWidth(), 1);
  EXPECT_EQ(rect->LineColor(), 0u);
  EXPECT_EQ(rect->LineStyle(), ovpsSolid);
  EXPECT_EQ(rect->FillColor(), 0x8000000Fu);
  EXPECT_EQ(rect->FillPattern(), kSolidFill);
  EXPECT_FALSE(rect->Transparent());
  EXPECT_TRUE(rect->VisibleState());
  EXPECT_TRUE(rect->EnabledState());
  EXPECT_EQ(rect->Anchor(), anNone);

  const auto* push = page.As<TOrvalisPushBtn>(1);
  const auto* check = page.As<TOrvalisCheckBox>(2);
  const auto* radio = page.As<TOrvalisRadioBtn>(3);
  const auto* timer = page.As<TOrvalisTimer>(4);
  const auto* picture = page.As<TOrvalisPicture>(5);
  const auto* track = page.As<TOrvalisTrackBar>(6);
  const auto* article = page.As<TOrvalisArticle>(7);
  const auto* browser = page.As<TOrvalisWebBrowser>(8);
  ASSERT_TRUE(push && check && radio && timer && picture && track && article && browser);

  EXPECT_EQ(push->BevelWidth(), 2);
  EXPECT_TRUE(push->DepressEffect());
  EXPECT_FALSE(push->UseXPTheme());
  EXPECT_EQ(push->ButtonStyle(), bsStandard);
  EXPECT_EQ(push->ImageStyle(), ovbsNone);

  EXPECT_EQ(check->Alignment(), 1);
  EXPECT_EQ(check->ButtonStyle(), bsToggle);
  EXPECT_TRUE(check->UseXPTheme());
  EXPECT_EQ(radio->Alignment(), 1);
  EXPECT_EQ(radio->ButtonStyle(), bsRadio);

  EXPECT_EQ(timer->Interval(), 1000);
  EXPECT_EQ(timer->size(), QSize(32, 32));
  EXPECT_TRUE(timer->AutoStart());

  EXPECT_EQ(picture->ZoomFactor(), 100);
  EXPECT_EQ(picture->TransColor(), 0x1FFFFFFFu);
  EXPECT_EQ(picture->Opacity(), 255);

  EXPECT_EQ(track->Minimum(), 0);
  EXPECT_EQ(track->Maximum(), 100);
  EXPECT_EQ(track->ThumbWidth(), 10);
  EXPECT_EQ(track->ThumbHeight(), 10);
  EXPECT_EQ(track->TrackWidth(), 3);
  EXPECT_EQ(track->TrackHeight(), 3);

  EXPECT_TRUE(article->ScrollBars());
  EXPECT_TRUE(article->WordWrap());

  EXPECT_TRUE(browser->AllowContextMenu());
  EXPECT_TRUE(browser->EnhancedSecurity());
}

template <typename T>
std::string VarNameOf(TOrvalisObj* object) {
  const T* typed = dynamic_cast<T*>(object);
  return typed != nullptr ? typed->VarName() : std::string("(another class)");
}

TEST(ObjectDocumentKeys, VariableNamesBindOnlyWhereTheTypeTakesOne) {
  const struct {
    const char* label;
    int type;
    std::string (*var)(TOrvalisObj*);
    const char* expected;
  } cases[] = {
      {"push button", 3, &VarNameOf<TOrvalisButton>, ""},
      {"check box", 12, &VarNameOf<TOrvalisButton>, "[V]"},
      {"radio button", 13, &VarNameOf<TOrvalisButton>, "[V]"},
      {"edit field", 9, &VarNameOf<TOrvalisEditField>, "[V]"},
      {"list box", 10, &VarNameOf<TOrvalisListObject>, "[V]"},
      {"combo box", 11, &VarNameOf<TOrvalisListObject>, "[V]"},
      {"track bar", 16, &VarNameOf<TOrvalisTrackBar>, "[V]"},
      {"timer", 15, &VarNameOf<TOrvalisTimer>, "[V]"},
      {"media player", 18, &VarNameOf<TOrvalisMediaPlayer>, "[V]"},
  };
  for (const auto& c : cases) {
    ObjectPage page(OneObject(c.type, {"VarName=V"}));
    ASSERT_EQ(page.Count(), 1u) << c.label;
    EXPECT_EQ(c.var(page.Object()), c.expected) << c.label;
  }
}

TEST(ObjectDocumentKeys, NumbersAreKeptInRange) {
  using Getter = std::function<std::string(TOrvalisObj*)>;
  const Getter zoom = [](TOrvalisObj* o) {
    return std::to_string(dynamic_cast<TOrvalisPicture&>(*o).ZoomFactor());
  };
  const Getter range = [](TOrvalisObj* o) {
    const auto& bar = dynamic_cast<TOrvalisTrackBar&>(*o);
    return std::to_string(bar.Minimum()) + ".." + std::to_string(bar.Maximum());
  };
  const struct {
    int type;
    std::vector<std::string_view> lines;
    Getter get;
    std::string expected;
  } cases[] = {
      {4, {"PictZoomFactor=5"}, zoom, "10"},
      {4, {"PictZoomFactor=-3"}, zoom, "10"},
      {4, {"PictZoomFactor=250"}, zoom, "250"},
      {16, {"Max=20", "Min=50"}, range, "50..51"},
      {16, {"Min=50", "Max=20"}, range, "19..20"},
      {16, {"Min=-7", "Max=7"}, range, "-7..7"},
      {16, {"Min=2147483647"}, range, "2147483646..2147483647"},
      {16, {"Max=-2147483648"}, range, "-2147483648..-2147483647"},
      {16, {"Min=2147483647", "Max=-2147483648"}, range, "-2147483648..-2147483647"},
      {16, {"Max=-2147483648", "Min=2147483647"}, range, "2147483646..2147483647"},
  };
  for (const auto& c : cases) {
    std::string document = OneObject(c.type);
    for (const std::string_view line : c.lines) document += std::string(line) + "\r\n";
    ObjectPage page(document);
    ASSERT_EQ(page.Count(), 1u) << document;
    EXPECT_EQ(c.get(page.Object()), c.expected) << document;
  }
}

TEST(ObjectDocumentKeys, LineEndPointsMoveWithThePublicationArea) {
  const struct {
    std::vector<std::string_view> points;
    QPoint start, end;
  } cases[] = {
      {{"X1=0", "Y1=0", "X2=10", "Y2=10"}, {100, 50}, {110, 60}},
      {{"X1=10", "Y1=10", "X2=0", "Y2=0"}, {110, 60}, {100, 50}},
      {{"X1=4", "Y1=9", "X2=30", "Y2=2"}, {104, 59}, {130, 52}},
  };
  for (const auto& c : cases) {
    std::string document = OneObject(7);
    for (const std::string_view line : c.points) document += std::string(line) + "\r\n";
    ObjectPage page(document, QSize(400, 300));
    auto* line = page.As<TOrvalisLine>();
    ASSERT_NE(line, nullptr);
    page.Page().SetPublicationArea(QRect(100, 50, 200, 150));
    EXPECT_EQ(Text(line->StartPoint()), Text(c.start)) << document;
    EXPECT_EQ(Text(line->EndPoint()), Text(c.end)) << document;
    // The window spans both points, grown by a pixel on every side for
    // the pen of a slanted line.
    const QRect span(QPoint(std::min(c.start.x(), c.end.x()) - 1, std::min(c.start.y(), c.end.y()) - 1),
                     QPoint(std::max(c.start.x(), c.end.x()), std::max(c.start.y(), c.end.y())));
    EXPECT_EQ(Text(QRect(line->PagePosition(), line->size())), Text(span)) << document;
  }
}

TEST(ObjectDocumentKeys, EndCapBitsGiveTheArrows) {
  const struct {
    const char* caps;
    int start, end;
  } cases[] = {
      {"513", lc_Arrow, lc_Arrow}, {"2", lc_None, lc_None}, {"1", lc_Arrow, lc_None},
      {"512", lc_None, lc_Arrow},  {"0", lc_None, lc_None},
  };
  for (const auto& c : cases) {
    ObjectPage page(OneObject(7, {std::string("EndCaps=") + c.caps}));
    auto* line = page.As<TOrvalisLine>();
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->StartCap(), c.start) << c.caps;
    EXPECT_EQ(line->EndCap(), c.end) << c.caps;
  }
}

TEST(ObjectDocumentKeys, PasswordAndNumberEditsDropTheMask) {
  const struct {
    std::vector<std::string_view> lines;
    const char* mask;
    char password;
    bool numbers;
  } cases[] = {
      {{"EditMask=99/99", "EditPassword=Yes"}, "", '*', false},
      {{"EditMask=99/99", "EditPassword=No"}, "99/99", 0, false},
      {{"EditMask=99/99", "EditNumber=Yes"}, "", 0, true},
      {{"EditPassword=Yes", "EditNumber=Yes"}, "", 0, true},
  };
  for (const auto& c : cases) {
    std::string document = OneObject(9);
    for (const std::string_view line : c.lines) document += std::string(line) + "\r\n";
    ObjectPage page(document);
    auto* edit = page.As<TOrvalisEditField>();
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(edit->EditMask(), c.mask) << document;
    EXPECT_EQ(edit->PasswordChar(), c.password) << document;
    EXPECT_EQ(edit->NumbersOnly(), c.numbers) << document;
  }
}

TEST(ObjectDocumentKeys, PolygonTakesItsPictureOutlineOnlyForStyleOne) {
  const struct {
    std::vector<std::string_view> lines;
    bool region;
  } cases[] = {
      {{"PictStyle=1"}, true},
      {{"PictStyle=2"}, false},
      {{"PictStyle=0"}, false},
      {{"PictStyle=1", "PictStyle=2"}, false},
  };
  for (const auto& c : cases) {
    std::string document = OneObject(23);
    for (const std::string_view line : c.lines) document += std::string(line) + "\r\n";
    ObjectPage page(document);
    auto* polygon = page.As<TOrvalisPolygon>();
    ASSERT_NE(polygon, nullptr);
    EXPECT_EQ(polygon->UseImageRgn(), c.region) << document;
  }
}

// A valid value first, then one the property has no meaning for.
TEST(ObjectDocumentKeys, ValuesOutsideAnEnumerationLeaveThePropertyAlone) {
  using Getter = std::function<int(TOrvalisObj*)>;
  const Getter lineStyle = [](TOrvalisObj* o) { return static_cast<int>(o->LineStyle()); };
  const Getter imageStyle = [](TOrvalisObj* o) { return dynamic_cast<TOrvalisPushBtn&>(*o).ImageStyle(); };
  const Getter pictStyle = [](TOrvalisObj* o) { return dynamic_cast<TOrvalisPicture&>(*o).PaintMode(); };
  const Getter mediaStyle = [](TOrvalisObj* o) { return dynamic_cast<TOrvalisMediaPlayer&>(*o).PaintMode(); };
  const Getter editCase = [](TOrvalisObj* o) { return dynamic_cast<TOrvalisEditField&>(*o).EditCase(); };
  const Getter orientation = [](TOrvalisObj* o) { return dynamic_cast<TOrvalisTrackBar&>(*o).Orientation(); };
  const struct {
    int type;
    const char* key;
    const char* valid;
    std::vector<const char*> invalid;
    Getter get;
  } cases[] = {
      {5, "LineStyle=", "3", {"8", "255", "-1"}, lineStyle},
      {3, "ImageStyle=", "1", {"3", "-1", "2147483647"}, imageStyle},
      {4, "PictStyle=", "4", {"7", "255", "-1"}, pictStyle},
      {18, "PictStyle=", "6", {"7", "-1"}, mediaStyle},
      {9, "EditCase=", "2", {"3", "-1"}, editCase},
      {16, "Align=", "1", {"2", "-1"}, orientation},
  };
  for (const auto& c : cases) {
    for (const char* invalid : c.invalid) {
      const std::string validLine = std::string(c.key) + c.valid;
      const std::string invalidLine = std::string(c.key) + invalid;
      ObjectPage page(OneObject(c.type, {validLine, invalidLine}));
      ASSERT_EQ(page.Count(), 1u);
      EXPECT_EQ(c.get(page.Object()), std::stoi(c.valid)) << validLine << " then " << invalidLine;
    }
  }
}

TEST(ObjectDocumentKeys, KeysATypeDoesNotTakeAreIgnored) {
  const std::initializer_list<std::string_view> foreign = {
      "Text=words", "ObjAction=SetVar \"[A]\" \"1\"", "Hint=tip", "Key=65", "Font=Courier New", "Interval=5",
      "Min=40",     "BevelWidth=9"};
  for (const int type : {5, 6, 15, 20, 21}) {
    ObjectPage page(OneObject(type, foreign));
    TOrvalisObj* object = page.Object();
    ASSERT_NE(object, nullptr) << type;
    EXPECT_EQ(object->Txt(), "") << type;
    EXPECT_EQ(object->ClickAction(), "") << type;
    EXPECT_EQ(object->Hint(), "") << type;
    EXPECT_EQ(object->HotKeyCode(), 0) << type;
    EXPECT_EQ(object->Font().Name, "Arial") << type;
  }
  // Taken by some types and not by these.
  ObjectPage hints(OneObject(18, {"Hint=tip"}) + OneObject(24, {"Hint=tip"}) + OneObject(14, {"Hint=tip"}));
  for (std::size_t i = 0; i < hints.Count(); ++i) EXPECT_EQ(hints.Object(i)->Hint(), "") << i;
  ObjectPage interval(OneObject(5, {"Interval=5"}) + OneObject(15, {"Interval=5"}));
  EXPECT_EQ(interval.As<TOrvalisTimer>(1)->Interval(), 5);
}

TEST(ObjectDocumentKeys, TypesOutsideTheRangeCreateNothing) {
  ObjectPage page(DocLines({"ObjectType=5", "Name=A", "X=1", "ObjectType=1", "X=7", "ObjectType=25", "Y=9",
                            "ObjectType=0", "W=11", "ObjectType=-3", "H=13"}));
  ASSERT_EQ(page.Count(), 1u);
  EXPECT_EQ(page.Object()->ObjectName(), "A");
  EXPECT_EQ(Text(page.Object()->geometry()), Text(QRect(7, 9, 11, 13)));
}

TEST(ObjectDocumentKeys, SizesAndPlacesAreClamped) {
  const struct {
    int type;
    std::vector<std::string_view> lines;
    QRect expected;
  } cases[] = {
      {5, {"X=3", "Y=4", "W=-5", "H=-1"}, QRect(3, 4, 0, 0)},
      {5, {"X=20000000", "Y=-20000000", "W=30000000", "H=16777216"}, QRect(16777215, -16777215, 16777215, 16777215)},
      {5, {"X=2147483647", "W=2147483647", "Y=-2147483648", "H=2147483647"},
       QRect(16777215, -16777215, 16777215, 16777215)},
      {5, {"W=2147483647", "X=2147483647", "H=-2147483648", "Y=2147483647"}, QRect(16777215, 16777215, 16777215, 0)},
      {7, {"X1=-2147483648", "Y1=0", "X2=2147483647", "Y2=0"}, QRect(-16777215, 0, 16777215, 2)},
      {7, {"X1=0", "Y1=2147483647", "X2=0", "Y2=-2147483648"}, QRect(0, -16777215, 2, 16777215)},
  };
  for (const auto& c : cases) {
    std::string document = OneObject(c.type);
    for (const std::string_view line : c.lines) document += std::string(line) + "\r\n";
    ObjectPage page(document);
    ASSERT_EQ(page.Count(), 1u);
    EXPECT_EQ(Text(page.Object()->geometry()), Text(c.expected)) << document;
  }
}

TEST(ObjectDocumentKeys, HoldersKeepTheirChildrenInOrder) {
  ObjectPage page(DocLines({
      "ObjectType=20", "Name=G", "GroupBegin",                                   //
      "ObjectType=5", "Name=A", "ObjectType=8", "Name=B", "ObjectType=3", "Name=C",  //
      "GroupEnd",                                                                //
      "ObjectType=21", "Name=K", "X=20", "Y=10", "W=40", "H=30", "ContainerBegin",    //
      "ObjectType=5", "Name=D",                                                  //
      "ObjectType=20", "Name=H", "X=5", "Y=6", "GroupBegin", "ObjectType=5", "Name=F", "X=1", "Y=2", "GroupEnd",  //
      "ObjectType=5", "Name=E",                                                  //
      "ContainerEnd",                                                            //
      "ObjectType=5", "Name=Z",
  }));
  ASSERT_EQ(page.Count(), 3u);
  auto names = [](const TOrvalisRepositor& holder) {
    std::string text;
    for (const TOrvalisObj* child : holder.Children()) {
      text += child->ObjectName();
      EXPECT_EQ(child->parentWidget(), &holder) << child->ObjectName();
    }
    return text;
  };
  auto* group = page.As<TOrvalisGroup>(0);
  auto* box = page.As<TOrvalisContainer>(1);
  ASSERT_NE(group, nullptr);
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(page.Object(2)->ObjectName(), "Z");
  EXPECT_EQ(names(*group), "ABC");
  EXPECT_EQ(names(*box), "DHE");
  auto* inner = dynamic_cast<TOrvalisGroup*>(box->Children()[1]);
  ASSERT_NE(inner, nullptr);
  EXPECT_EQ(names(*inner), "F");
  // Positions are the holder's own; on the page they add up.
  EXPECT_EQ(Text(inner->Children()[0]->PagePosition()), Text(QPoint(26, 18)));
  EXPECT_EQ(Text(inner->Children()[0]->ParentOffset()), Text(QPoint(25, 16)));
}

}  // namespace
}  // namespace orv
