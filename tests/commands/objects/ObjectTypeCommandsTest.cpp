// Track-bar ranges, the picture's zoom and the article's jump to an anchor
// on real objects: the jump turns to the article's page as the
// page-changing commands do, refused where they are refused, and scrolls
// only once that page shows.
#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QScrollBar>
#include <string>

#include "TypeCommandWindow.h"
#include "base/Messages.h"
#include "objects/InputObjects.h"
#include "objects/pictures/PictureObject.h"
#include "objects/shapes/Shapes.h"
#include "objects/text/Article.h"
#include "richtext/RichTextView.h"
#include "script/ActionEvaluator.h"

namespace orv {
namespace {

using test::ObjectLines;

class ObjectTypeCommandsTest : public test::TypeCommandWindow {};

TEST_F(ObjectTypeCommandsTest, TrackBarRangesGiveWayAtTheOtherEnd) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + ObjectLines(16, "TB", QRect(10, 10, 200, 20), {"Min=0", "Max=100"}) +
                   ObjectLines(5, "R", QRect(10, 50, 20, 20))));
  auto* bar = Find<TOrvalisTrackBar>("TB");
  ASSERT_NE(bar, nullptr);
  Run("TrackBarSetMin \"TB\" \"20\"");
  EXPECT_EQ(bar->Minimum(), 20);
  EXPECT_EQ(bar->Maximum(), 100);
  Run("TrackBarSetMax \"TB\" \"10\"");
  EXPECT_EQ(bar->Maximum(), 10);
  EXPECT_EQ(bar->Minimum(), 9);
  Run("TrackBarSetMax \"TB\" \"99999999999\"");
  EXPECT_EQ(bar->Maximum(), INT_MAX);
  // Another type takes nothing and hears of nothing.
  vars.SetLastError("");
  EXPECT_EQ(Run("TrackBarSetMin \"R\" \"5\""), 0);
  EXPECT_EQ(Var("LastError"), "");
}

TEST_F(ObjectTypeCommandsTest, PictureMagnifyZoomsThePicture) {
  QImage red(20, 20, QImage::Format_RGB32);
  red.fill(Qt::red);
  const std::string file = folder.filePath("red.png").toStdString();
  ASSERT_TRUE(red.save(QString::fromStdString(file)));
  ASSERT_TRUE(Open("NewPage=One\r\n" + ObjectLines(4, "Pic", QRect(10, 10, 100, 100),
                                                   {"FileName=" + file, "FillColor=16777215"})));
  auto* picture = Find<TOrvalisPicture>("Pic");
  ASSERT_NE(picture, nullptr);
  EXPECT_NE(Grab().pixelColor(45, 45), QColor(Qt::red));
  Run("PictureMagnify \"Pic\" \"-250\"");
  EXPECT_EQ(picture->ZoomFactor(), 250);
  const QImage zoomed = Grab();
  Keep(zoomed, "magnify");
  // 20 pixels at 250 % reach 50 pixels into the object.
  EXPECT_EQ(zoomed.pixelColor(10 + 45, 10 + 45), QColor(Qt::red));
  EXPECT_NE(zoomed.pixelColor(10 + 55, 10 + 55), QColor(Qt::red));
  Run("PictureMagnify \"Pic\" \"5\"");
  EXPECT_EQ(picture->ZoomFactor(), 10);
}

class ArticleJumpToTest : public test::TypeCommandWindow {
 protected:
  // Page One holds a rectangle, page Two an article whose ".TXT" file has
  // the bookmark "deep" far below its first lines; Two's enter action
  // counts in [Entered].
  bool OpenStory() {
    std::string story;
    for (int i = 1; i <= 80; ++i) story += "Line " + std::to_string(i) + "\r\n";
    story += "^Mdeep^mThe deep end\r\n";
    for (int i = 1; i <= 80; ++i) story += "After " + std::to_string(i) + "\r\n";
    const std::string file = WriteFile("story.txt", story);
    return Open("NewPage=One\r\n" + ObjectLines(5, "R", QRect(10, 10, 20, 20)) +
                "NewPage=Two\r\nPgEnterAction=SetVar \"[Entered]\" \"[Entered]+\"\r\n" +
                ObjectLines(2, "Art", QRect(10, 10, 300, 100), {"FileName=" + file}));
  }
  int Scrolled() {
    rt::RichTextView* view = Find<TOrvalisArticle>("Art")->Control().View();
    return view != nullptr ? view->verticalScrollBar()->value() : -1;
  }
};

TEST_F(ArticleJumpToTest, TurnsToTheArticlesPageAndScrollsToTheAnchor) {
  ASSERT_TRUE(OpenStory());
  EXPECT_EQ(Run("ArticleJumpTo \"Art\" \"deep\""), 0);
  EXPECT_EQ(Page(), 2);
  EXPECT_EQ(Var("Entered"), "+");
  EXPECT_GT(Scrolled(), 0);
  Keep(Grab(), "jump");
  // On its own page it only scrolls.
  Find<TOrvalisArticle>("Art")->Control().View()->verticalScrollBar()->setValue(0);
  EXPECT_EQ(Run("ArticleJumpTo \"Art\" \"deep\""), 0);
  EXPECT_EQ(Var("Entered"), "+");
  EXPECT_GT(Scrolled(), 0);
}

TEST_F(ArticleJumpToTest, WhereThePageMustNotChangeItIsAnActionError) {
  ASSERT_TRUE(OpenStory());
  EXPECT_NE(RunLines({"ArticleJumpTo \"Art\" \"deep\"", "SetVar \"[After]\" \"ran\""}, eoNoPageChange), 0);
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(Var("Entered"), "");
  EXPECT_EQ(Var("After"), "");
  EXPECT_EQ(Var("LastError"), "ArticleJumpTo\r\r" + std::string(Message(msg::kPageChangeBlocked)));
}

TEST_F(ArticleJumpToTest, ACancelledChangeStopsBeforeScrolling) {
  ASSERT_TRUE(OpenStory());
  form->Navigator().SetPageChangeAction("SetVar \"[PageChangeName]\" \"\"");
  EXPECT_EQ(Run("ArticleJumpTo \"Art\" \"deep\""), 0);
  EXPECT_EQ(Page(), 1);
  EXPECT_EQ(Var("Entered"), "");
  EXPECT_EQ(Find<TOrvalisArticle>("Art")->SavedScrollPosition(), 0);
  EXPECT_EQ(Scrolled(), -1);
}

}  // namespace
}  // namespace orv
