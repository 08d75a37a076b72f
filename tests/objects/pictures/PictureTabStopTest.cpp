// The keyboard reaches a picture's scroll view only when the publication
// shows the focus marquee and the picture lies within the publication area,
// decided when the publication is loaded and again after every move.
#include <gtest/gtest.h>

#include "objects/buttons/ButtonPage.h"
#include "objects/pictures/PictureObject.h"
#include "objects/pictures/PictureTestPictures.h"

namespace orv {
namespace {

TEST(PictureTabStop, FollowsTheMarqueeAndThePublicationArea) {
  test::PictureFolder folder;
  const std::string file = folder.Solid("tab.png", 300, 200, test::kPictureRed);
  const struct {
    const char* label;
    bool marquee;
    QRect place;
    QRect movedTo;  // null: not moved
    bool tabStop;
  } cases[] = {
      {"marquee, inside", true, {10, 10, 60, 40}, {}, true},
      {"no marquee", false, {10, 10, 60, 40}, {}, false},
      {"marquee, outside the area", true, {150, 10, 40, 40}, {}, false},
      {"moved into the area", true, {150, 10, 40, 40}, {10, 10, 40, 40}, true},
      {"moved out of the area", true, {10, 10, 40, 40}, {150, 10, 40, 40}, false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    test::ButtonPageOptions options;
    options.marquee = c.marquee;
    options.size = QSize(200, 120);
    options.area = QRect(0, 0, 120, 120);
    test::ButtonPage page(test::PictureLines(c.place, file, {"ScrollBar=Yes"}), options);
    auto* picture = page.Find<TOrvalisPicture>("Pic");
    ASSERT_NE(picture, nullptr);
    page.Page().Notify(kMsgPageShown, "", "", false);
    ASSERT_NE(picture->ScrollBox(), nullptr);
    if (!c.movedTo.isNull()) page.host.MoveObject(*picture, c.movedTo);
    EXPECT_EQ(picture->ScrollBox()->focusPolicy(), c.tabStop ? Qt::TabFocus : Qt::NoFocus);
  }
}

}  // namespace
}  // namespace orv
