// Groups and containers in a shown window: the enabled state they hand
// down, the notifications they pass to children at any depth (the first
// page shown included, with its master page), the container's size script
// and its hover scripts.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "objects/ObjectHost.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/OrvalisObj.h"
#include "objects/OrvalisRepositor.h"

namespace orv {
namespace {

using test::Logs;
using test::ObjectLines;

// Writes down every notification it hears.
class ListeningObject : public TOrvalisObj {
 public:
  ListeningObject(QWidget* parent, TObjectHost* host) : TOrvalisObj(5, parent, host) {}
  void Notify(int message, const std::string& text, const std::string& data) override {
    heard.push_back(message);
    TOrvalisObj::Notify(message, text, data);
  }
  bool Heard(int message) const { return std::find(heard.begin(), heard.end(), message) != heard.end(); }
  std::vector<int> heard;
};

std::string Holder(int type, const std::string& name, QRect at, const std::string& children,
                   std::initializer_list<std::string> keys = {}) {
  const bool group = type == 20;
  return ObjectLines(type, name, at, keys) + (group ? "GroupBegin\r\n" : "ContainerBegin\r\n") + children +
         (group ? "GroupEnd\r\n" : "ContainerEnd\r\n");
}

using GroupsContainersTest = test::ObjectWindowFixture<>;

// However the group came to be disabled, nothing inside it is enabled to
// the user: no enter script, no click. Only a change of the group's state
// is handed down to what scripts read: a group read as disabled had no
// children yet.
TEST_F(GroupsContainersTest, ADisabledGroupDisablesEveryChildAtAnyDepth) {
  for (const bool byDocument : {true, false}) {
    SCOPED_TRACE(byDocument);
    const std::string button =
        ObjectLines(3, "B", QRect(10, 10, 60, 30),
                    {"ObjAction=" + Logs("c"), "ObjEnterAction=" + Logs("e"), "ObjExitAction=" + Logs("x")});
    const std::string inner = Holder(21, "C", QRect(100, 10, 150, 100),
                                     ObjectLines(3, "Deep", QRect(10, 10, 60, 30), {"ObjAction=" + Logs("d")}));
    ASSERT_TRUE(Open("NewPage=P\r\n" + Holder(20, "G", QRect(20, 20, 300, 200), button + inner,
                                              {byDocument ? "Enabled=No" : "Enabled=Yes"})));
    auto* group = Find<TOrvalisRepositor>("G");
    ASSERT_NE(group, nullptr);
    if (!byDocument) group->SetEnabledState(false);
    for (const char* name : {"B", "C", "Deep"}) {
      TOrvalisObj* child = Find(name);
      ASSERT_NE(child, nullptr);
      EXPECT_EQ(child->EnabledState(), byDocument) << name;
      EXPECT_FALSE(child->isEnabled()) << name;
    }
    Click(At(*Find("B")));
    Click(At(*Find("Deep")));
    MoveTo(QPoint(390, 290));
    QCoreApplication::processEvents();
    EXPECT_EQ(Log(), "");

    group->SetEnabledState(true);
    for (const char* name : {"B", "C", "Deep"}) EXPECT_TRUE(Find(name)->EnabledState()) << name;
    Click(At(*Find("Deep")));
    QCoreApplication::processEvents();
    EXPECT_EQ(Log(), "d");
  }
}

TEST_F(GroupsContainersTest, TheFirstPageShownTellsChildrenAtAnyDepthAndShowsTheMasterPage) {
  const std::string masterPage =
      "MasterPage\r\n" + ObjectLines(5, "Footer", QRect(0, 270, 400, 30)) +
      Holder(20, "M", QRect(0, 0, 50, 50), Holder(20, "M2", QRect(0, 0, 50, 50), ""));
  const std::string pageOne = "NewPage=One\r\n" +
                              Holder(20, "G", QRect(100, 0, 100, 100), Holder(21, "C", QRect(0, 0, 100, 100), ""));
  const std::string pageTwo = "NewPage=Two\r\n" + Holder(20, "H", QRect(0, 0, 50, 50), "");
  ASSERT_TRUE(Open(masterPage + pageOne + pageTwo, 0));
  auto* deepMaster = Find<TOrvalisRepositor>("M2");
  auto* deepPage = Find<TOrvalisRepositor>("C");
  auto* otherPage = Find<TOrvalisRepositor>("H");
  ASSERT_TRUE(deepMaster != nullptr && deepPage != nullptr && otherPage != nullptr);
  std::vector<ListeningObject*> listeners;
  for (TOrvalisRepositor* holder : {deepMaster, deepPage, otherPage}) {
    listeners.push_back(new ListeningObject(holder, form.get()));
    holder->AddChild(listeners.back());
  }

  form->ShowFirstPage(1);
  QCoreApplication::processEvents();
  for (int i : {0, 1}) {
    EXPECT_TRUE(listeners[i]->Heard(kMsgPageEntering)) << i;
    EXPECT_TRUE(listeners[i]->Heard(kMsgPageShown)) << i;
  }
  EXPECT_FALSE(listeners[2]->Heard(kMsgPageEntering));
  TOrvalisObj* footer = Find("Footer");
  ASSERT_NE(footer, nullptr);
  EXPECT_TRUE(footer->isVisible());
  // Really on the screen: that point of the window is the footer's.
  EXPECT_EQ(form->childAt(At(*footer)), footer);
}

TEST_F(GroupsContainersTest, ContainerSizeScriptRunsPostedAfterARealResizeOnceLoaded) {
  const std::string page = "NewPage=P\r\n" + Holder(21, "C", QRect(20, 20, 200, 100), "",
                                                    {"ObjAction=" + Logs("s")});
  ASSERT_TRUE(Open(page));
  auto* container = Find<TOrvalisContainer>("C");
  ASSERT_NE(container, nullptr);
  EXPECT_EQ(Log(), "");  // showing the loaded page is no resize
  form->MoveObject(*container, QRect(20, 20, 250, 100));
  EXPECT_EQ(Log(), "");
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "s");
  form->MoveObject(*container, QRect(40, 40, 250, 100));  // moved, not resized
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "s");
  container->SetEnabledState(false);
  form->MoveObject(*container, QRect(40, 40, 150, 100));
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "s");
  container->SetEnabledState(true);
  form->MoveObject(*container, QRect(40, 40, 150, 90));
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "ss");

  // Before the publication is loaded, sizes are only the build's.
  ASSERT_TRUE(LoadDocument(page));
  vars.SetVar("[Log]", "");
  form->show();
  form->ShowFirstPage(1);
  QCoreApplication::processEvents();
  container = Find<TOrvalisContainer>("C");
  ASSERT_NE(container, nullptr);
  form->MoveObject(*container, QRect(20, 20, 250, 100));
  QCoreApplication::processEvents();
  EXPECT_EQ(Log(), "");
}

TEST_F(GroupsContainersTest, ContainerHoverScriptsSeeTheMouseOverItsChildrenAsInside) {
  ASSERT_TRUE(Open("NewPage=P\r\n" + Holder(21, "C", QRect(50, 50, 200, 150),
                                            ObjectLines(5, "R", QRect(20, 20, 50, 50)),
                                            {"ObjEnterAction=" + Logs("e"), "ObjExitAction=" + Logs("x")})));
  TOrvalisObj* container = Find("C");
  TOrvalisObj* child = Find("R");
  ASSERT_TRUE(container != nullptr && child != nullptr);
  MoveTo(QPoint(10, 10));
  MoveTo(At(*container, QPoint(150, 120)));
  EXPECT_EQ(Log(), "e");
  MoveTo(At(*child));
  MoveTo(At(*container, QPoint(150, 120)));
  EXPECT_EQ(Log(), "e");
  MoveTo(QPoint(10, 10));
  EXPECT_EQ(Log(), "ex");
}

}  // namespace
}  // namespace orv
