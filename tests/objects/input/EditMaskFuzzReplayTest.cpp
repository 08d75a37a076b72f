// Replays the edit-mask fuzz target's kept inputs (seeds and the inputs
// that once broke something) through the same steps the target takes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <string_view>

#include "EditMaskExercise.h"

namespace orv {
namespace {

TEST(EditMaskFuzzReplay, KeptInputsTranslateTypeAndSetCleanly) {
  const QDir dir(QStringLiteral(ORVALIS_TEST_DATA_DIR "/../fuzz/corpus/ObjectEditMaskFuzz"));
  const QStringList names = dir.entryList(QDir::Files, QDir::Name);
  ASSERT_GE(names.size(), 6);
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    QFile file(dir.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(test::ExerciseEditMask(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))), "");
  }
}

}  // namespace
}  // namespace orv
