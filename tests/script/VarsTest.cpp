#include "script/Vars.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include "base/HostPath.h"
#include "script/HeadlessVarHost.h"
#include "script/PlatformValues.h"
#include "script/VarNames.h"

namespace orv {
namespace {

struct Recorder : TVarChangeReceiver {
  std::vector<std::pair<std::string, std::string>> changes;
  int cleared = 0;
  void VariableChanged(std::string_view name, std::string_view value) override {
    changes.emplace_back(name, value);
  }
  void AllVariablesCleared() override { ++cleared; }
};

class VarsTest : public ::testing::Test {
 protected:
  VarsTest() { vars.Notifier().SubscribeAll(&all); }
  ~VarsTest() override { vars.Notifier().UnsubscribeAll(&all); }
  std::string Last() { return vars.GetVar("LastError"); }

  THeadlessVarHost host;
  TVars vars{host};
  Recorder all;
};

TEST_F(VarsTest, SubstitutionEdgeCases) {
  vars.SetVar("i", "3");
  vars.SetVar("Arr3", "third");
  vars.SetVar("x", "ex");
  vars.SetVar("name", "[i]");
  struct Case {
    const char* text;
    const char* out;
  } cases[] = {
      {"Total: [Missing]", "Total: "},
      {"50]% off", "50"},
      {"x[#65]y]z", "xAy"},
      {"[#65][#66]", "AB"},
      {"[#300]", "\xFF"},
      {"abc[def", "abc"},
      {"[]x]", "ex"},  // the empty pair is passed over
      {"[[]x]", ""},   // the inner reference reads x; the outer one never closes
      {"[Arr[i]]", "third"},
      {"[ARR[I]]!", "third!"},
      {"[name]", "[i]"},  // values are not substituted again
  };
  for (const Case& c : cases) EXPECT_EQ(vars.SubstituteVars(c.text), c.out) << c.text;
  EXPECT_EQ(vars.SubstituteVars("[#x]"), std::string(1, '\0'));
  EXPECT_EQ(vars.SubstituteVars("[#-5]"), std::string(1, '\0'));
  EXPECT_EQ(vars.SubstituteVars("[Missing]+1", true), "0+1");
  EXPECT_EQ(vars.SubstituteVars("[Arr[i]]", false, true), "Arr3");
  EXPECT_EQ(vars.GetVar("Arr[i]"), "third");
  EXPECT_EQ(vars.GetVar("[Arr[i]"), "third");
}

TEST_F(VarsTest, SimpleNamesGiveTheKeyOfTheGeneralRoute) {
  // Lookups of names without nested references skip normalising and
  // substituting; the key must be the one that route gives.
  vars.SetVar("i", "3");
  struct Case {
    const char* name;
    bool simple;
  } cases[] = {
      {"Count", true},    {"[Count]", true},   {"[Count", true},  {"Count]", true},    {"[ a b ]", true},
      {"[#65]", true},    {"x=y", true},       {"", false},       {"[", false},        {"]", false},
      {"[]", false},      {"[Arr[i]]", false}, {"Arr[i]", false}, {"[x]]", false},     {"[[x]", false},
      {" [x]", false},    {"a]]", false},      {"[[]]", false},
  };
  std::string both = "[i]";
  vars.GetVarInto(both, both);  // the name read from the very text it is written to
  EXPECT_EQ(both, "3");
  for (const Case& c : cases) {
    const auto key = SimpleVarKey(c.name);
    EXPECT_EQ(key.has_value(), c.simple) << c.name;
    if (key) {
      EXPECT_EQ(*key, vars.SubstituteVars(NormalizeVarName(c.name), false, true)) << c.name;
    }
  }
}

TEST_F(VarsTest, CharacterZeroStaysInsideTheText) {
  vars.SetVar("v", vars.SubstituteVars("a[#0]b"));
  const std::string v = vars.GetVar("v");
  ASSERT_EQ(v.size(), 3u);
  EXPECT_EQ(v[1], '\0');
  EXPECT_EQ(vars.SubstituteVars("<[v]>"), std::string("<a\0b>", 5));
}

TEST_F(VarsTest, DeeplyNestedReferencesEndTheTextInsteadOfTheStack) {
  const std::string text = "ok" + std::string(100000, '[') + "x" + std::string(100000, ']');
  EXPECT_EQ(vars.SubstituteVars(text), "ok");
}

TEST_F(VarsTest, AssignmentCreatesChangesAndDeletes) {
  vars.SetVar("[Count]", "1");
  EXPECT_EQ(vars.GetVar("count"), "1");
  vars.SetVar("Count", "1");  // same value: nothing sent
  vars.SetVar("COUNT", "2");
  vars.SetVar("Count", "");
  EXPECT_EQ(vars.Globals().Find("Count"), nullptr);
  vars.SetVar("Never", "");  // creates nothing, still notifies
  EXPECT_EQ(vars.Globals().Count(), 0u);
  const std::vector<std::pair<std::string, std::string>> expected = {
      {"[COUNT]", "1"}, {"[COUNT]", "2"}, {"[COUNT]", ""}, {"[NEVER]", ""}};
  EXPECT_EQ(all.changes, expected);
}

TEST_F(VarsTest, AssignmentsKeepTheirPlaceInTheStore) {
  vars.SetVar("b", "1");
  vars.SetVar("a", "2");
  vars.SetVar("B", "3");
  std::vector<std::string> order;
  for (const VarEntry& e : vars.Globals()) order.push_back(e.Name + "=" + e.Value);
  EXPECT_EQ(order, (std::vector<std::string>{"b=3", "a=2"}));
}

TEST_F(VarsTest, ReadOnlySystemVariableRefusesWithItsName) {
  all.changes.clear();
  vars.SetVar("[PageTitle]", "x");
  EXPECT_EQ(Last(), "Impossibile modificare il valore di una variabile globale di sola lettura [PageTitle].");
  ASSERT_EQ(all.changes.size(), 1u);  // only the LastError assignment
  EXPECT_EQ(all.changes[0].first, "[LASTERROR]");
  EXPECT_EQ(host.ShownErrors().size(), 1u);
  vars.SetErrorDisplay(false);
  vars.SetVar("[OVMode]", "x");
  EXPECT_EQ(host.ShownErrors().size(), 1u);
}

TEST_F(VarsTest, TypedAssignments) {
  struct Case {
    const char* type;
    const char* format;
    const char* value;
    const char* stored;  // nullptr: refused, the old value kept
    const char* error;
  } cases[] = {
      {"Integer", "", "abc", nullptr, "\"abc\" \xE8 un valore numerico intero non valido."},
      {"Integer", "", "7.9", nullptr, nullptr},
      {"Integer", "", "2147483648", nullptr, nullptr},
      {"Integer", "", "$1F", "31", nullptr},
      {"Integer", "", "0x1F", "31", nullptr},
      {"Integer", "", " -12", "-12", nullptr},
      {"Integer", "", "", "0", nullptr},
      {"Boolean", "", "yes", "True", nullptr},
      {"Boolean", "", "maybe", nullptr, "\"maybe\" \xE8 un valore booleano non valido."},
      {"Decimal", "3", "2.5", "2.500", nullptr},
      {"Decimal", "x", "2.5", "2.50", nullptr},
      {"Currency", "", "12abc", "12.00", nullptr},
      {"Currency", "", "12,5", "12.50", nullptr},      // lenient: "," reads as the point
      {"Currency", "", "1,234.5", "0.00", nullptr},    // two points: not a number
      {"String", "", "007", "007", nullptr},
      {"Date", "dd/mm/yyyy", "3-4-2024", "03/04/2024", nullptr},
      {"Date", "dd/mm/yyyy", "31-2-2024", nullptr, "\"31-2-2024\" \xE8 un valore di data non valido."},
  };
  int n = 0;
  for (const Case& c : cases) {
    const std::string name = "t" + std::to_string(n++);
    ASSERT_TRUE(vars.DefineVar(name, c.type, c.format, false)) << c.type;
    const std::string before = vars.GetVar(name);
    vars.ClearLastError();
    all.changes.clear();
    vars.SetVar(name, c.value);
    EXPECT_EQ(vars.GetVar(name), c.stored ? c.stored : before) << c.type << " " << c.value;
    EXPECT_EQ(vars.Globals().ConversionFailed, c.stored == nullptr) << c.value;
    if (c.error) {
      EXPECT_EQ(Last(), c.error);
    }
    if (!c.stored) {
      EXPECT_FALSE(Last().empty()) << c.value;
    }
  }
}

TEST_F(VarsTest, EmptyValueResetsTypedVariablesButKeepsThem) {
  vars.DefineVar("n", "Integer", "", false);
  vars.SetVar("n", "5");
  vars.SetVar("n", "");
  ASSERT_NE(vars.Globals().Find("n"), nullptr);
  EXPECT_EQ(vars.GetVar("n"), "0");
}

TEST_F(VarsTest, DefineVarRules) {
  EXPECT_FALSE(vars.DefineVar("u", "Undefined", "", false));  // global Undefined creates nothing
  EXPECT_EQ(vars.Globals().Count(), 0u);
  EXPECT_FALSE(vars.DefineVar("x", "Float", "", false));
  EXPECT_EQ(Last(), "\"Float\" \xE8 un tipo di variabile non valida.");
  EXPECT_FALSE(vars.DefineVar("PageTitle", "String", "", false));
  EXPECT_EQ(Last(), "Impossibile modificare il tipo di variabile globale \"[PageTitle]\".");
  EXPECT_TRUE(vars.DefineVar("n", " integer ", "", false));
  EXPECT_EQ(vars.VarType("[n]"), vtInteger);
  EXPECT_FALSE(vars.DefineVar("n", "Integer", "", false));  // unchanged
  vars.SetVar("n", "42");
  EXPECT_TRUE(vars.DefineVar("n", "Decimal", "1", false));
  EXPECT_EQ(vars.GetVar("n"), "42.0");
  EXPECT_TRUE(vars.DefineVar("n", "Boolean", "", false));  // "42.0" is no truth word
  EXPECT_EQ(vars.GetVar("n"), "False");
  vars.DefineVar("d", "Date", "dd/mm/yyyy", false);
  vars.SetVar("d", "25/12/2023");
  EXPECT_TRUE(vars.DefineVar("d", "Date", "yyyy-mm-dd", false));
  EXPECT_EQ(vars.GetVar("d"), "2023-12-25");
  EXPECT_TRUE(vars.DefineVar("d", "Undefined", "", false));
  EXPECT_EQ(vars.VarType("d"), vtUndefined);
  EXPECT_EQ(vars.GetVar("d"), "2023-12-25");
}

TEST_F(VarsTest, LocalVariablesBelongToOneScriptRun) {
  vars.SetVar("g", "global");
  {
    TLocalScope caller(vars);
    ASSERT_TRUE(vars.DefineVar("g", "Undefined", "", true));
    vars.SetVar("g", "local");
    EXPECT_EQ(vars.GetVar("g"), "local");
    {
      TLocalScope subroutine(vars);
      EXPECT_EQ(vars.GetVar("g"), "global");  // the caller's local is not visible
      vars.DefineVar("inner", "String", "", true);
      vars.SetVar("inner", "i");
    }
    EXPECT_EQ(vars.GetVar("inner"), "");
    vars.SetVar("g", "");  // a local Undefined stays, empty
    ASSERT_NE(vars.Locals()->Find("g"), nullptr);
  }
  EXPECT_EQ(vars.Locals(), nullptr);
  EXPECT_EQ(vars.GetVar("g"), "global");
}

TEST_F(VarsTest, ReceiversSubscribeByName) {
  Recorder title, other;
  vars.Notifier().Subscribe("[Title]", &title);
  vars.Notifier().Subscribe("other", &other);
  vars.SetVar("TITLE", "a");
  vars.SetVar("x", "b");
  EXPECT_EQ(title.changes, (std::vector<std::pair<std::string, std::string>>{{"[TITLE]", "a"}}));
  EXPECT_TRUE(other.changes.empty());
  vars.Notifier().UnsubscribeAll(&title);
  vars.Notifier().UnsubscribeAll(&other);
  vars.SetVar("title", "c");
  EXPECT_EQ(title.changes.size(), 1u);
  vars.ClearAllVariables();
  EXPECT_EQ(all.cleared, 1);
  EXPECT_EQ(vars.Globals().Count(), 0u);
}

TEST_F(VarsTest, ReceiverMayAssignAndUnsubscribeWhileNotified) {
  struct Chain : TVarChangeReceiver {
    TVars* vars;
    std::vector<std::string> seen;
    void VariableChanged(std::string_view name, std::string_view value) override {
      seen.emplace_back(std::string(name) + "=" + std::string(value));
      if (name == "[A]") {
        vars->Notifier().Unsubscribe("A", this);
        vars->SetVar("A", "changed inside");
        vars->SetVar("B", std::string(value) + "!");
      }
    }
  } chain;
  chain.vars = &vars;
  vars.Notifier().Subscribe("A", &chain);
  vars.Notifier().Subscribe("B", &chain);
  vars.SetVar("A", "first");
  EXPECT_EQ(chain.seen, (std::vector<std::string>{"[A]=first", "[B]=first!"}));
  EXPECT_EQ(vars.GetVar("A"), "changed inside");
  vars.Notifier().UnsubscribeAll(&chain);
}

TEST_F(VarsTest, SystemVariables) {
  DateParts p;
  p.Year = 2024; p.Month = 3; p.Day = 9; p.Hour = 15; p.Minute = 4; p.Second = 5;
  host.HoldClock(EncodeDateTime(p));
  host.SetPages({true, "Intro", 3, 5});
  struct Case {
    const char* text;
    const char* out;
  } cases[] = {
      {"[Time]", "3:04:05 PM"}, {"[Time24]", "15:04:05"}, {"[Hour]", "15"}, {"[Minute]", "04"},
      {"[Second][Second]", "0505"}, {"[DateShort]", "3/9/2024"}, {"[Month]", "March"},
      {"[MonthNum]", "3"}, {"[Day]", "Saturday"}, {"[DayNum]", "9"}, {"[Year]", "2024"},
      {"[PageTitle]", "Intro"}, {"[PageNumber]/[P]", "3/3"}, {"[PageCount]", "5"},
      {"[PageNumberLeft],[PageNumberRight]", "5,6"}, {"[OrvalisVersion]", "570.0"},
      {"[Embedded]", "embedded:\\\\\\"}, {"[DecimalSymbol]", "."}, {"[WindowWidth]", "800"},
      {"[OVType]", "A"},
  };
  for (const Case& c : cases) EXPECT_EQ(vars.SubstituteVars(c.text), c.out) << c.text;
  vars.SetVar("PageNumberOffset", "2");
  EXPECT_EQ(vars.SubstituteVars("[PageNumber] [PageNumberLeft] [PageNumberOffset]"), "1 3 2");
  vars.SetVar("WindowWidth", "640");
  EXPECT_EQ(vars.GetVar("windowwidth"), "640");
  EXPECT_EQ(vars.Globals().Count(), 0u);  // written to the host, not stored
  vars.SetVar("DecimalSymbol", ",");
  EXPECT_EQ(vars.DecimalSymbol(), ',');
  vars.DefineVar("c", "Currency", "", false);
  EXPECT_EQ(vars.GetVar("c"), "0,00");
  vars.SetVar("DecimalSymbol", "ab");
  EXPECT_EQ(vars.DecimalSymbol(), LocaleDecimalSymbol());
  host.SetPages({});
  EXPECT_EQ(vars.SubstituteVars("<[PageTitle][PageNumber][PageNumberLeft]>"), "<>");
  vars.SetSelf("Button1");
  EXPECT_EQ(vars.GetVar("Self"), "Button1");
}

TEST_F(VarsTest, CurrentDirectoryWrites) {
  char buf[4096];
  ASSERT_NE(::getcwd(buf, sizeof buf), nullptr);
  const std::string saved = buf;
  vars.SetVar("CurrentDir", "/tmp");
  EXPECT_TRUE(vars.ScriptSetCurrentDir());
  EXPECT_EQ(vars.GetVar("CurrentDir").back(), '/');
  vars.SetVar("CurrentDir", "/no/such/folder/here");
  EXPECT_FALSE(vars.ScriptSetCurrentDir());
  EXPECT_EQ(Last(), "Percorso inesistente.");
  ASSERT_EQ(::chdir(saved.c_str()), 0);
}

TEST_F(VarsTest, PlatformValuesHaveTheirLinuxForm) {
  for (SystemVar v : {svSystemDir, svWindowsDir, svTempDir, svMyDocuments, svProgramFiles}) {
    const std::string value = vars.GetVar(SystemVarInfo(v).Name);
    ASSERT_FALSE(value.empty()) << SystemVarInfo(v).Name;
    EXPECT_EQ(value.back(), '/') << SystemVarInfo(v).Name;
    EXPECT_FALSE(PlatformEquivalent(v).empty());
  }
  EXPECT_EQ(vars.GetVar("WindowsPlatform"), "2");
  const std::string ver = vars.GetVar("WindowsVer");
  EXPECT_NE(ver.find('.'), std::string::npos) << ver;
  const std::string cd = vars.GetVar("CDRomDrive");
  EXPECT_TRUE(cd == "Error" || cd.back() == '/');
  EXPECT_FALSE(vars.GetVar("UserName").empty());
}

TEST_F(VarsTest, ArrayBoundsCountNumberedElements) {
  for (const char* name : {"Arr1", "Arr2", "Arr5", "Arrow", "Arr-3x", "Other7"}) vars.SetVar(name, "v");
  const ArrayBoundsRec b = vars.ArrayBounds("arr");
  EXPECT_EQ(b.Count, 3);
  EXPECT_EQ(b.Lowest, 1);
  EXPECT_EQ(b.Highest, 5);
  EXPECT_EQ(vars.ArrayBounds("none").Count, 0);
}

}  // namespace
}  // namespace orv
