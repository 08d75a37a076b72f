// Arbitrary scripts run against a publication window whose master page and
// two pages hold an object of every type, with the object commands bound
// beside the engine, variable and string commands. Whatever the script asks
// of the objects (moving them to the limits, restyling, hiding the master
// page's, reordering), the run must end without a crash, a leak or
// undefined behaviour. The first byte chooses the run's options; every run
// ends after a fixed number of lines.
#include <unistd.h>

#include <QApplication>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

#include "app/WorkForm.h"
#include "commands/objects/ObjectCommands.h"
#include "commands/strings/StringCommands.h"
#include "commands/variables/VariableCommandBodies.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "pages/PageList.h"
#include "script/ActionEvaluatorNumbers.h"
#include "script/CommandDispatch.h"
#include "script/ControlFlow.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/Vars.h"
#include "ui/QtScriptHost.h"

namespace {

constexpr int kLineBudget = 2000;
constexpr int kLastType = 22;

// Each page holds one object of every type, named by page and type ("M4"
// is the master page's picture); the second page shows the master page.
std::string EveryTypeDocument() {
  std::string document = "ScreenWidth=200\r\nScreenHeight=150\r\nMasterPage\r\n";
  const auto objects = [&document](const std::string& prefix) {
    for (int type = 1; type <= kLastType; ++type) {
      const int x = (type % 6) * 30, y = (type / 6) * 30;
      document += "ObjectType=" + std::to_string(type) + "\r\nName=" + prefix + std::to_string(type) +
                  "\r\nX=" + std::to_string(x) + "\r\nY=" + std::to_string(y) + "\r\nW=28\r\nH=24\r\n" +
                  "Caption=" + prefix + "\r\nLineWidth=1\r\nFillMode=Yes\r\n";
    }
  };
  objects("M");
  document += "NewPage=One\r\nShowMasterPage=No\r\n";
  objects("A");
  document += "NewPage=Two\r\nShowMasterPage=Yes\r\n";
  objects("B");
  return document;
}

class BudgetHost : public orv::TQtScriptHost {
 public:
  explicit BudgetHost(orv::TScriptEngine*& engine) : engine_(engine) {
    OnAlert = [](const std::string&, const std::string&) {};
  }
  void RestartIdleTimer() override {
    if (engine_ && ++lines_ > kLineBudget) engine_->SetClosing(true);
  }
  orv::TWorkForm* Window() override { return window_; }
  void SetForm(orv::TWorkForm* window) { window_ = window; }

 private:
  orv::TScriptEngine*& engine_;
  orv::TWorkForm* window_ = nullptr;
  int lines_ = 0;
};

const std::string& ScratchFolder() {
  static const std::string folder = [] {
    char pattern[] = "/tmp/orvalis-object-fuzz-XXXXXX";
    const char* made = ::mkdtemp(pattern);
    return std::string(made ? made : "/tmp");
  }();
  return folder;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
  static QApplication* app = new QApplication(*argc, *argv);
  (void)app;
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t control = data[0];
  const std::string script(reinterpret_cast<const char*>(data) + 1, size - 1);
  static const std::string document = EveryTypeDocument();

  char cwd[PATH_MAX];
  const bool haveCwd = ::getcwd(cwd, sizeof cwd) != nullptr;
  // Files the script names are looked for in a folder of its own.
  if (::chdir(ScratchFolder().c_str()) != 0) return 0;
  {
    orv::Publication publication;
    std::string error;
    if (!orv::ReadPublicationDocument(document, false, document.size(), {}, publication, error)) std::abort();
    orv::THeadlessVarHost varHost;
    orv::TVars vars(varHost);
    orv::TScriptEngine* running = nullptr;
    BudgetHost host(running);
    orv::TScriptEngine engine(vars, host);
    running = &engine;
    orv::TCommandTable& table = engine.Commands();
    orv::RegisterEngineCommands(table);
    orv::RegisterControlFlowCommands(table);
    orv::RegisterExpressionCommands(table);
    orv::RegisterVariableCommands(table);
    orv::RegisterStringCommands(table);
    orv::RegisterObjectCommands(table);
    auto form = std::make_unique<orv::TWorkForm>(publication, engine);
    host.SetForm(form.get());
    form->Pages().SetPageIndex(1 + (control >> 7));
    engine.RunScript(script, static_cast<std::uint8_t>(control & 7), 0, 26, "Fuzz");
    QCoreApplication::processEvents();
    if (engine.LiveEvaluators() != 0 || engine.NestedRuns() != 0 || engine.ExclusiveCount() != 0) std::abort();
    host.SetForm(nullptr);
  }
  if (haveCwd && ::chdir(cwd) != 0) std::abort();
  return 0;
}
