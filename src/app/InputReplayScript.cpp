#include "app/InputReplayScript.h"

#include <QKeySequence>
#include <QString>
#include <QStringDecoder>
#include <algorithm>
#include <climits>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace orv {

namespace {

// Far outside any page, and small enough that a drag's steps stay few.
constexpr int kCoordinateLimit = 32767;

constexpr std::string_view kVerbList = "move, click, rclick, dblclick, press, release, drag, key, type, shot or quit";

struct VerbName {
  std::string_view name;
  ReplayVerb verb;
};

constexpr VerbName kVerbs[] = {
    {"move", ReplayVerb::Move},   {"click", ReplayVerb::Click},     {"rclick", ReplayVerb::RightClick},
    {"dblclick", ReplayVerb::DoubleClick}, {"press", ReplayVerb::Press}, {"release", ReplayVerb::Release},
    {"drag", ReplayVerb::Drag},   {"key", ReplayVerb::Key},         {"type", ReplayVerb::Type},
    {"shot", ReplayVerb::Shot},   {"quit", ReplayVerb::Quit},
};

std::string_view NameOf(ReplayVerb verb) {
  for (const VerbName& v : kVerbs)
    if (v.verb == verb) return v.name;
  return {};
}

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool IsControl(char c) {
  const auto u = static_cast<unsigned char>(c);
  return (u < 0x20 && u != '\t') || u == 0x7F;
}

std::string_view SkipBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  return text;
}

std::string_view TrimBlanks(std::string_view text) {
  text = SkipBlanks(text);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  return text;
}

// The word at the start of `text` (no leading blanks), taken off it.
std::string_view TakeWord(std::string_view& text) {
  std::size_t end = 0;
  while (end < text.size() && !IsBlank(text[end])) ++end;
  const std::string_view word = text.substr(0, end);
  text = SkipBlanks(text.substr(end));
  return word;
}

std::vector<std::string_view> Words(std::string_view text) {
  std::vector<std::string_view> words;
  for (text = SkipBlanks(text); !text.empty();) words.push_back(TakeWord(text));
  return words;
}

// Decimal digits only, at most `limit`; an optional minus sign when
// `negative` is allowed.
bool ReadInteger(std::string_view text, bool negative, long long limit, int& value) {
  const bool minus = negative && !text.empty() && text.front() == '-';
  if (minus) text.remove_prefix(1);
  if (text.empty()) return false;
  long long n = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    n = n * 10 + (c - '0');
    if (n > limit) return false;
  }
  value = static_cast<int>(minus ? -n : n);
  return true;
}

bool ReadPoint(std::string_view text, ReplayPoint& point) {
  const std::size_t comma = text.find(',');
  return comma != std::string_view::npos && ReadInteger(text.substr(0, comma), true, kCoordinateLimit, point.X) &&
         ReadInteger(text.substr(comma + 1), true, kCoordinateLimit, point.Y);
}

bool IsUtf8(std::string_view text) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString decoded = decoder.decode(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  return !decoder.hasError();
}

std::string Quoted(std::string_view text) { return "'" + std::string(text) + "'"; }

