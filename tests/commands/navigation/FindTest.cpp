// Find, FindFirst and FindNext over a small publication: a master page
// shown on one page and not on another, a group, objects that are hidden
// or outside the publication area, a button's caption, a page whose change
// is refused, a page whose enter action searches on (ignored while the
// search that turned to it runs), a list of pages naming one that does not
// exist, a text file a text window of a page shows, and texts that change
// under a match.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <string>
#include <vector>

#include "FindWindowFixture.h"
#include "objects/input/EditField.h"
#include "objects/input/ListObjects.h"
#include "objects/text/TextBlock.h"
#include "richtext/RichTextDocument.h"

namespace orv::test {
namespace {

std::string Text(const std::string& name, QRect at, const std::string& text,
                 std::initializer_list<std::string> keys = {}) {
  std::string lines = ObjectLines(8, name, at, keys);
  return lines + "Text=" + text + "\r\n";
}

std::string FixturePublication() {
  return "MasterPage\r\n" + Text("MFoot", QRect(0, 270, 400, 30), "Footer apple") +
         "NewPage=One\r\n" + Text("T1", QRect(10, 10, 200, 40), "Banana and apple pie, apple tart") +
         ObjectLines(20, "G", QRect(10, 60, 300, 60)) + "GroupBegin\r\n" +
         Text("GT", QRect(0, 0, 200, 40), "Inside the group: cherry apple") + "GroupEnd\r\n" +
         Text("Hidden", QRect(10, 130, 200, 30), "hidden apple", {"Visible=No"}) +
         Text("Out", QRect(500, 10, 200, 30), "outside apple") +
         ObjectLines(3, "B", QRect(10, 170, 120, 30)) + "Text=Apple button\r\n" +
         "NewPage=Two\r\nShowMasterPage=No\r\nPgEnterAction=FindNext\r\n" + Text("T2", QRect(10, 10, 200, 40), "Second page apple") +
         "NewPage=Locked\r\nShowMasterPage=No\r\n" + Text("TL", QRect(10, 10, 200, 40), "locked apple") +
         "NewPage=Three\r\nShowMasterPage=No\r\nPgEnterAction=TextWindow \"Story\" \"0\" \"0\" \"200\" \"100\" \"story.rtf\" \"\"\r\n" +
         Text("T3", QRect(10, 10, 200, 40), "third page");
}

struct FindCase {
  const char* name;
  std::vector<std::string> script;
  const char* page;   // current page afterwards
  const char* shown;  // Shown(): selections and flash
  int dialogs;        // not-found messages
  const char* lastError;
};

void PrintTo(const FindCase& c, std::ostream* os) { *os << c.name; }

class FindCases : public FindWindowFixture, public ::testing::WithParamInterface<FindCase> {};

TEST_P(FindCases, SearchTheScopeInItsOrder) {
  const FindCase& c = GetParam();
  ASSERT_TRUE(Open(FixturePublication()));
  // Nothing may turn to the page "Locked".
  form->Navigator().SetPageChangeAction(
      "If \"[PageChangeName]\" \"=\" \"Locked\"\r\nSetVar \"[PageChangeName]\" \"\"\r\nEndIf");
  vars.SetLastError("");
  for (const std::string& line : c.script) Run(line);
  QCoreApplication::processEvents();
  EXPECT_EQ(CurrentPage(), c.page);
  EXPECT_EQ(Shown(), c.shown);
  EXPECT_EQ(static_cast<int>(asked.size()), c.dialogs);
  EXPECT_EQ(Var("[LastError]"), c.lastError);
}

const char* kFirstAll = "FindFirst \"apple\" \"ALL\"";
const char* kNext = "FindNext";

INSTANTIATE_TEST_SUITE_P(
    Cases, FindCases,
    ::testing::Values(
        FindCase{"CurrentPageStartsWithTheMasterPage", {"FindFirst \"apple\" \"CURRENT\""}, "One", "MFoot=apple", 0, ""},
        FindCase{"EmptyScopeIsTheCurrentPage", {"FindFirst \"APPLE\" \"\""}, "One", "MFoot=apple", 0, ""},
        FindCase{"NextMatchInTheSameText", {kFirstAll, kNext}, "One", "T1=apple", 0, ""},
        FindCase{"ThenTheRestOfThatText", {kFirstAll, kNext, kNext}, "One", "T1=apple", 0, ""},
        FindCase{"ThenInsideTheGroup", {kFirstAll, kNext, kNext, kNext}, "One", "GT=apple", 0, ""},
        FindCase{"HiddenAndOutsideAreSkippedForTheCaption",
                 {kFirstAll, kNext, kNext, kNext, kNext}, "One", "flash B", 0, ""},
        FindCase{"FindNextCrossesToTheNextPage",
                 {kFirstAll, kNext, kNext, kNext, kNext, kNext}, "Two", "T2=apple", 0, ""},
        FindCase{"ARefusedChangeStopsWithoutSelecting",
                 {kFirstAll, kNext, kNext, kNext, kNext, kNext, kNext}, "Two", "", 0, ""},
        FindCase{"AfterTheRefusedMatchTheSearchGoesOnToTheEnd",
                 {kFirstAll, kNext, kNext, kNext, kNext, kNext, kNext, kNext}, "Two", "", 1, ""},
        FindCase{"APageWithoutTheMasterPageSkipsIt", {"FindFirst \"apple\" \"Two\"", kNext}, "Two", "", 1, ""},
        FindCase{"AListInItsOwnOrder", {"FindFirst \"cherry\" \"Two|One\""}, "One", "GT=cherry", 0, ""},
        FindCase{"AnUnknownPageInTheListEndsWithoutTheDialog",
                 {"FindFirst \"second\" \"Two|Nowhere|One\"", kNext}, "Two", "", 0,
                 "\"Nowhere\"||Pagina inesistente!"},
        FindCase{"NotFound", {"FindFirst \"zebra\" \"ALL\""}, "One", "", 1, ""},
        FindCase{"HiddenAndOutsideTextIsNotFound", {"FindFirst \"hidden\" \"ALL\"", "FindFirst \"outside\" \"ALL\""},
                 "One", "", 2, ""},
        FindCase{"WildcardsWithinAParagraph", {"FindFirst \"b?n*pie\" \"One\""}, "One", "T1=Banana and apple pie", 0,
                 ""},
        FindCase{"AStarAloneFindsNothing", {"FindFirst \"*\" \"ALL\"", "FindFirst \"**\" \"ALL\"", kNext}, "One", "",
                 2, ""},
        FindCase{"AnEmptyTextSearchesNothing", {"FindFirst \"\" \"ALL\"", kNext}, "One", "", 0, ""},
        FindCase{"FindNextWithoutASearchDoesNothing", {kNext}, "One", "", 0, ""}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FindWindowFixture, FindShowsTheWindowOnTopAndItsCloseButtonOnlyHidesIt) {
  ASSERT_TRUE(Open(FixturePublication()));
  Run("Find \"ALL\"");
  TFindForm& find = Find();
  EXPECT_TRUE(find.isVisible());
  EXPECT_TRUE(find.windowFlags() & Qt::WindowStaysOnTopHint);
  EXPECT_FALSE(find.isModal());
  EXPECT_EQ(find.windowTitle().toStdString(), "Trova");
  EXPECT_FALSE(find.FindFirstButton().isEnabled());
  find.Edit().setText("cherry");
  EXPECT_TRUE(find.FindFirstButton().isEnabled());
  EXPECT_FALSE(find.FindNextButton().isEnabled());
  find.FindFirstButton().click();
  EXPECT_EQ(Shown(), "GT=cherry");
  EXPECT_TRUE(find.FindNextButton().isEnabled());
  find.CloseButton().click();
  EXPECT_FALSE(find.isVisible());
  EXPECT_EQ(FindFormOf(*form), &find);
  // The search lives on: Find shows the last text again.
  Run("Find \"ALL\"");
  EXPECT_EQ(find.Edit().text().toStdString(), "cherry");
  CloseFindForm(*form);
  EXPECT_EQ(FindFormOf(*form), nullptr);
  Run("FindNext");
  EXPECT_EQ(FindFormOf(*form), nullptr);
}

TEST_F(FindWindowFixture, NotFoundAsksTheLocalisedMessageAndResetsTheSearch) {
  ASSERT_TRUE(Open(FixturePublication()));
  Run("FindFirst \"zebra\" \"ALL\"");
  ASSERT_EQ(asked.size(), 1u);
  EXPECT_EQ(asked[0].Title, "Trova");
  EXPECT_EQ(asked[0].Message, "Testo non trovato");
  EXPECT_EQ(asked[0].Captions, std::vector<std::string>{"Va bene"});
  EXPECT_FALSE(Find().State().Searching());
  EXPECT_FALSE(Find().FindNextButton().isEnabled());
}

// A text file only a text window of a page shows: the match turns to that
// page; without a window that can open, the search stops there unselected.
TEST_F(FindWindowFixture, TextFileOfATextWindowOpensItsWindowOrStops) {
  for (const bool opens : {false, true}) {
    SCOPED_TRACE(opens);
    asked.clear();
    ASSERT_TRUE(Open(FixturePublication()));
    WriteFile("story.rtf", "{\\rtf1 Once upon a time a dragon slept.}");
    rt::RichTextDocument story;
    rt::RichTextView view;
    std::vector<std::string> lines;
    if (opens)
      Find().OpenTextWindow = [&](const TFindFile& file) {
        lines.push_back(file.Line);
        story.Load("{\\rtf1 Once upon a time a dragon slept.}");
        view.SetRichText(&story);
        return &view;
      };
    Run("FindFirst \"dragon\" \"ALL\"");
    EXPECT_EQ(CurrentPage(), "Three");
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(Find().State().lastFile, "STORY.RTF");
    if (opens) {
      EXPECT_EQ(lines, std::vector<std::string>{
                           "TextWindow \"Story\" \"0\" \"0\" \"200\" \"100\" \"story.rtf\" \"\""});
      EXPECT_EQ(view.textCursor().selectedText().toStdString(), "dragon");
    }
    Run("FindNext");
    EXPECT_EQ(asked.size(), 1u);
  }
}

// The text changed under the last match: the next search starts within
// what the text holds now and goes on.
TEST_F(FindWindowFixture, AMatchTheTextNoLongerHasIsClamped) {
  ASSERT_TRUE(Open(FixturePublication()));
  Run("FindFirst \"tart\" \"One\"");
  ASSERT_EQ(Shown(), "T1=tart");
  auto* block = dynamic_cast<TOrvalisText*>(Object("T1"));
  ASSERT_NE(block, nullptr);
  block->SetTxt("tart");
  Run("FindNext");
  EXPECT_EQ(asked.size(), 1u);
  Run("FindFirst \"tart\" \"One\"");
  EXPECT_EQ(Shown(), "T1=tart");
}

// The flash inverts the object's rectangle on the page and puts it back:
// eight inversions, the last one leaving the page as it was.
TEST_F(FindWindowFixture, ACaptionMatchFlashesTheButtonEightTimes) {
  ASSERT_TRUE(Open(FixturePublication()));
  TOrvalisObj* button = Object("B");
  ASSERT_NE(button, nullptr);
  const QImage before = button->grab().toImage();
  Run("FindFirst \"button\" \"One\"");
  QPointer<TFindFlash> flash = Find().Flash();
  ASSERT_NE(flash, nullptr);
  EXPECT_TRUE(flash->Inverted());
  const QImage shown = flash->grab().toImage().convertToFormat(QImage::Format_RGB32);
  // Left of the caption, inside the bevel.
  const QPoint middle(8, before.height() / 2);
  EXPECT_EQ(shown.pixel(middle) & 0xFFFFFF, ~before.pixel(middle) & 0xFFFFFF);
  std::vector<bool> inverted;
  while (flash != nullptr && flash->Inversions() < TFindFlash::kInversions) {
    flash->Step();
    inverted.push_back(flash->Inverted());
  }
  EXPECT_EQ(inverted, (std::vector<bool>{false, true, false, true, false, true, false}));
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_EQ(flash, nullptr);
}

// A field's text is searched unless it is a password; a match shows
// selected, counted as the variable counts (a line break two), with no
// flash.
TEST_F(FindWindowFixture, AFieldShowsItsMatchSelectedAndAPasswordIsNotSearched) {
  ASSERT_TRUE(Open("NewPage=One\r\n" +
                   ObjectLines(9, "Secret", QRect(10, 10, 150, 24), {"Text=plum pie", "EditPassword=Yes"}) +
                   ObjectLines(9, "Memo", QRect(10, 50, 150, 60), {"Text=apple\xB6plum pie", "EditMultiLine=Yes"})));
  // The password field comes first on the page.
  Run("FindFirst \"plum\" \"One\"");
  auto* memo = dynamic_cast<TOrvalisEditField*>(Object("Memo"));
  ASSERT_NE(memo, nullptr);
  EXPECT_EQ(memo->SelectedText(), "plum");
  EXPECT_EQ(memo->SelectionStart(), 7);
  EXPECT_EQ(Find().Flash(), nullptr);
  Run("FindNext");
  EXPECT_EQ(asked.size(), 1u);
}

// An item match selects the item, leaves the variable to the reader and
// flashes the item's row in a list box, the whole box in a combo box.
TEST_F(FindWindowFixture, AnItemMatchSelectsTheItemAndFlashesItsRow) {
  const std::string items = "Text=alpha\xB6" "beta\xB6" "gamma pie";
  ASSERT_TRUE(Open("NewPage=One\r\n" +
                   ObjectLines(10, "L", QRect(10, 10, 150, 100), {items, "VarName=Pick", "ObjAction=" + Logs("c")}) +
                   ObjectLines(11, "C", QRect(200, 10, 150, 24), {"Text=red\xB6" "green pie"})));
  Run("FindFirst \"pie\" \"One\"");
  auto* list = dynamic_cast<TOrvalisListBox*>(Object("L"));
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->SelectedIndex(), 2);
  EXPECT_TRUE(list->List().item(2)->isSelected());
  QPointer<TFindFlash> flash = Find().Flash();
  ASSERT_NE(flash, nullptr);
  QListWidget& view = list->List();
  const QRect row = view.visualItemRect(view.item(2));
  EXPECT_EQ(flash->geometry(), QRect(list->PagePosition() + view.viewport()->mapTo(list, row.topLeft()), row.size()));
  QCoreApplication::processEvents();
  EXPECT_EQ(Var("[Pick]"), "");
  EXPECT_EQ(Var("[Log]"), "");

  Run("FindNext");
  auto* combo = dynamic_cast<TOrvalisListObject*>(Object("C"));
  ASSERT_NE(combo, nullptr);
  EXPECT_EQ(combo->SelectedIndex(), 1);
  ASSERT_NE(Find().Flash(), nullptr);
  EXPECT_EQ(Find().Flash()->geometry(), QRect(combo->PagePosition(), combo->size()));
}

}  // namespace
}  // namespace orv::test
