#include "pages/PictureCache.h"

#include <gtest/gtest.h>

#include <QFile>
#include <thread>

#include "pages/PictureCacheSource.h"
#include "pages/PictureFiles.h"

namespace orv {
namespace {

using testing::MemoryPictureSource;
using testing::PatternImage;
using testing::PngBytes;
using testing::ShiftFileTime;
using testing::WritePicture;

class PictureCacheTest : public ::testing::Test {
 protected:
  std::string Write(const std::string& name, const QImage& image) { return WritePicture(dir_, name, image); }

  QTemporaryDir dir_;
  TPictureCache cache_;
};

TEST_F(PictureCacheTest, SameNameGivesTheSamePictureDecodedOnce) {
  const std::string path = Write("wall.png", PatternImage(4, 3));
  const AcquiredPicture first = cache_.AcquirePicture(path);
  const AcquiredPicture second = cache_.AcquirePictureUnheld(path);
  ASSERT_TRUE(first);
  EXPECT_EQ(first.picture, second.picture);
  EXPECT_EQ(cache_.DecodeCount(), 1u);
  EXPECT_EQ(cache_.Count(), 1);
  EXPECT_EQ(first.picture->Bitmap().pixel(2, 1), PatternImage(4, 3).pixel(2, 1));
}

TEST_F(PictureCacheTest, NamesMatchWithoutRegardToCase) {
  const std::string path = Write("wall.png", PatternImage(4, 3));
  const AcquiredPicture lower = cache_.AcquirePictureUnheld(path);
  std::string upper = path;
  upper.replace(upper.size() - 8, 8, "WALL.PNG");
  const AcquiredPicture shouted = cache_.AcquirePictureUnheld(upper);
  EXPECT_EQ(lower.picture, shouted.picture);
  EXPECT_EQ(cache_.DecodeCount(), 1u);
}

TEST_F(PictureCacheTest, EmptyOrMissingNamesGiveNothing) {
  EXPECT_FALSE(cache_.AcquirePicture(""));
  EXPECT_FALSE(cache_.AcquirePicture(dir_.path().toStdString() + "/absent.png"));
  EXPECT_EQ(cache_.Count(), 0);
}

TEST_F(PictureCacheTest, ChangedFileIsDecodedAgainWhileTheOldOneStaysValid) {
  const std::string path = Write("wall.png", PatternImage(4, 3, 0));
  const AcquiredPicture before = cache_.AcquirePicture(path);
  ASSERT_TRUE(before);
  Write("wall.png", PatternImage(4, 3, 7));
  ShiftFileTime(path, 10);
  const AcquiredPicture after = cache_.AcquirePicture(path);
  ASSERT_TRUE(after);
  EXPECT_NE(before.picture, after.picture);
  EXPECT_EQ(cache_.DecodeCount(), 2u);
  EXPECT_EQ(cache_.Count(), 1);
  EXPECT_EQ(qRed(after.picture->Bitmap().pixel(0, 0)), 7);
  // The first holder still has its picture; releasing it does not touch the
  // new entry's hold.
  EXPECT_EQ(qRed(before.picture->Bitmap().pixel(0, 0)), 0);
  cache_.ReleasePicture(before.picture.get());
  EXPECT_EQ(cache_.HoldCount(after.picture.get()), 1);
}

TEST_F(PictureCacheTest, FileGoneFromDiskIsForgotten) {
  const std::string path = Write("gone.png", PatternImage(2, 2));
  ASSERT_TRUE(cache_.AcquirePictureUnheld(path));
  ASSERT_TRUE(QFile::remove(QString::fromStdString(path)));
  EXPECT_FALSE(cache_.AcquirePictureUnheld(path));
  EXPECT_EQ(cache_.Count(), 0);
}

TEST_F(PictureCacheTest, EvictsFromTheLeastRecentlyUsedEnd) {
  cache_.SetCapacity(3);
  const std::string a = Write("a.png", PatternImage(2, 2, 1));
  const std::string b = Write("b.png", PatternImage(2, 2, 2));
  const std::string c = Write("c.png", PatternImage(2, 2, 3));
  const std::string d = Write("d.png", PatternImage(2, 2, 4));
  for (const std::string& name : {a, b, c}) cache_.AcquirePictureUnheld(name);
  cache_.AcquirePictureUnheld(a);  // a is now the most recent; b the least
  cache_.AcquirePictureUnheld(d);
  EXPECT_EQ(cache_.Names(), (std::list<std::string>{d, a, c}));
}

TEST_F(PictureCacheTest, HeldEntriesAreSkippedAndTheCacheMayGrowPastCapacity) {
  cache_.SetCapacity(2);
  const std::string a = Write("a.png", PatternImage(2, 2, 1));
  const std::string b = Write("b.png", PatternImage(2, 2, 2));
  const std::string c = Write("c.png", PatternImage(2, 2, 3));
  const std::string d = Write("d.png", PatternImage(2, 2, 4));
  const AcquiredPicture heldA = cache_.AcquirePicture(a);
  cache_.AcquirePictureUnheld(b);
  cache_.AcquirePictureUnheld(c);  // a is the oldest but held: b goes
  EXPECT_EQ(cache_.Names(), (std::list<std::string>{c, a}));

  cache_.SetCapacity(1);  // a different capacity empties the cache
  EXPECT_EQ(cache_.Count(), 0);
  const AcquiredPicture heldC = cache_.AcquirePicture(c);
  const AcquiredPicture heldD = cache_.AcquirePicture(d);
  EXPECT_EQ(cache_.Count(), 2);
  EXPECT_NE(heldC.picture, heldD.picture);
}

TEST_F(PictureCacheTest, HoldsAreCountedSoOneReleaseDoesNotUnprotect) {
  cache_.SetCapacity(1);
  const std::string a = Write("a.png", PatternImage(2, 2, 1));
  const std::string b = Write("b.png", PatternImage(2, 2, 2));
  const AcquiredPicture first = cache_.AcquirePicture(a);
  const AcquiredPicture second = cache_.AcquirePicture(a);
  EXPECT_EQ(cache_.HoldCount(first.picture.get()), 2);
  cache_.ReleasePicture(first.picture.get());
  cache_.AcquirePictureUnheld(b);
  EXPECT_EQ(cache_.Count(), 2);  // a is still held by the second user
  cache_.ReleasePicture(second.picture.get());
  cache_.ReleasePicture(second.picture.get());  // one too many: harmless
  EXPECT_EQ(cache_.HoldCount(first.picture.get()), 0);
}

TEST_F(PictureCacheTest, HeldPictureSurvivesEvictionAndEmptying) {
  cache_.SetCapacity(1);
  const std::string a = Write("a.png", PatternImage(64, 64, 9));
  const std::string b = Write("b.png", PatternImage(2, 2));
  AcquiredPicture held = cache_.AcquirePicture(a);
  const TOVImageView* raw = held.picture.get();
  cache_.EmptyCache();
  cache_.SetCapacity(5);
  cache_.AcquirePicture(b);
  // Under the address sanitizer a freed picture would be caught here.
  EXPECT_EQ(qRed(raw->Bitmap().pixel(63, 63)), (63 * 40 + 9) & 0xFF);
  cache_.ReleasePicture(raw);  // no longer cached: ignored
  EXPECT_EQ(cache_.Count(), 1);
  held = {};
}

TEST_F(PictureCacheTest, DecodeErrorsAreHandedOutBadButNotCached) {
  const std::string path = dir_.path().toStdString() + "/broken.png";
  {
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x89PNG\r\n\x1A\n truncated");
  }
  const AcquiredPicture first = cache_.AcquirePicture(path, kAutoTransparentColour);
  ASSERT_TRUE(first);
  EXPECT_TRUE(first.picture->BadImage());
  EXPECT_FALSE(first.region);
  EXPECT_EQ(cache_.Count(), 0);
  cache_.AcquirePicture(path);
  EXPECT_EQ(cache_.DecodeCount(), 2u);  // tried again

  Write("broken.png", PatternImage(3, 3));  // mended on disk
  const AcquiredPicture mended = cache_.AcquirePicture(path);
  EXPECT_FALSE(mended.picture->BadImage());
  EXPECT_EQ(cache_.Count(), 1);
}

TEST_F(PictureCacheTest, SetCapacityClampsAndKeepsEntriesWhenUnchanged) {
  cache_.AcquirePictureUnheld(Write("a.png", PatternImage(2, 2)));
  cache_.SetCapacity(30);
  EXPECT_EQ(cache_.Count(), 1);
  const std::pair<int, int> cases[] = {{0, 1}, {-5, 1}, {1, 1}, {100, 100}, {500, 100}, {42, 42}};
  for (const auto& [asked, kept] : cases) {
    cache_.SetCapacity(asked);
    EXPECT_EQ(cache_.Capacity(), kept) << asked;
  }
  EXPECT_EQ(TPictureCache().Capacity(), 30);
}

// ---- regions ----------------------------------------------------------

// Regions are compared by the pixels they cover, not by how they are cut up.
::testing::AssertionResult SameArea(const QRegion& actual, const QRegion& expected) {
  if (actual.xored(expected).isEmpty()) return ::testing::AssertionSuccess();
  const QRect a = actual.boundingRect(), e = expected.boundingRect();
  return ::testing::AssertionFailure() << "covers " << actual.rectCount() << " rects in (" << a.x() << ","
                                       << a.y() << " " << a.width() << "x" << a.height() << "), expected ("
                                       << e.x() << "," << e.y() << " " << e.width() << "x" << e.height() << ")";
}

// A 4 x 3 picture: red everywhere except a green bottom-left pixel and a
// blue 2 x 1 bar at (1, 0).
QImage RegionPicture() {
  QImage image(4, 3, QImage::Format_RGB32);
  image.fill(qRgb(255, 0, 0));
  image.setPixel(0, 2, qRgb(0, 255, 0));
  image.setPixel(1, 0, qRgb(0, 0, 255));
  image.setPixel(2, 0, qRgb(0, 0, 255));
  return image;
}

TEST_F(PictureCacheTest, RegionHoldsThePixelsThatDifferFromTheTransparentColour) {
  const std::string path = Write("shape.png", RegionPicture());
  struct Case {
    const char* what;
    ColourValue colour;
    QRegion expected;
  };
  const QRegion whole(0, 0, 4, 3);
  const Case cases[] = {
      {"red", RgbColour(255, 0, 0), QRegion(1, 0, 2, 1).united(QRegion(0, 2, 1, 1))},
      {"blue", RgbColour(0, 0, 255), whole.subtracted(QRegion(1, 0, 2, 1))},
      {"automatic: bottom-left green", kAutoTransparentColour, whole.subtracted(QRegion(0, 2, 1, 1))},
      {"absent colour", RgbColour(1, 2, 3), whole},
  };
  for (const Case& c : cases) {
    const AcquiredPicture got = cache_.AcquirePictureUnheld(path, c.colour);
    ASSERT_TRUE(got.region) << c.what;
    EXPECT_TRUE(SameArea(*got.region, c.expected)) << c.what;
  }
  EXPECT_EQ(cache_.DecodeCount(), 1u);
}

TEST_F(PictureCacheTest, NoRegionWithoutTransparencyOrForAlphaPictures) {
  const std::string plain = Write("shape.png", RegionPicture());
  EXPECT_FALSE(cache_.AcquirePictureUnheld(plain, kNoTransparentColour).region);
  QImage alpha(4, 3, QImage::Format_ARGB32);
  alpha.fill(qRgba(255, 0, 0, 128));
  const std::string withAlpha = Write("alpha.png", alpha);
  const AcquiredPicture got = cache_.AcquirePictureUnheld(withAlpha, RgbColour(0, 0, 0));
  ASSERT_TRUE(got);
  EXPECT_TRUE(got.picture->HasAlpha());
  EXPECT_FALSE(got.region);
  EXPECT_FALSE(cache_.AcquirePictureUnheld(withAlpha, kAutoTransparentColour).region);
}

TEST_F(PictureCacheTest, ScaledRegionIsBuiltFromAScaledCopyAndReplacedAtNaturalSize) {
  const std::string path = Write("shape.png", RegionPicture());
  const ColourValue red = RgbColour(255, 0, 0);
  const AcquiredPicture doubled = cache_.AcquirePictureUnheld(path, red, 8, 6);
  ASSERT_TRUE(doubled.region);
  EXPECT_TRUE(SameArea(*doubled.region, QRegion(2, 0, 4, 2).united(QRegion(0, 4, 2, 2))));
  const AcquiredPicture natural = cache_.AcquirePictureUnheld(path, red);
  ASSERT_TRUE(natural.region);
  EXPECT_TRUE(SameArea(*natural.region, QRegion(1, 0, 2, 1).united(QRegion(0, 2, 1, 1))));
}

TEST_F(PictureCacheTest, HeldEntryKeepsItsRegionAndGivesNoneForOtherRequests) {
  const std::string path = Write("shape.png", RegionPicture());
  const ColourValue red = RgbColour(255, 0, 0);
  const AcquiredPicture held = cache_.AcquirePicture(path, red);
  ASSERT_TRUE(held.region);
  EXPECT_FALSE(cache_.AcquirePictureUnheld(path, red, 8, 6).region);
  const AcquiredPicture again = cache_.AcquirePictureUnheld(path, red);
  ASSERT_TRUE(again.region);
  EXPECT_EQ(*again.region, *held.region);
  cache_.ReleasePicture(held.picture.get());
  EXPECT_TRUE(cache_.AcquirePictureUnheld(path, red, 8, 6).region);
}

TEST(PictureCacheRegionBlocks, LargePictureRegionIsExact) {
  // A checkerboard of 100 x 100 makes 5000 runs: more than one block.
  QImage image(100, 100, QImage::Format_RGB32);
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) image.setPixel(x, y, (x + y) % 2 ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
  QTemporaryDir dir;
  TPictureCache cache;
  const AcquiredPicture got = cache.AcquirePictureUnheld(WritePicture(dir, "c.png", image), RgbColour(0, 0, 0));
  ASSERT_TRUE(got.region);
  int inside = 0;
  for (int y = 0; y < 100; ++y)
    for (int x = 0; x < 100; ++x) {
      const bool expected = (x + y) % 2 == 0;
      EXPECT_EQ(got.region->contains(QPoint(x, y)), expected) << x << "," << y;
      inside += expected;
    }
  EXPECT_EQ(inside, 5000);
}

TEST(PictureCacheRegionBands, RowsWithTheSameRunsShareOneBand) {
  // A 50 x 40 picture, transparent except a 10 x 30 bar: one rectangle.
  QImage image(50, 40, QImage::Format_RGB32);
  image.fill(qRgb(0, 0, 0));
  for (int y = 5; y < 35; ++y)
    for (int x = 20; x < 30; ++x) image.setPixel(x, y, qRgb(9, 9, 9));
  QTemporaryDir dir;
  TPictureCache cache;
  const AcquiredPicture got = cache.AcquirePictureUnheld(WritePicture(dir, "bar.png", image), RgbColour(0, 0, 0));
  ASSERT_TRUE(got.region);
  EXPECT_EQ(got.region->rectCount(), 1);
  EXPECT_EQ(got.region->boundingRect(), QRect(20, 5, 10, 30));
}

// ---- package entries and streams --------------------------------------

TEST_F(PictureCacheTest, PackageEntryComesBeforeTheFileOnDisk) {
  const std::string path = Write("both.png", PatternImage(2, 2, 0));
  MemoryPictureSource package;
  package.Add(path, PngBytes(PatternImage(3, 3, 50)));
  cache_.SetEntrySource(&package);
  const AcquiredPicture got = cache_.AcquirePicture(path);
  ASSERT_TRUE(got);
  EXPECT_EQ(got.picture->ImageWidth(), 3);
  // Package pictures have no file stamp: deleting the disk file changes nothing.
  QFile::remove(QString::fromStdString(path));
  EXPECT_EQ(cache_.AcquirePicture(path).picture, got.picture);
}

TEST_F(PictureCacheTest, EntryThatDoesNotDecodeFallsBackToTheDisk) {
  const std::string path = Write("pic.png", PatternImage(2, 2));
  MemoryPictureSource package;
  package.Add(path, QByteArray("not a picture"));
  package.Add("only-in-package.png", QByteArray("not a picture"));
  cache_.SetEntrySource(&package);
  const AcquiredPicture fromDisk = cache_.AcquirePicture(path);
  ASSERT_TRUE(fromDisk);
  EXPECT_FALSE(fromDisk.picture->BadImage());
  const AcquiredPicture bad = cache_.AcquirePicture("only-in-package.png");
  ASSERT_TRUE(bad);
  EXPECT_TRUE(bad.picture->BadImage());
}

TEST_F(PictureCacheTest, StreamFormDecodesTheGivenBytesOnce) {
  const QByteArray bytes = PngBytes(PatternImage(5, 2));
  const AcquiredPicture first = cache_.AcquirePicture("frames.ani#1", bytes);
  const AcquiredPicture second = cache_.AcquirePicture("frames.ani#1", bytes);
  ASSERT_TRUE(first);
  EXPECT_EQ(first.picture, second.picture);
  EXPECT_EQ(cache_.DecodeCount(), 1u);
  EXPECT_EQ(cache_.HoldCount(first.picture.get()), 2);
}

TEST(LoadEntryToPicture, ReportsMissingFailedAndLoaded) {
  MemoryPictureSource package;
  package.Add("Good.PNG", PngBytes(PatternImage(4, 4)));
  package.Add("bad.png", QByteArray("xx"));
  TOVImageView view;
  EXPECT_EQ(LoadEntryToPicture(package, "none.png", view), kEntryMissing);
  EXPECT_TRUE(view.IsEmpty());
  EXPECT_EQ(LoadEntryToPicture(package, "bad.png", view), kEntryFailed);
  EXPECT_TRUE(view.BadImage());
  EXPECT_EQ(LoadEntryToPicture(package, "good.png", view), kEntryLoaded);
  EXPECT_EQ(view.ImageWidth(), 4);
  package.FailCopies(true);
  TOVImageView untouched;
  EXPECT_EQ(LoadEntryToPicture(package, "good.png", untouched), kEntryFailed);
  EXPECT_TRUE(untouched.IsEmpty());
  const auto info = package.EntryPictureInfo("GOOD.png");
  ASSERT_TRUE(info);
  EXPECT_EQ(info->width, 4);
}

TEST_F(PictureCacheTest, ReleaseFromAnotherThreadWhileTheMainThreadUsesTheCache) {
  cache_.SetCapacity(4);
  std::vector<std::string> names;
  for (int i = 0; i < 8; ++i) names.push_back(Write("p" + std::to_string(i) + ".png", PatternImage(8, 8, i)));
  const AcquiredPicture held = cache_.AcquirePicture(names[0]);
  for (int i = 0; i < 200; ++i) cache_.AcquirePicture(names[0]);
  std::thread releaser([&] {
    for (int i = 0; i < 201; ++i) cache_.ReleasePicture(held.picture.get());
  });
  for (int round = 0; round < 20; ++round)
    for (const std::string& name : names) cache_.AcquirePictureUnheld(name);
  releaser.join();
  EXPECT_EQ(cache_.HoldCount(held.picture.get()), 0);
  EXPECT_LE(cache_.Count(), 5);
}

}  // namespace
}  // namespace orv
