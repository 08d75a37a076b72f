#include "richtext/TextFlow.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QImage>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include "richtext/RichTextDocument.h"
#include "richtext/RichTextFlow.h"

namespace orv::rt {
namespace {

// Paragraphs unlike each other: first-line indents, left indents, space
// before and after, justified and centred ones, larger and smaller type,
// bold runs and links, soft line breaks.
std::string Article(int paragraphs) {
  std::string rtf = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}}";
  for (int p = 0; p < paragraphs; ++p) {
    const std::string n = std::to_string(p);
    rtf += "\\pard";
    if (p % 2 == 0) rtf += "\\fi300";
    if (p % 3 == 1) rtf += "\\li400\\sb120";
    if (p % 4 == 2) rtf += "\\qj\\sa90";
    if (p % 5 == 3) rtf += "\\qc";
    rtf += p % 3 == 2 ? "\\fs28 " : "\\fs20 ";
    rtf += "Paragraph " + n + ":";
    for (int w = 0; w < 15 + p % 7 * 6; ++w) {
      if (w == 7) {
        rtf += " {\\b bold " + n + "}";
      } else if (w == 11) {
        rtf += " {\\uldb link " + n + "}{\\v Target" + n + "}";
      } else if (w == 20 && p % 3 == 0) {
        rtf += "\\line";
      } else {
        rtf += " word" + std::to_string(w);
      }
    }
    rtf += "\\par ";
  }
  return rtf + "}";
}

struct Line {
  QString text;
  qreal bottom = 0;
  qreal height = 0;
  bool inTable = false;
};

// The lines showing text, in document order, with the document laid out
// `width` wide as a view shows it.
std::vector<Line> ShownLines(QTextDocument& doc, qreal width) {
  doc.setTextWidth(width);
  QAbstractTextDocumentLayout* layout = doc.documentLayout();
  std::vector<Line> lines;
  for (QTextBlock block = doc.begin(); block.isValid(); block = block.next()) {
    const QRectF rect = layout->blockBoundingRect(block);
    const bool inTable = QTextCursor(block).currentTable() != nullptr;
    for (int i = 0; i < block.layout()->lineCount(); ++i) {
      const QTextLine line = block.layout()->lineAt(i);
      const QString text = block.text().mid(line.textStart(), line.textLength());
      if (text.trimmed().isEmpty()) continue;
      lines.push_back(Line{text, rect.top() + line.y() + line.height(), line.height(), inTable});
    }
  }
  return lines;
}

struct Box {
  std::unique_ptr<QTextDocument> doc;
  qreal width = 0;
  qreal height = 0;
  int start = 0;  // in the source
};

// Flows the source through boxes of the given sizes, taken in turn, until
// nothing is left.
std::vector<Box> FlowAll(QTextDocument& source, const std::vector<QSizeF>& sizes) {
  TextFlow flow(source);
  std::vector<Box> boxes;
  while (boxes.size() < 2000) {
    const QSizeF size = sizes[boxes.size() % sizes.size()];
    const int start = flow.Position();
    std::unique_ptr<QTextDocument> doc = flow.NextBox(size.width(), size.height());
    if (!doc) break;
    boxes.push_back(Box{std::move(doc), size.width(), size.height(), start});
  }
  EXPECT_TRUE(flow.AtEnd());
  EXPECT_EQ(flow.Position(), source.characterCount() - 1);
  return boxes;
}

bool StartsInsideParagraph(const QTextDocument& source, int position) {
  return source.findBlock(position).position() != position;
}

// What each box's view shows is exactly what flowed into it: its lines lie
// within the box unless it holds one line or one table only, and the line
// after it would not have fitted.
void ExpectBoxesShowTheirText(QTextDocument& source, std::vector<Box>& boxes) {
  for (size_t i = 0; i < boxes.size(); ++i) {
    Box& box = boxes[i];
    const std::vector<Line> lines = ShownLines(*box.doc, box.width);
    ASSERT_FALSE(lines.empty()) << "box " << i;
    const bool forced = lines.size() == 1 || (box.doc->rootFrame()->childFrames().size() == 1 &&
                                              std::all_of(lines.begin(), lines.end(), [](const Line& l) { return l.inTable; }));
    if (!forced) {
      for (const Line& line : lines) EXPECT_LE(line.bottom, box.height) << "box " << i << ": " << line.text.toStdString();
    }
    if (i + 1 == boxes.size() || boxes[i + 1].doc->rootFrame()->childFrames().size() > 0) continue;
    // The next box's first line, had it been put here.
    QTextDocument& next = *boxes[i + 1].doc;
    const std::vector<Line> nextLines = ShownLines(next, box.width);
    qreal gap = 0;
    if (!StartsInsideParagraph(source, boxes[i + 1].start)) {
      gap = std::max(box.doc->lastBlock().blockFormat().bottomMargin(), next.begin().blockFormat().topMargin());
    }
    EXPECT_GT(lines.back().bottom + gap + nextLines.front().height, box.height) << "box " << i << " could hold more";
  }
}

