// Object names: identifiers, unique among one parent's children without
// regard to case; a document that breaks the rule is not played.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "container/DocumentReader.h"
#include "container/ObjectNameRule.h"
#include "container/PackageFixture.h"
#include "container/Publication.h"
#include "support/RunCommand.h"

namespace orv {
namespace {

TEST(ObjectNameRule, IdentifiersAreLettersDigitsAndUnderscores) {
  const struct {
    const char* name;
    bool identifier;
  } cases[] = {
      {"A", true},         {"z", true},         {"_", true},        {"_9", true},       {"Button1", true},
      {"my_Name_2", true}, {"", false},         {"1A", false},      {"9", false},       {"a b", false},
      {" a", false},       {"a-b", false},      {"a.b", false},     {"a$", false},      {"[a]", false},
      {"\xE9t\xE9", false}, {"caf\xE9", false}, {"a\tb", false},
  };
  for (const auto& c : cases) EXPECT_EQ(IsObjectIdentifier(c.name), c.identifier) << '"' << c.name << '"';
  EXPECT_FALSE(IsObjectIdentifier(std::string_view("a\0b", 3)));
}

std::optional<std::string> FaultOf(const std::string& document) {
  Publication publication;
  std::string error;
  EXPECT_TRUE(ReadPublicationDocument(document, false, document.size(), {}, publication, error)) << error;
  return FindObjectNameFault(publication);
}

TEST(ObjectNameRule, GoodNamesPass) {
  const char* const documents[] = {
      // Unnamed objects, or named with nothing.
      "NewPage=P\r\nObjectType=5\r\nObjectType=5\r\nObjectType=5\r\nName=\r\nObjectType=5\r\nName=\r\n",
      // The same name under other parents, and on other pages.
      "NewPage=P\r\nObjectType=5\r\nName=A\r\nObjectType=20\r\nName=G\r\nGroupBegin\r\nObjectType=5\r\nName=A\r\n"
      "ObjectType=21\r\nName=K\r\nContainerBegin\r\nObjectType=5\r\nName=a\r\nContainerEnd\r\nGroupEnd\r\n"
      "NewPage=Q\r\nObjectType=5\r\nName=A\r\n",
      // The master page's objects and a page's are not siblings.
      "MasterPage\r\nObjectType=5\r\nName=A\r\nNewPage=P\r\nObjectType=5\r\nName=A\r\n",
      // A later name replaces an earlier one.
      "NewPage=P\r\nObjectType=5\r\nName=A\r\nName=B\r\nObjectType=5\r\nName=A\r\n",
  };
  for (const char* document : documents) {
    const std::optional<std::string> fault = FaultOf(document);
    EXPECT_FALSE(fault.has_value()) << document << "\n" << fault.value_or("");
  }
}

TEST(ObjectNameRule, TheFaultNamesTheObjectAndItsPage) {
  const struct {
    const char* label;
    std::string document;
    std::string object;
    std::string page;
  } cases[] = {
      {"not an identifier", "NewPage=First\r\nObjectType=5\r\nName=ok\r\nObjectType=3\r\nName=2nd\r\n", "\"2nd\"",
       "page \"First\""},
      {"twice among siblings", "NewPage=First\r\nObjectType=5\r\nName=Btn\r\nObjectType=3\r\nName=BTN\r\n", "\"BTN\"",
       "page \"First\""},
      {"twice inside a group",
       "NewPage=A\r\nNewPage=B\r\nObjectType=20\r\nName=G\r\nGroupBegin\r\nObjectType=5\r\nName=x\r\n"
       "ObjectType=5\r\nName=X\r\nGroupEnd\r\n",
       "\"X\"", "page \"B\""},
      {"the last name is the one kept",
       "NewPage=First\r\nObjectType=5\r\nName=A\r\nObjectType=5\r\nName=B\r\nName=a\r\n", "\"a\"", "page \"First\""},
      {"inside an unnamed group",
       "NewPage=First\r\nObjectType=20\r\nName=\r\nGroupBegin\r\nObjectType=5\r\nName=no good\r\nGroupEnd\r\n",
       "\"no good\"", "page \"First\""},
      {"on the master page", "MasterPage\r\nObjectType=5\r\nName=a b\r\nNewPage=P\r\n", "\"a b\"", "master page"},
  };
  for (const auto& c : cases) {
    const std::optional<std::string> fault = FaultOf(c.document);
    if (!fault) {
      ADD_FAILURE() << c.label << ": no fault found";
      continue;
    }
    EXPECT_NE(fault->find("object " + c.object), std::string::npos) << c.label << ": " << *fault;
    EXPECT_NE(fault->find(c.page), std::string::npos) << c.label << ": " << *fault;
    EXPECT_EQ(fault->find('\n'), std::string::npos) << c.label << ": " << *fault;
  }
}

TEST(ObjectNameRule, ThePlayerRefusesAPublicationWithABadName) {
  test::ScratchFolder dir;
  test::WriteFile(dir / "RUNTIME.PUB",
                  "ScreenWidth=100\r\nScreenHeight=80\r\nNewPage=First\r\nObjectType=5\r\nName=bad-name\r\n");
  const std::string package = dir / "book.exe";
  const test::CommandResult packed = test::RunCommand(test::BinPath("orvalis-pack") + " create " + test::Q(package) +
                                                      " " + test::Q(dir / "RUNTIME.PUB"));
  ASSERT_EQ(packed.status, 0) << packed.output;
  const test::CommandResult run =
      test::RunCommand("QT_QPA_PLATFORM=offscreen " + test::BinPath("orvalis") + " --quit-after 2000 " +
                       test::Q(package));
  EXPECT_EQ(run.status, 1) << run.output;
  EXPECT_NE(run.output.find("Impossibile accedere a questa risorsa."), std::string::npos) << run.output;
  EXPECT_NE(run.output.find("object \"bad-name\" on the page \"First\""), std::string::npos) << run.output;
}

}  // namespace
}  // namespace orv
