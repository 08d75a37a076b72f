// The word-at-a-time lookup of a line's key agrees with splitting the line
// and looking the key up the plain way, whatever follows the line.
#include "container/DocumentKeyIndex.h"

#include <gtest/gtest.h>

#include <string>

#include "container/DocumentValue.h"

namespace orv {
namespace {

TEST(DocumentKeyIndexTest, AgreesWithSplitAndFind) {
  const std::string lines[] = {
      "Name=Button1", "name=x", "NAME =x", " Name=x", "Name= x ", "MasterPage", "masterpage",
      "MasterPage ", "MasterPage=", "L_InstFolderPrompt=y", "l_instfolderprompt=y",
      "ObjLoseFocusAction=Beep\xB6", "OBJLOSEFOCUSACTIONS=z", "X=", "=v", "", "Language=It",
      "N\xC1ME=x", "N\xE1me=x", "PageGradient1=1", "pagegradient2=2", "PageGradient3=3", "Text=a=b",
      "W=1", "w=1", "GroupBegin", "groupend", "Group Begin", "MenuName=File",
      std::string(40, 'A'), std::string(31, 'A') + "=v", std::string(32, 'A') + "=v",
      "ObjEnterAction=SetCursor", "OBJENTERACTIO=x", "OBJENTERACTIONN=x", "Visible=Yes",
      "VISIBLE\x7F=Yes", "Nam_=x", "NAM\x5F=x", "\tName=x", "Name\x01=x", "\x05MasterPage",
      "GroupEnd\x1F", " \tX =1",
  };
  // What follows a line in the reader's buffer: the next lines, or the
  // zeroed room after the data.
  const std::string followers[] = {std::string(40, '\0'), "\r\nName=Next\r\nX=1\r\n" + std::string(40, '='),
                                   "\r\n" + std::string(40, 'a')};
  for (const std::string& line : lines) {
    const DocumentLine split = SplitDocumentLine(line);
    const DocumentKey* expected = FindDocumentKey(split.key);
    for (const std::string& after : followers) {
      const std::string buffer = line + after;
      const KeyedDocumentLine keyed = LookUpDocumentLine(std::string_view(buffer.data(), line.size()));
      EXPECT_EQ(keyed.key, expected) << line;
      EXPECT_EQ(keyed.value, split.value) << line;
    }
  }
}

TEST(DocumentKeyIndexTest, EveryKeyIsFoundInAnyCase) {
  for (const DocumentKey& key : DocumentKeys()) {
    std::string mixed(key.name);
    for (std::size_t i = 0; i < mixed.size(); i += 2)
      if (mixed[i] >= 'A' && mixed[i] <= 'Z') mixed[i] = static_cast<char>(mixed[i] + 32);
    // A section word is the whole line.
    const std::string line = mixed.back() == '=' ? mixed + "value" : mixed;
    const std::string buffer = line + "\r\n" + std::string(40, '\0');
    const KeyedDocumentLine keyed = LookUpDocumentLine(std::string_view(buffer.data(), line.size()));
    EXPECT_EQ(keyed.key, &key) << line;
  }
}

}  // namespace
}  // namespace orv
