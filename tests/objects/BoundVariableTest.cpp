// A bound variable's changes reach its object by subscription, shown or
// not, and stop reaching it once it is unbound or gone.
#include <gtest/gtest.h>

#include <QCursor>
#include <memory>
#include <string>
#include <vector>

#include "objects/ObjectHost.h"
#include "objects/OrvalisObj.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/HeadlessScriptHost.h"
#include "script/Vars.h"

namespace orv {
namespace {

class EngineHost : public TObjectHost {
 public:
  TScriptEngine& Engine() override { return engine; }
  const QCursor& Cursor(int) const override { return cursor; }

  THeadlessVarHost varHost;
  TVars vars{varHost};
  THeadlessScriptHost host{nullptr};
  TScriptEngine engine{vars, host};
  QCursor cursor;
};

class RecordingObject : public TOrvalisObj {
 public:
  using TOrvalisObj::TOrvalisObj;
  std::vector<std::string> seen;

 protected:
  void BoundVariableChanged(std::string_view value) override { seen.emplace_back(value); }
};

TEST(BoundVariable, ChangesReachTheObjectOnAHiddenPageUntilUnbound) {
  EngineHost host;
  QWidget hiddenPage;  // never shown
  auto* object = new RecordingObject(5, &hiddenPage, &host);
  object->BindVariable("[Score]");
  host.vars.SetVar("[score]", "7");
  host.vars.SetVar("[Other]", "x");
  EXPECT_EQ(object->seen, (std::vector<std::string>{"7"}));

  object->BindVariable("[Other]");
  host.vars.SetVar("[Score]", "8");
  host.vars.SetVar("[Other]", "y");
  EXPECT_EQ(object->seen.back(), "y");
  EXPECT_EQ(object->seen.size(), 2u);

  delete object;  // unsubscribes: the next assignment reaches nobody
  host.vars.SetVar("[Other]", "z");
  EXPECT_EQ(host.vars.Notifier().SubscriptionCount(), 0u);
}

}  // namespace
}  // namespace orv
