#include "richtext/RtfWriter.h"

#include <gtest/gtest.h>

#include <QTextDocument>

#include "DumpForTest.h"
#include "richtext/RichTextDocument.h"
#include "richtext/RtfReader.h"

namespace orv::rt {
namespace {

// Reading what the writer wrote gives the same outline and the same formats.
class WriterRoundTrip : public ::testing::TestWithParam<const char*> {};

TEST_P(WriterRoundTrip, KeepsWhatTheReaderRead) {
  QTextDocument first;
  ReadRtf(GetParam(), first);
  const std::string written = WriteRtf(first);
  QTextDocument second;
  ReadRtf(written, second);
  EXPECT_EQ(test::Outline(second), test::Outline(first)) << written;
  // Writing again changes nothing: the writer is stable on its own output.
  EXPECT_EQ(WriteRtf(second), written);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, WriterRoundTrip,
    ::testing::Values("{\\rtf1 plain\\par second}", "{\\rtf1 {\\b b}{\\i i}{\\ul u}{\\strike s}{\\fs40 big}{\\super up}}",
                      "{\\rtf1{\\colortbl;\\red10\\green20\\blue30;}{\\cf1 c}{\\cb1 b}}",
                      "{\\rtf1 Go {\\uldb here}{\\v GotoPage \"A\\{1\\}\"} now}",
                      "{\\rtf1 {\\uldb just double}}", "{\\rtf1 a{\\v hidden}b{\\protect locked}c{\\v\\protect both}}",
                      "{\\rtf1 {\\*\\bkmkstart Top}T{\\*\\bkmkend Top}}",
                      "{\\rtf1 {\\field{\\*\\fldinst MERGEFIELD [NAME]}{\\fldrslt Bob}} and {\\field{\\*\\fldinst "
                      "MERGEFIELD [NAME]}{\\fldrslt Bob}}}",
                      "{\\rtf1 caf\\'e9 \\u8800? \\u-10179?\\u-8704? tab\\tab line\\line \\~}",
                      "{\\rtf1 \\pard\\qc\\li300\\sb60 centred\\par\\pard\\qr\\sl-300\\tqr\\tx1500 right\\par}",
                      "{\\rtf1 before\\par\\trowd\\cellx1000\\cellx2000\\intbl a\\cell b\\par c\\cell\\row\\pard after}",
                      "{\\rtf1 {\\pict\\wmetafile8\\picwgoal300\\pichgoal150 00}}",
                      // An empty last paragraph in a cell, and a picture inside a link.
                      "{\\rtf1 \\trowd\\cellx1000\\intbl a\\par\\par\\cell\\row}",
                      "{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt y{\\pict\\wmetafile8\\picwgoal30\\pichgoal30 00}z}}}"));

TEST(RtfWriter, KeepsFormatsAndLinkColours) {
  QTextDocument first;
  ReadRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\colortbl;\\red0\\green128\\blue0;}"
          "{\\f1\\fs18\\b\\cf1 x}{\\uldb\\cf1 go}{\\v t}}",
          first);
  QTextDocument second;
  ReadRtf(WriteRtf(first), second);
  QTextCursor c(&second);
  c.setPosition(1);
  EXPECT_EQ(c.charFormat().fontFamilies().toStringList(), QStringList{"Courier New"});
  EXPECT_EQ(c.charFormat().fontPointSize(), 9.0);
  EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(c.charFormat().foreground().color(), QColor(0, 128, 0));
  c.setPosition(2);
  EXPECT_EQ(qvariant_cast<QColor>(c.charFormat().property(kLinkBaseColor)), QColor(0, 128, 0));
}

TEST(RtfWriter, ClipboardCopyDropsHiddenAndProtectedText) {
  RichTextDocument doc;
  doc.Load("{\\rtf1 {\\*\\bkmkstart M}A{\\uldb link}{\\v Script}B{\\v secret}C{\\protect lock}D}");
  EXPECT_EQ(doc.ClipboardPlainText(), "AlinkBCD");
  const std::string rtf = doc.ClipboardRtf();
  EXPECT_EQ(rtf.find("Script"), std::string::npos);
  EXPECT_EQ(rtf.find("secret"), std::string::npos);
  EXPECT_EQ(rtf.find("lock}"), std::string::npos);
  EXPECT_EQ(rtf.find("bkmk"), std::string::npos);
  RichTextDocument copy;
  copy.Load(rtf);
  EXPECT_EQ(test::Outline(copy.Document()), "AlinkBCD\n");
  EXPECT_TRUE(copy.Links().empty());
  // The original keeps everything.
  EXPECT_EQ(test::Outline(doc.Document()), "<2:M>A{link->Script}B<1:secret>C<1:lock>D\n");
}

TEST(RtfWriter, PlainTextLoadsAsParagraphs) {
  RichTextDocument doc;
  doc.Load("one\r\ntwo [x]\rthree \x80");
  EXPECT_EQ(test::Outline(doc.Document()), "one\ntwo [x]\nthree \xE2\x82\xAC\n");
  EXPECT_EQ(doc.PlainText(), "one\r\ntwo [x]\r\nthree \x80");
}

}  // namespace
}  // namespace orv::rt
