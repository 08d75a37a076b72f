// The lines the reader stops at: every way of finding them agrees with
// cutting the text at CR LF by hand, and no line with a key read at once is
// ever passed over.
#include "container/DocumentMarkedLines.h"

#include <gtest/gtest.h>

#include <cctype>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "container/DocumentKeyPrefixes.h"
#include "container/DocumentKeys.h"

namespace orv {
namespace {

struct Mark {
  std::uint32_t start, lf;
  bool operator==(const Mark&) const = default;
};

// Cut by hand: every line that ends with CR LF and may be read at once.
std::vector<Mark> ExpectedMarks(const std::string& text, std::size_t size) {
  std::vector<Mark> marks;
  std::size_t start = 0;
  for (std::size_t i = 1; i < size; ++i) {
    if (text[i] != '\n' || text[i - 1] != '\r') continue;
    if (document_key_prefix::MayBeReadAtOnce(text.data() + start))
      marks.push_back({static_cast<std::uint32_t>(start), static_cast<std::uint32_t>(i)});
    start = i + 1;
  }
  return marks;
}

std::vector<Mark> FoundMarks(LineFinder finder, const std::string& text, std::size_t size) {
  std::vector<Mark> marks;
  std::vector<std::uint32_t> starts(kMostMarkedLines), lfs(kMostMarkedLines);
  LineWindowState state;
  while (state.next < size) {
    const std::size_t found = FindMarkedLinesWith(finder, text.data(), size, state, starts.data(), lfs.data());
    for (std::size_t i = 0; i < found; ++i) marks.push_back({starts[i], lfs[i]});
  }
  return marks;
}

TEST(DocumentMarkedLinesTest, EveryFinderAgreesWithCuttingByHand) {
  std::mt19937 random(7);
  const std::string pieces[] = {"\r\n", "\r", "\n", "NewPage=P", "ObjectType=3", "Name=x", " MasterPage",
                                "x", "=", "\r\r\n", "L_OK=y", "\t", "groupbegin", "Title=t"};
  std::vector<std::string> texts;
  // A CR closing one block and its LF opening the next, in every window.
  std::string straddling;
  while (straddling.size() < 3 * kLineWindow) {
    straddling += "NewPage=" + std::string(kLineBlock - 10 - straddling.size() % kLineBlock, 'a') + "\r\n";
    straddling += "Title=x\r";
    straddling += std::string(kLineBlock - straddling.size() % kLineBlock, 'b');
    straddling += "\n";
  }
  texts.push_back(straddling);
  for (int t = 0; t < 40; ++t) {
    std::string text;
    const std::size_t length = random() % (3 * kLineWindow + 100);
    while (text.size() < length) text += pieces[random() % std::size(pieces)];
    texts.push_back(text);
  }
  for (const std::string& body : texts) {
    // What lies past the end may be read but must not count: a CR LF there
    // would make a line of the bytes before it.
    const std::string text = body + "\r\nNewPage=beyond\r\n" + std::string(kLineBlock, '\n');
    const std::vector<Mark> expected = ExpectedMarks(text, body.size());
    for (const LineFinder finder : {LineFinder::Portable, LineFinder::Sse2, LineFinder::Avx2}) {
      if (!LineFinderAvailable(finder)) continue;
      EXPECT_EQ(FoundMarks(finder, text, body.size()), expected)
          << "finder " << static_cast<int>(finder) << ", " << body.size() << " bytes";
    }
  }
}

std::string Folded(std::string_view text) {
  std::string out;
  for (const char c : text.substr(0, document_key_prefix::kBytes))
    out += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return out;
}

TEST(DocumentMarkedLinesTest, LinesWithKeysReadAtOnceAreNeverPassedOver) {
  for (const DocumentKey& key : DocumentKeys()) {
    if (!IsReadAtOnce(key)) continue;
    std::string lower(key.name);
    for (char& c : lower) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const std::string& line : {std::string(key.name), lower, " " + lower, "\t" + std::string(key.name)}) {
      const std::string text = line + "v\r\n" + std::string(8, '\0');
      EXPECT_TRUE(document_key_prefix::MayBeReadAtOnce(text.data())) << line;
    }
  }
  for (const char* line : {"\r\n", " Name=x\r\n", "\x01" "X=1\r\n"})
    EXPECT_TRUE(document_key_prefix::MayBeReadAtOnce((std::string(line) + "\0\0\0\0\0\0\0\0").data()))
        << line;
}

// The point of the test: an object's property is passed over unless its
// first bytes are those of a key read at once.
TEST(DocumentMarkedLinesTest, ObjectPropertiesArePassedOver) {
  std::set<std::string> readAtOnce;
  for (const DocumentKey& key : DocumentKeys())
    if (IsReadAtOnce(key)) readAtOnce.insert(Folded(key.name));
  int passedOver = 0;
  for (const DocumentKey& key : DocumentKeys()) {
    if (key.scope != KeyScope::Object || IsReadAtOnce(key)) continue;
    const std::string text = std::string(key.name) + "1\r\n" + std::string(8, '\0');
    const bool shared = readAtOnce.count(Folded(text)) != 0;
    EXPECT_EQ(document_key_prefix::MayBeReadAtOnce(text.data()), shared) << key.name;
    passedOver += shared ? 0 : 1;
  }
  EXPECT_GT(passedOver, 100);
}

}  // namespace
}  // namespace orv
