#include "richtext/TextFlow.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>

#include "richtext/RichTextDocument.h"

namespace orv::rt {
namespace {

std::string LongText(int paragraphs) {
  std::string rtf = "{\\rtf1 ";
  for (int p = 0; p < paragraphs; ++p) {
    rtf += "\\pard\\fi300 Paragraph " + std::to_string(p) + ":";
    for (int w = 0; w < 40; ++w) rtf += " word" + std::to_string(w);
    rtf += "\\par ";
  }
  return rtf + "}";
}

// Pours the text through boxes of one size until nothing is left.
std::vector<std::unique_ptr<RichTextDocument>> Pour(std::unique_ptr<RichTextDocument> doc, qreal w, qreal h) {
  std::vector<std::unique_ptr<RichTextDocument>> boxes;
  while (doc && boxes.size() < 500) {
    std::unique_ptr<RichTextDocument> rest = doc->FlowIntoBox(w, h);
    boxes.push_back(std::move(doc));
    doc = std::move(rest);
  }
  return boxes;
}

TEST(TextFlow, BoxesTogetherHoldExactlyTheText) {
  auto doc = std::make_unique<RichTextDocument>();
  doc->Load(LongText(6));
  const std::string whole = doc->PlainText();
  const auto boxes = Pour(std::move(doc), 200, 120);
  ASSERT_GT(boxes.size(), 3u);
  std::string joined;
  for (const auto& box : boxes) {
    // Each box but the last is filled no higher than the box.
    box->Document().setTextWidth(200);
    if (&box != &boxes.back()) {
      EXPECT_LE(box->Document().size().height(), 120 + box->Document().documentMargin());
    }
    joined += box->PlainText();
  }
  // Boxes split inside paragraphs or between them; either way, in order,
  // nothing is lost or repeated.
  auto squeeze = [](std::string s) {
    std::erase_if(s, [](char c) { return c == ' ' || c == '\r' || c == '\n'; });
    return s;
  };
  EXPECT_EQ(squeeze(joined), squeeze(whole));
}

TEST(TextFlow, ContinuedParagraphKeepsItsFormatWithoutFirstLineIndent) {
  RichTextDocument doc;
  doc.Load(LongText(1));
  std::unique_ptr<RichTextDocument> rest = doc.FlowIntoBox(150, 40);
  ASSERT_NE(rest, nullptr);
  EXPECT_DOUBLE_EQ(doc.Document().begin().blockFormat().textIndent(), 20.0);
  EXPECT_DOUBLE_EQ(rest->Document().begin().blockFormat().textIndent(), 0.0);
  EXPECT_EQ(doc.Document().blockCount(), 1);
  EXPECT_EQ(rest->Document().blockCount(), 1);
  EXPECT_EQ(doc.PlainText().substr(0, 12), "Paragraph 0:");
}

TEST(TextFlow, EverythingFitsGivesNoRest) {
  RichTextDocument doc;
  doc.Load("{\\rtf1 short}");
  EXPECT_EQ(doc.FlowIntoBox(300, 300), nullptr);
  EXPECT_EQ(doc.PlainText(), "short");
}

TEST(TextFlow, TinyBoxStillTakesOneLine) {
  RichTextDocument doc;
  doc.Load("{\\rtf1 one\\par two\\par three}");
  std::unique_ptr<RichTextDocument> rest = doc.FlowIntoBox(300, 1);
  ASSERT_NE(rest, nullptr);
  EXPECT_EQ(doc.PlainText(), "one");
  EXPECT_EQ(rest->PlainText(), "two\r\nthree");
}

TEST(TextFlow, LinksFieldsAndMarkersFlowAlong) {
  RichTextDocument doc;
  doc.Load("{\\rtf1 first line\\par {\\*\\bkmkstart B}{\\uldb go}{\\v Script} [V]}");
  doc.SetFieldCallback([](const std::string&) { return std::string("val"); });
  doc.MakeVariableFields();
  std::unique_ptr<RichTextDocument> rest = doc.FlowIntoBox(300, 1);
  ASSERT_NE(rest, nullptr);
  EXPECT_FALSE(doc.HasFields());
  EXPECT_TRUE(rest->HasFields());
  EXPECT_EQ(rest->BookmarkPosition("b"), 0);
  ASSERT_EQ(rest->Links().size(), 1u);
  EXPECT_EQ(rest->Links()[0].target, "Script");
  EXPECT_EQ(rest->PlainText(), "go val");
}

TEST(TextFlow, TableMovesWhole) {
  RichTextDocument doc;
  doc.Load("{\\rtf1 a\\par b\\par\\trowd\\cellx1000\\intbl x\\cell\\row\\trowd\\cellx1000\\intbl y\\cell\\row\\pard c}");
  const qreal lineHeight = doc.Document().documentLayout()->blockBoundingRect(doc.Document().begin()).height();
  std::unique_ptr<RichTextDocument> rest = doc.FlowIntoBox(300, 2.5 * lineHeight + doc.Document().documentMargin());
  ASSERT_NE(rest, nullptr);
  EXPECT_EQ(doc.PlainText(), "a\r\nb");
  EXPECT_EQ(rest->Document().rootFrame()->childFrames().size(), 1);
  EXPECT_NE(rest->PlainText().find("x\r\ny"), std::string::npos);
}

}  // namespace
}  // namespace orv::rt
