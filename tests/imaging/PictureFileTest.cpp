// Picture names come from variables and may name anything. Whatever is not
// a regular file of sensible size is refused at once: nothing is read from
// a device or a pipe, and a pipe is not waited on.
#include "imaging/PictureFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <string>

#include "imaging/BadPictureSymbol.h"
#include "imaging/OVImageView.h"
#include "pages/PictureCache.h"

namespace orv {
namespace {

class PictureFileTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(dir_.isValid()); }

  std::string Path(const char* name) const { return dir_.path().toStdString() + "/" + name; }

  QTemporaryDir dir_;
};

TEST_F(PictureFileTest, ReadsARegularFileWhole) {
  const std::string source = ORVALIS_TEST_DATA_DIR "/imaging/plain.png";
  QFile file(QString::fromStdString(source));
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  QByteArray bytes;
  // Publication style: another letter case, Windows separators.
  ASSERT_TRUE(ReadPictureFile(ORVALIS_TEST_DATA_DIR "\\IMAGING\\Plain.PNG", bytes));
  EXPECT_EQ(bytes, file.readAll());
}

TEST_F(PictureFileTest, DevicesPipesFoldersAndHugeFilesAreRefusedEverywhere) {
  const std::string fifo = Path("pipe.png");
  ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
  // Sparse: the size is there, the blocks are not.
  const std::string huge = Path("huge.png");
  { QFile(QString::fromStdString(huge)).open(QIODevice::WriteOnly); }
  std::filesystem::resize_file(huge, kLargestPictureFile + 1024 * 1024);
  const std::string folder = Path("folder.png");
  std::filesystem::create_directory(folder);

  const std::string names[] = {"/dev/zero", fifo, huge, folder, Path("missing.png")};
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    QByteArray bytes("left over");
    EXPECT_FALSE(ReadPictureFile(name, bytes));
    EXPECT_TRUE(bytes.isEmpty());

    TOVImageView view;
    EXPECT_FALSE(view.LoadFromFile(name));
    EXPECT_TRUE(view.BadImage());
    EXPECT_EQ(view.Bitmap(), BadPictureSymbol());

    const TPictureInfo info = TOVImageView::ReadInfo(name);
    EXPECT_FALSE(info.readable);
    EXPECT_EQ(QSize(info.width, info.height), QSize(32, 32));

    TPictureCache cache;
    EXPECT_FALSE(cache.AcquirePictureUnheld(name));
    EXPECT_EQ(cache.Count(), 0);
  }
}

}  // namespace
}  // namespace orv
