#include "richtext/VariableFields.h"

#include <gtest/gtest.h>

#include <ostream>

#include <map>

#include "DumpForTest.h"
#include "richtext/RichTextDocument.h"

namespace orv::rt {
namespace {

struct FieldCase {
  const char* rtf;
  const char* outline;
};

void PrintTo(const FieldCase& c, std::ostream* os) { *os << c.rtf; }

class FieldScan : public ::testing::TestWithParam<FieldCase> {};

TEST_P(FieldScan, MakesFields) {
  RichTextDocument doc;
  doc.Load(GetParam().rtf);
  doc.SetFieldCallback([](const std::string& name) { return "<" + name + ">"; });
  doc.MakeVariableFields();
  EXPECT_EQ(test::Outline(doc.Document()), GetParam().outline);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldScan,
    ::testing::Values(
        FieldCase{"{\\rtf1 Hi [Name]!}", "Hi ([NAME]=<[NAME]>)!\n"},
        FieldCase{"{\\rtf1 [a][b]}", "([A]=<[A]>)([B]=<[B]>)\n"},
        // A reference holding a reference is one field.
        FieldCase{"{\\rtf1 x [A[B]C] y}", "x ([A[B]C]=<[A[B]C]>) y\n"},
        // Brackets that never balance stop at the end of the text.
        FieldCase{"{\\rtf1 [[a] tail}", "([[A]=<[[A]>) tail\n"},
        FieldCase{"{\\rtf1 [[[x]}", "([[[X]=<[[[X]>)\n"},
        FieldCase{"{\\rtf1 no close [here}", "no close [here\n"},
        // Hidden text is never scanned; a link's visible text is.
        FieldCase{"{\\rtf1 a{\\v [Hidden]}b}", "a<1:[Hidden]>b\n"},
        FieldCase{"{\\rtf1 {\\uldb [v]}{\\v [t]}}", "{<[V]>->[t]}\n"},
        FieldCase{"{\\rtf1 \\'e9[caf\\'e9]}", "\xC3\xA9([CAF\xC3\x89]=<[CAF\xC3\x89]>)\n"}));

TEST(VariableFields, RefreshInPlaceKeepsOtherText) {
  std::map<std::string, std::string> vars{{"[A]", "1"}, {"[B]", "two"}};
  RichTextDocument doc;
  doc.Load("{\\rtf1 x [a] y {\\b [b]} z [a]}");
  doc.SetFieldCallback([&](const std::string& name) { return vars[name]; });
  EXPECT_EQ(doc.MakeVariableFields(), 3);
  EXPECT_EQ(doc.PlainText(), "x 1 y two z 1");
  vars["[B]"] = "three";
  const std::optional<FieldInfo> b = doc.FirstFieldContaining("b");
  ASSERT_TRUE(b.has_value());
  EXPECT_EQ(doc.FieldText(*b), "two");
  EXPECT_TRUE(doc.RefreshField(*b));
  EXPECT_EQ(doc.PlainText(), "x 1 y three z 1");
  QTextCursor c(&doc.Document());
  c.setPosition(static_cast<int>(doc.Document().toPlainText().indexOf("three")) + 1);
  EXPECT_EQ(c.charFormat().fontWeight(), QFont::Bold);  // the field keeps its format
  // Only the first field of a name is refreshed by one call.
  vars["[A]"] = "";
  EXPECT_TRUE(doc.RefreshField(*doc.FirstFieldContaining("A")));
  EXPECT_EQ(doc.PlainText(), "x  y three z 1");
  // An emptied field stays findable and can show text again.
  vars["[A]"] = "back";
  EXPECT_TRUE(doc.RefreshField(*doc.FirstFieldContaining("A")));
  EXPECT_EQ(doc.PlainText(), "x back y three z 1");
  EXPECT_EQ(doc.RefreshAllFields(), 3);
  EXPECT_EQ(doc.PlainText(), "x back y three z back");
}

TEST(VariableFields, NamesContainingAVariable) {
  RichTextDocument doc;
  doc.Load("{\\rtf1 [Price] [Total Price] [Name] [[Name]Count]}");
  EXPECT_FALSE(doc.HasFields());
  doc.MakeVariableFields();
  EXPECT_TRUE(doc.HasFields());
  EXPECT_EQ(doc.FieldNamesContaining("price"), (std::vector<std::string>{"[PRICE]", "[TOTAL PRICE]"}));
  EXPECT_EQ(doc.FieldNamesContaining("[NAME]"), (std::vector<std::string>{"[NAME]", "[[NAME]COUNT]"}));
  EXPECT_TRUE(doc.FieldNamesContaining("missing").empty());
  EXPECT_FALSE(doc.FirstFieldContaining("missing").has_value());
}

TEST(VariableFields, ScanningTwiceMakesNoNewFields) {
  RichTextDocument doc;
  doc.Load("{\\rtf1 [a] [b]}");
  EXPECT_EQ(doc.MakeVariableFields(), 2);
  EXPECT_EQ(doc.MakeVariableFields(), 0);
  const std::vector<FieldInfo> fields = ListFields(doc.Document());
  ASSERT_EQ(fields.size(), 2u);
  EXPECT_NE(fields[0].id, fields[1].id);
}

}  // namespace
}  // namespace orv::rt
