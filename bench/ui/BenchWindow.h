#pragma once
// A publication window built from a document, with a headless engine that
// has the core commands, for the user-interface benchmarks.
#include <memory>
#include <string>

#include "app/WorkForm.h"
#include "commands/CoreCommands.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/HeadlessScriptHost.h"
#include "script/Vars.h"
#include "BenchApplication.h"

namespace orv::bench {

struct BenchWindow {
  Publication publication;
  THeadlessVarHost varHost;
  TVars vars{varHost};
  THeadlessScriptHost host{nullptr};
  TScriptEngine engine{vars, host};
  std::unique_ptr<TWorkForm> form;

  explicit BenchWindow(const std::string& document) {
    App();
    RegisterCoreCommands(engine.Commands());
    std::string error;
    ReadPublicationDocument(document, false, document.size(), {}, publication, error);
    form = std::make_unique<TWorkForm>(publication, engine);
  }
};

}  // namespace orv::bench
