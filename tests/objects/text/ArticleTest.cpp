#include <gtest/gtest.h>

#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>

#include "objects/text/Article.h"
#include "objects/text/TextPages.h"
#include "richtext/RichTextDocument.h"
#include "richtext/RichTextView.h"

namespace orv::test {
namespace {

std::string ArticlePage(std::string_view file, std::string_view extra = {}) {
  return Lines({"NewPage=P", "ObjectType=2", "Name=A", "X=0", "Y=0", "W=240", "H=120",
                "FileName=" + std::string(file)}) +
         std::string(extra);
}

std::string Shown(TOrvalisArticle& article) { return article.Control().Document().PlainText(); }

// Many short paragraphs, so that the article scrolls.
std::string LongTxt(std::string_view first, std::string_view last) {
  std::string text = std::string(first) + "\r\n\r\n";
  for (int i = 0; i < 60; ++i) text += "Line " + std::to_string(i) + "\r\n\r\n";
  return text + std::string(last) + "\r\n";
}


TEST(Article, ShowsATxtFileWithItsCodes) {
  TextPages pages(ArticlePage("story.txt"));
  pages.WriteFile("story.txt", "^CTitle^b\r\n\r\n^Bbold^b and plain\r\n");
  pages.Enter(1);
  auto* article = pages.Find<TOrvalisArticle>(1, "A");
  EXPECT_EQ(Shown(*article), "Title \r\nbold and plain ");
  QTextCursor c(&article->Control().Document().Document());
  c.setPosition(QStringLiteral("Title \n").size() + 1);
  EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
}

TEST(Article, FileNamedByAVariableReloadsFromTheTop) {
  TextPages pages(ArticlePage("[Chapter].txt"));
  pages.WriteFile("one.txt", LongTxt("First chapter", "end one"));
  pages.WriteFile("two.txt", LongTxt("Second chapter", "end two"));
  pages.Set("[Chapter]", pages.Folder() + "/one");
  pages.Enter(1);
  auto* article = pages.Find<TOrvalisArticle>(1, "A");
  rt::RichTextView* view = article->Control().View();
  ASSERT_NE(view, nullptr);
  EXPECT_EQ(Shown(*article).substr(0, 13), "First chapter");
  view->SetVerticalScrollPosition(200);
  ASSERT_GT(view->VerticalScrollPosition(), 0);
  pages.Set("[Chapter]", pages.Folder() + "/two");
  EXPECT_EQ(Shown(*article).substr(0, 14), "Second chapter");
  EXPECT_EQ(article->Control().View()->VerticalScrollPosition(), 0);
}

TEST(Article, KeepsItsScrollPositionWhileThePageIsAway) {
  TextPages pages(ArticlePage("long.txt"));
  pages.WriteFile("long.txt", LongTxt("top", "bottom"));
  pages.Enter(1);
  auto* article = pages.Find<TOrvalisArticle>(1, "A");
  article->Control().View()->SetVerticalScrollPosition(150);
  const int kept = article->Control().View()->VerticalScrollPosition();
  ASSERT_GT(kept, 0);
  pages.Leave(1);
  EXPECT_EQ(article->Control().View(), nullptr);
  EXPECT_EQ(article->SavedScrollPosition(), kept);
  pages.Enter(1);
  EXPECT_EQ(article->Control().View()->VerticalScrollPosition(), kept);
}

TEST(Article, UpAndDownScrollByOneLine) {
  TextPages pages(ArticlePage("long.txt"));
  pages.WriteFile("long.txt", LongTxt("top", "bottom"));
  pages.Enter(1);
  rt::RichTextView* view = pages.Find<TOrvalisArticle>(1, "A")->Control().View();
  const int step = view->verticalScrollBar()->singleStep();
  QTest::keyClick(view, Qt::Key_Down);
  QTest::keyClick(view, Qt::Key_Down);
  EXPECT_EQ(view->VerticalScrollPosition(), 2 * step);
  QTest::keyClick(view, Qt::Key_Up);
  EXPECT_EQ(view->VerticalScrollPosition(), step);
}

TEST(Article, LinkToABookmarkScrollsItToTheTop) {
  TextPages pages(ArticlePage("book.txt"));
  pages.WriteFile("book.txt", LongTxt("^LTo the end=:end^l", "^Mend^mThe end") + LongTxt("after", "last"));
  pages.Enter(1);
  auto* article = pages.Find<TOrvalisArticle>(1, "A");
  rt::RichTextView* view = article->Control().View();
  ClickText(*view, "To the end");
  EXPECT_EQ(pages.Var("HyperlinkClickedText"), "To the end");
  EXPECT_GT(view->VerticalScrollPosition(), 0);
  // The bookmark's line is the first one shown.
  const int position = view->cursorForPosition(QPoint(5, 2)).position();
  const QString shown = article->Control().Document().Document().findBlock(position).text();
  EXPECT_TRUE(shown.contains(QStringLiteral("The end"))) << shown.toStdString();
}

// A target that erases a file, in an article read from inside the
// publication's folder or from outside it.
TEST(Article, TargetsOfTextFromOutsideThePublicationRunRestricted) {
  QTemporaryDir elsewhere;
  for (const bool inside : {true, false}) {
    SCOPED_TRACE(inside ? "inside" : "outside");
    TextPages pages(ArticlePage("[File]"));
    const std::string victim = pages.WriteFile("victim.dat", "keep me");
    const std::string text = "{\\rtf1 {\\uldb Erase}{\\v FileErase \"" + victim + "\"}}";
    std::string file;
    if (inside) {
      file = pages.WriteFile("links.rtf", text);
    } else {
      file = elsewhere.filePath("links.rtf").toStdString();
      std::ofstream(file, std::ios::binary) << text;
    }
    pages.Set("[File]", file);
    pages.Enter(1);
    ClickText(*pages.Find<TOrvalisArticle>(1, "A")->Control().View(), "Erase");
    pages.Settle();
    EXPECT_EQ(std::filesystem::exists(HostPath(victim)), !inside);
  }
}

TEST(Article, NamesThatAreNoRegularFileLeaveItEmpty) {
  TextPages pages(ArticlePage("[File]"));
  std::filesystem::create_directory(pages.Folder() + "/dir");
  const std::string fifo = pages.Folder() + "/pipe.txt";
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  for (const std::string& name : {pages.Folder() + "/missing.rtf", pages.Folder() + "/dir", fifo,
                                  std::string("/dev/zero")}) {
    SCOPED_TRACE(name);
    pages.Set("[File]", name);
    pages.Enter(1);
    EXPECT_EQ(Shown(*pages.Find<TOrvalisArticle>(1, "A")), "");
    pages.Leave(1);
  }
}

TEST(Article, LoadingTwiceWhileShownKeepsTheViewOnALiveDocument) {
  TextPages pages(ArticlePage("a.rtf"));
  pages.WriteFile("a.rtf", "{\\rtf1 first}");
  pages.Enter(1);
  auto* article = pages.Find<TOrvalisArticle>(1, "A");
  article->Reload(true);
  pages.WriteFile("a.rtf", "{\\rtf1 second}");
  article->Reload(false);
  rt::RichTextView* view = article->Control().View();
  EXPECT_EQ(view->document(), &article->Control().Document().Document());
  EXPECT_EQ(view->document()->toPlainText(), "second");
  // Painting goes through the document the view holds now.
  EXPECT_FALSE(view->grab().isNull());
}

TEST(Article, FieldsInTheFileAreLive) {
  TextPages pages(ArticlePage("f.rtf"));
  pages.WriteFile("f.rtf", "{\\rtf1 Hello [Name], bye [Name]}");
  pages.Set("[Name]", "Ann");
  pages.Enter(1);
  auto* article = pages.Find<TOrvalisArticle>(1, "A");
  EXPECT_EQ(Shown(*article), "Hello Ann, bye Ann");
  pages.Set("[Name]", "Bob");
  EXPECT_EQ(Shown(*article), "Hello Bob, bye Bob");
}

TEST(Article, CopyLeavesOutHiddenTextAndBookmarks) {
  TextPages pages(ArticlePage("c.rtf", Lines({"AllowCopy=Yes"})));
  pages.WriteFile("c.rtf", "{\\rtf1 A {\\*\\bkmkstart here}B{\\*\\bkmkend here} {\\uldb C}{\\v GotoPage \"X\"} D}");
  pages.Enter(1);
  auto* article = pages.Find<TOrvalisArticle>(1, "A");
  EXPECT_EQ(article->CopyText(false), "A B C D");
  // Copying is on: the text can be selected.
  EXPECT_TRUE(article->Control().View()->textInteractionFlags() & Qt::TextSelectableByMouse);
}

}  // namespace
}  // namespace orv::test

