// The list commands on real list and combo boxes: indices and the words
// "ALL" and "SELECTED", the "ALL" line rule, sorting once or for good, the
// combo box's 255 characters, and the bound variable that follows every
// change.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "TypeCommandWindow.h"
#include "commands/objects/ListBoxCommands.h"
#include "objects/InputObjects.h"

namespace orv {
namespace {

using test::ObjectLines;

std::string Joined(const std::vector<std::string>& items) {
  std::string text;
  for (std::size_t i = 0; i < items.size(); ++i) text += (i > 0 ? "," : "") + items[i];
  return text;
}

TEST(AllItemsOfTest, BreaksAndBarsEachEndAnItem) {
  struct Case {
    const char* text;
    const char* items;
  } cases[] = {
      {"", ""},
      {"a", "a"},
      {"a|b", "a,b"},
      {"a\r\nb", "a,b"},
      {"a\r\n|b", "a,,b"},
      {"a||b", "a,,b"},
      {"a\rb\nc", "a,b,c"},
      {"a|", "a"},
      {"|", ""},
      {"||", ","},
  };
  for (const Case& c : cases) EXPECT_EQ(Joined(AllItemsOf(c.text)), c.items) << c.text;
}

class ListBoxCommandsTest : public test::TypeCommandWindow {
 protected:
  // A list box "L" with A, B, C bound to [Choice], a multi-select list box
  // "M" with the same items, a combo box "C" and a rectangle "R".
  bool OpenLists() {
    return Open("NewPage=One\r\n" +
                ObjectLines(10, "L", QRect(10, 10, 100, 120), {"Text=A\xB6" "B\xB6" "C", "VarName=Choice",
                                                             "ObjAction=SetVar \"[Log]\" \"[Log]+\""}) +
                ObjectLines(10, "M", QRect(120, 10, 100, 120), {"Text=A\xB6" "B\xB6" "C", "MultiSelect=Yes"}) +
                ObjectLines(11, "C", QRect(230, 10, 100, 20), {"Text=A\xB6" "B\xB6" "C"}) +
                ObjectLines(5, "R", QRect(10, 200, 20, 20)));
  }
  std::string Items(const std::string& name) { return Joined(Find<TOrvalisListObject>(name)->Items()); }
};

TEST_F(ListBoxCommandsTest, GetItemSizeAndFind) {
  ASSERT_TRUE(OpenLists());
  struct Case {
    const char* line;
    const char* value;  // of [V]
  } cases[] = {
      {"ListBoxGetItem \"L\" \"2\" \"[V]\"", "B"},
      {"ListBoxGetItem \"L\" \"0\" \"[V]\"", ""},
      {"ListBoxGetItem \"L\" \"4\" \"[V]\"", ""},
      {"ListBoxGetItem \"L\" \"two\" \"[V]\"", ""},
      {"ListBoxGetItem \"L\" \"all\" \"[V]\"", "A|B|C"},
      {"ListBoxGetItem \"C\" \"ALL\" \"[V]\"", "A|B|C"},
      {"ListBoxGetItem \"L\" \"selected\" \"[V]\"", ""},
      {"ListBoxSize \"C\" \"[V]\"", "3"},
      {"ListBoxFindItem \"L\" \"c\" \"[V]\"", "3"},
      {"ListBoxFindItem \"L\" \"D\" \"[V]\"", "0"},
      {"ListBoxSize \"R\" \"[V]\"", "untouched"},
  };
  for (const Case& c : cases) {
    vars.SetVar("[V]", "untouched");
    Run(c.line);
    EXPECT_EQ(Var("V"), c.value) << c.line;
  }
}

TEST_F(ListBoxCommandsTest, ChangesByIndex) {
  struct Case {
    const char* line;
    const char* list;   // the box the line changes
    const char* items;  // its items afterwards
  } cases[] = {
      {"ListBoxAddItem \"L\" \"1\" \"Z\"", "L", "Z,A,B,C"},
      {"ListBoxAddItem \"L\" \"3\" \"Z\"", "L", "A,B,Z,C"},
      {"ListBoxAddItem \"L\" \"0\" \"Z\"", "L", "A,B,C,Z"},
      {"ListBoxAddItem \"L\" \"9\" \"Z\"", "L", "A,B,C,Z"},
      {"ListBoxAddItem \"L\" \"ALL\" \"[Lines]\"", "L", "A,B,C,x,y,z"},
      // "ALL" adds the text as one item to a combo box.
      {"ListBoxAddItem \"C\" \"all\" \"x|y\"", "C", "A,B,C,x|y"},
      {"ListBoxDeleteItem \"L\" \"2\"", "L", "A,C"},
      {"ListBoxDeleteItem \"L\" \"0\"", "L", "A,B,C"},
      {"ListBoxDeleteItem \"L\" \"x\"", "L", "A,B,C"},
      {"ListBoxDeleteItem \"C\" \"aLL\"", "C", ""},
      // Only a multi-select list deletes its selection.
      {"ListBoxDeleteItem \"L\" \"SELECTED\"", "L", "A,B,C"},
      {"ListBoxChangeItem \"C\" \"3\" \"Q\"", "C", "A,B,Q"},
      {"ListBoxChangeItem \"C\" \"4\" \"Q\"", "C", "A,B,C"},
      {"ListBoxMoveItem \"L\" \"1\" \"3\"", "L", "B,C,A"},
      {"ListBoxMoveItem \"L\" \"3\" \"1\"", "L", "C,A,B"},
      {"ListBoxMoveItem \"L\" \"2\" \"2\"", "L", "A,B,C"},
      {"ListBoxMoveItem \"L\" \"1\" \"4\"", "L", "A,B,C"},
  };
  for (const Case& c : cases) {
    ASSERT_TRUE(OpenLists());
    vars.SetVar("[Lines]", "x|y\r\nz");
    Run(c.line);
    EXPECT_EQ(Items(c.list), c.items) << c.line;
  }
}

TEST_F(ListBoxCommandsTest, SelectedDeletesTheSelectionOfAMultiSelectList) {
  ASSERT_TRUE(OpenLists());
  auto* multi = Find<TOrvalisListObject>("M");
  multi->SetItemSelected(0, true);
  multi->SetItemSelected(2, true);
  Run("ListBoxDeleteItem \"M\" \"Selected\"");
  EXPECT_EQ(Items("M"), "B");
  EXPECT_FALSE(multi->ItemSelected(0));
}

TEST_F(ListBoxCommandsTest, SortOnceOrForGood) {
  ASSERT_TRUE(Open("NewPage=One\r\n" + ObjectLines(10, "L", QRect(10, 10, 100, 120), {"Text=b\xB6" "C\xB6" "a"}) +
                   ObjectLines(11, "C", QRect(120, 10, 100, 20), {"Text=b\xB6" "C\xB6" "a"})));
  // Empty: sorted once, later items come at the end.
  RunLines({"ListBoxSort \"L\" \"\"", "ListBoxAddItem \"L\" \"\" \"A0\""});
  EXPECT_EQ(Items("L"), "a,b,C,A0");
  // A true word keeps it sorted, a false word lets it be.
  RunLines({"ListBoxSort \"L\" \"Yes\"", "ListBoxAddItem \"L\" \"\" \"B0\""});
  EXPECT_EQ(Items("L"), "a,A0,b,B0,C");
  RunLines({"ListBoxSort \"L\" \"No\"", "ListBoxAddItem \"L\" \"\" \"0\""});
  EXPECT_EQ(Items("L"), "a,A0,b,B0,C,0");
  // A combo box always sorts once.
  RunLines({"ListBoxSort \"C\" \"True\"", "ListBoxAddItem \"C\" \"\" \"A0\""});
  EXPECT_EQ(Items("C"), "a,b,C,A0");
}

TEST_F(ListBoxCommandsTest, AComboBoxKeeps255Characters) {
  ASSERT_TRUE(OpenLists());
  const std::string longText(300, 'x');
  Run("ListBoxAddItem \"C\" \"\" \"" + longText + "\"");
  Run("ListBoxChangeItem \"C\" \"1\" \"" + longText + "\"");
  Run("ListBoxAddItem \"L\" \"\" \"" + longText + "\"");
  const auto& combo = Find<TOrvalisListObject>("C")->Items();
  EXPECT_EQ(combo.back(), std::string(255, 'x'));
  EXPECT_EQ(combo.front(), std::string(255, 'x'));
  EXPECT_EQ(Find<TOrvalisListObject>("L")->Items().back(), longText);
}

TEST_F(ListBoxCommandsTest, TheBoundVariableFollowsTheSelectionAndTheScrollExtentTheItems) {
  ASSERT_TRUE(OpenLists());
  auto* list = Find<TOrvalisListObject>("L");
  const int narrow = list->ScrollExtent();
  // Changes that leave the selection as it was leave the variable too.
  vars.SetVar("[Choice]", "Preset");
  Run("ListBoxAddItem \"L\" \"1\" \"Z\"");
  Run("ListBoxDeleteItem \"L\" \"1\"");
  EXPECT_EQ(Var("Choice"), "Preset");
  list->SetItemSelected(1, true);
  list->WriteSelection();
  ASSERT_EQ(Var("Choice"), "B");
  QCoreApplication::processEvents();
  vars.SetVar("[Log]", "");
  Run("ListBoxChangeItem \"L\" \"2\" \"Bee\"");
  EXPECT_EQ(Var("Choice"), "Bee");
  // The change script runs once the loop delivers it.
  QCoreApplication::processEvents();
  EXPECT_EQ(Var("Log"), "+");
  Run("ListBoxMoveItem \"L\" \"2\" \"1\"");
  EXPECT_EQ(Var("Choice"), "Bee");
  Run("ListBoxAddItem \"L\" \"\" \"A much longer item than the others\"");
  EXPECT_GT(list->ScrollExtent(), narrow);
  Run("ListBoxDeleteItem \"L\" \"1\"");
  EXPECT_EQ(Var("Choice"), "");
}

}  // namespace
}  // namespace orv
