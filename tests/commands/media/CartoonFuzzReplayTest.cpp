// Replays the cartoon fuzz target's kept inputs (seeds and the inputs that
// once broke the reader) through the same steps the fuzz target takes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <optional>

#include "commands/media/CartoonFile.h"
#include "pages/PictureCache.h"

namespace orv::test {
namespace {

TEST(CartoonFuzzReplay, KeptInputsReadAsACartoonOrNone) {
  const QDir dir(QStringLiteral(ORVALIS_TEST_DATA_DIR "/../fuzz/corpus/ObjectCartoonFuzz"));
  const QStringList names = dir.entryList(QDir::Files, QDir::Name);
  ASSERT_GE(names.size(), 8);
  TPictureCache cache;
  int cartoons = 0;
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const std::optional<TCartoonStrip> strip =
        ReadCartoonStrip(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), "FUZZ.CAR", cache);
    if (!strip) continue;
    ++cartoons;
    ASSERT_GT(strip->FrameWidth(), 0);
    ASSERT_GT(strip->FrameHeight(), 0);
    EXPECT_LE(strip->FrameRect(strip->Frames() - 1).right(), strip->Picture().width() - 1);
    QImage target(strip->FrameWidth(), strip->FrameHeight(), QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&target);
    if (const std::optional<QRegion> region = strip->FrameRegion(strip->Frames() - 1)) painter.setClipRegion(*region);
    painter.drawImage(QPoint(0, 0), strip->Picture(), strip->FrameRect(strip->Frames() - 1));
  }
  // The seeds hold whole cartoons as well as broken ones.
  EXPECT_GE(cartoons, 3);
}

}  // namespace
}  // namespace orv::test
