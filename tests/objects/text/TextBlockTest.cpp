#include <gtest/gtest.h>

#include <QImage>
#include <QPainter>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "objects/text/TextBlock.h"
#include "objects/text/TextPages.h"
#include "richtext/RichTextDocument.h"
#include "richtext/RichTextView.h"

namespace orv::test {
namespace {

std::string BlockPage(std::string_view text, std::string_view extra = {}) {
  return Lines({"NewPage=P", "ObjectType=8", "Name=T", "X=10", "Y=10", "W=200", "H=80", "Text=" + std::string(text)}) +
         std::string(extra);
}

std::string Shown(TOrvalisText& block) { return block.Control().Document().PlainText(); }

struct FieldCase {
  const char* name;
  const char* text;
  std::vector<std::pair<std::string, std::string>> before;  // set before the page shows
  std::vector<std::pair<std::string, std::string>> after;   // set while it shows
  const char* shown;
};

class TextBlockFields : public ::testing::TestWithParam<FieldCase> {};

TEST_P(TextBlockFields, ShowWhatTheirVariablesHoldNow) {
  const FieldCase& c = GetParam();
  TextPages pages(BlockPage(c.text));
  for (const auto& [name, value] : c.before) pages.Set(name, value);
  pages.Enter(1);
  auto* block = pages.Find<TOrvalisText>(1, "T");
  ASSERT_NE(block, nullptr);
  for (const auto& [name, value] : c.after) pages.Set(name, value);
  EXPECT_EQ(Shown(*block), c.shown);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TextBlockFields,
    ::testing::Values(
        FieldCase{"BothPlacesOfOneVariable", "Score [Score], again [Score].", {{"[Score]", "1"}}, {{"[Score]", "25"}},
                  "Score 25, again 25."},
        FieldCase{"NestedFollowsItsIndex", "Item: [ITEM[I]]", {{"[I]", "1"}, {"[ITEM1]", "a"}, {"[ITEM2]", "b"}},
                  {{"[I]", "2"}}, "Item: b"},
        FieldCase{"NestedFollowsTheItemItNamesNow", "Item: [ITEM[I]]",
                  {{"[I]", "1"}, {"[ITEM1]", "a"}, {"[ITEM2]", "b"}},
                  {{"[I]", "2"}, {"[ITEM2]", "c"}, {"[ITEM1]", "z"}}, "Item: c"},
        FieldCase{"OtherVariablesLeaveItAlone", "[A] [B]", {{"[A]", "1"}, {"[B]", "2"}}, {{"[C]", "3"}}, "1 2"},
        FieldCase{"EmptyValueAndBack", "<[V]>", {{"[V]", "x"}}, {{"[V]", ""}, {"[V]", "yz"}}, "<yz>"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(TextBlock, UpdatesInPlaceWithoutMovingOtherText) {
  TextPages pages(BlockPage("{\\rtf1 {\\b Bold} [N] tail}"));
  pages.Set("[N]", "7");
  pages.Enter(1);
  auto* block = pages.Find<TOrvalisText>(1, "T");
  pages.Set("[N]", "8");
  EXPECT_EQ(Shown(*block), "Bold 8 tail");
  // The formatting around the field stays.
  QTextCursor c(&block->Control().Document().Document());
  c.setPosition(2);
  EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
}

TEST(TextBlock, WithoutItsPageShownAChangeWaitsForTheNextFill) {
  TextPages pages(BlockPage("v=[V]"));
  pages.Set("[V]", "1");
  pages.Enter(1);
  auto* block = pages.Find<TOrvalisText>(1, "T");
  pages.Leave(1);
  EXPECT_FALSE(block->Control().Built());
  pages.Set("[V]", "2");
  pages.Enter(1);
  EXPECT_EQ(Shown(*block), "v=2");
}

TEST(TextBlock, ViewSitsInsideOutlineAndMargins) {
  TextPages pages(BlockPage("x", Lines({"LineWidth=2", "HMargin=5", "VMargin=3"})));
  pages.Enter(1);
  auto* block = pages.Find<TOrvalisText>(1, "T");
  ASSERT_NE(block->Control().View(), nullptr);
  EXPECT_EQ(block->Control().View()->geometry(), QRect(7, 5, 200 - 14, 80 - 10));
  block->SetMargins(0, 0);
  EXPECT_EQ(block->Control().View()->geometry(), QRect(2, 2, 196, 76));
}

TEST(TextBlock, FontAppliedWhileHiddenWaitsAndIsKept) {
  TextPages pages(BlockPage("{\\rtf1 {\\fonttbl{\\f0 Courier New;}}\\f0\\i plain}",
                            Lines({"Font=Arial", "FontSize=14", "FontStyle=1"})));
  auto* block = pages.Find<TOrvalisText>(1, "T");
  block->ApplyObjectFont(2);
  pages.Enter(1);
  QTextCursor c(&block->Control().Document().Document());
  c.setPosition(1);
  EXPECT_EQ(c.charFormat().fontFamilies().toStringList().value(0), "Arial");
  EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
  // Mode 2 replaced the italic the text had.
  EXPECT_FALSE(c.charFormat().fontItalic());
  // The result is the block's text from now on.
  EXPECT_NE(block->Txt().find("Arial"), std::string_view::npos);
}


TEST(TextBlock, LinkClickSetsTheVariableAndRunsTheTargetAsAScript) {
  TextPages pages(BlockPage(
      "{\\rtf1 See {\\uldb Go}{\\v SetVar \"[Clicked]\" \"yes\"\\'b6SetVar \"[Other]\" \"line\"} now}"));
  pages.Enter(1);
  auto* block = pages.Find<TOrvalisText>(1, "T");
  ClickText(*block->Control().View(), "Go");
  EXPECT_EQ(pages.Var("HyperlinkClickedText"), "Go");
  // Posted, as an event's script: it runs when the loop delivers it.
  EXPECT_EQ(pages.Var("Clicked"), "");
  pages.Settle();
  EXPECT_EQ(pages.Var("Clicked"), "yes");
  EXPECT_EQ(pages.Var("Other"), "line");
}

TEST(TextBlock, ColonTargetRunsAsAScriptLabelThatDoesNothing) {
  TextPages pages(BlockPage("{\\rtf1 {\\uldb Top}{\\v :top}}"));
  pages.Enter(1);
  auto* block = pages.Find<TOrvalisText>(1, "T");
  ClickText(*block->Control().View(), "Top");
  pages.Settle();
  EXPECT_EQ(pages.Var("HyperlinkClickedText"), "Top");
  EXPECT_EQ(pages.Var("LastError"), "");
}

TEST(TextBlock, CopyLeavesOutLinkTargets) {
  TextPages pages(BlockPage("{\\rtf1 See {\\uldb Go}{\\v GotoPage \"X\"} now}"));
  pages.Enter(1);
  EXPECT_EQ(pages.Find<TOrvalisText>(1, "T")->CopyText(false), "See Go now");
}

}  // namespace
}  // namespace orv::test

namespace orv::test {
namespace {

// Pages composed off-screen (transitions, printing a page) show the text
// too, not only the object's fill.
TEST(TextBlock, PageRenderedOffScreenShowsTheText) {
  TextPages pages(BlockPage("{\\rtf1\\fs40 WWWW}", Lines({"FillColor=$FFFFFF", "TextColor=$000000"})));
  pages.Enter(1);
  QImage image(pages.Page(1).size(), QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  pages.Page(1).RenderTo(painter, 0, 0);
  painter.end();
  int dark = 0;
  for (int y = 12; y < 88; ++y)
    for (int x = 12; x < 208; ++x) dark += qGray(image.pixel(x, y)) < 100;
  EXPECT_GT(dark, 100);
}

}  // namespace
}  // namespace orv::test