namespace orv::test {
namespace {

// Plain text and ".TXT" bytes are in the code page of the font's character
// set; RTF names its own.
TEST(Article, FontCharacterSetGivesTheCodePageOfPlainText) {
  struct Case {
    const char* file;
    const char* bytes;
    const char* charset;
    QString shown;
  } cases[] = {
      {"greek.dat", "\xC1\xE2", "161", QStringLiteral(u"\u0391\u03B2")},
      {"greek.txt", "\xC1\xE2", "161", QStringLiteral(u"\u0391\u03B2 ")},
      {"west.dat", "\xC1\xE2", "0", QStringLiteral(u"\u00C1\u00E2")},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    TextPages pages(ArticlePage(c.file, Lines({std::string("FontCharset=") + c.charset})));
    pages.WriteFile(c.file, c.bytes);
    pages.Enter(1);
    EXPECT_EQ(pages.Find<TOrvalisArticle>(1, "A")->Control().Document().Document().toPlainText(), c.shown);
  }
}

}  // namespace
}  // namespace orv::test

namespace orv::test {
namespace {

TEST(Article, CopyToTheClipboardGivesRichAndPlainText) {
  TextPages pages(ArticlePage("c.rtf"));
  pages.WriteFile("c.rtf", "{\\rtf1 {\\b Bold} {\\uldb link}{\\v GotoPage \"X\"}}");
  pages.Enter(1);
  pages.Find<TOrvalisArticle>(1, "A")->CopyText(true);
  const QMimeData* data = QApplication::clipboard()->mimeData();
  ASSERT_NE(data, nullptr);
  EXPECT_EQ(data->text(), "Bold link");
  const QByteArray rtf = data->data(QStringLiteral("text/rtf"));
  EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
  EXPECT_TRUE(rtf.contains("\\b"));
  EXPECT_FALSE(rtf.contains("GotoPage"));
}

// A tab stop only with scroll bars and inside the publication area.
TEST(Article, TabStopRule) {
  struct Case {
    const char* scrollBars;
    int x;
    bool tabStop;
  } cases[] = {{"Yes", 0, true}, {"No", 0, false}, {"Yes", 400, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.scrollBars) + " at " + std::to_string(c.x));
    TextPages pages(Lines({"NewPage=P", "ObjectType=2", "Name=A", "X=" + std::to_string(c.x), "Y=0", "W=100", "H=50",
                           "FileName=a.rtf", std::string("ScrollBar=") + c.scrollBars}));
    pages.WriteFile("a.rtf", "{\\rtf1 text}");
    pages.Enter(1);
    EXPECT_EQ(pages.Find<TOrvalisArticle>(1, "A")->Control().View()->focusPolicy() == Qt::StrongFocus, c.tabStop);
  }
}

}  // namespace
}  // namespace orv::test

