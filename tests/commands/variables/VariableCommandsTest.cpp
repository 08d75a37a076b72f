#include "commands/variables/VariableCommands.h"

#include <gtest/gtest.h>

#include "script/HeadlessVarHost.h"

namespace orv {
namespace {

class VariableCommandsTest : public ::testing::Test {
 protected:
  std::vector<std::string> Names() {
    std::vector<std::string> out;
    for (const VarEntry& e : vars.Globals()) out.push_back(e.Name + "=" + e.Value);
    return out;
  }
  THeadlessVarHost host;
  TVars vars{host};
};

TEST_F(VariableCommandsTest, ArrayInfoAndDeletion) {
  for (const char* n : {"Arr1", "Arr2", "Arr5"}) vars.SetVar(n, "v");
  GetArrayInfoCommand(vars, "Arr", "lo", "hi", "n");
  EXPECT_EQ(vars.GetVar("lo"), "1");
  EXPECT_EQ(vars.GetVar("hi"), "5");
  EXPECT_EQ(vars.GetVar("n"), "3");

  DeleteArrayCommand(vars, "Arr", "2");
  EXPECT_EQ(vars.ArrayBounds("Arr").Count, 1);
  EXPECT_EQ(vars.GetVar("Arr5"), "v");
  DeleteArrayCommand(vars, "Arr", "all");
  EXPECT_EQ(vars.ArrayBounds("Arr").Count, 0);

  vars.SetVar("lo", "keep");
  GetArrayInfoCommand(vars, "Arr", "lo", "hi", "n");
  EXPECT_EQ(vars.GetVar("n"), "0");
  EXPECT_EQ(vars.GetVar("lo"), "keep");
}

TEST_F(VariableCommandsTest, DeleteArrayWithAHugeLastStopsAtTheHighestElement) {
  vars.SetVar("Q1", "a");
  vars.SetVar("Q3", "b");
  DeleteArrayCommand(vars, "Q", "9000000000000");
  EXPECT_EQ(vars.ArrayBounds("Q").Count, 0);
  DeleteArrayCommand(vars, "Q", "x");  // nothing left: nothing happens
}

TEST_F(VariableCommandsTest, ClearVariablesByListOrAll) {
  vars.SetVar("A", "1");
  vars.SetVar("B", "2");
  vars.SetVar("C", "3");
  ClearVariablesCommand(vars, "A,B");
  EXPECT_EQ(Names(), std::vector<std::string>{"C=3"});

  vars.DefineVar("n", "Integer", "", false);
  vars.SetVar("n", "5");
  vars.SetVar("D", "4");
  vars.DefineVar("s", "String", "", false);
  vars.SetVar("s", "text");
  vars.DefineVar("b", "Boolean", "", false);
  vars.SetVar("b", "yes");
  vars.SetVar("E", "5");
  ClearVariablesCommand(vars, "");
  // Typed ones stay with the conversion of the empty text; a Boolean keeps its
  // value and reports (the report itself is the one new variable).
  EXPECT_EQ(Names(), (std::vector<std::string>{"n=0", "s=", "b=True",
                                               "LastError=\"\" \xE8 un valore booleano non valido."}));
}

TEST_F(VariableCommandsTest, DefineVarCommandAssignsTheInitialValue) {
  std::vector<std::uint8_t> types;
  auto prepare = [&](std::string_view raw, std::uint8_t type) {
    types.push_back(type);
    return std::string(raw) + "0";
  };
  DefineVarCommand(vars, "n", " Integer ", "", " local ", "4", prepare);
  ASSERT_NE(vars.Locals(), nullptr);
  EXPECT_EQ(vars.Locals()->Find("n")->Value, "40");
  EXPECT_EQ(types, std::vector<std::uint8_t>{vtInteger});

  // Unchanged typed variable: the initial value is not assigned again.
  DefineVarCommand(vars, "n", "Integer", "", "Local", "7", prepare);
  EXPECT_EQ(vars.GetVar("n"), "40");

  // A global Undefined of a new name is still assigned its initial value.
  DefineVarCommand(vars, "g", "Undefined", "", "Global", "hello");
  EXPECT_EQ(vars.Globals().Find("g")->Value, "hello");
}

TEST_F(VariableCommandsTest, ValuePreparationFollowsTheVariableType) {
  EXPECT_FALSE(ValuePreparationFor(vtString).Evaluate);
  EXPECT_FALSE(ValuePreparationFor(vtDate).Evaluate);
  EXPECT_TRUE(ValuePreparationFor(vtCurrency).CurrencyMode);
  EXPECT_TRUE(ValuePreparationFor(vtUndefined).Evaluate);
  EXPECT_FALSE(ValuePreparationFor(vtUndefined).CurrencyMode);
  SetVarCommand(vars, "x", "1");
  EXPECT_EQ(vars.GetVar("x"), "1");
}

}  // namespace
}  // namespace orv