// The boxes' texts joined: without a break where a box continues a line.
std::string Joined(QTextDocument& source, const std::vector<Box>& boxes) {
  std::string joined;
  for (const Box& box : boxes) {
    // A break a box ends at stays out of both boxes.
    const QChar before = box.start > 0 ? source.characterAt(box.start - 1) : QChar();
    if (!joined.empty() && (!StartsInsideParagraph(source, box.start) || before == QChar::LineSeparator)) {
      joined += "\r\n";
    }
    RichTextDocument view(std::unique_ptr<QTextDocument>(box.doc->clone()));
    joined += view.PlainText();
  }
  return joined;
}

class FlowTest : public ::testing::Test {
 protected:
  void Load(const std::string& rtf) { source_.Load(rtf); }
  QTextDocument& Source() { return source_.Document(); }
  RichTextDocument source_;
};

TEST_F(FlowTest, EqualBoxesShowExactlyTheSourceLines) {
  Load(Article(30));
  std::vector<Box> boxes = FlowAll(Source(), {QSizeF(230, 150)});
  ASSERT_GT(boxes.size(), 8u);
  ExpectBoxesShowTheirText(Source(), boxes);

  // Every box breaks its lines where the source, laid out as one, does (a
  // line break a box ends at stays out of it).
  std::unique_ptr<QTextDocument> whole(Source().clone());
  std::vector<std::string> expected;
  for (const Line& l : ShownLines(*whole, 230)) expected.push_back(l.text.trimmed().toStdString());
  std::vector<std::string> shown;
  for (Box& box : boxes) {
    for (const Line& l : ShownLines(*box.doc, 230)) shown.push_back(l.text.trimmed().toStdString());
  }
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(Joined(Source(), boxes), source_.PlainText());
}

TEST_F(FlowTest, MixedBoxSizesShowTheirTextAndLoseNothing) {
  Load(Article(24));
  std::vector<Box> boxes = FlowAll(Source(), {QSizeF(180, 120), QSizeF(300, 90), QSizeF(240, 200), QSizeF(240, 60)});
  ASSERT_GT(boxes.size(), 8u);
  ExpectBoxesShowTheirText(Source(), boxes);
  EXPECT_EQ(Joined(Source(), boxes), source_.PlainText());
  // Each box starts where the source's text goes on.
  for (const Box& box : boxes) {
    const QString first = box.doc->begin().text().left(12);
    EXPECT_EQ(Source().toPlainText().mid(box.start, first.size()), first);
  }
}

TEST_F(FlowTest, ContinuedParagraphHasNoIndentAndNoSpaceBefore) {
  Load("{\\rtf1 \\pard\\li300\\fi450\\sb200\\qj Long paragraph "
       "and so on and so on and so on and so on and so on and so on and so on and so on and so on and so on "
       "and so on and so on and so on and so on and so on and so on and so on and so on and so on and so on\\par}");
  std::vector<Box> boxes = FlowAll(Source(), {QSizeF(200, 60)});
  ASSERT_GE(boxes.size(), 2u);
  const QTextBlockFormat opening = boxes[0].doc->begin().blockFormat();
  EXPECT_DOUBLE_EQ(opening.textIndent(), 30.0);
  EXPECT_DOUBLE_EQ(opening.topMargin(), 200 / 15.0);
  for (size_t i = 1; i < boxes.size(); ++i) {
    ASSERT_TRUE(StartsInsideParagraph(Source(), boxes[i].start));
    const QTextBlockFormat continued = boxes[i].doc->begin().blockFormat();
    EXPECT_EQ(boxes[i].doc->blockCount(), 1);
    EXPECT_DOUBLE_EQ(continued.textIndent(), 0.0);
    EXPECT_DOUBLE_EQ(continued.topMargin(), 0.0);
    EXPECT_DOUBLE_EQ(continued.leftMargin(), 20.0);
    EXPECT_EQ(continued.alignment(), Qt::AlignJustify);
  }
  ExpectBoxesShowTheirText(Source(), boxes);
}

TEST_F(FlowTest, BoxEndingBetweenParagraphsEndsWithItsLastParagraph) {
  Load("{\\rtf1 one\\par two\\par three\\par four}");
  const qreal line = Source().documentLayout()->blockBoundingRect(Source().begin()).height();
  std::vector<Box> boxes = FlowAll(Source(), {QSizeF(300, 2 * line + Source().documentMargin())});
  ASSERT_EQ(boxes.size(), 2u);
  EXPECT_EQ(boxes[0].doc->toPlainText(), "one\ntwo");
  EXPECT_EQ(boxes[1].doc->toPlainText(), "three\nfour");
}

