// An object's properties are taken from the document text when its keys are
// asked for; these documents put other lines, sections and buffer edges in
// the middle of an object's properties.
#include <gtest/gtest.h>

#include <string>

#include "container/DocumentReader.h"
#include "support/ZlibText.h"

namespace orv {
namespace {

Publication Read(std::string_view document, bool compress = false) {
  Publication publication;
  std::string error;
  if (!compress) {
    EXPECT_TRUE(ReadPublicationDocument(document, false, 0, {}, publication, error)) << error;
    return publication;
  }
  const std::string packed = DeflateText(document);
  EXPECT_TRUE(ReadPublicationDocument(packed, true, document.size(), {}, publication, error)) << error;
  return publication;
}

std::string KeysOf(const Publication& publication, const PublicationObject& object) {
  std::string out;
  for (const KeyValue& value : publication.ObjectKeys(object)) {
    if (!out.empty()) out += ';';
    out += KeyLabel(*value.key);
    out += '=';
    out += value.Text();
  }
  return out;
}

TEST(ObjectKeysTest, OtherLinesAmongAnObjectsPropertiesGoWhereTheyBelong) {
  const Publication publication = Read(
      "NewPage=A\r\nObjectType=3\r\nName=N\r\nPageColor=5\r\nTitle=T\r\nL_OK=Si\r\nFoo=1\r\n"
      "Text=\r\nLinkPos=2\r\nObjectType=99\r\n x =0\r\n X=1\r\nMenuName=stray\r\nVarName=V\r\n");
  ASSERT_EQ(publication.pages[1].objects.size(), 1u);
  EXPECT_EQ(KeysOf(publication, publication.pages[1].objects[0]), "NAME=N;X=1;VARNAME=[V]");
  EXPECT_EQ(publication.pages[1].keys.size(), 1u);
  EXPECT_EQ(publication.settings.Text("TITLE="), "T");
  EXPECT_EQ(publication.texts.Text("L_OK="), "Si");
}

TEST(ObjectKeysTest, AMenuSectionInsideAnObjectKeepsItsLines) {
  const Publication publication = Read(
      "NewPage=A\r\nObjectType=3\r\nName=Before\r\nMenuBegin\r\nMenuName=File\r\nName=Inside\r\n"
      "MenuText=&File\r\nMenuEnd\r\nX=7\r\nObjectType=4\r\nName=Next\r\n");
  const auto& objects = publication.pages[1].objects;
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(KeysOf(publication, objects[0]), "NAME=Before;X=7");
  EXPECT_EQ(KeysOf(publication, objects[1]), "NAME=Next");
  ASSERT_EQ(publication.menuBar.size(), 1u);
  EXPECT_EQ(publication.menuBar[0].keys.size(), 1u);
}

// Thousands of objects and a property longer than a buffer block: the lines
// of one object are spread over chunks, scanning windows and blocks of the
// kept text, raw and inflated.
TEST(ObjectKeysTest, PropertiesAcrossChunksAndBlocksStayWhole) {
  const std::string longText(100000, 'L');
  std::string document = "NewPage=P\r\n";
  constexpr int kObjects = 4000;
  for (int i = 0; i < kObjects; ++i) {
    document += "ObjectType=3\r\nName=Obj" + std::to_string(i) + "\r\nX=" + std::to_string(i) +
                "\r\nHint=a\xB6" "b\r\n";
    if (i == 1234) document += "Text=" + longText + "\r\n";
    document += "Y=" + std::to_string(i * 2) + "\r\n";
  }
  for (const bool compress : {false, true}) {
    const Publication publication = Read(document, compress);
    const auto& objects = publication.pages[1].objects;
    ASSERT_EQ(objects.size(), static_cast<std::size_t>(kObjects));
    for (int i = 0; i < kObjects; ++i) {
      std::string expected = "NAME=Obj" + std::to_string(i) + ";X=" + std::to_string(i) + ";HINT=a\r\nb";
      if (i == 1234) expected += ";TEXT=" + longText;
      expected += ";Y=" + std::to_string(i * 2);
      ASSERT_EQ(KeysOf(publication, objects[static_cast<std::size_t>(i)]), expected) << i;
    }
  }
}

TEST(ObjectKeysTest, KeysAreConvertedOnceAndCopiesReadAlike) {
  const Publication publication = Read("NewPage=A\r\nObjectType=3\r\nName=N\r\nHint=a\xB6" "b\r\n");
  const PublicationObject& object = publication.pages[1].objects[0];
  const KeyList first = publication.ObjectKeys(object);
  const KeyList again = publication.ObjectKeys(object);
  EXPECT_EQ(first.data(), again.data());
  ASSERT_EQ(first.size(), 2u);
  const PublicationObject copy = object;
  EXPECT_EQ(KeysOf(publication, copy), "NAME=N;HINT=a\r\nb");
}

}  // namespace
}  // namespace orv
