// The file and folder dialogs: filters as Qt takes them, names without
// trailing dots, paths a script can hold, and each dialog answered by keys.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QToolButton>

#include "commands/navigation/FileDialogs.h"
#include "commands/navigation/ModalAnswer.h"

namespace orv::test {
namespace {

struct FilterCase {
  const char* filter;
  QStringList expected;
};

class NameFilters : public ::testing::TestWithParam<FilterCase> {};

TEST_P(NameFilters, BecomeQtNameFilters) { EXPECT_EQ(QtNameFilters(GetParam().filter), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Cases, NameFilters,
    ::testing::Values(FilterCase{"Text files|*.txt", {"Text files (*.txt)"}},
                      FilterCase{"Pictures|*.bmp;*.jpg|All files|*.*",
                                 {"Pictures (*.bmp *.jpg)", "All files (*)"}},
                      FilterCase{"Text|*.txt|Lone", {"Text (*.txt)"}},
                      FilterCase{"Lone", {}},
                      FilterCase{"", {}},
                      FilterCase{"Docs| *.doc ; ;*.rtf", {"Docs (*.doc *.rtf)"}},
                      FilterCase{"|*.txt", {"*.txt (*.txt)"}},
                      FilterCase{"Anything|", {"Anything (*)"}},
                      FilterCase{"Caf\xE9|*.caf", {QString::fromUtf8("Café (*.caf)")}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST(FileDialogs, TrailingDotsLeaveTheLastComponentOnly) {
  const std::pair<const char*, const char*> cases[] = {
      {"/tmp/report...", "/tmp/report"},
      {"/tmp/report.txt.", "/tmp/report.txt"},
      {"/tmp/report.txt", "/tmp/report.txt"},
      {"/tmp/dir.../report", "/tmp/dir.../report"},
  };
  for (const auto& [path, expected] : cases) EXPECT_EQ(WithoutTrailingDots(path), QString(expected)) << path;
}

TEST(FileDialogs, ScriptPathsRefuseWhatWindows1252CannotHold) {
  EXPECT_EQ(ScriptPaths({QString::fromUtf8("/tmp/café.txt"), "/tmp/b.txt"}), "/tmp/caf\xE9.txt;/tmp/b.txt");
  EXPECT_EQ(ScriptPaths({QString::fromUtf8("/tmp/ĳ.txt")}), std::nullopt);
  EXPECT_EQ(ScriptPaths({"/tmp/a.txt", QString::fromUtf8("/tmp/日本.txt")}), std::nullopt);
  // A question mark the user really chose is kept.
  EXPECT_EQ(ScriptPaths({"/tmp/what?.txt"}), "/tmp/what?.txt");
  EXPECT_EQ(ScriptPaths({}), "");
}

void WaitForListing(QWidget& dialog) {
  auto* model = dialog.findChild<QFileSystemModel*>();
  ASSERT_NE(model, nullptr);
  EXPECT_TRUE(QTest::qWaitFor([model] { return model->rowCount(model->index(model->rootPath())) > 0; }));
}

class FileDialogRun : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dir_.isValid());
    for (const char* name : {"a.txt", "b.txt", "report"}) Touch(name);
    ASSERT_TRUE(QDir(dir_.path()).mkdir("sub"));
  }
  void Touch(const QString& name) {
    QFile file(dir_.filePath(name));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  std::string Start(const QString& name = QString()) const {
    return (name.isEmpty() ? dir_.path() : dir_.filePath(name)).toStdString();
  }
  // Types `text` into the open dialog's focused field and presses Return,
  // once the folder is listed: a name Qt's model does not know yet keeps
  // the accept button off.
  static void TypeAndEnter(const QString& text) {
    WhenModal([text](QWidget& dialog) {
      WaitForListing(dialog);
      QTest::keyClicks(KeyTarget(), text);
      QTest::keyClick(KeyTarget(), Qt::Key_Return);
    });
  }

  QTemporaryDir dir_;
};

TEST_F(FileDialogRun, OpenGivesTheChosenFileOrFilesAndNothingAfterEscape) {
  TypeAndEnter("b.txt");
  EXPECT_EQ(RunFileOpenDialog({"Open", "Text|*.txt", Start(), false}, QApplication::font(), nullptr),
            QStringList{Path("b.txt")});
  TypeAndEnter("\"a.txt\" \"b.txt\"");
  EXPECT_EQ(RunFileOpenDialog({"Open", "", Start(), true}, QApplication::font(), nullptr),
            (QStringList{Path("a.txt"), Path("b.txt")}));
  WhenModalPress({Qt::Key_Escape});
  EXPECT_TRUE(RunFileOpenDialog({"Open", "", Start(), false}, QApplication::font(), nullptr).isEmpty());
}

TEST_F(FileDialogRun, SaveDropsTrailingDotsAndAsksAboutTheFileItWillWrite) {
  QString asked;
  WhenModal([&asked](QWidget& dialog) {
    WaitForListing(dialog);
    // The overwrite question opens inside the Return below.
    WhenModal([&asked](QWidget& question) {
      auto* box = qobject_cast<QMessageBox*>(&question);
      ASSERT_NE(box, nullptr);
      asked = box->text();
      QTest::keyClick(box->button(QMessageBox::Yes), Qt::Key_Space);
    });
    QTest::keyClicks(KeyTarget(), "report...");
    QTest::keyClick(KeyTarget(), Qt::Key_Return);
  });
  EXPECT_EQ(RunFileSaveDialog({"Save", "", Start(), false}, QApplication::font(), nullptr),
            QStringList{Path("report")});
  EXPECT_TRUE(asked.contains("report")) << asked.toStdString();
  EXPECT_FALSE(asked.contains("report...")) << asked.toStdString();

  // A new name needs no question.
  TypeAndEnter("fresh.txt...");
  EXPECT_EQ(RunFileSaveDialog({"Save", "", Start(), false}, QApplication::font(), nullptr),
            QStringList{Path("fresh.txt")});
}

TEST_F(FileDialogRun, SaveProposesTheNameOfTheStartFileAndNothingForAFolder) {
  QString proposed = "unset";
  WhenModal([&proposed](QWidget&) {
    if (auto* edit = qobject_cast<QLineEdit*>(KeyTarget())) proposed = edit->text();
    QTest::keyClick(KeyTarget(), Qt::Key_Return);
  });
  EXPECT_EQ(RunFileSaveDialog({"", "", Start("new.txt"), false}, QApplication::font(), nullptr),
            QStringList{Path("new.txt")});
  EXPECT_EQ(proposed, "new.txt");

  WhenModal([&proposed](QWidget& dialog) {
    if (auto* edit = qobject_cast<QLineEdit*>(KeyTarget())) proposed = edit->text();
    qobject_cast<QDialog*>(&dialog)->reject();
  });
  EXPECT_TRUE(RunFileSaveDialog({"", "", Start("sub"), false}, QApplication::font(), nullptr).isEmpty());
  EXPECT_EQ(proposed, "");
}

TEST_F(FileDialogRun, FolderOpensAtTheStartFolderWithANewFolderButton) {
  bool newFolderButton = false;
  WhenModal([&newFolderButton](QWidget& dialog) {
    auto* button = dialog.findChild<QToolButton*>("newFolderButton");
    newFolderButton = button != nullptr && button->isVisible() && button->isEnabled();
    QTest::keyClick(KeyTarget(), Qt::Key_Return);
  });
  EXPECT_EQ(RunFolderDialog({"Where?", "", Start("sub") + "/", false}, QApplication::font(), nullptr),
            QStringList{Path("sub")});
  EXPECT_TRUE(newFolderButton);
  WhenModalPress({Qt::Key_Escape});
  EXPECT_TRUE(RunFolderDialog({"Where?", "", Start(), false}, QApplication::font(), nullptr).isEmpty());
}

}  // namespace
}  // namespace orv::test
