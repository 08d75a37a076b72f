// The JSON and outline forms of the publication model.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>

#include "container/DocumentReader.h"
#include "container/PublicationJson.h"
#include "container/PublicationOutline.h"

namespace orv {
namespace {

std::string FileText(const std::string& name) {
  std::ifstream file(std::string(ORVALIS_TEST_DATA_DIR "/container/doc/") + name, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

Publication Read(std::string_view document, bool tray = false) {
  Publication publication;
  std::string error;
  DocumentReadOptions options;
  options.trayApplication = tray;
  EXPECT_TRUE(ReadPublicationDocument(document, false, 0, options, publication, error)) << error;
  return publication;
}

TEST(DocumentWritersTest, JsonStringsAreEscapedUtf8) {
  struct Case {
    std::string ansi, json;
  } cases[] = {
      {"plain", "\"plain\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"C:\\dir\\file", "\"C:\\\\dir\\\\file\""},
      {"a\r\nb\tc", "\"a\\r\\nb\\tc\""},
      {std::string("nul\0x\x01\x1f", 7), "\"nul\\u0000x\\u0001\\u001f\""},
      {"caff\xE8 \x80 \xB6", "\"caff\xC3\xA8 \xE2\x82\xAC \xC2\xB6\""},  // è € ¶
      {"", "\"\""},
  };
  for (const Case& c : cases) {
    std::string out;
    AppendJsonString(c.ansi, out);
    EXPECT_EQ(out, c.json) << c.ansi;
  }
}

TEST(DocumentWritersTest, JsonOfTheSamplePublication) {
  std::string json;
  WritePublicationJson(Read(FileText("sample.pub"), true), json);
  EXPECT_EQ(json, FileText("sample.json"));
}

TEST(DocumentWritersTest, JsonOfAnEmptyPublicationHasTheMasterPageAndDefaults) {
  std::string json;
  WritePublicationJson(Read(""), json);
  EXPECT_NE(json.find("\"SCREENWIDTH\": \"640\""), std::string::npos);
  EXPECT_EQ(json.find("\"SCREENCOLORS\""), std::string::npos);
  EXPECT_NE(json.find("\"texts\": {}"), std::string::npos);
  EXPECT_NE(json.find("\"pages\": [\n    {\"name\": \"\", \"keys\": {}, \"objects\": []}\n  ]"),
            std::string::npos);
  EXPECT_NE(json.find("\"menubar\": [],\n  \"traymenu\": []\n}"), std::string::npos);
}

TEST(DocumentWritersTest, JsonPageKeysTakeTheLastValueInFirstPlace) {
  std::string json;
  WritePublicationJson(Read("NewPage=A\r\nPageColor=1\r\nPageStyle=2\r\npagecolor=3\r\n"), json);
  EXPECT_NE(json.find("\"keys\": {\"PAGECOLOR\": \"3\", \"PAGESTYLE\": \"2\"}"), std::string::npos);
}

TEST(DocumentWritersTest, OutlineOfTheSamplePublication) {
  std::string outline;
  WritePublicationOutline(Read(FileText("sample.pub"), true), outline);
  EXPECT_EQ(outline, FileText("sample.outline.txt"));
}

TEST(DocumentWritersTest, OutlineKeepsOneLinePerValue) {
  std::string outline;
  WritePublicationOutline(Read("NewPage=A\r\nObjectType=3\r\nName=x\ry\x01z\r\nText=a\xB6" "b\r\n"), outline);
  EXPECT_NE(outline.find("    NAME=x?y?z\n"), std::string::npos);
  EXPECT_NE(outline.find("    TEXT=a\xC2\xB6" "b\n"), std::string::npos);
}

}  // namespace
}  // namespace orv
