// The three programs answer the conventional options.
#include <gtest/gtest.h>

#include "support/RunCommand.h"

namespace orv::test {
namespace {

TEST(Programs, AnswerHelpAndVersion) {
  for (const std::string name : {"orvalis", "orvalis-pack", "orvalis-script"}) {
    const CommandResult help = RunCommand(BinPath(name) + " --help");
    EXPECT_EQ(help.status, 0) << name;
    EXPECT_NE(help.output.find("Usage: " + name), std::string::npos) << help.output;
    const CommandResult version = RunCommand(BinPath(name) + " --version");
    EXPECT_EQ(version.status, 0) << name;
    EXPECT_EQ(version.output.rfind(name + " ", 0), 0u) << version.output;
  }
}

}  // namespace
}  // namespace orv::test
