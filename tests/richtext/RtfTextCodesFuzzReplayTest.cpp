// Replays the formatting-code fuzz target's kept inputs (seeds and inputs
// that once broke the converter or the reader) through the same steps.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <string>

#include "richtext/RichTextDocument.h"
#include "richtext/RtfReader.h"
#include "richtext/TextCodeConverter.h"

namespace orv::rt {
namespace {

// Braces outside escapes: the document's group closes with the last byte
// and nothing inside nests deeper than one group.
bool IsOneBalancedGroup(const std::string& rtf) {
  int depth = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') {
      ++i;
    } else if (rtf[i] == '{') {
      if (++depth > 2) return false;
    } else if (rtf[i] == '}') {
      if (--depth < 0 || (depth == 0 && i + 1 != rtf.size())) return false;
    }
  }
  return depth == 0;
}

TEST(RtfTextCodesFuzzReplay, KeptInputsConvertToBalancedRtfThatReads) {
  const QDir dir(QStringLiteral(ORVALIS_TEST_DATA_DIR "/../fuzz/corpus/RtfTextCodesFuzz"));
  const QStringList names = dir.entryList(QDir::Files, QDir::Name);
  ASSERT_GE(names.size(), 4);
  for (const QString& name : names) {
    QFile f(dir.filePath(name));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    const std::string_view text(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    for (const bool wordWrap : {true, false}) {
      SCOPED_TRACE(name.toStdString() + (wordWrap ? " with word wrap" : " without word wrap"));
      const std::string rtf = ConvertTextCodesToRtf(text, wordWrap);
      EXPECT_TRUE(LooksLikeRtf(rtf));
      EXPECT_TRUE(IsOneBalancedGroup(rtf));
      RichTextDocument doc;
      doc.LoadRtf(rtf);
      for (const std::string& bookmark : doc.BookmarkNames()) {
        EXPECT_TRUE(doc.BookmarkPosition(bookmark).has_value()) << bookmark;
      }
      EXPECT_EQ(doc.PlainText().find("<B>"), std::string::npos);
    }
  }
}

}  // namespace
}  // namespace orv::rt
