#include "richtext/RichTextView.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTextBlock>

#include "richtext/RichTextDocument.h"

namespace orv::rt {
namespace {

std::string ManyLines(int n, const std::string& middle) {
  std::string rtf = "{\\rtf1 Start {\\uldb Click me}{\\v GotoPage \"Two\"} end\\par ";
  for (int i = 0; i < n; ++i) {
    if (i == n / 2) rtf += middle;
    rtf += "line " + std::to_string(i) + "\\par ";
  }
  return rtf + "}";
}

class ViewTest : public ::testing::Test {
 protected:
  void SetUp() override {
    doc_.Load(ManyLines(200, "{\\*\\bkmkstart Middle}Here{\\*\\bkmkend Middle}\\par "));
    view_.SetRichText(&doc_);
    view_.resize(300, 200);
    view_.show();
    QApplication::processEvents();
  }

  void Mouse(QEvent::Type type, const QPoint& at) {
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
    QMouseEvent e(type, QPointF(at), view_.viewport()->mapToGlobal(QPointF(at)), button, buttons, Qt::NoModifier);
    QApplication::sendEvent(view_.viewport(), &e);
  }

  void Click(const QPoint& at) {
    Mouse(QEvent::MouseButtonPress, at);
    Mouse(QEvent::MouseButtonRelease, at);
  }

  void Key(Qt::Key key) {
    QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(&view_, &e);
  }

  QPoint PointOf(int position) {
    QTextCursor c(&doc_.Document());
    c.setPosition(position);
    const QRect r = view_.cursorRect(c);
    return QPoint(r.x() + 3, r.center().y());
  }

  RichTextDocument doc_;
  RichTextView view_;
};

TEST_F(ViewTest, IsBorderlessTransparentReadOnlyAndNoTabStop) {
  EXPECT_EQ(view_.frameShape(), QFrame::NoFrame);
  EXPECT_TRUE(view_.isReadOnly());
  EXPECT_EQ(view_.palette().color(QPalette::Base).alpha(), 0);
  EXPECT_FALSE(view_.viewport()->autoFillBackground());
  EXPECT_FALSE(view_.focusPolicy() & Qt::TabFocus);
  EXPECT_TRUE(view_.tabChangesFocus());
}

TEST_F(ViewTest, OneClickOnALinkReportsTextAndTarget) {
  std::vector<std::pair<std::string, std::string>> clicks;
  QObject::connect(&view_, &RichTextView::LinkClicked,
                   [&](const std::string& text, const std::string& target) { clicks.emplace_back(text, target); });
  const LinkInfo link = doc_.Links().at(0);
  Click(PointOf(link.position + 1));
  ASSERT_EQ(clicks.size(), 1u);
  EXPECT_EQ(clicks[0].first, "Click me");
  EXPECT_EQ(clicks[0].second, "GotoPage \"Two\"");
  // Text that is no link reports nothing.
  Click(PointOf(1));
  EXPECT_EQ(clicks.size(), 1u);
  // Pressing on the link and letting go elsewhere is no click.
  Mouse(QEvent::MouseButtonPress, PointOf(link.position + 1));
  Mouse(QEvent::MouseButtonRelease, PointOf(1));
  EXPECT_EQ(clicks.size(), 1u);
}

TEST_F(ViewTest, HotSpotCursorOverLinks) {
  const LinkInfo link = doc_.Links().at(0);
  Mouse(QEvent::MouseMove, PointOf(link.position + 1));
  EXPECT_EQ(view_.viewport()->cursor().shape(), Qt::PointingHandCursor);
  Mouse(QEvent::MouseMove, PointOf(1));
  EXPECT_EQ(view_.viewport()->cursor().shape(), Qt::ArrowCursor);
}

TEST_F(ViewTest, ScrollsABookmarkToTheTop) {
  EXPECT_EQ(view_.VerticalScrollPosition(), 0);
  ASSERT_TRUE(view_.ScrollToBookmark("MIDDLE"));
  const int position = *doc_.BookmarkPosition("Middle");
  const QTextBlock block = doc_.Document().findBlock(position);
  const int top = static_cast<int>(doc_.Document().documentLayout()->blockBoundingRect(block).top());
  EXPECT_GT(view_.VerticalScrollPosition(), 0);
  EXPECT_EQ(view_.VerticalScrollPosition(), std::min(top, view_.verticalScrollBar()->maximum()));
  EXPECT_FALSE(view_.ScrollToBookmark("nowhere"));
}

TEST_F(ViewTest, PageDownAndUpScrollTabIsLeftAlone) {
  Key(Qt::Key_PageDown);
  const int afterDown = view_.VerticalScrollPosition();
  EXPECT_GT(afterDown, 0);
  Key(Qt::Key_PageUp);
  EXPECT_LT(view_.VerticalScrollPosition(), afterDown);
  QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier);
  QCoreApplication::sendEvent(&view_, &tab);
  EXPECT_FALSE(tab.isAccepted());
}

TEST_F(ViewTest, FindSelectsAndScrollsToTheMatch) {
  ASSERT_TRUE(view_.FindAndSelect("LINE 1?9", 0));
  EXPECT_EQ(view_.textCursor().selectedText(), "line 109");
  EXPECT_GT(view_.VerticalScrollPosition(), 0);
  const int next = view_.textCursor().selectionEnd();
  ASSERT_TRUE(view_.FindAndSelect("line 1?9", next));
  EXPECT_EQ(view_.textCursor().selectedText(), "line 119");
  EXPECT_FALSE(view_.FindAndSelect("GotoPage", 0));  // link targets are hidden
}

TEST_F(ViewTest, HiddenTextTakesNoRoom) {
  RichTextDocument plain;
  plain.Load("{\\rtf1 Start Click me end}");
  plain.Document().setTextWidth(1000);
  doc_.Document().setTextWidth(1000);
  const QTextLine withHidden = doc_.Document().begin().layout()->lineAt(0);
  const QTextLine without = plain.Document().begin().layout()->lineAt(0);
  EXPECT_DOUBLE_EQ(withHidden.naturalTextWidth(), without.naturalTextWidth());
}

}  // namespace
}  // namespace orv::rt