TEST_F(FlowTest, FieldsLinksAndSettingsWorkInEveryBox) {
  std::string rtf = "{\\rtf1 ";
  for (int p = 0; p < 12; ++p) {
    rtf += "{\\*\\bkmkstart Mark" + std::to_string(p) + "}Para " + std::to_string(p) +
           " shows [Count] and {\\uldb go " + std::to_string(p) + "}{\\v Jump" + std::to_string(p) +
           "} with more words to wrap the line\\par ";
  }
  Load(rtf + "}");
  int value = 1;
  source_.SetFieldCallback([&value](const std::string&) { return std::to_string(value); });
  source_.MakeVariableFields();
  source_.SetLinkColor(QColor(200, 0, 0));
  source_.SetDefaultTextColor(QColor(0, 90, 0));

  RichTextFlow flow(source_);
  std::vector<std::unique_ptr<RichTextDocument>> boxes;
  while (auto box = flow.NextBox(160, 80)) boxes.push_back(std::move(box));
  ASSERT_GT(boxes.size(), 3u);
  EXPECT_TRUE(flow.AtEnd());

  std::vector<std::string> targets;
  value = 22;
  for (const auto& box : boxes) {
    EXPECT_EQ(box->LinkColor(), QColor(200, 0, 0));
    EXPECT_EQ(box->DefaultTextColor(), QColor(0, 90, 0));
    for (const LinkInfo& link : box->Links()) targets.push_back(link.target);
    const std::optional<FieldInfo> field = box->FirstFieldContaining("COUNT");
    if (!field) continue;
    EXPECT_EQ(box->FieldNamesContaining("count"), std::vector<std::string>{"[COUNT]"});
    EXPECT_EQ(box->FieldText(*field), "1");
    EXPECT_TRUE(box->RefreshField(*field));
    EXPECT_EQ(box->FieldText(*box->FirstFieldContaining("COUNT")), "22");
  }
  std::vector<std::string> expected;
  for (int p = 0; p < 12; ++p) expected.push_back("Jump" + std::to_string(p));
  EXPECT_EQ(targets, expected);
  EXPECT_TRUE(boxes.back()->BookmarkPosition("mark11").has_value());
}

TEST_F(FlowTest, TablesMoveWholeAndATallOneStaysFirst) {
  std::string rtf = "{\\rtf1 ";
  for (int i = 0; i < 5; ++i) rtf += "line " + std::to_string(i) + "\\par ";
  rtf += "\\trowd\\cellx1500\\cellx3000\\intbl a1\\cell b1\\cell\\row\\trowd\\cellx1500\\cellx3000\\intbl a2\\cell b2\\cell\\row";
  rtf += "\\pard middle\\par ";
  for (int r = 0; r < 12; ++r) {
    rtf += "\\trowd\\cellx3000\\intbl tall " + std::to_string(r) + "\\cell\\row";
  }
  rtf += "\\pard after one\\par after two}";
  Load(rtf);
  std::vector<Box> boxes = FlowAll(Source(), {QSizeF(250, 110)});

  int tables = 0;
  for (Box& box : boxes) {
    for (QTextFrame* frame : box.doc->rootFrame()->childFrames()) {
      auto* table = qobject_cast<QTextTable*>(frame);
      ASSERT_NE(table, nullptr);
      ++tables;
      EXPECT_TRUE(table->rows() == 2 || table->rows() == 12) << table->rows();
      if (table->rows() == 12) {
        // Too tall for any box: it opens one and fills it alone.
        EXPECT_EQ(box.doc->rootFrame()->firstPosition() + 1, table->firstPosition());
        EXPECT_EQ(box.doc->toPlainText().trimmed().left(6), "tall 0");
        EXPECT_EQ(box.doc->toPlainText().count("after"), 0);
      }
    }
  }
  EXPECT_EQ(tables, 2);
  ExpectBoxesShowTheirText(Source(), boxes);
  auto squeeze = [](QString s) { return s.remove(QRegularExpression("\\s")); };
  QString joined;
  for (Box& box : boxes) joined += box.doc->toPlainText();
  EXPECT_EQ(squeeze(joined), squeeze(Source().toPlainText()));
}

