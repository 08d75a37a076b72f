// The dialog commands run as scripts, each dialog answered by keys: what
// lands in the result variable and in "[LastError]".
#include <gtest/gtest.h>

#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>

#include "commands/files/CommandScriptFixture.h"
#include "commands/navigation/DialogCommands.h"
#include "commands/navigation/ModalAnswer.h"

namespace orv::test {
namespace {

class DialogCommandTest : public CommandScriptTest {
 protected:
  DialogCommandTest() { RegisterDialogCommands(engine.Commands()); }

  // The modal dialog's texts, as it showed them.
  static QStringList LabelsOf(QWidget& dialog) {
    QStringList texts;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
      if (!label->text().isEmpty()) texts << label->text();
    return texts;
  }
  void Touch(const QString& name) {
    QFile file(QString::fromStdString(dir / name.toStdString()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
  }
  // Once the open file dialog lists its folder, `text` and Return.
  static void TypeIntoFileDialog(const QString& text) {
    WhenModal([text](QWidget& dialog) {
      auto* model = dialog.findChild<QFileSystemModel*>();
      ASSERT_NE(model, nullptr);
      EXPECT_TRUE(QTest::qWaitFor([model] { return model->rowCount(model->index(model->rootPath())) > 0; }));
      TypeInto(KeyTarget(), text);
      QTest::keyClick(KeyTarget(), Qt::Key_Return);
    });
  }
};

struct MessageCase {
  const char* captions;
  std::vector<Qt::Key> keys;
  const char* result;
};

class MessageBoxCommand : public DialogCommandTest, public ::testing::WithParamInterface<MessageCase> {};

TEST_P(MessageBoxCommand, WritesTheNumberOfTheButtonPressed) {
  WhenModalPress(GetParam().keys);
  vars.SetVar("R", "unset");
  Run((std::string(R"(MessageBox "Title" "Go on?" ")") + GetParam().captions + R"(" "[R]")").c_str());
  EXPECT_EQ(Var("R"), GetParam().result);
}

INSTANTIATE_TEST_SUITE_P(Cases, MessageBoxCommand,
                         ::testing::Values(MessageCase{"Yes|No|Maybe", {Qt::Key_Return}, "1"},
                                           MessageCase{"Yes|No|Maybe", {Qt::Key_Tab, Qt::Key_Return}, "2"},
                                           MessageCase{"Yes|No|Maybe", {Qt::Key_Escape}, "0"},
                                           MessageCase{"", {Qt::Key_Return, Qt::Key_Escape}, "0"}),
                         [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(DialogCommandTest, AlertBoxShowsTitleAndLinesAndTheScriptGoesOn) {
  QString title;
  QStringList texts;
  WhenModal([&](QWidget& dialog) {
    title = dialog.windowTitle();
    texts = LabelsOf(dialog);
    QTest::keyClick(KeyTarget(), Qt::Key_Return);
  });
  Run({R"(AlertBox "Attenzione" "Prima riga|seconda riga")", R"(SetVar "[After]" "yes")"});
  EXPECT_EQ(title, "Attenzione");
  EXPECT_TRUE(texts.contains("Prima riga\nseconda riga")) << texts.join(",").toStdString();
  EXPECT_EQ(Var("After"), "yes");
}

TEST_F(DialogCommandTest, InputBoxStartsWithTheValueAndCancelEmptiesIt) {
  vars.SetVar("Name", "Ann");
  QString shown;
  WhenModal([&shown](QWidget&) {
    const auto* field = qobject_cast<QLineEdit*>(KeyTarget());
    shown = field != nullptr ? field->text() : "no field";
    TypeInto(KeyTarget(), QString::fromUtf8("Zoë"));
    QTest::keyClick(KeyTarget(), Qt::Key_Return);
  });
  Run(R"(InputBox "Who" "Your name" "[Name]")");
  EXPECT_EQ(shown, "Ann");
  EXPECT_EQ(Var("Name"), "Zo\xEB");

  WhenModal([](QWidget&) {
    TypeInto(KeyTarget(), "Bob");
    QTest::keyClick(KeyTarget(), Qt::Key_Escape);
  });
  Run(R"(InputBox "Who" "Your name" "[Name]")");
  EXPECT_EQ(Var("Name"), "");
}

TEST_F(DialogCommandTest, FileOpenBoxJoinsSeveralChoicesAndEmptiesOnCancel) {
  Touch("one.txt");
  Touch("two.txt");
  vars.SetVar("LastError", "old");
  TypeIntoFileDialog("\"one.txt\" \"two.txt\"");
  Run(R"(FileOpenBox "Pick" "Text|*.txt" "[PubDir]" "[F]" "multiple")");
  EXPECT_EQ(Var("F"), dir / "one.txt;" + dir / "two.txt");
  EXPECT_EQ(LastError(), "");

  WhenModalPress({Qt::Key_Escape});
  Run(R"(FileOpenBox "Pick" "Text|*.txt" "[PubDir]" "[F]" "")");
  EXPECT_EQ(Var("F"), "");
}

TEST_F(DialogCommandTest, ANameWindows1252CannotHoldLeavesTheVariableEmpty) {
  Touch(QString::fromUtf8("ĳ.txt"));
  vars.SetVar("F", "previous");
  TypeIntoFileDialog(QString::fromUtf8("ĳ.txt"));
  Run(R"(FileOpenBox "Pick" "" "[PubDir]" "[F]" "")");
  EXPECT_EQ(Var("F"), "");
  EXPECT_EQ(LastError(), "Nome file o cartella non valido!");
}

TEST_F(DialogCommandTest, FileSaveBoxWritesTheNameWithoutTrailingDots) {
  Touch("keep.txt");
  TypeIntoFileDialog("notes...");
  Run(R"(FileSaveBox "Save as" "All|*.*" "[PubDir]keep.txt" "[F]")");
  EXPECT_EQ(Var("F"), dir / "notes");
}

TEST_F(DialogCommandTest, FolderBoxStartsAtTheVariablesFolder) {
  ASSERT_TRUE(QDir(QString::fromStdString(dir.Path())).mkdir("inner"));
  Touch("inner/x.txt");
  vars.SetVar("D", dir / "inner\\");
  WhenModalPress({Qt::Key_Return});
  Run(R"(FolderBox "Where" "[D]")");
  EXPECT_EQ(Var("D"), dir / "inner");
  WhenModalPress({Qt::Key_Escape});
  Run(R"(FolderBox "Where" "[D]")");
  EXPECT_EQ(Var("D"), "");
}

}  // namespace
}  // namespace orv::test
