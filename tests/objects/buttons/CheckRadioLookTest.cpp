// How check boxes and radio buttons look: the box and dot drawn plainly
// and themed, where the box goes for each alignment, and the size an
// auto-sized one takes.
#include <gtest/gtest.h>

#include <QColor>
#include <string>

#include "objects/buttons/Buttons.h"
#include "objects/buttons/ButtonPage.h"

namespace orv {
namespace {

using test::BoundsOf;
using test::ButtonPage;
using test::ObjectLines;
using test::SaveGrab;

QColor System(int index) { return ResolveColour(kSystemColourBase + static_cast<ColourValue>(index)); }
bool Dark(const QColor& p) { return p.lightness() < 60; }

QImage PageGrab(ButtonPage& page, const QWidget& object) {
  return page.Page().grab(object.geometry()).toImage().convertToFormat(QImage::Format_RGB32);
}

TEST(CheckRadioLook, PlainBoxesAndDotsShowTheirState) {
  const QColor window = System(5), face = System(15), shadow = System(16);
  const struct {
    const char* label;
    int type;
    int state;
    bool enabled;
    bool mark;      // the check mark or dot shows in black
    bool greyMark;  // in grey
    QColor inside;  // the box's inside, away from the mark
  } cases[] = {
      {"check, unchecked", 12, ovbsUp, true, false, false, window},
      {"check, checked", 12, ovbsDown, true, true, false, window},
      {"check, held", 12, kButtonHeld, true, false, false, face},
      {"check, checked, disabled", 12, ovbsDown, false, false, true, face},
      {"radio, off", 13, ovbsUp, true, false, false, window},
      {"radio, on", 13, ovbsDown, true, true, false, window},
      {"radio, held", 13, kButtonHeld, true, false, false, face},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    ButtonPage page(ObjectLines(c.type, "B", QRect(10, 10, 30, 20), {"XPTheme=No"}));
    auto* button = page.Find("B");
    button->SetState(c.state);
    button->SetEnabledState(c.enabled);
    const QImage image = PageGrab(page, *button);
    SaveGrab(image, std::string("classic-") + c.label);
    // The box: 13 pixels at the left edge, centred vertically.
    const QRect box(0, (20 - 13) / 2, 13, 13);
    EXPECT_EQ(image.pixelColor(box.left() + 3, box.top() + (c.type == 13 ? 6 : 9)), c.inside);
    const QImage inner = image.copy(box.adjusted(3, 3, -3, -3));
    EXPECT_EQ(!BoundsOf(inner, Dark).isEmpty(), c.mark);
    EXPECT_EQ(!BoundsOf(inner, [&](const QColor& p) { return p == shadow; }).isEmpty(), c.greyMark);
    if (c.type == 12) {
      EXPECT_EQ(image.pixelColor(box.topLeft()), shadow);
      EXPECT_EQ(image.pixelColor(box.bottomRight()), QColor(Qt::white));
    }
  }
}

TEST(CheckRadioLook, TheAlignmentPlacesTheBox) {
  const QRect at(10, 10, 101, 40);
  const struct {
    int align;
    int boxLeft;
    bool captionRightOfBox;
  } cases[] = {{1, 0, true}, {4, at.width() - 13, false}, {2, (at.width() - 13) / 2, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.align);
    ButtonPage page(ObjectLines(12, "B", at,
                                {"XPTheme=No", "Text=Go", "TextColor=$0000FF", "Align=" + std::to_string(c.align)}));
    const QImage image = PageGrab(page, *page.Find("B"));
    SaveGrab(image, "align-" + std::to_string(c.align));
    // The outer frame: shadow at the top and left, white at the bottom and right.
    const QColor shadow = System(16);
    const QRect box = BoundsOf(image, [&](const QColor& p) { return p == shadow || p == QColor(Qt::white); });
    EXPECT_EQ(box.left(), c.boxLeft);
    EXPECT_EQ(box.width(), 13);
    const QRect text = BoundsOf(image, [](const QColor& p) { return p.red() > 150 && p.green() < 100; });
    ASSERT_FALSE(text.isEmpty());
    if (c.align == 2)
      EXPECT_GT(text.top(), box.bottom());
    else
      EXPECT_EQ(text.left() > box.right(), c.captionRightOfBox);
  }
}

TEST(CheckRadioLook, ThemedBoxesShowCheckedHeldAndHoveredApart) {
  for (const int type : {12, 13}) {
    SCOPED_TRACE(type);
    ButtonPage page(ObjectLines(type, "B", QRect(10, 10, 90, 20), {"Text=Themed"}));
    auto* button = page.Find("B");
    ASSERT_TRUE(button->Themed());
    QImage looks[3];
    for (const int state : {int{ovbsUp}, int{ovbsDown}, kButtonHeld}) {
      button->SetState(state);
      looks[state] = PageGrab(page, *button);
      SaveGrab(looks[state], "themed-" + std::to_string(type) + "-" + std::to_string(state));
    }
    EXPECT_NE(looks[ovbsUp], looks[ovbsDown]);
    EXPECT_NE(looks[ovbsUp], looks[kButtonHeld]);
  }
}

TEST(CheckRadioLook, AutoSizeMakesRoomForBoxAndCaption) {
  ButtonPage page(ObjectLines(12, "Empty", QRect(0, 0, 50, 50), {"AutoSize=Yes"}) +
                  ObjectLines(12, "Side", QRect(0, 0, 50, 50), {"AutoSize=Yes", "Text=Caption"}) +
                  ObjectLines(12, "Under", QRect(0, 0, 50, 50), {"AutoSize=Yes", "Text=Caption", "Align=2"}) +
                  ObjectLines(12, "Fixed", QRect(0, 0, 50, 50), {"Text=Caption"}));
  EXPECT_EQ(page.Find("Empty")->width(), 16);
  const QSize side = page.Find("Side")->size();
  const QSize under = page.Find("Under")->size();
  // The box and its gap go beside the caption or above it.
  EXPECT_EQ(side.width() - under.width(), 17);
  EXPECT_EQ(under.height() - side.height(), 17);
  EXPECT_EQ(page.Find("Fixed")->size(), QSize(50, 50));
  // A bigger font re-sizes once the caption is told.
  auto* sideBox = page.Find("Side");
  sideBox->MutableFont().Size = 20;
  sideBox->CaptionChanged();
  EXPECT_GT(sideBox->width(), side.width());
}

}  // namespace
}  // namespace orv
