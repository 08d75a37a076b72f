#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextLayout>

#include "objects/text/LinkedArticle.h"
#include "objects/text/LinkedArticleChains.h"
#include "objects/text/TextPages.h"
#include "richtext/RichTextDocument.h"
#include "richtext/RichTextView.h"

namespace orv::test {
namespace {

std::string Box(std::string_view name, std::string_view file, int x = 10, int h = 60) {
  return Lines({"ObjectType=24", "Name=" + std::string(name), "X=" + std::to_string(x), "Y=10", "W=120",
                "H=" + std::to_string(h),
                "FileName=" + std::string(file)});
}

// Enough words to fill several boxes; a field near the start.
std::string LongRtf(std::string_view field = "[N]") {
  std::string rtf = "{\\rtf1 Count " + std::string(field) + " here.\\par ";
  for (int i = 0; i < 40; ++i) rtf += "Word" + std::to_string(i) + " of the long story goes on. ";
  return rtf + "}";
}

std::string Text(TOrvalisLinkedArticle& box) {
  if (box.Control().Built()) return box.Control().Document().PlainText();
  rt::RichTextDocument kept;
  kept.Load(box.Txt());
  return kept.PlainText();
}

TEST(LinkedArticleChain, OrderIsMasterPageThenPagesIgnoringCase) {
  TextPages pages(Lines({"MasterPage"}) + Box("M", "Story.rtf") + Lines({"NewPage=One"}) + Box("A", "story.RTF") +
                  Box("Alone", "") + Lines({"NewPage=Two"}) + Box("B", "STORY.rtf") + Box("Other", "other.rtf"));
  pages.WriteFile("Story.rtf", LongRtf());
  EXPECT_EQ(ChainLinkedArticles(pages.Backgrounds()), 3);
  auto* m = pages.Find<TOrvalisLinkedArticle>(0, "M");
  auto* a = pages.Find<TOrvalisLinkedArticle>(1, "A");
  auto* b = pages.Find<TOrvalisLinkedArticle>(2, "B");
  EXPECT_EQ(m->LinkPrev(), nullptr);
  EXPECT_EQ(m->LinkNext(), a);
  EXPECT_EQ(a->LinkNext(), b);
  EXPECT_EQ(b->LinkPrev(), a);
  EXPECT_EQ(pages.Find<TOrvalisLinkedArticle>(1, "Alone")->LinkNext(), nullptr);
  EXPECT_EQ(pages.Find<TOrvalisLinkedArticle>(2, "Other")->LinkPrev(), nullptr);
}

TEST(LinkedArticleChain, TextFlowsOnThroughTheBoxesInOrder) {
  TextPages pages(Lines({"NewPage=P"}) + Box("A", "s.rtf", 0) + Box("B", "s.rtf", 150) + Lines({"NewPage=Q"}) +
                  Box("C", "s.rtf"));
  pages.WriteFile("s.rtf", LongRtf());
  pages.Set("[N]", "3");
  ChainLinkedArticles(pages.Backgrounds());
  auto* a = pages.Find<TOrvalisLinkedArticle>(1, "A");
  auto* b = pages.Find<TOrvalisLinkedArticle>(1, "B");
  auto* c = pages.Find<TOrvalisLinkedArticle>(2, "C");
  EXPECT_EQ(a->State(), csHasFields);
  EXPECT_EQ(pages.host.progressMaximum, 3);
  EXPECT_EQ(pages.host.progressSteps, 3);
  const std::string first = Text(*a), second = Text(*b), third = Text(*c);
  EXPECT_EQ(first.substr(0, 13), "Count 3 here.");
  EXPECT_FALSE(second.empty());
  EXPECT_FALSE(third.empty());
  // The second box goes on where the first stopped.
  EXPECT_EQ(second.find("Count"), std::string::npos);
  EXPECT_LT(LongRtf().find(second.substr(0, 8)), LongRtf().find(third.substr(0, 8)));
}

// Every line a shown box holds ends inside its view.
TEST(LinkedArticleChain, EachBoxShowsItsLastLineWhole) {
  TextPages pages(Lines({"NewPage=P"}) + Box("A", "s.rtf", 0) + Box("B", "s.rtf", 150));
  pages.WriteFile("s.rtf", LongRtf());
  ChainLinkedArticles(pages.Backgrounds());
  pages.Enter(1);
  for (const char* name : {"A", "B"}) {
    SCOPED_TRACE(name);
    rt::RichTextView* view = pages.Find<TOrvalisLinkedArticle>(1, name)->Control().View();
    ASSERT_NE(view, nullptr);
    QTextDocument* doc = view->document();
    const QTextBlock last = doc->lastBlock();
    const QRectF rect = doc->documentLayout()->blockBoundingRect(last);
    const QTextLayout* layout = last.layout();
    ASSERT_GT(layout->lineCount(), 0);
    const QTextLine line = layout->lineAt(layout->lineCount() - 1);
    EXPECT_LE(rect.top() + line.y() + line.height(), view->viewport()->height());
    EXPECT_FALSE(doc->toPlainText().isEmpty());
  }
}

struct ValueChange {
  const char* from;
  const char* to;
  bool laidOutAgain;
  const char* shown = nullptr;  // when it differs from `to`
  bool decimal = false;         // [N] is typed: Decimal with 2 places
};

class LinkedArticleFieldChange : public ::testing::TestWithParam<ValueChange> {};

TEST_P(LinkedArticleFieldChange, ReflowsOnlyWhenTheShownLengthChanges) {
  const ValueChange& c = GetParam();
  TextPages pages(Lines({"NewPage=P"}) + Box("A", "s.rtf", 0) + Box("B", "s.rtf", 150));
  pages.WriteFile("s.rtf", LongRtf());
  if (c.decimal) {
    ASSERT_TRUE(pages.host.vars.DefineVar("N", "Decimal", "2", false));
  }
  pages.Set("[N]", c.from);
  ChainLinkedArticles(pages.Backgrounds());
  pages.Enter(1);
  auto* a = pages.Find<TOrvalisLinkedArticle>(1, "A");
  const int layouts = a->LayoutCount();
  pages.Set("[N]", c.to);
  pages.Settle();
  EXPECT_EQ(a->LayoutCount() - layouts, c.laidOutAgain ? 1 : 0);
  const std::string shown = c.shown ? c.shown : c.to;
  EXPECT_EQ(Text(*a).substr(0, 7 + shown.size()), "Count " + shown + " ");
}

INSTANTIATE_TEST_SUITE_P(Cases, LinkedArticleFieldChange,
                         ::testing::Values(ValueChange{"9", "10", true}, ValueChange{"3", "4", false},
                                           ValueChange{"10", "9", true},
                                           // The shown text decides, not the value assigned.
                                           ValueChange{"1", "2.5", false, "2.50", true},
                                           ValueChange{"1", "1000", true, "1000.00", true}));

TEST(LinkedArticleChain, ABurstOfRequestsMakesOneLayout) {
  TextPages pages(Lines({"NewPage=P"}) + Box("A", "s.rtf", 0) + Box("B", "s.rtf", 150));
  pages.WriteFile("s.rtf", LongRtf());
  ChainLinkedArticles(pages.Backgrounds());
  auto* b = pages.Find<TOrvalisLinkedArticle>(1, "B");
  const int layouts = b->LayoutCount();
  for (int i = 0; i < 10; ++i) b->RequestReflow(false);
  EXPECT_EQ(b->LayoutCount(), layouts);
  pages.Settle();
  EXPECT_EQ(b->LayoutCount(), layouts + 1);
}

TEST(LinkedArticleChain, FileNamedByAVariableIsReadAgain) {
  TextPages pages(Lines({"NewPage=P"}) + Box("A", "[Doc]", 0) + Box("B", "[Doc]", 150));
  const std::string one = pages.WriteFile("one.rtf", "{\\rtf1 first file}");
  const std::string two = pages.WriteFile("two.rtf", "{\\rtf1 second file}");
  pages.Set("[Doc]", one);
  ChainLinkedArticles(pages.Backgrounds());
  pages.Enter(1);
  auto* a = pages.Find<TOrvalisLinkedArticle>(1, "A");
  EXPECT_EQ(Text(*a), "first file");
  pages.Set("[Doc]", two);
  pages.Settle();
  EXPECT_EQ(Text(*a), "second file");
}

TEST(LinkedArticleChain, ABoxKeepsItsPartAcrossPageChanges) {
  TextPages pages(Lines({"NewPage=P"}) + Box("A", "s.rtf", 0) + Lines({"NewPage=Q"}) + Box("B", "s.rtf"));
  pages.WriteFile("s.rtf", LongRtf());
  pages.Set("[N]", "5");
  ChainLinkedArticles(pages.Backgrounds());
  auto* b = pages.Find<TOrvalisLinkedArticle>(2, "B");
  const std::string kept = Text(*b);
  ASSERT_FALSE(kept.empty());
  pages.Enter(2);
  EXPECT_EQ(Text(*b), kept);
  pages.Leave(2);
  EXPECT_EQ(Text(*b), kept);
}

TEST(LinkedArticleChain, BookmarkInALaterBoxShowsThatBox) {
  TextPages pages(Lines({"NewPage=P"}) + Box("A", "s.rtf", 0, 120) + Lines({"NewPage=Q"}) + Box("B", "s.rtf", 10, 400));
  // Two boxes' worth: the bookmark lands in the second.
  const std::string rtf =
      "{\\rtf1 One two three four five six seven eight nine ten eleven twelve thirteen fourteen fifteen sixteen "
      "seventeen eighteen nineteen twenty. {\\*\\bkmkstart last}End{\\*\\bkmkend last}}";
  pages.WriteFile("s.rtf", rtf);
  ChainLinkedArticles(pages.Backgrounds());
  auto* a = pages.Find<TOrvalisLinkedArticle>(1, "A");
  auto* b = pages.Find<TOrvalisLinkedArticle>(2, "B");
  EXPECT_TRUE(a->JumpToBookmark("LAST"));
  EXPECT_FALSE(a->JumpToBookmark("nowhere"));
  ASSERT_EQ(Text(*a).find("End"), std::string::npos) << "the first box holds everything";
  pages.Settle();
  ASSERT_EQ(pages.host.shownObjects.size(), 1u);
  EXPECT_EQ(pages.host.shownObjects[0], b);
}

}  // namespace
}  // namespace orv::test

