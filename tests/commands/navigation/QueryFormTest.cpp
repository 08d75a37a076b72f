// The message dialog: its layout from the font and the captions, the icon
// by the number of buttons or the publication's picture, wrapping to the
// screen, and the answer given by keys.
#include <gtest/gtest.h>

#include <QDialogButtonBox>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "commands/navigation/QueryForm.h"
#include "commands/navigation/ModalAnswer.h"

namespace orv::test {
namespace {

QFont FontOfSize(int points) {
  QFont font = QApplication::font();
  font.setPointSize(points);
  return font;
}

TQueryRequest Request(std::string message, std::vector<std::string> captions) {
  return TQueryRequest{"Title", std::move(message), std::move(captions), ""};
}

struct GeometryCase {
  std::vector<std::string> captions;
  int points;
  TQueryForm::Symbol symbol;
};

class QueryFormGeometry : public ::testing::TestWithParam<GeometryCase> {};

TEST_P(QueryFormGeometry, ButtonsAndHeightFollowTheFont) {
  const GeometryCase& c = GetParam();
  const QFont font = FontOfSize(c.points);
  const QFontMetrics metrics(font);
  TQueryForm form(Request("Line one|and the second line", c.captions), font, nullptr, 4000);
  EXPECT_EQ(form.Shown(), c.symbol);

  const std::vector<QPushButton*>& buttons = form.Buttons();
  ASSERT_EQ(buttons.size(), c.captions.size());
  int widest = 0;
  for (const std::string& caption : c.captions)
    widest = std::max(widest, metrics.horizontalAdvance(QString::fromStdString(caption)));
  const int width = std::max(45, widest + 16);
  const int height = std::max(25, metrics.height() + 4);
  const QRect message = form.MessageLabel()->geometry();
  const QRect panel = form.PicturePanel()->geometry();
  EXPECT_EQ(panel.left(), 12);
  EXPECT_EQ(message.left(), panel.right() + 1 + 8);
  EXPECT_GT(message.height(), metrics.height());
  const int rowTop = std::max(panel.bottom(), message.bottom()) + 1 + 24;
  for (std::size_t i = 0; i < buttons.size(); ++i) {
    EXPECT_EQ(buttons[i]->size(), QSize(width, height)) << i;
    EXPECT_EQ(buttons[i]->y(), rowTop) << i;
    if (i > 0) {
      EXPECT_EQ(buttons[i]->x(), buttons[i - 1]->geometry().right() + 1 + 8) << i;
    }
  }
  // The row is centred when the message makes the dialog wider than it.
  const int rowWidth = buttons.back()->geometry().right() + 1 - buttons.front()->x();
  EXPECT_LE(std::abs(buttons.front()->x() - (form.width() - rowWidth - buttons.front()->x())), 1);
  EXPECT_GE(buttons.front()->x(), 12);
  EXPECT_EQ(form.height(), rowTop + height + 40);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QueryFormGeometry,
    ::testing::Values(GeometryCase{{"OK"}, 9, TQueryForm::Symbol::Alert},
                      GeometryCase{{"Yes", "No"}, 9, TQueryForm::Symbol::Question},
                      GeometryCase{{"A", "A much longer caption than the others", "C"}, 9,
                                   TQueryForm::Symbol::Question},
                      GeometryCase{{"Big"}, 30, TQueryForm::Symbol::Alert}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(QueryForm, IconIsTheStylesWarningOrQuestionIcon) {
  for (const auto& [captions, pixmap] :
       {std::pair{std::vector<std::string>{"OK"}, QStyle::SP_MessageBoxWarning},
        std::pair{std::vector<std::string>{"Yes", "No", "Maybe"}, QStyle::SP_MessageBoxQuestion}}) {
    TQueryForm form(Request("Text", captions), QApplication::font());
    const int side = form.style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, &form);
    const QImage expected = form.style()->standardIcon(pixmap, nullptr, &form).pixmap(side, side).toImage();
    EXPECT_EQ(form.PicturePanel()->pixmap().toImage().convertToFormat(expected.format()), expected);
  }
}

TEST(QueryForm, AReadablePictureTakesThePanelsSizeAndAnUnreadableOneLeavesTheIcon) {
  QTemporaryDir dir;
  QImage picture(40, 90, QImage::Format_RGB32);
  picture.fill(Qt::red);
  const QString file = dir.filePath("alert.png");
  ASSERT_TRUE(picture.save(file));
  TQueryRequest request = Request("Short", {"OK"});
  request.PictureFile = file.toStdString();
  TQueryForm shown(request, QApplication::font());
  EXPECT_EQ(shown.Shown(), TQueryForm::Symbol::Picture);
  EXPECT_EQ(shown.PicturePanel()->size(), QSize(40, 90));
  // The short message sits against the middle of the tall picture.
  const QRect message = shown.MessageLabel()->geometry();
  EXPECT_LE(std::abs((message.top() - 12) - (12 + 90 - message.bottom() - 1)), 1);

  request.PictureFile = dir.filePath("missing.png").toStdString();
  EXPECT_EQ(TQueryForm(request, QApplication::font()).Shown(), TQueryForm::Symbol::Alert);
}

TEST(QueryForm, ATallMessageMovesThePanelDown) {
  TQueryForm form(Request("1|2|3|4|5|6|7|8", {"OK"}), QApplication::font());
  const QRect panel = form.PicturePanel()->geometry();
  const QRect message = form.MessageLabel()->geometry();
  EXPECT_EQ(message.top(), 12);
  EXPECT_GT(panel.top(), 12);
  EXPECT_LE(std::abs((panel.top() - message.top()) - (message.bottom() - panel.bottom())), 1);
}

TEST(QueryForm, AMessageWiderThanTheScreenWrapsToIt) {
  std::string words;
  for (int i = 0; i < 60; ++i) words += "word ";
  const int screen = 500;
  TQueryForm form(Request(words, {"OK"}), QApplication::font(), nullptr, screen);
  const QRect message = form.MessageLabel()->geometry();
  EXPECT_EQ(form.width(), screen);
  EXPECT_EQ(message.right() + 1, screen - 12);
  EXPECT_GT(message.height(), 3 * QFontMetrics(QApplication::font()).height());
  // Unwrapped on a screen wide enough.
  TQueryForm wide(Request(words, {"OK"}), QApplication::font(), nullptr, 100000);
  EXPECT_LT(wide.MessageLabel()->height(), 2 * QFontMetrics(QApplication::font()).height());
}

TEST(QueryForm, AtMostFiftyButtonsAndNoneWithoutCaptions) {
  TQueryForm many(Request("Pick", std::vector<std::string>(60, "X")), QApplication::font());
  EXPECT_EQ(many.Buttons().size(), 50u);
  TQueryForm none(Request("Nothing to press", {}), QApplication::font());
  EXPECT_TRUE(none.Buttons().empty());
  EXPECT_GE(none.height(), none.MessageLabel()->height() + 16);
}

TEST(QueryForm, EmptyCaptionsShowQtsOwnTexts) {
  TQueryForm one(Request("", {""}), QApplication::font());
  TQueryForm two(Request("", {"", ""}), QApplication::font());
  EXPECT_EQ(one.Buttons()[0]->text(), QDialogButtonBox(QDialogButtonBox::Ok).button(QDialogButtonBox::Ok)->text());
  EXPECT_EQ(two.Buttons()[0]->text(), QDialogButtonBox(QDialogButtonBox::Yes).button(QDialogButtonBox::Yes)->text());
  EXPECT_EQ(two.Buttons()[1]->text(), QDialogButtonBox(QDialogButtonBox::No).button(QDialogButtonBox::No)->text());
}

struct KeyCase {
  std::vector<std::string> captions;
  std::vector<Qt::Key> keys;
  int answer;
};

class QueryFormKeys : public ::testing::TestWithParam<KeyCase> {};

TEST_P(QueryFormKeys, AnswerTheNumberOfTheButton) {
  WhenModalPress(GetParam().keys);
  EXPECT_EQ(ShowQueryForm(Request("Which?", GetParam().captions), nullptr), GetParam().answer);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QueryFormKeys,
    ::testing::Values(KeyCase{{"One", "Two", "Three"}, {Qt::Key_Return}, 1},
                      KeyCase{{"One", "Two", "Three"}, {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Enter}, 3},
                      KeyCase{{"One", "Two", "Three"}, {Qt::Key_Tab, Qt::Key_Space}, 2},
                      KeyCase{{"One", "Two"}, {Qt::Key_Escape}, 0},
                      KeyCase{{}, {Qt::Key_Return, Qt::Key_Escape}, 0}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

}  // namespace
}  // namespace orv::test
