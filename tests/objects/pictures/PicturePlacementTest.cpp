// The placement arithmetic on its own: fitting keeps the widest width that
// fits, whatever the sizes, and zoomed sizes and pan offsets beyond 32 bits
// come out exact.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "objects/pictures/PicturePlacement.h"

namespace orv {
namespace {

TEST(PicturePlacement, FittingGivesTheWidestWidthWhoseHeightFits) {
  int checked = 0;
  for (int pw = 1; pw <= 61; pw += 4)
    for (int ph = 1; ph <= 61; ph += 6)
      for (int aw = 1; aw <= 90; aw += 7)
        for (int ah = 1; ah <= 90; ah += 5) {
          // Every width tried, the widest that fits kept.
          int best = 0;
          for (int w = 0; w <= aw; ++w)
            if (std::nearbyint(static_cast<double>(w) * ph / pw) <= ah) best = w;
          const QSize fit = FitKeepingAspect(QSize(pw, ph), QSize(aw, ah));
          ASSERT_EQ(fit.width(), best) << pw << "x" << ph << " in " << aw << "x" << ah;
          ASSERT_EQ(fit.height(), static_cast<int>(std::nearbyint(static_cast<double>(best) * ph / pw)));
          ++checked;
        }
  EXPECT_GT(checked, 10000);
  EXPECT_TRUE(FitKeepingAspect(QSize(0, 10), QSize(50, 50)).isEmpty());
  EXPECT_TRUE(FitKeepingAspect(QSize(10, 10), QSize(0, 50)).isEmpty());
}

TEST(PicturePlacement, SizesAndPanOffsetsBeyond32BitsStayExact) {
  constexpr int kMax = std::numeric_limits<int>::max();
  EXPECT_EQ(ZoomedLength(1000, 1.0, kMax), std::int64_t{21474836470});
  TPlacementInput in;
  in.picture = QSize(1000, 500);
  in.area = QRect(5, 7, 100, 100);
  in.zoom = kMax;
  in.panX = std::int64_t{20000000000};
  in.panY = 3;
  const TPicturePlacement normal = PlacePicture(in);
  EXPECT_EQ(normal.rect, (TPlacedRect{5 - std::int64_t{20000000000}, 4, 21474836470, 10737418235}));
  in.mode = pTile;
  const TPicturePlacement tiled = PlacePicture(in);
  EXPECT_EQ(tiled.rect, (TPlacedRect{5, 7, 21474836470, 10737418235}));
}

}  // namespace
}  // namespace orv
