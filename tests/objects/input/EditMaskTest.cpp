// Input masks: the document's mask language turned into QLineEdit's, and
// what a field with the mask makes of typed text: what it shows, whether
// the text satisfies the mask and what the variable gets.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <string>

#include "objects/ObjectPage.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/input/EditField.h"
#include "objects/input/EditMask.h"

namespace orv {
namespace {

TEST(EditMask, TranslatesToQtMasksAndTypedTextToTheVariable) {
  const struct {
    const char* mask;
    const char* typed;
    const char* qtMask;
    const char* shown;
    bool valid;
    const char* variable;
  } cases[] = {
      // 0 and 9 swap; "!" is ignored; "/" is the date separator.
      {"!99/99/00;1;_", "010203", "00/00/99;_", "01/02/03", true, "01/02/03"},
      {"!99/99/00;0;_", "0102", "00/00/99;_", "01/02/__", false, "0102"},
      {"(999) 000-0000;1;_", "5551234567", "(000) 999-9999;_", "(555) 123-4567", true, "(555) 123-4567"},
      // L letter, A letter or digit, C any character; required ones unfilled
      // fail the mask; the blank is the third section's.
      {"LLL-A;0;*", "ab", "AAA-N;*", "ab*-*", false, "ab"},
      {"LLL-A;0;*", "abc7", "AAA-N;*", "abc-7", true, "abc7"},
      {"ll-aa-cc;1;_", "", "aa-nn-xx;_", "__-__-__", true, "--"},
      {"CC;1;_", "a b", "XX;_", "a ", true, "a "},
      // Letter case: ">" upper, "<" lower, "<>" as typed.
      {">LL<LL<>LL;1;_", "abCDeF", ">AA<AA!AA;_", "ABcdeF", true, "ABcdeF"},
      // "#" a digit or a sign.
      {"#99;1;_", "-12", "#00;_", "-12", true, "-12"},
      // Escaped and unknown characters are literals, escaped where Qt
      // reads them as mask characters; "_" is a space; ":" the time
      // separator.
      {"\\L\\0_00;1;_", "42", "L\\0 99;_", "L0 42", true, "L0 42"},
      {"N[9]X;1;_", "5", "\\N\\[0\\]\\X;_", "N[5]X", true, "N[5]X"},
      {"90:00;1;_", "1230", "09:99;_", "12:30", true, "12:30"},
      // A literal ";" cannot stand in a Qt mask: it is left out.
      {"9\\;9;1;_", "12", "00;_", "12", true, "12"},
      // No second section keeps the literals; no third takes "_".
      {"00-00", "1234", "99-99;_", "12-34", true, "12-34"},
      {"00-00;;", "12", "99-99;_", "12-__", false, "12-"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.mask) + " <- " + c.typed);
    const TEditMaskForm form = TranslateEditMask(c.mask);
    EXPECT_EQ(form.QtMask.toStdString(), c.qtMask);

    test::ObjectPage page(test::ObjectLines(9, "E", QRect(0, 0, 200, 24), {std::string("EditMask=") + c.mask}),
                          QSize(220, 40));
    auto* field = page.As<TOrvalisEditField>();
    ASSERT_NE(field, nullptr);
    auto* line = qobject_cast<QLineEdit*>(field->InnerControl());
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->inputMask().toStdString(), c.qtMask);
    line->home(false);
    QTest::keyClicks(line, QString::fromLatin1(c.typed));
    EXPECT_EQ(line->displayText().toStdString(), c.shown);
    EXPECT_EQ(field->SatisfiesMask(), c.valid);
    EXPECT_EQ(field->Text(), c.variable);
  }
}

TEST(EditMask, APatternWithNothingToShowIsNoMask) {
  for (const char* mask : {"", ";1;_", "!", "<>", "><;0;_", "\\"}) {
    SCOPED_TRACE(mask);
    EXPECT_TRUE(TranslateEditMask(mask).Empty());
    test::ObjectPage page(test::ObjectLines(9, "E", QRect(0, 0, 200, 24), {std::string("EditMask=") + mask}),
                          QSize(220, 40));
    auto* field = page.As<TOrvalisEditField>();
    ASSERT_NE(field, nullptr);
    QTest::keyClicks(field->InnerControl(), QStringLiteral("free text"));
    EXPECT_EQ(field->Text(), "free text");
    EXPECT_TRUE(field->SatisfiesMask());
  }
}

TEST(EditMask, SeparatorsAreTheOnesGivenAndEscapedWhereQtWouldReadThem) {
  EXPECT_EQ(TranslateEditMask("99/99 90:00", '.', '-').QtMask.toStdString(), "00.00 09-99;_");
  EXPECT_EQ(TranslateEditMask("99/99", '#', ':').QtMask.toStdString(), "00\\#00;_");
}

}  // namespace
}  // namespace orv
