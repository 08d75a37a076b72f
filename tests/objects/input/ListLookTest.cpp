// How list and combo boxes paint: not themed, items in the object's
// colours (the selected one highlighted, grey text when disabled, the
// fill colour below the last item), rows as high as "M"; themed, the
// application's style. The grabs are kept under /tmp for a look.
#include <gtest/gtest.h>

#include <QHelpEvent>
#include <QImage>
#include <QPainter>
#include <QToolTip>
#include <string>

#include "objects/input/ListWindowFixture.h"
#include "pages/Colour.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"

namespace orv {
namespace {

using test::ObjectLines;

// Yellow fill, blue text.
constexpr ColourValue kFill = 0x00FFFF;
constexpr ColourValue kText = 0xFF0000;

QColor System(int index) { return ResolveColour(kSystemColourBase + static_cast<ColourValue>(index)); }

QImage GrabOf(QWidget& widget, const std::string& name) {
  QCoreApplication::processEvents();
  QImage image = widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
  image.save(QString::fromStdString("/tmp/lists-" + name + ".png"));
  return image;
}

// Whether any pixel of `rect` has exactly `colour`.
bool Shows(const QImage& image, const QRect& rect, const QColor& colour) {
  for (int y = rect.top(); y <= rect.bottom(); ++y)
    for (int x = rect.left(); x <= rect.right(); ++x)
      if (image.pixelColor(x, y) == colour) return true;
  return false;
}

class ListLookTest : public test::ListWindowFixture {
 protected:
  // `theme` is the "XPTheme=" value.
  bool OpenBoxes(const char* theme, const std::string& settings = "") {
    const std::string keys = std::string("XPTheme=") + theme;
    return Open("NewPage=One\r\n" +
                ObjectLines(10, "L", QRect(10, 10, 120, 100),
                            {"Text=Alpha\xB6" "Beta\xB6" "Gamma", "FillColor=" + std::to_string(kFill),
                             "TextColor=" + std::to_string(kText), "LineWidth=2", keys}) +
                ObjectLines(11, "C", QRect(150, 10, 120, 30),
                            {"Text=Alpha\xB6" "Beta", "FillColor=" + std::to_string(kFill),
                             "TextColor=" + std::to_string(kText), keys}),
                1, settings);
  }
  // The rectangle of row `row` in the list object's own coordinates.
  static QRect RowRect(TOrvalisListBox& list, int row) {
    QListWidget& widget = list.List();
    const QRect rect = widget.visualItemRect(widget.item(row));
    return QRect(widget.viewport()->mapTo(&list, rect.topLeft()), rect.size());
  }
};

TEST_F(ListLookTest, NotThemedItemsAreDrawnInTheObjectsColours) {
  ASSERT_TRUE(OpenBoxes("No"));
  auto* list = Find<TOrvalisListBox>("L");
  ASSERT_NE(list, nullptr);
  list->SetItemSelected(1, true);
  const QImage image = GrabOf(*list, "list-classic");
  const QRect first = RowRect(*list, 0), second = RowRect(*list, 1), third = RowRect(*list, 2);
  EXPECT_EQ(first.height(), QFontMetrics(list->List().font()).height());
  EXPECT_EQ(second.top(), first.bottom() + 1);
  // Right of the texts: the plain backgrounds.
  EXPECT_EQ(image.pixelColor(first.right() - 2, first.center().y()), ResolveColour(kFill));
  EXPECT_EQ(image.pixelColor(second.right() - 2, second.center().y()), System(13));
  EXPECT_TRUE(Shows(image, first, ResolveColour(kText)));
  EXPECT_TRUE(Shows(image, second, System(14)));
  // Below the last item, down to the outline.
  EXPECT_EQ(image.pixelColor(20, third.bottom() + 10), ResolveColour(kFill));
  EXPECT_EQ(image.pixelColor(20, list->height() - 3), ResolveColour(kFill));
  // The outline itself, and nothing else the object paints.
  EXPECT_EQ(image.pixelColor(0, 50), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(1, 50), QColor(Qt::black));

  // Drawn off the screen (transitions, what lies beneath transparent
  // objects) the list shows the same.
  QImage rendered(form->Pages().Page(1)->Background().size(), QImage::Format_RGB32);
  {
    QPainter painter(&rendered);
    form->Pages().Page(1)->Background().RenderTo(painter, 0, 0);
  }
  rendered = rendered.copy(list->geometry());
  rendered.save("/tmp/lists-list-rendered.png");
  EXPECT_EQ(rendered.pixelColor(second.right() - 2, second.center().y()), System(13));
  EXPECT_TRUE(Shows(rendered, first, ResolveColour(kText)));

  list->SetEnabledState(false);
  const QImage disabled = GrabOf(*list, "list-classic-disabled");
  EXPECT_TRUE(Shows(disabled, first, System(17)));
  EXPECT_FALSE(Shows(disabled, first, ResolveColour(kText)));
}

TEST_F(ListLookTest, TheFocusedItemShowsTheFocusRectangleWhenThePublicationShowsTheMarquee) {
  for (const bool marquee : {false, true}) {
    SCOPED_TRACE(marquee ? "marquee" : "no marquee");
    ASSERT_TRUE(OpenBoxes("No", std::string("ShowMarquee=") + (marquee ? "Yes" : "No") + "\r\n"));
    auto* list = Find<TOrvalisListBox>("L");
    ASSERT_NE(list, nullptr);
    list->SetItemSelected(1, true);
    list->setFocus();
    const QImage image = GrabOf(*list, std::string("list-focus-") + (marquee ? "marquee" : "plain"));
    const QRect row = RowRect(*list, 1);
    // Along the row's top edge, away from the text.
    int marked = 0;
    for (int x = row.center().x(); x < row.right(); ++x)
      if (image.pixelColor(x, row.top()) != System(13)) ++marked;
    EXPECT_EQ(marked > 0, marquee);
  }
}

TEST_F(ListLookTest, TheHintShowsOverTheItems) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + ObjectLines(10, "L", QRect(10, 10, 120, 100),
                                                   {"Text=Alpha\xB6" "Beta", "Hint=Choose one"})));
  auto* list = Find<TOrvalisListBox>("L");
  ASSERT_NE(list, nullptr);
  QWidget& viewport = *list->List().viewport();
  for (const QPoint at : {RowRect(*list, 0).center() - viewport.mapTo(list, QPoint()), QPoint(20, 80)}) {
    QHelpEvent help(QEvent::ToolTip, at, viewport.mapToGlobal(at));
    QApplication::sendEvent(&viewport, &help);
    EXPECT_EQ(QToolTip::text(), "Choose one");
    QToolTip::hideText();
  }
}

