#include "container/DocumentReader.h"

#include <gtest/gtest.h>

#include <fstream>
#include <span>
#include <sstream>
#include <string>

namespace orv {
namespace {

Publication Read(std::string_view document, DocumentReadOptions options = {}) {
  Publication publication;
  std::string error;
  EXPECT_TRUE(ReadPublicationDocument(document, false, 0, options, publication, error)) << error;
  return publication;
}

std::string KeysOf(std::span<const KeyValue> keys) {
  std::string out;
  for (const KeyValue& value : keys) {
    if (!out.empty()) out += ';';
    out += KeyLabel(*value.key);
    out += '=';
    out += value.Text();
  }
  return out;
}

// "(type KEY=value;... (child)...)"
std::string ObjectsOf(const Publication& publication, std::span<const PublicationObject> objects) {
  std::string out;
  for (const PublicationObject& object : objects) {
    out += '(' + std::to_string(object.type);
    const KeyList keys = publication.ObjectKeys(object);
    if (!keys.empty()) out += ' ' + KeysOf(keys);
    if (!object.children.empty()) out += ' ' + ObjectsOf(publication, object.children);
    out += ')';
  }
  return out;
}

// Every page, the master page first: "name[page keys](objects) | ..."
std::string PagesOf(const Publication& publication) {
  std::string out;
  for (const PublicationPage& page : publication.pages) {
    if (!out.empty()) out += " | ";
    out += page.name + '[' + KeysOf(page.keys) + ']' + ObjectsOf(publication, page.objects);
  }
  return out;
}

struct PageCase {
  const char* what;
  std::string document;
  std::string pages;
};

TEST(DocumentReaderTest, BuildsPagesAndObjects) {
  const PageCase cases[] = {
      {"plain page", "NewPage=Intro\r\nPageColor=5\r\nObjectType=3\r\nName=Go\r\nX=10\r\n",
       "[] | Intro[PAGECOLOR=5](3 NAME=Go;X=10)"},
      {"lower-case keys", "newpage=Intro\r\nobjecttype=3\r\nname=Go\r\n", "[] | Intro[](3 NAME=Go)"},
      {"empty values change nothing",
       "NewPage=A\r\nPageColor=\r\nPageColor=7\r\nObjectType=\r\nObjectType=3\r\nName=\r\n",
       "[] | A[PAGECOLOR=7](3)"},
      {"unknown keys ignored", "Language=It\r\nNewPage=A\r\nFoo=1\r\nObjectType=3\r\nBar=2\r\n",
       "[] | A[](3)"},
      {"same name twice", "NewPage=Intro\r\nNewPage=Intro\r\n", "[] | Intro[] | Intro1[]"},
      {"name taken in other case", "NewPage=Intro\r\nNewPage=INTRO\r\n", "[] | Intro[] | INTRO1[]"},
      {"stem without blank", "NewPage=Page 2\r\nNewPage=Page 2\r\n", "[] | Page 2[] | Page1[]"},
      {"stem with blank", "NewPage=My Page 2\r\nNewPage=My Page 2\r\n",
       "[] | My Page 2[] | My Page 1[]"},
      {"first free number", "NewPage=A1\r\nNewPage=A\r\nNewPage=A\r\n", "[] | A1[] | A[] | A2[]"},
      {"blank name", "NewPage= \r\nNewPage= \r\n", "[] |  [] | 1[]"},
      {"keys before any page ignored",
       "ObjectType=3\r\nName=X\r\nPageColor=5\r\nGroupBegin\r\nNewPage=A\r\nName=Y\r\n", "[] | A[]"},
      {"master page", "NewPage=A\r\nMasterPage\r\nPageColor=1\r\nObjectType=8\r\n",
       "[PAGECOLOR=1](8) | A[]"},
      {"section word with blanks", "NewPage=A\r\nObjectType=20\r\n  GroupBegin \r\nObjectType=3\r\nGroupEnd\r\n",
       "[] | A[](20 (3))"},
      {"keys after GroupEnd go to the last child",
       "NewPage=A\r\nObjectType=20\r\nName=G\r\nGroupBegin\r\nObjectType=3\r\nName=C\r\nGroupEnd\r\n"
       "X=5\r\n",
       "[] | A[](20 NAME=G (3 NAME=C;X=5))"},
      {"empty group stays current", "NewPage=A\r\nObjectType=20\r\nGroupBegin\r\nGroupEnd\r\nX=5\r\n",
       "[] | A[](20 X=5)"},
      {"types 1 and 25 create nothing",
       "NewPage=A\r\nObjectType=3\r\nObjectType=1\r\nName=B\r\nObjectType=25\r\nX=5\r\n"
       "ObjectType=0\r\nObjectType=-3\r\nY=6\r\n",
       "[] | A[](3 NAME=B;X=5;Y=6)"},
      {"every type from 2 to 24",
       "NewPage=A\r\nObjectType=2\r\nObjectType=$18\r\n", "[] | A[](2)(24)"},
      {"pilcrows become line breaks", "NewPage=A\r\nObjectType=3\r\nObjAction=A\xB6" "B\xB6\r\n",
       "[] | A[](3 OBJACTION=A\r\nB\r\n)"},
      {"value kept untrimmed", "NewPage=A\r\nObjectType=3\r\n Name= Go \r\n", "[] | A[](3 NAME= Go )"},
      {"variable names bracketed",
       "NewPage=A\r\nObjectType=14\r\nVarName=Score\r\nTitleVarName=T\r\nURLVarName=[U]\r\n",
       "[] | A[](14 VARNAME=[Score];TITLEVARNAME=[T];URLVARNAME=[U])"},
      {"variable names with a reference or a half bracket",
       "NewPage=A\r\nObjectType=14\r\nVarName=Arr[i]\r\nTitleVarName=[T\r\nURLVarName=U]\r\n",
       "[] | A[](14 VARNAME=[Arr[i]];TITLEVARNAME=[T];URLVARNAME=[U])"},
      {"keys kept in order, repeats too", "NewPage=A\r\nObjectType=7\r\nY2=4\r\nX1=1\r\nY2=5\r\n",
       "[] | A[](7 Y2=4;X1=1;Y2=5)"},
      {"nested group and container",
       "NewPage=A\r\nObjectType=20\r\nGroupBegin\r\nObjectType=21\r\nContainerBegin\r\n"
       "ObjectType=5\r\nContainerEnd\r\nObjectType=6\r\nGroupEnd\r\nObjectType=7\r\n",
       "[] | A[](20 (21 (5))(6))(7)"},
      {"ignored keys dropped", "NewPage=A\r\nObjectType=3\r\nLinkPos=1\r\nVAlign=2\r\n", "[] | A[](3)"},
  };
  for (const PageCase& c : cases) EXPECT_EQ(PagesOf(Read(c.document)), c.pages) << c.what;
}

// Damaged nesting never crashes and never moves objects to another page.
TEST(DocumentReaderTest, RecoversFromBrokenGroups) {
  const PageCase cases[] = {
      {"end without an open group", "NewPage=A\r\nGroupEnd\r\nContainerEnd\r\nObjectType=3\r\nGroupEnd\r\nX=1\r\n",
       "[] | A[](3 X=1)"},
      {"group left open at the end", "NewPage=A\r\nObjectType=20\r\nGroupBegin\r\nObjectType=3\r\n",
       "[] | A[](20 (3))"},
      {"group left open at a new page",
       "NewPage=A\r\nObjectType=20\r\nGroupBegin\r\nObjectType=3\r\nNewPage=B\r\nObjectType=5\r\n"
       "GroupEnd\r\nObjectType=6\r\n",
       "[] | A[](20 (3)) | B[](5)(6)"},
      {"begin after an object that holds no children",
       "NewPage=A\r\nObjectType=3\r\nGroupBegin\r\nObjectType=5\r\nGroupEnd\r\nObjectType=6\r\n",
       "[] | A[](3)(5)(6)"},
      {"begin with no object", "NewPage=A\r\nGroupBegin\r\nObjectType=5\r\nGroupEnd\r\nObjectType=6\r\n",
       "[] | A[](5)(6)"},
      {"either end closes either begin",
       "NewPage=A\r\nObjectType=21\r\nGroupBegin\r\nObjectType=5\r\nContainerEnd\r\nObjectType=6\r\n",
       "[] | A[](21 (5))(6)"},
  };
  for (const PageCase& c : cases) EXPECT_EQ(PagesOf(Read(c.document)), c.pages) << c.what;
}

int Depth(std::span<const PublicationObject> objects) {
  int deepest = 0;
  for (const PublicationObject& object : objects) deepest = std::max(deepest, 1 + Depth(object.children));
  return deepest;
}

TEST(DocumentReaderTest, NestingIsBounded) {
  const int levels = 5000;
  std::string document = "NewPage=A\r\n";
  for (int i = 0; i < levels; ++i) document += "ObjectType=20\r\nGroupBegin\r\n";
  document += "ObjectType=3\r\nName=Deep\r\n";
  for (int i = 0; i < levels; ++i) document += "GroupEnd\r\n";
  document += "ObjectType=5\r\nName=After\r\n";
  const Publication publication = Read(document);
  const auto& objects = publication.pages[1].objects;
  EXPECT_EQ(Depth(objects), kMaxDocumentNesting + 1);
  // Every end is matched, so the last object is back on the page itself.
  ASSERT_EQ(objects.size(), 2u);
  EXPECT_EQ(KeysOf(publication.ObjectKeys(objects[1])), "NAME=After");
}

TEST(DocumentReaderTest, CountsLinkedArticles) {
  EXPECT_EQ(Read("NewPage=A\r\nObjectType=24\r\nObjectType=20\r\nGroupBegin\r\nObjectType=24\r\n"
                 "GroupEnd\r\nObjectType=25\r\n")
                .linkedArticleCount,
            2);
}

TEST(DocumentReaderTest, ConvertedValuesKeepTheirText) {
  const Publication publication =
      Read("NewPage=A\r\nObjectType=12\r\nVisible=yes\r\nEnabled=1\r\nInitState=$1\r\n");
  const KeyList keys = publication.ObjectKeys(publication.pages[1].objects[0]);
  EXPECT_TRUE(FindKey(keys, "visible=")->Yes());
  EXPECT_FALSE(FindKey(keys, "ENABLED=")->Yes());
  EXPECT_EQ(FindKey(keys, "INITSTATE=")->Number(), 1);
  EXPECT_EQ(FindKey(keys, "INITSTATE=")->Raw(), "$1");
  EXPECT_EQ(FindKey(keys, "NAME="), nullptr);
}

TEST(DocumentReaderTest, SettingsStartWithTheirDefaults) {
  const Publication publication = Read("");
  const PublicationKeyTable& settings = publication.settings;
  EXPECT_EQ(settings.Number("ScreenWidth="), 640);
  EXPECT_EQ(settings.Number("SCREENHEIGHT="), 480);
  EXPECT_EQ(settings.Number("WINDOWPROPS="), 31);
  EXPECT_EQ(settings.Number("SHAPETRANSCOLOR="), 536870912);
  EXPECT_EQ(settings.Number("LINKCOLOR="), 16711680);
  EXPECT_EQ(settings.Number("CACHESIZE="), 30);
  EXPECT_EQ(settings.Number("EXTRACTOP="), 132);
  EXPECT_EQ(settings.Number("RETURNTIME="), 60);
  EXPECT_EQ(settings.Number("CUSTOMFONTSTYLE="), 1);
  EXPECT_EQ(settings.Text("CUSTOMFONTNAME="), "MS Sans Serif");
  EXPECT_TRUE(settings.Yes("ALLOWESC="));
  EXPECT_TRUE(settings.Yes("SHOWERRORS="));
  EXPECT_TRUE(settings.Yes("USEUPDATETIMER="));
  EXPECT_FALSE(settings.Yes("AUTORETURN="));
  EXPECT_EQ(settings.Text("TITLE="), "");
  EXPECT_EQ(settings.Find("SCREENCOLORS="), nullptr);  // the display's own
  EXPECT_FALSE(settings.Given("SCREENWIDTH="));
  EXPECT_EQ(publication.pages.size(), 1u);
  EXPECT_FALSE(publication.hasMenuBar);
}

TEST(DocumentReaderTest, SettingsAndTextsAreReadAnywhere) {
  const Publication publication = Read(
      "ScreenWidth=800\r\nNewPage=A\r\nObjectType=3\r\nTitle=Late\r\nL_OK=Va bene\r\n"
      "ObjectType=20\r\nGroupBegin\r\nallowesc=no\r\nGroupEnd\r\nStartupAction=A\xB6" "B\r\n"
      "CustomFontStyle=31\r\nIcon=x.ico\r\nL_UNKNOWN=x\r\n");
  const PublicationKeyTable& settings = publication.settings;
  EXPECT_EQ(settings.Number("SCREENWIDTH="), 800);
  EXPECT_TRUE(settings.Given("SCREENWIDTH="));
  EXPECT_EQ(settings.Text("TITLE="), "Late");
  EXPECT_FALSE(settings.Yes("ALLOWESC="));
  EXPECT_EQ(settings.Text("STARTUPACTION="), "A\r\nB");
  EXPECT_EQ(settings.Number("CUSTOMFONTSTYLE="), 15);
  EXPECT_EQ(settings.Find("ICON="), nullptr);
  EXPECT_EQ(publication.texts.Text("L_OK="), "Va bene");
  EXPECT_EQ(publication.texts.Text("L_CANCEL="), "");
  EXPECT_EQ(PagesOf(publication), "[] | A[](3)(20)");
}

TEST(DocumentReaderTest, ScreenColoursAcceptOnlyKnownCounts) {
  for (const int colours : {2, 16, 256, 32768, 65536, 16777216})
    EXPECT_EQ(Read("ScreenColors=" + std::to_string(colours) + "\r\n").settings.Number("SCREENCOLORS="),
              colours);
  for (const char* colours : {"0", "8", "24", "-256", "x"})
    EXPECT_EQ(Read(std::string("ScreenColors=256\r\nScreenColors=") + colours + "\r\n")
                  .settings.Number("SCREENCOLORS="),
              256)
        << colours;
}

TEST(DocumentReaderTest, EmbeddedFilesOnlyInTestRuns) {
  const std::string document = "EmbeddedFiles=a.txt=C:\\a.txt\r\n";
  EXPECT_EQ(Read(document).settings.Find("EMBEDDEDFILES="), nullptr);
  DocumentReadOptions testRun;
  testRun.testRun = true;
  EXPECT_EQ(Read(document, testRun).settings.Text("EMBEDDEDFILES="), "a.txt=C:\\a.txt");
}

// "name{keys}[children]" for each item.
std::string MenuOf(const std::vector<PublicationMenuItem>& items) {
  std::string out;
  for (const PublicationMenuItem& item : items) {
    out += item.name;
    if (!item.keys.empty()) out += '{' + KeysOf(item.keys) + '}';
    if (!item.children.empty()) out += '[' + MenuOf(item.children) + ']';
    out += ' ';
  }
  return out;
}

TEST(DocumentReaderTest, ReadsMenus) {
  struct Case {
    const char* what;
    std::string document;
    bool tray;
    std::string menuBar, trayMenu, pages;
  } cases[] = {
      {"menu bar with a submenu",
       "MenuBegin\r\nMenuName=File\r\nMenuText=&File\r\nMenuBegin\r\nMenuName=Quit\r\n"
       "MenuAction=Exit\xB6\r\nMenuEnd\r\nMenuName=Help\r\nMenuEnd\r\n",
       false, "File{MENUTEXT=&File}[Quit{MENUACTION=Exit\r\n} ] Help ", "", "[]"},
      {"the last menu bar wins", "MenuBegin\r\nMenuName=A\r\nMenuEnd\r\nMenuBegin\r\nMenuName=B\r\nMenuEnd\r\n",
       false, "B ", "", "[]"},
      {"begin without an item is ignored",
       "MenuBegin\r\nMenuBegin\r\nMenuName=A\r\nMenuEnd\r\nNewPage=P\r\n", false, "A ", "", "[] | P[]"},
      {"other keys ignored inside a menu",
       "MenuBegin\r\nMenuText=early\r\nMenuName=A\r\nNewPage=P\r\nObjectType=3\r\nTitle=T\r\n"
       "TrayMenuBegin\r\nMenuEnd\r\n",
       false, "A ", "", "[]"},
      {"item keys outside menus ignored", "MenuName=A\r\nMenuText=B\r\nMenuEnd\r\nNewPage=P\r\n", false, "",
       "", "[] | P[]"},
      {"unclosed menu runs to the end", "NewPage=P\r\nMenuBegin\r\nMenuName=A\r\nNewPage=Q\r\n", false,
       "A ", "", "[] | P[]"},
      {"last line, without CR LF, inside a menu", "MenuBegin\r\nMenuName=A\r\nMenuText=t", false,
       "A{MENUTEXT=t} ", "", "[]"},
      {"last line, without CR LF, after a menu", "MenuBegin\r\nMenuName=A\r\nMenuEnd\r\nNewPage=Z",
       false, "A ", "", "[] | Z[]"},
      {"tray menu read by a tray application",
       "TrayMenuBegin\r\nMenuName=Show\r\nMenuBegin\r\nMenuName=Sub\r\nMenuEnd\r\nMenuEnd\r\nNewPage=P\r\n",
       true, "", "Show[Sub ] ", "[] | P[]"},
      // Skipping only the first line would turn the tray submenu into the
      // menu bar and its items into top-level noise.
      {"tray menu skipped whole otherwise",
       "MenuBegin\r\nMenuName=Real\r\nMenuEnd\r\nTrayMenuBegin\r\nMenuName=Show\r\nMenuBegin\r\n"
       "MenuName=Sub\r\nMenuEnd\r\nMenuEnd\r\nNewPage=P\r\n",
       false, "Real ", "", "[] | P[]"},
  };
  for (const Case& c : cases) {
    DocumentReadOptions options;
    options.trayApplication = c.tray;
    const Publication publication = Read(c.document, options);
    EXPECT_EQ(MenuOf(publication.menuBar), c.menuBar) << c.what;
    EXPECT_EQ(MenuOf(publication.trayMenu), c.trayMenu) << c.what;
    EXPECT_EQ(PagesOf(publication), c.pages) << c.what;
  }
}

TEST(DocumentReaderTest, TraySectionOutsideTrayApplicationLeavesNoMenuBar) {
  const Publication publication =
      Read("TrayMenuBegin\r\nMenuName=Show\r\nMenuBegin\r\nMenuName=Sub\r\nMenuEnd\r\nMenuEnd\r\n");
  EXPECT_FALSE(publication.hasMenuBar);
  EXPECT_FALSE(publication.hasTrayMenu);
  EXPECT_TRUE(publication.menuBar.empty());
}

TEST(DocumentReaderTest, MenusNestNoDeeperThanTheBound) {
  std::string document = "MenuBegin\r\n";
  for (int i = 0; i < 3000; ++i) document += "MenuName=M\r\nMenuBegin\r\n";
  for (int i = 0; i < 3000; ++i) document += "MenuEnd\r\n";
  document += "MenuName=Last\r\nMenuEnd\r\nNewPage=P\r\n";
  const Publication publication = Read(document);
  int depth = 0;
  for (const auto* items = &publication.menuBar; !items->empty(); items = &items->front().children) ++depth;
  EXPECT_EQ(depth, kMaxDocumentNesting + 1);
  EXPECT_EQ(publication.menuBar.back().name, "Last");
  EXPECT_EQ(PagesOf(publication), "[] | P[]");
}

TEST(DocumentReaderTest, ChunkBoundaryCrLfDoesNotCutTheDocument) {
  std::string document = "Title=" + std::string(DocumentLineReader::kChunkSize - 8, 't') + "\r\n";
  ASSERT_EQ(document.size(), DocumentLineReader::kChunkSize);
  document += "NewPage=After\r\n";
  EXPECT_EQ(PagesOf(Read(document)), "[] | After[]");
}

TEST(DocumentReaderTest, CompressedAndPlainDocumentsReadAlike) {
  std::ifstream file(ORVALIS_TEST_DATA_DIR "/container/doc/sample.pub", std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  const std::string document = text.str();
  ASSERT_FALSE(document.empty());

  std::vector<int> progress;
  DocumentReadOptions options;
  options.progress = [&](int percent) { progress.push_back(percent); };
  const Publication plain = Read(document, options);
  EXPECT_EQ(progress, std::vector<int>{100});

  // The same document stored as a zlib stream. After the two ends, the
  // last child read (Rect) is still the current object.
  std::ifstream packedFile(ORVALIS_TEST_DATA_DIR "/container/doc/sample.pub.z", std::ios::binary);
  std::stringstream packed;
  packed << packedFile.rdbuf();
  Publication inflated;
  std::string error;
  ASSERT_TRUE(ReadPublicationDocument(packed.str(), true, document.size(), {}, inflated, error)) << error;
  EXPECT_EQ(PagesOf(inflated), PagesOf(plain));
  EXPECT_EQ(PagesOf(plain),
            "[PAGECOLOR=16777215](8 NAME=Footer;X=0;Y=560;TEXT={\\rtf1 x}) | "
            "Intro[PAGECOLOR=$FF;PGENTERACTION=Beep\r\n](3 NAME=Next;X=10;Y=20;W=80;H=24;TEXT=Avanti;"
            "OBJACTION=GotoPage \"Page 2\")(20 NAME=Box (12 NAME=Check;VARNAME=[Agreed];INITSTATE=1)"
            "(21 NAME=Inner (5 NAME=Rect;VISIBLE=Yes))) | "
            "Intro1[](24 NAME=Linked;FILENAME=story.txt)(14 NAME=Web;TITLEVARNAME=[PageTitle];"
            "URLVARNAME=[Url])");
}

TEST(DocumentReaderTest, DamagedCompressedDocumentFailsWithWhatWasRead) {
  Publication publication;
  std::string error;
  EXPECT_FALSE(ReadPublicationDocument("garbage", true, 100, {}, publication, error));
  EXPECT_NE(error, "");
  EXPECT_EQ(publication.pages.size(), 1u);
}

}  // namespace
}  // namespace orv