namespace orv::test {
namespace {

// The copy menu: the publication's captions, or the player's own; Copy
// only while some text is selected.
TEST(Article, CopyMenuFollowsTheSelection) {
  TextPages pages(ArticlePage("m.rtf", Lines({"AllowCopy=Yes"})));
  pages.WriteFile("m.rtf", "{\\rtf1 some words}");
  pages.Enter(1);
  rt::RichTextView* view = pages.Find<TOrvalisArticle>(1, "A")->Control().View();
  auto menuActions = [view] {
    emit view->customContextMenuRequested(QPoint(5, 5));
    const QList<QMenu*> menus = view->findChildren<QMenu*>();
    EXPECT_FALSE(menus.isEmpty());
    QList<QAction*> actions = menus.isEmpty() ? QList<QAction*>() : menus.back()->actions();
    for (QMenu* menu : menus) menu->close();
    return actions;
  };
  QList<QAction*> actions = menuActions();
  ASSERT_EQ(actions.size(), 2);
  EXPECT_EQ(actions[0]->text(), "Copia");
  EXPECT_FALSE(actions[0]->isEnabled());
  EXPECT_EQ(actions[1]->text(), "Seleziona tutto");
  actions[1]->trigger();
  EXPECT_TRUE(view->textCursor().hasSelection());
  actions = menuActions();
  ASSERT_EQ(actions.size(), 2);
  EXPECT_TRUE(actions[0]->isEnabled());
  actions[0]->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "some words");
}

}  // namespace
}  // namespace orv::test