// The arguments after the verb; "" when they are good.
std::string ReadArguments(std::string_view rest, ReplayEvent& event) {
  const std::vector<std::string_view> words = Words(rest);
  switch (event.Verb) {
    case ReplayVerb::Move:
    case ReplayVerb::Click:
    case ReplayVerb::RightClick:
    case ReplayVerb::DoubleClick:
      if (words.size() != 1 || !ReadPoint(words[0], event.At)) return std::string(NameOf(event.Verb)) + " wants X,Y";
      return {};
    case ReplayVerb::Press:
    case ReplayVerb::Release:
      if (words.empty() || words.size() > 2 || !ReadPoint(words[0], event.At) ||
          (words.size() == 2 && words[1] != "right"))
        return std::string(NameOf(event.Verb)) + " wants X,Y, then right for the right button";
      event.RightButton = words.size() == 2;
      return {};
    case ReplayVerb::Drag:
      if (words.size() != 2 || !ReadPoint(words[0], event.At) || !ReadPoint(words[1], event.To))
        return "drag wants X1,Y1 X2,Y2";
      return {};
    case ReplayVerb::Key: {
      const std::string_view name = TrimBlanks(rest);
      if (name.empty()) return "key wants a key such as Tab, PgDown or Ctrl+A";
      const QKeySequence sequence = QKeySequence::fromString(
          QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())), QKeySequence::PortableText);
      if (sequence.count() > 1) return "key takes one key combination, not " + Quoted(name);
      if (sequence.count() == 0 || sequence[0].key() == Qt::Key_unknown || sequence[0].key() == 0)
        return "unknown key " + Quoted(name);
      event.KeyCombination = sequence[0].toCombined();
      return {};
    }
    case ReplayVerb::Type:
      // One blank after the verb; every character after it is typed, blanks
      // included.
      if (rest.size() < 2 || !IsBlank(rest.front())) return "type wants the text to type";
      if (!IsUtf8(rest.substr(1))) return "the text to type is not UTF-8";
      event.Text = rest.substr(1);
      return {};
    case ReplayVerb::Shot:
      event.Text = TrimBlanks(rest);
      if (event.Text.empty()) return "shot wants a file name";
      return {};
    case ReplayVerb::Quit:
      if (!words.empty()) return "quit takes nothing after it";
      return {};
  }
  return {};
}

}  // namespace

bool ParseInputReplay(std::string_view text, std::vector<ReplayEvent>& events, ReplayScriptError& error) {
  events.clear();
  if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
  int lineNumber = 0;
  int lastTime = 0;
  while (!text.empty()) {
    ++lineNumber;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    line = SkipBlanks(line);
    if (line.empty() || line.front() == '#') continue;

    const auto fail = [&](std::string message) {
      error.Line = lineNumber;
      error.Message = std::move(message);
      return false;
    };
    // Tabs separate; any other control character is a mistake (a stray
    // carriage return would be typed or become part of a file name).
    if (std::any_of(line.begin(), line.end(), IsControl)) return fail("control character in the line");
    ReplayEvent event;
    event.Line = lineNumber;
    const std::string_view time = TakeWord(line);
    if (!ReadInteger(time, false, INT_MAX, event.AtMs))
      return fail("expected the time in milliseconds, not " + Quoted(time));
    if (event.AtMs < lastTime)
      return fail("time " + std::string(time) + " is before the earlier line's " + std::to_string(lastTime));
    lastTime = event.AtMs;
    if (line.empty()) return fail("expected a verb after the time");
    event.Written = line;
    const std::string_view verb = line.substr(0, line.find_first_of(" \t"));
    // The arguments start right after the verb: "type" counts its blanks.
    const std::string_view rest = line.substr(verb.size());
    const VerbName* known = nullptr;
    for (const VerbName& v : kVerbs)
      if (v.name == verb) known = &v;
    if (!known) return fail("unknown verb " + Quoted(verb) + "; expected " + std::string(kVerbList));
    event.Verb = known->verb;
    if (std::string message = ReadArguments(rest, event); !message.empty()) return fail(std::move(message));
    events.push_back(std::move(event));
  }
  return true;
}

bool ReadInputReplayFile(const std::string& hostPath, std::vector<ReplayEvent>& events, ReplayScriptError& error) {
  std::error_code ec;
  std::ifstream in(hostPath, std::ios::binary);
  if (!in || std::filesystem::is_directory(hostPath, ec)) {
    error = {0, "cannot read " + hostPath};
    return false;
  }
  const std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (in.bad()) {
    error = {0, "cannot read " + hostPath};
    return false;
  }
  if (!ParseInputReplay(text, events, error)) return false;
  for (ReplayEvent& event : events) {
    if (event.Verb != ReplayVerb::Shot) continue;
    const std::filesystem::path absolute = std::filesystem::absolute(event.Text, ec);
    if (!ec) event.Text = absolute.string();
  }
  return true;
}

}  // namespace orv
