// The converter's RTF read by the engine's own reader: links, bookmarks and
// formats of a ".TXT" file arrive as the codes asked for.
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <memory>
#include <string>

#include "richtext/RichTextDocument.h"
#include "richtext/TextCodeConverter.h"

namespace orv::rt {
namespace {

std::unique_ptr<RichTextDocument> Read(std::string_view text, bool wordWrap = true) {
  auto doc = std::make_unique<RichTextDocument>();
  doc->LoadRtf(ConvertTextCodesToRtf(text, wordWrap));
  return doc;
}

// The character format of the first character of `word` in the shown text.
QTextCharFormat FormatOf(RichTextDocument& doc, const QString& word) {
  const QTextCursor found = doc.Document().find(word);
  EXPECT_FALSE(found.isNull()) << word.toStdString();
  QTextCursor c(&doc.Document());
  c.setPosition(found.selectionStart() + 1);
  return c.charFormat();
}

TEST(TextCodeConverterReading, LinkArrivesWithTextAndScriptTarget) {
  const auto doc = Read("Go ^Lto the index=GotoPage \"A|B\"|Beep^l now.");
  const std::vector<LinkInfo> links = doc->Links();
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0].text, "to the index");
  // A "|" outside quotes separates the script's lines, as the pilcrow does.
  EXPECT_EQ(links[0].target, "GotoPage \"A|B\"\xB6" "Beep");
  EXPECT_EQ(doc->PlainText().find("GotoPage"), std::string::npos);
  EXPECT_NE(doc->PlainText().find("Go to the index now."), std::string::npos);
}

TEST(TextCodeConverterReading, BookmarkArrivesWithoutVisibleMarker) {
  const auto doc = Read("Intro\r\n\r\n^Mchapter2^mChapter two\r\n");
  const std::optional<int> at = doc->BookmarkPosition("CHAPTER2");
  ASSERT_TRUE(at.has_value());
  EXPECT_EQ(doc->Document().findBlock(*at).blockNumber(), 1);
  const std::string plain = doc->PlainText();
  EXPECT_NE(plain.find("Chapter two"), std::string::npos);
  EXPECT_EQ(plain.find("<B>"), std::string::npos);
  EXPECT_EQ(plain.find("chapter2"), std::string::npos);
}

TEST(TextCodeConverterReading, BoldSizeAndColourArriveOnTheirText) {
  auto doc = Read("plain ^Bbold^b ^F14large^f ^P9red^p after");
  EXPECT_EQ(FormatOf(*doc, "bold").fontWeight(), QFont::Bold);
  EXPECT_NE(FormatOf(*doc, "plain").fontWeight(), QFont::Bold);
  EXPECT_EQ(FormatOf(*doc, "large").fontPointSize(), 14.0);
  EXPECT_EQ(FormatOf(*doc, "red").foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(FormatOf(*doc, "after").fontPointSize(), 10.0);
}

TEST(TextCodeConverterReading, DigitsAfterSizeResetStayText) {
  auto doc = Read("^F14Year^f2006");
  EXPECT_NE(doc->PlainText().find("Year2006"), std::string::npos);
  EXPECT_EQ(FormatOf(*doc, "2006").fontPointSize(), 10.0);
}

TEST(TextCodeConverterReading, UnclosedLinkAndBookmarkHideNothingAfterTheirLine) {
  const auto doc = Read("^Lopen=Target\r\n^Mmark\r\nstill visible\r\n");
  EXPECT_NE(doc->PlainText().find("still visible"), std::string::npos);
  const std::vector<LinkInfo> links = doc->Links();
  ASSERT_EQ(links.size(), 1u);
  EXPECT_EQ(links[0].text, "open");
  EXPECT_EQ(links[0].target, "Target");
  EXPECT_TRUE(doc->BookmarkPosition("mark").has_value());
}

TEST(TextCodeConverterReading, WordWrapJoinsLinesAndWithoutItEachLineIsAParagraph) {
  const auto wrapped = Read("one\ntwo\r\n\r\nthree", true);
  EXPECT_EQ(wrapped->Document().findBlockByNumber(0).text(), "one two ");
  EXPECT_EQ(wrapped->Document().findBlockByNumber(1).text(), "three ");
  const auto lines = Read("one\ntwo\rthree", false);
  EXPECT_EQ(lines->Document().findBlockByNumber(0).text(), "one");
  EXPECT_EQ(lines->Document().findBlockByNumber(1).text(), "two");
  EXPECT_EQ(lines->Document().findBlockByNumber(2).text(), "three ");
}

TEST(TextCodeConverterReading, CentredTitleThenLeftBody) {
  const auto doc = Read("^CTitle^c\r\n\r\nBody\r\n");
  EXPECT_EQ(doc->Document().findBlockByNumber(0).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignHCenter);
  EXPECT_EQ(doc->Document().findBlockByNumber(1).blockFormat().alignment() & Qt::AlignHorizontal_Mask,
            Qt::AlignLeft);
}

}  // namespace
}  // namespace orv::rt
