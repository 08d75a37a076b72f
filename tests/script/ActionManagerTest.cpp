#include "script/ActionManager.h"

#include <gtest/gtest.h>

#include <set>

#include "script/CommandIds.h"

namespace orv {
namespace {

TEST(BuiltInCommands, TableHas201CommandsWithIdsOneTo202Without32) {
  const auto table = BuiltInCommands();
  ASSERT_EQ(table.size(), 201u);
  std::set<int> ids;
  for (const auto& c : table) {
    EXPECT_TRUE(ids.insert(c.Id).second) << "duplicate id " << c.Id;
    EXPECT_LE(c.MinParams, c.MaxParams) << c.Name;
    for (int p = 0; p < kMaxParams; ++p) {
      if (p < c.MaxParams) EXPECT_TRUE(c.ParamTypes[p] >= 1 && c.ParamTypes[p] <= 9) << c.Name << " " << p;
      else EXPECT_EQ(c.ParamTypes[p], 0) << c.Name << " " << p;
    }
  }
  EXPECT_EQ(*ids.begin(), 1);
  EXPECT_EQ(*ids.rbegin(), 202);
  EXPECT_FALSE(ids.contains(32));
}

TEST(BuiltInCommands, SampleRowsMatchTheTable) {
  struct Row {
    std::size_t position;
    std::string_view name;
    int id, min, max;
    std::vector<std::uint8_t> types;
  } rows[] = {
      {0, "GotoPage", 17, 1, 1, {1}},
      {16, "Balloon", 2, 1, 4, {2, 3, 3, 3}},
      {26, "PlayCartoonFile", 31, 8, 8, {3, 3, 3, 3, 5, 3, 3, 1}},
      {80, "MoveObjectAlongPath", 164, 4, 5, {8, 1, 1, 1, 1}},
      {178, "Call", 70, 1, 1, {1}},
      {194, "SetVar", 46, 2, 2, {6, 4}},
      {196, "SaveVariables", 73, 1, 1, {1}},
      {198, "ClearVariables", 75, 0, 1, {6}},
      {200, "GetArrayInfo", 194, 4, 4, {6, 6, 6, 6}},
  };
  const auto table = BuiltInCommands();
  for (const Row& r : rows) {
    const auto& c = table[r.position];
    EXPECT_EQ(c.Name, r.name);
    EXPECT_EQ(c.Id, r.id) << r.name;
    EXPECT_EQ(c.MinParams, r.min) << r.name;
    EXPECT_EQ(c.MaxParams, r.max) << r.name;
    for (std::size_t p = 0; p < r.types.size(); ++p) EXPECT_EQ(c.ParamTypes[p], r.types[p]) << r.name << p;
  }
}

TEST(ActionRegistry, FindsBuiltInsIgnoringCaseAndKeepsThemAheadOfPlugins) {
  TActionRegistry reg;
  reg.RegisterBuiltInCommands();
  ASSERT_NE(reg.BuiltInGroup(), nullptr);
  EXPECT_EQ(reg.BuiltInGroup()->Name, "_OVK");
  EXPECT_EQ(reg.BuiltInGroup()->CommandCount, 201);
  const auto hit = reg.FindAction("gotonextpage");
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit.Action->Id, cmd::kGotoNextPage);
  EXPECT_FALSE(reg.FindAction("END IF"));
  EXPECT_FALSE(reg.FindAction("Return//"));

  ActionGroupRec* plugin = reg.NewActionGroup("Extras", "/opt/extras.so", nullptr, agkPlugIn);
  const std::uint8_t types[] = {1, 1};
  reg.AddAction(plugin, 900, "Alert Box", types, 2, 2);  // spaces are dropped: "AlertBox"
  reg.AddAction(plugin, 901, "Shout", types, 1, 1);
  EXPECT_EQ(reg.FindAction("ALERTBOX").Group, reg.BuiltInGroup());
  EXPECT_EQ(reg.FindActionInGroup(plugin, "alertbox").Action->Id, 900);
  EXPECT_EQ(reg.FindAction("shout").Action->Id, 901);
  EXPECT_EQ(reg.FindGroupByFile("/OPT/EXTRAS.SO"), plugin);

  // Hidden commands are neither found nor listed; the next of the name is.
  reg.BuiltInGroup()->Actions.front().Hidden = 1;  // GotoPage
  EXPECT_FALSE(reg.FindAction("GotoPage"));
  reg.BuiltInGroup()->Actions[1].Hidden = 0;
  EXPECT_EQ(reg.FindAction("alertbox").Group, reg.BuiltInGroup());
}

TEST(ActionRegistry, KeywordListStartsWithTheSixKeywords) {
  TActionRegistry reg;
  reg.RegisterBuiltInCommands();
  ActionGroupRec* plugin = reg.NewActionGroup("P", "p.so", nullptr, agkPlugIn);
  reg.AddAction(plugin, 1, "Zap", {}, 0, 0);
  const auto words = reg.ListScriptKeywords();
  ASSERT_EQ(words.size(), 6u + 201u + 1u);
  EXPECT_EQ(words[0], "ELSE");
  EXPECT_EQ(words[5], "DEBUGON");
  EXPECT_EQ(words[6], "GotoPage");
  EXPECT_EQ(words.back(), "Zap");
}

TEST(ActionRegistry, FreeingAPluginGroupReleasesItsLibraryAndItsCommands) {
  static std::vector<void*> released;
  released.clear();
  TActionRegistry reg;
  reg.RegisterBuiltInCommands();
  reg.SetLibraryReleaser([](void* lib) { released.push_back(lib); });
  int library = 0;
  ActionGroupRec* plugin = reg.NewActionGroup("P", "p.so", &library, agkPlugIn);
  reg.AddAction(plugin, 5, "Zap", {}, 0, 0);
  reg.AddEffect(plugin, 3, "Swirl");
  EXPECT_EQ(reg.FindEffect("swirl").Effect->Index, 3);
  const auto before = reg.Generation();
  reg.FreeActionGroup(plugin);
  EXPECT_NE(reg.Generation(), before);
  EXPECT_EQ(released, std::vector<void*>{&library});
  EXPECT_FALSE(reg.FindAction("Zap"));
  EXPECT_FALSE(reg.FindEffect("Swirl"));
  EXPECT_TRUE(reg.FindAction("SetVar"));
}

TEST(ActionRegistry, ParameterCountRanges) {
  TActionRegistry reg;
  reg.RegisterBuiltInCommands();
  struct Case {
    const char* command;
    int count;
    bool ok;
  } cases[] = {
      {"AlertBox", 3, false}, {"AlertBox", 2, true},  {"AlertBox", 1, false},
      {"Balloon", 1, true},   {"Balloon", 5, false},  {"ClearVariables", 0, true},
      {"ClearVariables", 1, true}, {"Call", 10, true}, {"Call", 0, false},
      {"GotoNextPage", 1, false},
  };
  for (const Case& c : cases) {
    const auto hit = reg.FindAction(c.command);
    ASSERT_TRUE(hit) << c.command;
    EXPECT_EQ(CheckParameterCount(*hit.Group, *hit.Action, c.count), c.ok) << c.command << " " << c.count;
  }
  // A plug-in command numbered like Call gets no such allowance.
  ActionGroupRec* plugin = reg.NewActionGroup("P", "p.so", nullptr, agkPlugIn);
  const std::uint8_t t[] = {1};
  ActionRec* fake = reg.AddAction(plugin, cmd::kCall, "MyCall", t, 1, 1);
  EXPECT_FALSE(CheckParameterCount(*plugin, *fake, 3));
}

}  // namespace
}  // namespace orv
