// The --play file reader: what each verb's line becomes, the lines skipped,
// and the line and message a mistake is reported with.
#include "app/InputReplayScript.h"

#include <gtest/gtest.h>

#include <QKeySequence>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace orv {
namespace {

int Keys(const char* portable) {
  return QKeySequence::fromString(QString::fromLatin1(portable), QKeySequence::PortableText)[0].toCombined();
}

std::string Described(const ReplayEvent& e) {
  return std::to_string(e.AtMs) + " v" + std::to_string(static_cast<int>(e.Verb)) + " " + std::to_string(e.At.X) +
         "," + std::to_string(e.At.Y) + " " + std::to_string(e.To.X) + "," + std::to_string(e.To.Y) +
         (e.RightButton ? " right" : "") + " k" + std::to_string(e.KeyCombination) + " [" + e.Text + "] [" +
         e.Written + "]";
}

TEST(InputReplayScript, EachVerbReadsIntoItsEvent) {
  struct Case {
    const char* line;
    ReplayEvent expected;
  };
  const auto event = [](int ms, ReplayVerb verb, ReplayPoint at, ReplayPoint to, bool right, int keys,
                        std::string text, std::string written) {
    ReplayEvent e;
    e.AtMs = ms;
    e.Verb = verb;
    e.At = at;
    e.To = to;
    e.RightButton = right;
    e.KeyCombination = keys;
    e.Text = std::move(text);
    e.Written = std::move(written);
    return e;
  };
  using V = ReplayVerb;
  const Case cases[] = {
      {"0 move 10,20", event(0, V::Move, {10, 20}, {}, false, 0, "", "move 10,20")},
      {"15 click -5,7", event(15, V::Click, {-5, 7}, {}, false, 0, "", "click -5,7")},
      {"  3\t rclick\t1,2  ", event(3, V::RightClick, {1, 2}, {}, false, 0, "", "rclick\t1,2  ")},
      {"4 dblclick 0,0", event(4, V::DoubleClick, {}, {}, false, 0, "", "dblclick 0,0")},
      {"5 press 3,4", event(5, V::Press, {3, 4}, {}, false, 0, "", "press 3,4")},
      {"5 release 3,4 right", event(5, V::Release, {3, 4}, {}, true, 0, "", "release 3,4 right")},
      {"6 drag 1,2 -30,40", event(6, V::Drag, {1, 2}, {-30, 40}, false, 0, "", "drag 1,2 -30,40")},
      {"7 key PgDown", event(7, V::Key, {}, {}, false, Keys("PgDown"), "", "key PgDown")},
      {"7 key  Ctrl+Shift+A ", event(7, V::Key, {}, {}, false, Keys("Ctrl+Shift+A"), "", "key  Ctrl+Shift+A ")},
      {"7 key Ctrl+,", event(7, V::Key, {}, {}, false, Keys("Ctrl+,"), "", "key Ctrl+,")},
      // One blank after "type"; the rest is typed as it stands.
      {"8 type  h\xC3\xA9 llo\t", event(8, V::Type, {}, {}, false, 0, " h\xC3\xA9 llo\t", "type  h\xC3\xA9 llo\t")},
      {"9 shot  out dir/a.png ", event(9, V::Shot, {}, {}, false, 0, "out dir/a.png", "shot  out dir/a.png ")},
      {"2147483647 quit", event(2147483647, V::Quit, {}, {}, false, 0, "", "quit")},
      {"0 move 32767,-32767", event(0, V::Move, {32767, -32767}, {}, false, 0, "", "move 32767,-32767")},
  };
  for (const Case& c : cases) {
    std::vector<ReplayEvent> events;
    ReplayScriptError error;
    ASSERT_TRUE(ParseInputReplay(c.line, events, error)) << c.line << ": " << error.Message;
    ASSERT_EQ(events.size(), 1u) << c.line;
    EXPECT_EQ(Described(events[0]), Described(c.expected)) << c.line;
  }
}

TEST(InputReplayScript, BlankAndCommentLinesAreSkippedAndLinesKeepTheirNumbers) {
  std::vector<ReplayEvent> events;
  ReplayScriptError error;
  const std::string text =
      "\xEF\xBB\xBF# a replay\r\n"
      "\r\n"
      "0 click 1,1\r\n"
      "   \t\n"
      "  # 5 click 9,9\n"
      "0 click 2,2\n"
      "12 quit";
  ASSERT_TRUE(ParseInputReplay(text, events, error)) << error.Message;
  ASSERT_EQ(events.size(), 3u);
  EXPECT_EQ(events[0].Line, 3);
  EXPECT_EQ(events[0].Written, "click 1,1");
  EXPECT_EQ(events[1].Line, 6);
  EXPECT_EQ(events[2].Line, 7);
  EXPECT_EQ(events[2].AtMs, 12);
}

TEST(InputReplayScript, MistakesNameTheirLine) {
  struct Case {
    const char* text;
    int line;
    const char* message;
  };
  const Case cases[] = {
      {"0 click 1,1\nx click 1,1", 2, "expected the time in milliseconds, not 'x'"},
      {"-1 click 1,1", 1, "expected the time in milliseconds, not '-1'"},
      {"2147483648 quit", 1, "expected the time in milliseconds, not '2147483648'"},
      {"10 move 1,1\n\n9 move 1,1", 3, "time 9 is before the earlier line's 10"},
      {"5", 1, "expected a verb after the time"},
      {"5 Click 1,1", 1, "unknown verb 'Click'"},
      {"5 click", 1, "click wants X,Y"},
      {"5 click 1;2", 1, "click wants X,Y"},
      {"5 click 1,2 3,4", 1, "click wants X,Y"},
      {"5 move 1,32768", 1, "move wants X,Y"},
      {"5 dblclick 1,", 1, "dblclick wants X,Y"},
      {"5 press 1,2 left", 1, "press wants X,Y, then right for the right button"},
      {"5 release", 1, "release wants X,Y, then right for the right button"},
      {"5 drag 1,2", 1, "drag wants X1,Y1 X2,Y2"},
      {"5 key", 1, "key wants a key such as Tab, PgDown or Ctrl+A"},
      {"5 key Foo", 1, "unknown key 'Foo'"},
      {"5 key Ctrl+", 1, "unknown key 'Ctrl+'"},
      {"5 key Ctrl+A, B", 1, "key takes one key combination, not 'Ctrl+A, B'"},
      {"5 type", 1, "type wants the text to type"},
      {"5 type ", 1, "type wants the text to type"},
      {"5 type \xC3\x28", 1, "the text to type is not UTF-8"},
      {"5 type a\rb", 1, "control character in the line"},
      {"5 shot  ", 1, "shot wants a file name"},
      {"5 quit now", 1, "quit takes nothing after it"},
  };
  for (const Case& c : cases) {
    std::vector<ReplayEvent> events;
    ReplayScriptError error;
    EXPECT_FALSE(ParseInputReplay(c.text, events, error)) << c.text;
    EXPECT_EQ(error.Line, c.line) << c.text;
    EXPECT_EQ(error.Message.rfind(c.message, 0), 0u) << c.text << " -> " << error.Message;
  }
}

TEST(InputReplayScript, FileReadingMakesShotFilesAbsoluteAndReportsAnUnreadableFile) {
  const std::filesystem::path dir = std::filesystem::temp_directory_path() / "orvalis-replay-script-test";
  std::filesystem::create_directories(dir);
  const std::string file = (dir / "input.txt").string();
  std::ofstream(file) << "0 shot a.png\n1 shot /x/b.png\n";
  std::vector<ReplayEvent> events;
  ReplayScriptError error;
  ASSERT_TRUE(ReadInputReplayFile(file, events, error)) << error.Message;
  ASSERT_EQ(events.size(), 2u);
  EXPECT_EQ(events[0].Text, (std::filesystem::current_path() / "a.png").string());
  EXPECT_EQ(events[1].Text, "/x/b.png");
  for (const std::string& unreadable : {(dir / "missing.txt").string(), dir.string()}) {
    EXPECT_FALSE(ReadInputReplayFile(unreadable, events, error)) << unreadable;
    EXPECT_EQ(error.Line, 0) << unreadable;
    EXPECT_EQ(error.Message, "cannot read " + unreadable);
  }
  std::filesystem::remove_all(dir);
}

}  // namespace
}  // namespace orv
