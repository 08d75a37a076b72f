// The input box: its layout from the font and captions, and what it answers
// to the keys.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "commands/navigation/InputBoxForm.h"
#include "commands/navigation/ModalAnswer.h"

namespace orv::test {
namespace {

TEST(InputBoxForm, LayoutFollowsTheFontAndTheCaptions) {
  for (const int points : {9, 28}) {
    QFont font = QApplication::font();
    font.setPointSize(points);
    const QFontMetrics metrics(font);
    TInputBoxRequest request{"Name", "Your name, please:", "Ann", "Fine", "Not now, thanks"};
    TInputBoxForm form(request, font);
    const QRect prompt = form.Prompt()->geometry();
    const QRect edit = form.Edit()->geometry();
    const QRect ok = form.OkButton()->geometry();
    const QRect cancel = form.CancelButton()->geometry();
    EXPECT_EQ(prompt.left(), 12) << points;
    EXPECT_EQ(edit.top(), prompt.bottom() + 1 + 8) << points;
    EXPECT_EQ(form.width(), std::max(edit.width(), prompt.width()) + 24) << points;
    EXPECT_EQ(edit.width(), form.width() - 24) << points;
    const int buttonWidth = metrics.horizontalAdvance(QStringLiteral("Not now, thanks")) + 16;
    const int buttonHeight = std::max(25, metrics.height() + 4);
    EXPECT_EQ(ok.size(), QSize(buttonWidth, buttonHeight)) << points;
    EXPECT_EQ(cancel.size(), ok.size()) << points;
    EXPECT_EQ(ok.right() + 1, form.width() / 2 - 4) << points;
    EXPECT_EQ(cancel.left(), form.width() / 2 + 4) << points;
    EXPECT_EQ(ok.top(), edit.bottom() + 1 + 12) << points;
    EXPECT_EQ(form.height(), ok.bottom() + 1 + 12) << points;
  }
}

TEST(InputBoxForm, ALongPromptWidensTheBox) {
  const std::string prompt(300, 'W');
  TInputBoxForm form(TInputBoxRequest{"", prompt, "", "", ""}, QApplication::font());
  EXPECT_EQ(form.width(), form.Prompt()->width() + 24);
  EXPECT_EQ(form.Edit()->width(), form.Prompt()->width());
}

struct KeyCase {
  std::vector<Qt::Key> keys;
  const char* typed;
  std::string answer;
};

class InputBoxKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(InputBoxKeys, AnswerTheEditedTextOrNothing) {
  const KeyCase& c = GetParam();
  WhenModal([&c](QWidget&) {
    if (c.typed != nullptr) TypeInto(KeyTarget(), QString::fromUtf8(c.typed));
    for (Qt::Key key : c.keys) QTest::keyClick(KeyTarget(), key);
  });
  // The field starts with the old value, selected, so typing replaces it.
  TInputBoxForm form(TInputBoxRequest{"T", "P", "old", "", ""}, QApplication::font());
  EXPECT_EQ(form.Run(), c.answer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, InputBoxKeys,
    ::testing::Values(KeyCase{{Qt::Key_Return}, "caf\xC3\xA9", "caf\xE9"},
                      KeyCase{{Qt::Key_Return}, nullptr, "old"},
                      KeyCase{{Qt::Key_Escape}, "new", ""},
                      KeyCase{{Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Return}, "new", ""},
                      KeyCase{{Qt::Key_Tab, Qt::Key_Space}, "new", "new"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace orv::test
