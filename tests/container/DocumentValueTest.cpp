#include "container/DocumentValue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "container/DocumentKeys.h"

namespace orv {
namespace {

TEST(DocumentValueTest, SplitsKeyAndValue) {
  struct Case {
    std::string_view line, key, value;
  } cases[] = {
      {"Name=Button1", "Name=", "Button1"},
      {"  Name =  spaced ", "Name =", "  spaced "},  // key trimmed, value untouched
      {"Text=a=b", "Text=", "a=b"},                  // the first "=" splits
      {"  MasterPage  ", "MasterPage", "  MasterPage  "},
      {"PageColor=", "PageColor=", ""},
      {"", "", ""},
  };
  for (const Case& c : cases) {
    const DocumentLine parts = SplitDocumentLine(c.line);
    EXPECT_EQ(parts.key, c.key) << c.line;
    EXPECT_EQ(parts.value, c.value) << c.line;
  }
}

TEST(DocumentValueTest, ReadsIntegers) {
  struct Case {
    std::string_view text;
    std::int32_t value;
  } cases[] = {
      {"640", 640},         {"  -12", -12},         {"+7", 7},
      {"$FF", 255},         {"x1f", 31},            {"X10", 16},
      {"0x7fffffff", 0x7fffffff},                   {"$80000005", INT32_MIN + 5},
      {"2147483653", INT32_MIN + 5},                // a colour written unsigned
      {"-$10", -16},        {"12abc", 12},          {"abc", 0},
      {"", 0},              {"$", 0},               {"0X10", 0},
      {"99999999999999999999", static_cast<std::int32_t>(1661992959u)},
  };
  for (const Case& c : cases) EXPECT_EQ(ReadDocumentInteger(c.text), c.value) << c.text;
}

TEST(DocumentValueTest, ConvertsByKeyType) {
  DocumentTextStore store;
  const auto convert = [&store](std::string_view key, std::string_view value) {
    const DocumentKey* known = FindDocumentKey(key);
    EXPECT_NE(known, nullptr) << key;
    return ConvertDocumentValue(*known, value, &store);
  };
  const KeyValue lines = convert("OBJACTION=", "A\xB6" "B\xB6");
  EXPECT_EQ(lines.Text(), "A\r\nB\r\n");
  EXPECT_EQ(lines.Raw(), "A\xB6" "B\xB6");

  EXPECT_TRUE(convert("VISIBLE=", "yes").Yes());
  EXPECT_TRUE(convert("VISIBLE=", "YES").Yes());
  for (std::string_view word : {"1", "True", "Yes ", " Yes", "Y"})
    EXPECT_FALSE(convert("VISIBLE=", word).Yes()) << word;

  EXPECT_EQ(convert("FONTSTYLE=", "29").Number(), 13);  // 0b11101: only the low 4 bits
  const KeyValue colour = convert("PAGECOLOR=", "-2147483643");
  EXPECT_EQ(static_cast<std::uint32_t>(colour.Number()), 0x80000005u);

  const KeyValue hotKey = convert("KEY=", "$2041");
  EXPECT_EQ(hotKey.Number(), 0x2041);
  EXPECT_EQ(hotKey.Text(), "$2041");  // Integer keys keep their text

  EXPECT_EQ(convert("VARNAME=", "Score").Text(), "[Score]");
  EXPECT_EQ(convert("TITLEVARNAME=", "[Title]").Text(), "[Title]");
  EXPECT_EQ(convert("URLVARNAME=", "Url]").Text(), "[Url]");
  EXPECT_EQ(convert("VARNAME=", "Score").Raw(), "Score");
}

// Pilcrows at the ends, side by side and on both sides of every 16-byte
// boundary, in values of many lengths, as the reader converts them: lines
// with other bytes behind them.
TEST(DocumentValueTest, LinesBreakAtEveryPilcrowWhereverItIs) {
  const std::string pieces[] = {"\xB6", "\xB6\xB6", "a", std::string(14, 'b'), std::string(15, 'c'),
                                std::string(16, 'd'), std::string(17, 'e'), std::string(33, 'f')};
  DocumentTextStore store;
  std::vector<std::string> values;
  for (const std::string& a : pieces)
    for (const std::string& b : pieces)
      for (const std::string& c : pieces) values.push_back(a + b + "\xB6" + c);
  for (const std::string& value : values) {
    std::string expected;
    for (const char ch : value) expected += ch == '\xB6' ? std::string("\r\n") : std::string(1, ch);
    const std::string line = value + "\r\nNext=\xB6\xB6\xB6\xB6\xB6\xB6\xB6\xB6\xB6\xB6\xB6\xB6";
    const std::string_view text = document_value::LinesText(std::string_view(line.data(), value.size()), store);
    EXPECT_EQ(text, expected) << value;
  }
}

TEST(DocumentValueTest, ValuesAreCopiedIntoTheStore) {
  DocumentTextStore store;
  std::string line = "GotoPage \"A\"\xB6";
  const KeyValue action = ConvertDocumentValue(*FindDocumentKey("OBJACTION="), line, &store);
  const std::string big(100000, 'b');  // a text longer than a block
  const KeyValue text = ConvertDocumentValue(*FindDocumentKey("TEXT="), big, &store);
  line.assign(line.size(), '#');
  for (int i = 0; i < 5000; ++i) ConvertDocumentValue(*FindDocumentKey("NAME="), "filler-text", &store);
  EXPECT_EQ(action.Raw(), "GotoPage \"A\"\xB6");
  EXPECT_EQ(action.Text(), "GotoPage \"A\"\r\n");
  EXPECT_EQ(text.Raw(), big);
}

TEST(DocumentKeysTest, FindsKeysInAnyCaseOnlyWithTheirEqualsSign) {
  EXPECT_EQ(FindDocumentKey("newpage="), FindDocumentKey("NEWPAGE="));
  EXPECT_EQ(FindDocumentKey("NewPage="), FindDocumentKey("NEWPAGE="));
  ASSERT_NE(FindDocumentKey("masterpage"), nullptr);
  EXPECT_EQ(FindDocumentKey("masterpage")->role, KeyRole::MasterPage);
  EXPECT_EQ(FindDocumentKey("NewPage"), nullptr);
  EXPECT_EQ(FindDocumentKey("MasterPage="), nullptr);
  EXPECT_EQ(FindDocumentKey("Language="), nullptr);
  EXPECT_EQ(FindDocumentKey("l_donwloadfile=")->scope, KeyScope::Text);
  EXPECT_EQ(FindDocumentKey("Icon=")->scope, KeyScope::Ignored);
  EXPECT_EQ(FindDocumentKey("ChangingAction=")->type, KeyType::Integer);
}

TEST(DocumentKeysTest, EveryKeyIsAsciiUpperCaseAndShort) {
  for (const DocumentKey& key : DocumentKeys()) {
    EXPECT_LE(key.name.size(), 32u) << key.name;
    for (const char c : key.name) EXPECT_TRUE((c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '=') << key.name;
  }
  EXPECT_EQ(FindDocumentKey(std::string(40, 'A')), nullptr);
  EXPECT_EQ(FindDocumentKey(""), nullptr);
  EXPECT_EQ(FindDocumentKey("N\xC1ME="), nullptr);
}

TEST(DocumentKeysTest, DictionaryHasEveryTextKeyAndNoDuplicates) {
  int texts = 0;
  const auto keys = DocumentKeys();
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (keys[i].scope == KeyScope::Text) ++texts;
    EXPECT_EQ(FindDocumentKey(keys[i].name), &keys[i]) << keys[i].name;
  }
  EXPECT_EQ(texts, 35);
}

}  // namespace
}  // namespace orv