namespace orv::test {
namespace {

// What a box keeps while its page is away still has its fields.
TEST(LinkedArticleChain, KeptPartKeepsItsFields) {
  TextPages pages(Lines({"NewPage=P"}) + Box("A", "s.rtf"));
  pages.WriteFile("s.rtf", "{\\rtf1 Value [N] here}");
  pages.Set("[N]", "1");
  ChainLinkedArticles(pages.Backgrounds());
  auto* a = pages.Find<TOrvalisLinkedArticle>(1, "A");
  pages.Enter(1);
  pages.Leave(1);
  pages.Set("[N]", "2");
  pages.Enter(1);
  EXPECT_EQ(Text(*a), "Value 2 here");
  pages.Set("[N]", "3");
  EXPECT_EQ(Text(*a), "Value 3 here");
}

}  // namespace
}  // namespace orv::test

namespace orv::test {
namespace {

TEST(LinkedArticleChain, CommandsChangeTheWholeChain) {
  TextPages pages(Lines({"NewPage=P"}) + Box("A", "one.rtf", 0, 200) +
                  Lines({"Font=Courier New", "FontSize=20", "FontStyle=2"}) + Box("B", "one.rtf", 150, 200));
  pages.WriteFile("one.rtf", "{\\rtf1 first file}");
  pages.WriteFile("two.rtf", "{\\rtf1 second file}");
  ChainLinkedArticles(pages.Backgrounds());
  auto* a = pages.Find<TOrvalisLinkedArticle>(1, "A");
  auto* b = pages.Find<TOrvalisLinkedArticle>(1, "B");
  pages.Enter(1);
  b->SetTextFileOfChain("two.rtf", true);
  EXPECT_EQ(a->TextFile(), "two.rtf");
  EXPECT_EQ(b->TextFile(), "two.rtf");
  EXPECT_EQ(Text(*a), "second file");

  a->SetOverrideFontOfChain(true);
  EXPECT_EQ(b->Font().Name, "Courier New");
  EXPECT_EQ(b->Font().Size, 20);
  EXPECT_TRUE(b->OverrideFont());
  QTextCursor c(&a->Control().Document().Document());
  c.setPosition(1);
  EXPECT_EQ(c.charFormat().fontFamilies().toStringList().value(0), "Courier New");
  EXPECT_TRUE(c.charFormat().fontItalic());
}

}  // namespace
}  // namespace orv::test
