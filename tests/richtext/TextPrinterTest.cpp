#include "richtext/TextPrinter.h"

#include <gtest/gtest.h>

#include <ostream>

#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "richtext/RichTextDocument.h"
#include "support/RunCommand.h"

namespace orv::rt {
namespace {

struct CodeCase {
  const char* text;
  const char* expected;
};

void PrintTo(const CodeCase& c, std::ostream* os) { *os << c.text; }

class PageCodes : public ::testing::TestWithParam<CodeCase> {};

TEST_P(PageCodes, Expand) {
  const QDateTime when(QDate(2024, 3, 9), QTime(14, 5));
  QString expected = QString::fromUtf8(GetParam().expected);
  expected.replace("<date>", QLocale::system().toString(when.date(), QLocale::ShortFormat));
  expected.replace("<time>", QLocale::system().toString(when.time(), QLocale::ShortFormat));
  EXPECT_EQ(ExpandPageCodes(QString::fromUtf8(GetParam().text), 2, 7, "BOOK.RTF", when), expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, PageCodes,
                         ::testing::Values(CodeCase{"Page &p of &n", "Page 2 of 7"}, CodeCase{"&f", "BOOK.RTF"},
                                           CodeCase{"&d &t", "<date> <time>"}, CodeCase{"&P/&N", "2/7"},
                                           CodeCase{"a && b &x &", "a && b &x &"}, CodeCase{"", ""}));

// The page count Qt's PDF writer records in the page tree.
int PdfPageCount(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  const QString pdf = QString::fromLatin1(f.readAll());
  const QRegularExpression rx(QStringLiteral("/Type\\s*/Pages\\b[^>]*/Count\\s+(\\d+)"));
  const QRegularExpressionMatch m = rx.match(pdf);
  return m.hasMatch() ? m.captured(1).toInt() : -1;
}

TEST(TextPrinter, PrintsPagesWithHeaderAndFooterToPdf) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  const QString path = dir.filePath("out.pdf");
  RichTextDocument doc;
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 150; ++i) rtf += "Line number " + std::to_string(i) + "\\par ";
  doc.Load(rtf + "The end}");

  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(QPageSize(QPageSize::A5));
  const int pages = PrintDocument(doc.Document(), printer, PageDecoration{"Head &p of &n", "Foot &f", "NOTES.RTF"});
  ASSERT_GT(pages, 2);
  EXPECT_EQ(PdfPageCount(path), pages);

  const test::CommandResult text = test::RunCommand("pdftotext -layout '" + path.toStdString() + "' -", false);
  ASSERT_EQ(text.status, 0) << "pdftotext (poppler-utils) is needed";
  const std::string n = std::to_string(pages);
  EXPECT_NE(text.output.find("Head 1 of " + n), std::string::npos);
  EXPECT_NE(text.output.find("Head " + n + " of " + n), std::string::npos);
  EXPECT_NE(text.output.find("Foot NOTES.RTF"), std::string::npos);
  EXPECT_NE(text.output.find("Line number 0"), std::string::npos);
  EXPECT_NE(text.output.find("Line number 149"), std::string::npos);
  EXPECT_NE(text.output.find("The end"), std::string::npos);
  // Every line is printed once: none is lost or repeated at a page break.
  std::size_t count = 0;
  for (std::size_t at = text.output.find("Line number 75\n"); at != std::string::npos;
       at = text.output.find("Line number 75\n", at + 1)) {
    ++count;
  }
  EXPECT_EQ(count, 1u);
}

TEST(TextPrinter, ShortTextIsOnePageAndHiddenTextIsNotPrinted) {
  QTemporaryDir dir;
  const QString path = dir.filePath("one.pdf");
  RichTextDocument doc;
  doc.Load("{\\rtf1 Visible {\\uldb link}{\\v SecretTarget} {\\v HiddenWords}}");
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  EXPECT_EQ(PrintDocument(doc.Document(), printer, PageDecoration{}), 1);
  EXPECT_EQ(PdfPageCount(path), 1);
  const test::CommandResult text = test::RunCommand("pdftotext '" + path.toStdString() + "' -", false);
  EXPECT_NE(text.output.find("Visible link"), std::string::npos);
  EXPECT_EQ(text.output.find("Secret"), std::string::npos);
  EXPECT_EQ(text.output.find("Hidden"), std::string::npos);
}

}  // namespace
}  // namespace orv::rt
