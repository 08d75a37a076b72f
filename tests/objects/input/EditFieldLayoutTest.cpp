// Where an edit field puts its control and how it looks: one line centred
// by the height of "Mg" at 96 pixels per inch, several lines filling the
// area inside the outline; the fill colour behind the text.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QImage>
#include <QLineEdit>
#include <string>

#include "objects/ObjectPage.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/input/EditField.h"
#include "pages/BackgroundMessages.h"

namespace orv {
namespace {

using test::ObjectLines;
using test::ObjectPage;

TEST(EditFieldLayout, OneLineIsCentredByTheTextHeightSeveralFillTheArea) {
  const struct {
    int lineWidth;
    int width, height;
    int fontSize;
    bool multiLine;
  } cases[] = {
      {1, 200, 24, 10, false}, {0, 200, 24, 10, false}, {3, 150, 41, 10, false},
      {1, 200, 60, 20, false}, {2, 30, 10, 10, false},  {1, 200, 60, 10, true},
      {4, 120, 50, 14, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.lineWidth) + " " + std::to_string(c.width) + "x" + std::to_string(c.height) +
                 (c.multiLine ? " multi" : " single"));
    ObjectPage page(ObjectLines(9, "E", QRect(0, 0, c.width, c.height),
                                {"LineWidth=" + std::to_string(c.lineWidth), "FontSize=" + std::to_string(c.fontSize),
                                 c.multiLine ? "EditMultiLine=Yes" : "EditMultiLine=No"}),
                    QSize(300, 100));
    auto* field = page.As<TOrvalisEditField>();
    ASSERT_NE(field, nullptr);
    page.Page().show();
    QWidget* inner = field->InnerControl();
    // The font's size in points as pixels on a screen of 96 per inch.
    EXPECT_EQ(inner->font().pixelSize(), (c.fontSize * 96 + 36) / 72);
    const int lw = c.lineWidth;
    QRect expected(lw, lw, c.width - 2 * lw, c.height - 2 * lw);
    if (!c.multiLine) {
      const int th = QFontMetrics(inner->font()).size(Qt::TextSingleLine, QStringLiteral("Mg")).height();
      expected = QRect(2 * lw + 4, (c.height - 2 * lw) / 2 - th / 2, std::max(0, c.width - 4 * lw - 5), th + 1);
    }
    EXPECT_EQ(test::Text(inner->geometry()), test::Text(expected));
  }
}

TEST(EditFieldLayout, PlacedAnewOnResizeOutlineAndFontChange) {
  ObjectPage page(ObjectLines(9, "E", QRect(0, 0, 200, 30), {"LineWidth=1"}), QSize(300, 100));
  auto* field = page.As<TOrvalisEditField>();
  ASSERT_NE(field, nullptr);
  page.Page().show();
  QWidget* inner = field->InnerControl();
  field->resize(120, 50);
  EXPECT_EQ(test::Text(inner->geometry()), test::Text(field->ControlRect()));
  EXPECT_EQ(inner->width(), 120 - 4 - 5);
  field->SetLineWidth(5);
  EXPECT_EQ(inner->x(), 14);
  const int before = inner->height();
  field->MutableFont().Size = 24;
  field->FontChanged();
  EXPECT_GT(inner->height(), before);
  EXPECT_EQ(test::Text(inner->geometry()), test::Text(field->ControlRect()));
}

TEST(EditFieldLayout, TheControlShowsTheTextOnTheFillColour) {
  // Yellow fill, red text, black outline.
  ObjectPage page(ObjectLines(9, "E", QRect(10, 10, 200, 30),
                              {"LineWidth=2", "LineColor=0", "FillColor=65535", "TextColor=255", "FontSize=14"}) +
                      ObjectLines(9, "P", QRect(10, 50, 200, 30), {"FillColor=16777215", "EditPassword=Yes"}) +
                      ObjectLines(9, "M", QRect(10, 90, 200, 60),
                                  {"FillColor=15794160", "EditMultiLine=Yes", "WordWrap=Yes"}),
                  QSize(230, 160));
  auto* field = page.As<TOrvalisEditField>(0);
  ASSERT_NE(field, nullptr);
  field->SetText("Hello");
  page.As<TOrvalisEditField>(1)->SetText("secret");
  page.As<TOrvalisEditField>(2)->SetText("several lines of text that wrap inside the field");
  page.Page().show();
  const QImage image = page.Grab();
  image.save(QStringLiteral("/tmp/editfield-painted.png"));
  EXPECT_EQ(image.pixel(11, 11), qRgb(0, 0, 0));
  const QRect control = field->ControlRect().translated(field->pos());
  // Right of the text: the fill.
  EXPECT_EQ(image.pixel(control.right() - 3, control.center().y()), qRgb(255, 255, 0));
  int red = 0;
  for (int x = control.left(); x < control.left() + 60; ++x)
    for (int y = control.top(); y <= control.bottom(); ++y) {
      const QColor pixel(image.pixel(x, y));
      if (pixel.red() > 200 && pixel.green() < 100 && pixel.blue() < 100) ++red;
    }
  EXPECT_GT(red, 20);
  // The page rendered off-screen shows the text too.
  const QImage rendered = page.Render();
  rendered.save(QStringLiteral("/tmp/editfield-rendered.png"));
  EXPECT_EQ(rendered.pixel(control.right() - 3, control.center().y()), qRgb(255, 255, 0));

  // A new fill reaches the control.
  field->SetFillColor(0xFF0000);
  EXPECT_EQ(page.Grab().pixel(control.right() - 3, control.center().y()), qRgb(0, 0, 255));
}

}  // namespace
}  // namespace orv