TEST_F(ListLookTest, ThemedItemsAreDrawnByTheStyle) {
  ASSERT_TRUE(OpenBoxes("Yes"));
  auto* list = Find<TOrvalisListBox>("L");
  ASSERT_NE(list, nullptr);
  list->SetItemSelected(1, true);
  list->setFocus();
  const QImage image = GrabOf(*list, "list-themed");
  const QRect second = RowRect(*list, 1);
  // The style shades its highlight a little.
  const QColor shown = image.pixelColor(second.right() - 4, second.center().y());
  const QColor highlight = list->List().palette().color(QPalette::Active, QPalette::Highlight);
  EXPECT_NEAR(shown.red(), highlight.red(), 4);
  EXPECT_NEAR(shown.green(), highlight.green(), 4);
  EXPECT_NEAR(shown.blue(), highlight.blue(), 4);
  EXPECT_NE(highlight, System(13));
  EXPECT_EQ(image.pixelColor(20, list->height() - 3), ResolveColour(kFill));
}

TEST_F(ListLookTest, TheClosedComboShowsItsItemInTheObjectsColoursUnlessThemed) {
  for (const char* theme : {"No", "Yes"}) {
    SCOPED_TRACE(theme);
    ASSERT_TRUE(OpenBoxes(theme));
    auto* combo = Find<TOrvalisComboBox>("C");
    ASSERT_NE(combo, nullptr);
    combo->SetItemSelected(1, true);
    const QImage idle = GrabOf(*combo, std::string("combo-") + theme);
    combo->setFocus();
    const QImage focused = GrabOf(*combo, std::string("combo-focused-") + theme);
    const QRect inner = combo->Combo().geometry();
    const QRect textArea(inner.left() + 4, inner.top() + 3, inner.width() / 3, inner.height() - 6);
    const bool classic = std::string(theme) == "No";
    EXPECT_EQ(Shows(idle, textArea, ResolveColour(kFill)), classic);
    EXPECT_EQ(Shows(idle, textArea, ResolveColour(kText)), classic);
    EXPECT_EQ(Shows(focused, textArea, System(13)), classic);
  }
}

TEST_F(ListLookTest, TheOpenComboListDrawsItsItemsLikeTheList) {
  ASSERT_TRUE(OpenBoxes("No"));
  auto* combo = Find<TOrvalisComboBox>("C");
  ASSERT_NE(combo, nullptr);
  combo->Combo().showPopup();
  QAbstractItemView& view = *combo->Combo().view();
  ASSERT_TRUE(test::WaitUntil([&view] { return view.isVisible(); }));
  const QImage image = GrabOf(*view.viewport(), "combo-open");
  const QRect first = view.visualRect(view.model()->index(0, 0));
  EXPECT_EQ(first.height(), QFontMetrics(combo->Combo().font()).height());
  EXPECT_TRUE(Shows(image, view.visualRect(view.model()->index(1, 0)), ResolveColour(kText)));
  combo->Combo().hidePopup();
}

}  // namespace
}  // namespace orv
