// RegistryRead and RegistryWrite on a store in a scratch configuration
// folder, and the store's file format.
#include "commands/files/CommandScriptFixture.h"
#include "commands/registry/RegistryCommands.h"
#include "commands/registry/RegistryFile.h"

namespace orv::test {
namespace {

class RegistryTest : public CommandScriptTest {
 protected:
  std::string StoreFile(const std::string& root) { return File("orvalis/registry/" + root + ".reg"); }

 private:
  ConfigFolderOverride config_{dir.Path()};
};

TEST_F(RegistryTest, WrittenValuesReadBackUnderTheirRoot) {
  vars.SetVar("Odd", "caf\xE9 \"x\" \\ y\r\n");
  Run({R"(RegistryWrite "HKEY_CURRENT_USER" "Software\Orv\Name" "[Odd]")",
       R"(RegistryWrite "hkey_local_machine" "Software\Orv\Name" "machine")",
       R"(RegistryWrite "anything else" "Software\Orv\" "default value")",
       R"(RegistryRead "HKEY_CURRENT_USER" "  software\ORV\name  " "[A]")",
       R"(RegistryRead "HKEY_LOCAL_MACHINE" "Software\Orv\Name" "[B]")",
       R"(RegistryRead "" "Software\Orv\" "[C]")", R"(RegistryRead "" "Software\Orv\Missing" "[D]")",
       R"(RegistryRead "" "Software\" "[E]")"});
  EXPECT_EQ(LastError(), "");
  EXPECT_EQ(Var("A"), "caf\xE9 \"x\" \\ y\r\n");
  EXPECT_EQ(Var("B"), "machine");
  EXPECT_EQ(Var("C"), "default value");
  EXPECT_EQ(Var("D"), "");
  EXPECT_EQ(Var("E"), "");
  EXPECT_NE(StoreFile("HKEY_CURRENT_USER").find("[HKEY_CURRENT_USER\\Software\\Orv]\n"), std::string::npos);
  EXPECT_NE(StoreFile("HKEY_LOCAL_MACHINE").find("\"Name\"=\"machine\"\n"), std::string::npos);
}

TEST_F(RegistryTest, MissingKeysAndImpossibleRootsReport) {
  const char* invalid = "Chiave di registro non valida ";
  vars.SetVar("V", "kept");
  for (const char* line : {R"(RegistryRead "HKEY_CURRENT_USER" "No\Such\Key\Value" "[V]")",
                           R"(RegistryRead "HKEY_DYN_DATA" "Value" "[V]")",
                           R"(RegistryWrite "HKEY_PERFORMANCE_DATA" "Key\Value" "x")",
                           R"(RegistryWrite "HKEY_CURRENT_USER" "Bad\\Key\Value" "x")"}) {
    vars.SetVar("LastError", "unset");
    Run(line);
    EXPECT_EQ(LastError(), invalid) << line;
  }
  EXPECT_EQ(Var("V"), "kept");
  vars.SetVar("LastError", "unset");
  Run(R"(RegistryRead "HKEY_CURRENT_USER" "   " "[V]")");
  EXPECT_EQ(LastError(), "unset");
}

TEST_F(RegistryTest, WritesKeepTheStoredType) {
  std::filesystem::create_directories(dir / "orvalis/registry");
  WriteBytes(dir / "orvalis/registry/HKEY_CURRENT_USER.reg",
             "Orvalis Registry Store 1\n\n[HKEY_CURRENT_USER\\App]\n"
             "\"Count\"=dword:0000002a\n\"Neg\"=dword:ffffffff\n\"Blob\"=hex:41,00,42\n"
             "\"Path\"=hex(2):43,00,3a,00\n\"Odd\"=hex(7):61,00,62,00,00\n\"Text\"=\"t\"\n");
  Run({R"(RegistryRead "" "App\Count" "[C1]")", R"(RegistryRead "" "App\Neg" "[N]")",
       R"(RegistryRead "" "App\Blob" "[B1]")", R"(RegistryRead "" "App\Path" "[Expanded]")",
       R"(RegistryRead "" "App\Odd" "[O]")"});
  EXPECT_EQ(Var("C1"), "42");
  EXPECT_EQ(Var("N"), "-1");
  EXPECT_EQ(Var("B1"), "AB");
  EXPECT_EQ(Var("Expanded"), "C:");
  EXPECT_EQ(Var("O"), "ab");

  const struct {
    const char* line;
    const char* stored;  // the value's line in the file
  } cases[] = {
      {R"(RegistryWrite "" "App\Count" "17")", "\"Count\"=dword:00000011"},
      {R"(RegistryWrite "" "App\Neg" "")", "\"Neg\"=dword:00000000"},
      {R"(RegistryWrite "" "App\Count" "seventeen")", "\"Count\"=\"seventeen\""},
      {R"(RegistryWrite "" "App\Blob" "xy")", "\"Blob\"=hex:78,79"},
      {R"(RegistryWrite "" "App\Blob" "")", "\"Blob\"=hex:00"},
      {R"(RegistryWrite "" "App\Text" "5")", "\"Text\"=\"5\""},
      {R"(RegistryWrite "" "App\Odd" "new")", "\"Odd\"=\"new\""},
  };
  for (const auto& c : cases) {
    Run(c.line);
    EXPECT_EQ(LastError(), "") << c.line;
    EXPECT_NE(StoreFile("HKEY_CURRENT_USER").find(std::string(c.stored) + "\n"), std::string::npos) << c.line;
  }
}

TEST(RegistryFileTest, EveryByteSurvivesTheTextForm) {
  std::string all;
  for (int i = 1; i < 256; ++i) all.push_back(static_cast<char>(i));
  TRegistryFile file("HKEY_CURRENT_USER");
  file.SetValue("K", "name\x01\xE9", RegistryValue::Text(all));
  file.SetValue("K\\Sub", "", RegistryValue::Bytes(std::string("\0\xFF", 2)));
  TRegistryFile again("HKEY_CURRENT_USER");
  again.Parse(file.Text());
  ASSERT_TRUE(again.Value("k", "NAME\x01\xC9").has_value());
  EXPECT_EQ(again.Value("k", "NAME\x01\xC9")->Data, all);
  EXPECT_EQ(again.Value("K\\SUB", "")->Data, std::string("\0\xFF", 2));
  EXPECT_TRUE(again.KeyExists("K"));
  EXPECT_FALSE(again.KeyExists("K\\Su"));
  EXPECT_EQ(again.Text(), file.Text());
}

TEST(RegistryFileTest, KeysOfOtherRootsAndBrokenLinesAreSkipped) {
  TRegistryFile file("HKEY_USERS");
  file.Parse("Orvalis Registry Store 1\r\n[HKEY_USERS_X\\A]\r\n\"v\"=\"no\"\r\n[HKEY_USERS\\B]\r\n"
             "\"w\"=dword:zz\r\n\"x\"=\"open\r\n\"y\"=hex:01,\\\n  02\r\n");
  EXPECT_FALSE(file.KeyExists("A"));
  EXPECT_FALSE(file.Value("B", "w").has_value());
  EXPECT_FALSE(file.Value("B", "x").has_value());
  ASSERT_TRUE(file.Value("B", "y").has_value());
  EXPECT_EQ(file.Value("B", "y")->Data, "\x01\x02");
}

}  // namespace
}  // namespace orv::test
