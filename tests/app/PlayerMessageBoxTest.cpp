// The player's alert is the message dialog: over a publication window it
// takes the window's dialog font and "ALERTBOXIMAGE=" picture; the text
// still goes to standard error.
#include <gtest/gtest.h>

#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>

#include "app/ErrorReport.h"
#include "app/PlayerMessageBox.h"
#include "app/WorkFormFixture.h"
#include "commands/navigation/ModalAnswer.h"
#include "commands/navigation/QueryForm.h"

namespace orv::test {
namespace {

struct Seen {
  QString title;
  QString font;
  bool bold = false;
  TQueryForm::Symbol symbol = TQueryForm::Symbol::Question;
  QStringList buttons;
  QString text;
};

// Records the message dialog about to open and presses Escape on it.
void RecordAndEscape(Seen& seen) {
  WhenModal([&seen](QWidget& dialog) {
    if (auto* form = dynamic_cast<TQueryForm*>(&dialog)) {
      seen.title = form->windowTitle();
      seen.font = form->font().family();
      seen.bold = form->font().bold();
      seen.symbol = form->Shown();
      seen.text = form->MessageLabel()->text();
      for (const QPushButton* button : form->Buttons()) seen.buttons << button->text();
    }
    QTest::keyClick(KeyTarget(), Qt::Key_Escape);
  });
}

class PlayerMessageBoxTest : public WorkFormFixture<> {};

TEST_F(PlayerMessageBoxTest, OverTheWindowTheAlertTakesTheDialogFontAndPicture) {
  QTemporaryDir dir;
  QImage picture(30, 50, QImage::Format_RGB32);
  picture.fill(Qt::blue);
  const QString file = dir.filePath("alert.png");
  ASSERT_TRUE(picture.save(file));
  const QString family = QApplication::font().family();
  ASSERT_TRUE(LoadDocument("ScreenWidth=320\r\nScreenHeight=200\r\nCustomFontName=" + family.toStdString() +
                           "\r\nCustomFontSize=14\r\nCustomFontStyle=1\r\nAlertBoxImage=" + file.toStdString() +
                           "\r\nNewPage=One\r\n"));
  Seen seen;
  RecordAndEscape(seen);
  ShowPlayerMessage("Errore", "Prima|seconda", "Va bene", form.get());
  EXPECT_EQ(seen.title, "Errore");
  EXPECT_EQ(seen.text, "Prima\nseconda");
  EXPECT_EQ(seen.buttons, QStringList{"Va bene"});
  EXPECT_EQ(seen.font, family);
  EXPECT_TRUE(seen.bold);
  EXPECT_EQ(seen.symbol, TQueryForm::Symbol::Picture);
}

TEST(PlayerMessageBox, WithoutAWindowTheErrorReportShowsTheAlertIconAndQtsOk) {
  Seen seen;
  RecordAndEscape(seen);
  ReportError(std::runtime_error("Qualcosa non va"), "Orvalis", "");
  EXPECT_EQ(seen.title, "Orvalis");
  EXPECT_EQ(seen.text, "Qualcosa non va");
  EXPECT_EQ(seen.symbol, TQueryForm::Symbol::Alert);
  EXPECT_EQ(seen.buttons.size(), 1);
  EXPECT_FALSE(seen.buttons.value(0).isEmpty());
}

TEST(PlayerMessageBox, ADialogRestoresTheMinimisedApplicationAndShowsTheArrow) {
  QWidget window;
  window.showMinimized();
  ASSERT_TRUE(window.isMinimized());
  QApplication::setOverrideCursor(Qt::BlankCursor);
  bool minimised = true;
  Qt::CursorShape shape = Qt::BlankCursor;
  WhenModal([&](QWidget&) {
    minimised = window.isMinimized();
    shape = QApplication::overrideCursor() != nullptr ? QApplication::overrideCursor()->shape() : Qt::BlankCursor;
    QTest::keyClick(KeyTarget(), Qt::Key_Escape);
  });
  ShowQueryForm(TQueryRequest{"T", "M", {"OK"}, ""}, nullptr);
  EXPECT_FALSE(minimised);
  EXPECT_EQ(shape, Qt::ArrowCursor);
  // What the script set comes back afterwards.
  ASSERT_NE(QApplication::overrideCursor(), nullptr);
  EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::BlankCursor);
  QApplication::restoreOverrideCursor();
}

}  // namespace
}  // namespace orv::test
