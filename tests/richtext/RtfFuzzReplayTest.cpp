// Replays the RTF fuzz target's kept inputs (seeds and the inputs that once
// broke the reader) through the same steps the fuzz target takes.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTextDocument>

#include "richtext/RtfReader.h"
#include "richtext/RtfWriter.h"
#include "richtext/VariableFields.h"

namespace orv::rt {
namespace {

TEST(RtfFuzzReplay, KeptInputsLoadWriteAndReadBack) {
  const QDir dir(QStringLiteral(ORVALIS_TEST_DATA_DIR "/../fuzz/corpus/RtfFuzz"));
  const QStringList names = dir.entryList(QDir::Files, QDir::Name);
  ASSERT_GE(names.size(), 4);
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QTextDocument doc;
    ReadRtf(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())), doc);
    MakeVariableFields(doc, nullptr);
    const std::string written = WriteRtf(doc);
    EXPECT_TRUE(LooksLikeRtf(written));
    QTextDocument again;
    ReadRtf(written, again);
    // What was written reads back to the same visible text.
    EXPECT_EQ(again.toPlainText(), doc.toPlainText());
  }
}

}  // namespace
}  // namespace orv::rt