TEST_F(FlowTest, TinyBoxesTakeOneLineEach) {
  Load("{\\rtf1 alpha beta gamma\\par delta\\par\\trowd\\cellx1000\\intbl x\\cell\\row\\pard epsilon}");
  for (const QSizeF size : {QSizeF(300, 1), QSizeF(0, 0), QSizeF(-5, -5)}) {
    std::vector<Box> boxes = FlowAll(Source(), {size});
    std::vector<std::string> texts;
    for (Box& box : boxes) texts.push_back(box.doc->toPlainText().trimmed().toStdString());
    if (size.width() >= 300) {
      EXPECT_EQ(texts, (std::vector<std::string>{"alpha beta gamma", "delta", "x", "epsilon"}));
    } else {
      // A box narrower than a pixel is a pixel wide: a word, or less, a line.
      EXPECT_GT(texts.size(), 4u);
      EXPECT_EQ(texts.back().back(), 'n');
    }
  }
}

TEST_F(FlowTest, EmptySourceGivesNoBox) {
  TextFlow flow(Source());
  EXPECT_TRUE(flow.AtEnd());
  EXPECT_EQ(flow.NextBox(200, 200), nullptr);
  EXPECT_EQ(flow.Rest(), nullptr);
}

TEST_F(FlowTest, OnlyWhatTheBoxesTakeIsLaidOut) {
  Load(Article(400));
  TextFlow flow(Source());
  for (int i = 0; i < 3; ++i) ASSERT_NE(flow.NextBox(300, 400), nullptr);
  // The event loop running between boxes does not lay out the rest either.
  QTest::qWait(60);
  ASSERT_NE(flow.NextBox(300, 400), nullptr);
  QTest::qWait(60);
  EXPECT_EQ(Source().lastBlock().layout()->lineCount(), 0);
  EXPECT_LT(Source().findBlock(flow.Position()).blockNumber(), 100);
}

TEST_F(FlowTest, PicturesGoWithTheirBox) {
  QTextDocument& doc = Source();
  QImage picture(40, 30, QImage::Format_RGB32);
  picture.fill(Qt::red);
  doc.addResource(QTextDocument::ImageResource, QUrl("pic"), picture);
  QTextCursor c(&doc);
  c.insertText("before the picture");
  c.insertBlock();
  QTextImageFormat image;
  image.setName("pic");
  c.insertImage(image);
  c.insertBlock();
  c.insertText("after the picture");
  std::vector<Box> boxes = FlowAll(doc, {QSizeF(300, 20)});
  ASSERT_EQ(boxes.size(), 3u);
  const QVariant copied = boxes[1].doc->resource(QTextDocument::ImageResource, QUrl("pic"));
  EXPECT_EQ(copied.value<QImage>().size(), QSize(40, 30));
}

// The whole-document cut of earlier callers keeps working on top of the flow.
TEST(FlowIntoBox, KeepsWhatFitsAndReturnsTheRest) {
  RichTextDocument doc;
  doc.Load("{\\rtf1 first line\\par {\\*\\bkmkstart B}{\\uldb go}{\\v Script} [V]\\par\\pard\\fi300 third\\par}");
  doc.SetFieldCallback([](const std::string&) { return std::string("val"); });
  doc.MakeVariableFields();
  std::unique_ptr<RichTextDocument> rest = doc.FlowIntoBox(300, 1);
  ASSERT_NE(rest, nullptr);
  EXPECT_EQ(doc.PlainText(), "first line");
  EXPECT_FALSE(doc.HasFields());
  EXPECT_TRUE(rest->HasFields());
  EXPECT_EQ(rest->BookmarkPosition("b"), 0);
  ASSERT_EQ(rest->Links().size(), 1u);
  EXPECT_EQ(rest->Links()[0].target, "Script");
  EXPECT_EQ(rest->PlainText(), "go val\r\nthird");
  EXPECT_DOUBLE_EQ(rest->Document().lastBlock().blockFormat().textIndent(), 20.0);

  RichTextDocument small;
  small.Load("{\\rtf1 short}");
  EXPECT_EQ(small.FlowIntoBox(300, 300), nullptr);
  EXPECT_EQ(small.PlainText(), "short");
}

TEST(FlowIntoBox, CutInsideAParagraphContinuesItWithoutIndent) {
  RichTextDocument doc;
  doc.Load("{\\rtf1 \\pard\\fi300 Paragraph: one two three four five six seven eight nine ten eleven twelve\\par}");
  std::unique_ptr<RichTextDocument> rest = doc.FlowIntoBox(150, 40);
  ASSERT_NE(rest, nullptr);
  EXPECT_DOUBLE_EQ(doc.Document().begin().blockFormat().textIndent(), 20.0);
  EXPECT_DOUBLE_EQ(rest->Document().begin().blockFormat().textIndent(), 0.0);
  EXPECT_EQ(doc.Document().blockCount(), 1);
  EXPECT_EQ(rest->Document().blockCount(), 1);
  EXPECT_EQ(doc.PlainText() + rest->PlainText(), "Paragraph: one two three four five six seven eight nine ten eleven twelve");
}

TEST(FlowIntoBox, TableMovesWhole) {
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
