// RTF written by other programs: LibreOffice Writer and pandoc, converted once
// from small source documents and kept under tests/data/richtext.
#include <gtest/gtest.h>

#include <QFile>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>

#include "DumpForTest.h"
#include "richtext/RichTextDocument.h"
#include "richtext/RichTextFormat.h"

namespace orv::rt {
namespace {

std::string Fixture(const char* name) {
  QFile f(QString(ORVALIS_TEST_DATA_DIR) + "/richtext/" + name);
  if (!f.open(QIODevice::ReadOnly)) return {};
  const QByteArray bytes = f.readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

QTextCharFormat FormatOf(const RichTextDocument& doc, const QString& text) {
  const int at = static_cast<int>(doc.Document().toPlainText().indexOf(text));
  QTextCursor c(const_cast<QTextDocument*>(&doc.Document()));
  c.setPosition(at + 1);
  return at < 0 ? QTextCharFormat() : c.charFormat();
}

std::string Value(const std::string& name) { return name == "[USERNAME]" ? "Ann" : name == "[SCORE]" ? "42" : "?"; }

// Checks shared by the fixture and by its round trip through the writer.
void CheckLibreOffice(const RichTextDocument& doc) {
  const std::string plain = doc.PlainText();
  EXPECT_NE(plain.find("Orvalis test page"), std::string::npos);
  EXPECT_NE(plain.find("Right aligned caf\xE9 \x96 \x80" "5"), std::string::npos);
  EXPECT_EQ(FormatOf(doc, "bold words").fontWeight(), QFont::Bold);
  EXPECT_TRUE(FormatOf(doc, "italic words").fontItalic());
  EXPECT_EQ(FormatOf(doc, "red big").foreground().color(), QColor(255, 0, 0));
  EXPECT_EQ(FormatOf(doc, "red big").fontPointSize(), 16.0);
  EXPECT_EQ(FormatOf(doc, "Plain").fontWeight(), QFont::Normal);
  EXPECT_EQ(doc.Document().begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  const std::vector<LinkInfo> links = doc.Links();
  ASSERT_EQ(links.size(), 2u);
  EXPECT_EQ(links[0].text, "Next page");
  EXPECT_EQ(links[0].target, "GotoPage \"Two\"");
  EXPECT_EQ(links[1].text, "the site");
  EXPECT_EQ(links[1].target, "http://example.com/");
  EXPECT_EQ(doc.BookmarkPosition("intro"), 0);
  ASSERT_EQ(doc.Document().rootFrame()->childFrames().size(), 1);
  const auto* table = qobject_cast<QTextTable*>(doc.Document().rootFrame()->childFrames()[0]);
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rows(), 2);
  EXPECT_EQ(table->columns(), 2);
  QTextCursor cell = table->cellAt(1, 0).firstCursorPosition();
  cell.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
  EXPECT_EQ(cell.selectedText(), "South");
}

TEST(RtfFixtures, LibreOfficeWriter) {
  RichTextDocument doc;
  doc.Load(Fixture("libreoffice.rtf"));
  CheckLibreOffice(doc);
  doc.SetFieldCallback(Value);
  EXPECT_EQ(doc.MakeVariableFields(), 2);
  EXPECT_NE(doc.PlainText().find("Hello Ann, your score is 42."), std::string::npos);

  RichTextDocument again;
  again.Load(doc.SaveRtf());
  CheckLibreOffice(again);
  EXPECT_EQ(again.FieldNamesContaining("SCORE"), std::vector<std::string>{"[SCORE]"});
  EXPECT_EQ(test::Outline(again.Document()), test::Outline(doc.Document()));
}

void CheckPandoc(const RichTextDocument& doc) {
  const std::string plain = doc.PlainText();
  EXPECT_EQ(plain.substr(0, 9), "Catalogue");
  EXPECT_NE(plain.find("\xDCn\xEF" "c\xF6" "d\xE9: caf\xE9 \x96 \x93quoted\x94 \x80 1 ? 2."), std::string::npos);
  EXPECT_EQ(FormatOf(doc, "Catalogue").fontPointSize(), 18.0);
  EXPECT_EQ(FormatOf(doc, "bold text").fontWeight(), QFont::Bold);
  EXPECT_TRUE(FormatOf(doc, "italic text").fontItalic());
  EXPECT_EQ(FormatOf(doc, "both").fontWeight(), QFont::Bold);
  EXPECT_TRUE(FormatOf(doc, "both").fontItalic());
  EXPECT_EQ(FormatOf(doc, "Welcome").fontFamilies().toStringList(), QStringList{"Helvetica"});
  const std::vector<LinkInfo> links = doc.Links();
  ASSERT_EQ(links.size(), 2u);
  EXPECT_EQ(links[0].text, "the shop");
  EXPECT_EQ(links[0].target, "http://example.com/shop");
  EXPECT_EQ(links[1].text, "top");
  EXPECT_EQ(links[1].target, "#top");
  EXPECT_EQ(doc.BookmarkNames(), std::vector<std::string>{"top"});
  const auto* table = qobject_cast<QTextTable*>(doc.Document().rootFrame()->childFrames().value(0));
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->rows(), 3);
  EXPECT_EQ(table->columns(), 2);
}

TEST(RtfFixtures, Pandoc) {
  RichTextDocument doc;
  doc.Load(Fixture("pandoc.rtf"));
  CheckPandoc(doc);
  doc.SetFieldCallback([](const std::string& name) { return name == "[PRICE]" ? std::string("9,50") : name; });
  EXPECT_EQ(doc.MakeVariableFields(), 2);
  EXPECT_NE(doc.PlainText().find("Price: 9,50 euro."), std::string::npos);

  RichTextDocument again;
  again.Load(doc.SaveRtf());
  CheckPandoc(again);
  const std::optional<FieldInfo> price = again.FirstFieldContaining("price");
  ASSERT_TRUE(price.has_value());
  EXPECT_EQ(again.FieldText(*price), "9,50");
}

}  // namespace
}  // namespace orv::rt
