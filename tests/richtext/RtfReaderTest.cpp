#include "richtext/RtfReader.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <string>

#include "DumpForTest.h"
#include "richtext/RichTextFormat.h"

namespace orv::rt {
namespace {

std::string Read(const std::string& rtf) {
  QTextDocument doc;
  ReadRtf(rtf, doc);
  return test::Outline(doc);
}

QTextCharFormat FormatAt(const QTextDocument& doc, int position) {
  QTextCursor c(const_cast<QTextDocument*>(&doc));
  c.setPosition(position + 1);
  return c.charFormat();
}

struct TextCase {
  const char* rtf;
  const char* outline;
};

void PrintTo(const TextCase& c, std::ostream* os) { *os << c.rtf; }

class ReaderText : public ::testing::TestWithParam<TextCase> {};

TEST_P(ReaderText, ReadsToOutline) { EXPECT_EQ(Read(GetParam().rtf), GetParam().outline); }

INSTANTIATE_TEST_SUITE_P(
    Cases, ReaderText,
    ::testing::Values(
        TextCase{"{\\rtf1 Hello\\par World}", "Hello\nWorld\n"},
        TextCase{"{\\rtf1 a\\par\\par b\\par}", "a\n\nb\n"},
        TextCase{"{\\rtf1 a\\line b\\tab c}", "a\xE2\x80\xA8" "b\tc\n"},
        TextCase{"{\\rtf1 caf\\'e9 \\'80}", "caf\xC3\xA9 \xE2\x82\xAC\n"},
        // The document's code page, and a font's character set, decode bytes.
        TextCase{"{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'c1}", "\xD0\x90\xD0\x91\n"},
        TextCase{"{\\rtf1{\\fonttbl{\\f1\\fcharset161 Greek;}}\\f1 \\'e1}", "\xCE\xB1\n"},
        // \uN with its fallback characters skipped, \ucN setting how many.
        TextCase{"{\\rtf1 \\u8364?x}", "\xE2\x82\xAC" "x\n"},
        TextCase{"{\\rtf1\\uc2 \\u8364\\'80\\'80x}", "\xE2\x82\xAC" "x\n"},
        TextCase{"{\\rtf1 \\u-10179?\\u-8704?}", "\xF0\x9F\x98\x80\n"},
        TextCase{"{\\rtf1 \\{x\\}\\\\}", "{x}\\\n"},
        // Unknown starred destinations and known ignorable ones are skipped.
        TextCase{"{\\rtf1{\\*\\unknowndest secret {nested}}{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}}shown}",
                 "shown\n"},
        // Help-file links: double underline then hidden text.
        TextCase{"{\\rtf1 Go {\\uldb here}{\\v GotoPage \"A\"} now}", "Go {here->GotoPage \"A\"} now\n"},
        TextCase{"{\\rtf1 {\\uldb a}{\\uldb\\b b}{\\v T}{\\v 2}}", "{a->T2}{b->T2}\n"},
        TextCase{"{\\rtf1 {\\ul a}{\\v hidden}}", "a<1:hidden>\n"},
        TextCase{"{\\rtf1 x{\\protect locked}y}", "x<1:locked>y\n"},
        TextCase{"{\\rtf1 {\\*\\bkmkstart Top}T{\\*\\bkmkend Top}}", "<2:Top>T<3:Top>\n"},
        // Fields show their result; hyperlink fields are links; merge fields
        // of bracketed names are variable fields.
        TextCase{"{\\rtf1 {\\field{\\*\\fldinst PAGE}{\\fldrslt 7}}}", "7\n"},
        TextCase{"{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \"http://x/\"}{\\fldrslt site}}}", "{site->http://x/}\n"},
        TextCase{"{\\rtf1 {\\field{\\*\\fldinst HYPERLINK \\\\l \"mark\"}{\\fldrslt in}}}", "{in->#mark}\n"},
        TextCase{"{\\rtf1 {\\field{\\*\\fldinst MERGEFIELD [Name]}{\\fldrslt Bob}}}", "([NAME]=Bob)\n"},
        TextCase{"{\\rtf1 \\trowd\\cellx100\\cellx200\\intbl a\\cell b\\cell\\row\\pard after}",
                 "\n|0,0| a\n|0,1| b\nafter\n"},  // a document holds a paragraph before a table
        TextCase{"{\\rtf1 \\trowd\\cellx100\\intbl a\\cell\\row\\trowd\\cellx100\\cellx200\\intbl b\\cell\\cell\\row}",
                 "\n|0,0| a\n|0,1| \n|1,0| b\n|1,1| \n\n"}));

TEST(RtfReader, CharacterFormatsAtPositions) {
  QTextDocument doc;
  ReadRtf("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Courier New;}}{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;}"
          "\\f0\\fs20 n{\\b b}{\\i i}{\\ul u}{\\strike s}{\\f1\\fs36 c}{\\cf1 r}{\\cb2 g}{\\super p}x}",
          doc);
  ASSERT_EQ(doc.toPlainText(), "nbiusc" "rgpx");
  EXPECT_EQ(FormatAt(doc, 0).fontPointSize(), 10.0);
  EXPECT_EQ(FormatAt(doc, 0).fontFamilies().toStringList(), QStringList{"Arial"});
  EXPECT_EQ(FormatAt(doc, 0).fontWeight(), QFont::Normal);
  EXPECT_EQ(FormatAt(doc, 1).fontWeight(), QFont::Bold);
  EXPECT_TRUE(FormatAt(doc, 2).fontItalic());
  EXPECT_TRUE(FormatAt(doc, 3).fontUnderline());
  EXPECT_TRUE(FormatAt(doc, 4).fontStrikeOut());
  EXPECT_EQ(FormatAt(doc, 5).fontFamilies().toStringList(), QStringList{"Courier New"});
  EXPECT_EQ(FormatAt(doc, 5).fontPointSize(), 18.0);
  EXPECT_EQ(FormatAt(doc, 6).foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(FormatAt(doc, 7).background().color(), QColor(0, 128, 0));
  EXPECT_EQ(FormatAt(doc, 8).verticalAlignment(), QTextCharFormat::AlignSuperScript);
  EXPECT_FALSE(FormatAt(doc, 9).fontItalic());  // the group's format ended with it
}

TEST(RtfReader, ParagraphFormats) {
  QTextDocument doc;
  ReadRtf("{\\rtf1\\pard\\qc\\li300\\ri150\\fi-150\\sb60\\sa120\\sl360\\slmult1\\tqr\\tx1500 a\\par"
          "\\pard\\qr b\\par\\pard\\qj\\sl-300 c\\par}",
          doc);
  const QTextBlockFormat a = doc.begin().blockFormat();
  EXPECT_EQ(a.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  EXPECT_DOUBLE_EQ(a.leftMargin(), 20.0);
  EXPECT_DOUBLE_EQ(a.rightMargin(), 10.0);
  EXPECT_DOUBLE_EQ(a.textIndent(), -10.0);
  EXPECT_DOUBLE_EQ(a.topMargin(), 4.0);
  EXPECT_DOUBLE_EQ(a.bottomMargin(), 8.0);
  EXPECT_EQ(a.lineHeightType(), QTextBlockFormat::ProportionalHeight);
  EXPECT_DOUBLE_EQ(a.lineHeight(), 150.0);
  ASSERT_EQ(a.tabPositions().size(), 1);
  EXPECT_EQ(a.tabPositions()[0].type, QTextOption::RightTab);
  EXPECT_DOUBLE_EQ(a.tabPositions()[0].position, 100.0);
  EXPECT_EQ(doc.begin().next().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignRight);
  const QTextBlockFormat c = doc.begin().next().next().blockFormat();
  EXPECT_EQ(c.alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
  EXPECT_EQ(c.lineHeightType(), QTextBlockFormat::FixedHeight);
  EXPECT_DOUBLE_EQ(c.lineHeight(), 20.0);
}

TEST(RtfReader, LinksTakeTheLinkColourAndKeepTheirOwn) {
  QTextDocument doc;
  RtfReadOptions options;
  options.linkColor = QColor(200, 0, 100);
  ReadRtf("{\\rtf1{\\colortbl;\\red0\\green128\\blue0;}{\\uldb\\cf1 go}{\\v :mark}}", doc, options);
  const QTextCharFormat f = FormatAt(doc, 0);
  EXPECT_EQ(f.foreground().color(), QColor(200, 0, 100));
  EXPECT_EQ(f.underlineColor(), QColor(200, 0, 100));
  EXPECT_TRUE(f.fontUnderline());
  EXPECT_EQ(qvariant_cast<QColor>(f.property(kLinkBaseColor)), QColor(0, 128, 0));
  EXPECT_EQ(doc.toPlainText(), "go");  // the target is not shown
}

QString HexOf(const QByteArray& bytes) { return QString::fromLatin1(bytes.toHex()); }

TEST(RtfReader, PicturesPngDecodedOthersFramed) {
  QImage red(4, 3, QImage::Format_RGB32);
  red.fill(Qt::red);
  QByteArray png;
  QBuffer buf(&png);
  buf.open(QIODevice::WriteOnly);
  red.save(&buf, "PNG");
  const std::string rtf = "{\\rtf1 a{\\pict\\pngblip\\picw4\\pich3 " + HexOf(png).toStdString() +
                          "}b{\\*\\shppict{\\pict\\wmetafile8\\picwgoal1500\\pichgoal750 0102}}{\\nonshppict{\\pict x}}c}";
  QTextDocument doc;
  ReadRtf(rtf, doc);
  EXPECT_EQ(test::Outline(doc), "a<img>b<img>c\n");
  const QTextImageFormat first = FormatAt(doc, 1).toImageFormat();
  const QImage decoded = qvariant_cast<QImage>(doc.resource(QTextDocument::ImageResource, QUrl(first.name())));
  ASSERT_FALSE(decoded.isNull());
  EXPECT_EQ(decoded.size(), QSize(4, 3));
  EXPECT_EQ(QColor(decoded.pixel(1, 1)), QColor(Qt::red));
  const QTextImageFormat frame = FormatAt(doc, 3).toImageFormat();
  EXPECT_DOUBLE_EQ(frame.width(), 100.0);
  EXPECT_DOUBLE_EQ(frame.height(), 50.0);
}

TEST(RtfReader, DetectsRtf) {
  EXPECT_TRUE(LooksLikeRtf("{\\rtf1 x}"));
  EXPECT_TRUE(LooksLikeRtf("\r\n  {\\rtf"));
  EXPECT_FALSE(LooksLikeRtf("plain {\\rtf1}"));
  EXPECT_FALSE(LooksLikeRtf(""));
}

// Malformed input loads what it can.
TEST(RtfReader, MalformedInputLoadsWhatItCan) {
  EXPECT_EQ(Read("{\\rtf1 open {\\b bold"), "open bold\n");
  EXPECT_EQ(Read("{\\rtf1 a}}}} b"), "a b\n");
  EXPECT_EQ(Read("{\\rtf1 \\fs99999999999999999999 big\\li-99999999999 x}"), "bigx\n");
  EXPECT_EQ(Read("{\\rtf1 cut\\'4"), "cut\n");
  EXPECT_EQ(Read("{\\rtf1 cut\\'zz ok}"), "cutzz ok\n");
  EXPECT_EQ(Read("{\\rtf1 \\bin999999999 "), "\n");
  std::string deep = "{\\rtf1 ";
  for (int i = 0; i < 200000; ++i) deep += "{";
  deep += "deep";
  EXPECT_EQ(Read(deep), "deep\n");
  std::string cells = "{\\rtf1\\trowd";
  for (int i = 0; i < 100000; ++i) cells += "\\cellx" + std::to_string(i);
  cells += "\\intbl x\\cell\\row}";
  QTextDocument doc;
  ReadRtf(cells, doc);
  ASSERT_EQ(doc.rootFrame()->childFrames().size(), 1);
  EXPECT_LE(qobject_cast<QTextTable*>(doc.rootFrame()->childFrames()[0])->columns(), 64);
}

TEST(RtfReader, FontSizeDefaultsAndPlainResets) {
  QTextDocument doc;
  ReadRtf("{\\rtf1 a\\fs40\\b b\\plain c}", doc);
  EXPECT_EQ(FormatAt(doc, 0).fontPointSize(), 12.0);
  EXPECT_EQ(FormatAt(doc, 1).fontPointSize(), 20.0);
  EXPECT_EQ(FormatAt(doc, 2).fontPointSize(), 12.0);
  EXPECT_EQ(FormatAt(doc, 2).fontWeight(), QFont::Normal);
}

}  // namespace
}  // namespace orv::rt
