// Replays the Find matcher fuzz target's kept inputs (first byte the
// pattern's length, the pattern, then the text) through the same walk over
// every match: each lies inside the text, holds something and moves the
// next search on; a pattern of nothing but "*" finds nothing.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTextDocument>
#include <algorithm>
#include <string>

#include "richtext/RichTextDocument.h"

namespace orv::rt {
namespace {

TEST(RtfFindFuzzReplay, KeptInputsWalkThroughTheirMatches) {
  const QDir dir(QStringLiteral(ORVALIS_TEST_DATA_DIR "/../fuzz/corpus/RtfFindFuzz"));
  const QStringList names = dir.entryList(QDir::Files, QDir::Name);
  ASSERT_GE(names.size(), 5);
  for (const QString& name : names) {
    SCOPED_TRACE(name.toStdString());
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    ASSERT_FALSE(bytes.isEmpty());
    const std::size_t length = std::min<std::size_t>(static_cast<unsigned char>(bytes[0]), bytes.size() - 1);
    const std::string pattern(bytes.constData() + 1, length);
    const std::string text(bytes.constData() + 1 + length, bytes.size() - 1 - length);
    RichTextDocument doc;
    doc.Load(text);
    const int characters = doc.Document().characterCount();
    int from = 0;
    int matches = 0;
    while (const auto match = doc.Find(pattern, from)) {
      ASSERT_GE(match->start, from);
      ASSERT_GT(match->length, 0);
      ASSERT_LE(match->start + match->length, characters);
      from = match->start + match->length;
      ++matches;
    }
    if (pattern.find_first_not_of('*') == std::string::npos) {
      EXPECT_EQ(matches, 0);
    }
  }
}

}  // namespace
}  // namespace orv::rt
