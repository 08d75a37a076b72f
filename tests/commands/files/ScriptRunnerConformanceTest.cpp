// The file, string, registry and system commands as the headless runner
// executes them: a script from the test data, the variables it leaves.
#include <map>

#include "commands/files/CommandScriptFixture.h"
#include "support/RunCommand.h"

namespace orv::test {
namespace {

std::map<std::string, std::string> SavedVariables(const std::string& text) {
  std::map<std::string, std::string> vars;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find("\r\n", pos);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(pos, end - pos);
    const std::size_t eq = line.find('=');
    if (eq != std::string::npos) vars[line.substr(0, eq)] = line.substr(eq + 1);
    pos = end + 2;
  }
  return vars;
}

TEST(ScriptRunnerConformanceTest, FileStringRegistryAndSystemCommands) {
  CommandScratchFolder dir;
  const std::string command = "XDG_CONFIG_HOME='" + dir.Path() + "' ORV_CONFORMANCE='from env' " +
                              BinPath("orvalis-script") + " --pub-dir '" + dir.Path() + "' --save-vars '" +
                              (dir / "vars.txt") + "' '" + ORVALIS_TEST_DATA_DIR + "/commands/files_strings_registry.orv'";
  const CommandResult r = RunCommand(command);
  ASSERT_EQ(r.status, 0) << r.output;
  std::map<std::string, std::string> vars = SavedVariables(ReadBytes(dir / "vars.txt"));
  const std::map<std::string, std::string> expected = {
      {"Lines", "5"},         {"Third", "three"},
      {"Fifth", "five"},      {"Ninth", ""},
      {"Exists", "True"},     {"Size", "23"},
      {"Whole", "one[#13][#10]two[#13][#10]three[#13][#10][#13][#10]five"},
      {"CopyThere", "False"}, {"Folder", "True"},
      {"List", "data"},       {"Ext", ".ext"},
      {"Piece1", "a"},        {"Piece2", ""},
      {"Piece3", "b"},        {"Pieces", "3"},
      {"Replaced", "bye bye"}, {"Found", "4"},
      {"Sub", "ell"},         {"Reg", "41"},
      {"DayNumber", "38717"},       {"Date", "2005-12-31"},
      {"Rnd", "0"},           {"Env", "from env"},
      {"LastError", ""}};
  for (const auto& [name, value] : expected) EXPECT_EQ(vars[name], value) << name;
  EXPECT_EQ(ReadBytes(dir / "data.txt"), "one\r\ntwo\r\nthree\r\n\r\nfive");
  EXPECT_NE(ReadBytes(dir / "orvalis/registry/HKEY_CURRENT_USER.reg").find("\"Count\"=\"41\""), std::string::npos);
}

}  // namespace
}  // namespace orv::test
