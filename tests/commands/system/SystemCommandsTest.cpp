// Random, DateToNum, NumToDate, Delay and SystemInfo run as scripts.
#include <chrono>
#include <cstdlib>
#include <set>

#include "commands/files/CommandScriptFixture.h"
#include "script/HeadlessScriptHost.h"

namespace orv::test {
namespace {

TEST_F(CommandScriptTest, RandomStaysWithinZeroAndTheMaximum) {
  std::set<std::string> seen;
  for (int i = 0; i < 300; ++i) {
    Run(R"(Random "3" "[R]")");
    seen.insert(Var("R"));
  }
  EXPECT_EQ(seen, (std::set<std::string>{"0", "1", "2", "3"}));
  for (const char* line : {R"(Random "0" "[R]")", R"(Random "-5" "[R]")", R"(Random "abc" "[R]")"}) {
    vars.SetVar("R", "unset");
    Run(line);
    EXPECT_EQ(Var("R"), "0") << line;
  }
}

struct DateCase {
  const char* line;
  const char* expected;
};

class DateCommandTest : public CommandScriptTest, public ::testing::WithParamInterface<DateCase> {
 protected:
  DateCommandTest() { varHost.HoldClock(*EncodeDate(2024, 6, 1)); }
};

TEST_P(DateCommandTest, Converts) {
  vars.SetVar("R", "unset");
  Run(GetParam().line);
  EXPECT_EQ(Var("R"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DateCommandTest,
    ::testing::Values(DateCase{R"(DateToNum "31/12/2005" "DMY" "[R]")", "38717"},
                      DateCase{R"(DateToNum "31-12-2005" "order: day first" "[R]")", "38717"},
                      DateCase{R"(DateToNum "2005\12\31" "yyyy" "[R]")", "38717"},
                      DateCase{R"(DateToNum "2005/12/31" "Europe" "[R]")", "38717"},
                      DateCase{R"(DateToNum "12/31/2005" "Default" "[R]")", "38717"},
                      DateCase{R"(DateToNum "12/31/2005" "" "[R]")", "38717"},
                      DateCase{R"(DateToNum "31/12/05" "D" "[R]")", "38717"},
                      DateCase{R"(DateToNum "31/12" "D" "[R]")", "45657"},
                      DateCase{R"(DateToNum "30/12/1899" "D" "[R]")", "0"},
                      DateCase{R"(DateToNum "32/12/2005" "D" "[R]")", "Error"},
                      DateCase{R"(DateToNum "29/02/2005" "D" "[R]")", "Error"},
                      DateCase{R"(DateToNum "tomorrow" "D" "[R]")", "Error"},
                      DateCase{R"(NumToDate "38717" "yyyy-mm-dd" "[R]")", "2005-12-31"},
                      DateCase{R"(NumToDate "38717" "Default" "[R]")", "12/31/2005"},
                      DateCase{R"(NumToDate "38717" "dddd d mmmm yy" "[R]")", "Saturday 31 December 05"},
                      DateCase{R"(NumToDate "38716.6" "yyyy-mm-dd" "[R]")", "2005-12-31"},
                      DateCase{R"(NumToDate "-1" "yyyy-mm-dd" "[R]")", "1899-12-29"},
                      DateCase{R"(NumToDate "1E12" "yyyy-mm-dd" "[R]")", "Error"}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(CommandScriptTest, TwoDigitYearsChangeNothingForLaterConversions) {
  varHost.HoldClock(*EncodeDate(2024, 6, 1));
  const DateFormatSettings before = vars.DateSettings();
  Run({R"(DateToNum "1/2/05" "D" "[A]")", R"(DateToNum "1/2/1905" "D" "[B]")", R"(NumToDate "[B]" "Default" "[C]")"});
  EXPECT_EQ(Var("A"), "38384");
  EXPECT_EQ(Var("B"), "1859");
  EXPECT_EQ(Var("C"), "2/1/1905");
  EXPECT_EQ(vars.DateSettings().ShortDateFormat, before.ShortDateFormat);
  EXPECT_EQ(vars.DateSettings().DateSeparator, before.DateSeparator);
}

TEST_F(CommandScriptTest, SystemInfoReadsVariablesAndTheEnvironment) {
  ::setenv("ORV_TEST_VALUE", "from the environment", 1);
  ::unsetenv("ORV_TEST_MISSING");
  vars.SetVar("Mine", "mine");
  Run({R"(SystemInfo "%PATH%" "[SearchPath]")", R"(SystemInfo "%ORV_TEST_VALUE%" "[E]")", R"(SystemInfo "%ORV_TEST_MISSING%" "[M]")",
       R"(SystemInfo "Mine" "[V]")", R"(SystemInfo "PubDir" "[D]")"});
  EXPECT_EQ(Var("SearchPath"), std::getenv("PATH"));
  EXPECT_EQ(Var("E"), "from the environment");
  EXPECT_EQ(Var("M"), "");
  EXPECT_EQ(Var("V"), "mine");
  EXPECT_EQ(Var("D"), dir.Path() + "/");
  ::unsetenv("ORV_TEST_VALUE");
}

// Counts serving and the input lock; may end the publication while serving.
class WaitingHost : public THeadlessScriptHost {
 public:
  WaitingHost() : THeadlessScriptHost(nullptr) {}
  void ServeUserInterface() override {
    ++served;
    if (closeAfter > 0 && served >= closeAfter) engine->SetClosing(true);
  }
  void TakeInputLock() override { ++locks; }
  void ReleaseInputLock() override { ++releases; }
  bool ApplicationEnding() override { return endingAfter > 0 && ++endingAsked >= endingAfter; }
  TScriptEngine* engine = nullptr;
  int served = 0, locks = 0, releases = 0, closeAfter = 0, endingAfter = 0, endingAsked = 0;
};

class DelayTest : public ::testing::Test {
 protected:
  DelayTest() {
    RegisterCoreCommands(engine.Commands());
    host.engine = &engine;
  }
  double Run(const char* line, std::uint8_t options = 0) {
    const auto start = std::chrono::steady_clock::now();
    engine.RunScript(line, options);
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  }
  THeadlessVarHost varHost;
  TVars vars{varHost};
  WaitingHost host;
  TScriptEngine engine{vars, host};
};

TEST_F(DelayTest, PositiveDelayServesEventsNegativeDelayDoesNot) {
  EXPECT_GE(Run(R"(Delay "40")"), 40.0);
  const int servedWhileWaiting = host.served;
  EXPECT_GT(servedWhileWaiting, 1);
  host.served = 0;
  EXPECT_GE(Run(R"(Delay "-30")"), 30.0);
  EXPECT_LE(host.served, 1);  // the one call between lines at most
  EXPECT_EQ(host.locks, 0);
}

TEST_F(DelayTest, AnExclusiveRunHoldsTheInputLockWhileWaiting) {
  Run(R"(Delay "5")", eoRunNow);
  EXPECT_EQ(host.locks, 1);
  EXPECT_EQ(host.releases, 1);
}

TEST_F(DelayTest, ClosingThePublicationEndsTheWait) {
  host.closeAfter = 3;
  EXPECT_LT(Run(R"(Delay "60000")"), 30000.0);
  EXPECT_GE(host.served, 3);
}

// A timed run's end reaches a wait that serves no events as well.
TEST_F(DelayTest, TheProgramEndingEndsEveryWait) {
  for (const char* line : {R"(Delay "60000")", R"(Delay "-6000000")"}) {
    host.endingAsked = 0;
    host.endingAfter = 3;
    EXPECT_LT(Run(line), 30000.0) << line;
    EXPECT_EQ(host.endingAsked, 3) << line;
  }
}

}  // namespace
}  // namespace orv::test
