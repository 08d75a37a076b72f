#pragma once
// A publication window built in-process from a small document, with the
// core commands and a headless script host; `Host` answers the system
// variables.
#include <gtest/gtest.h>

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

namespace orv::test {

template <typename Host = THeadlessVarHost>
class WorkFormFixture : public ::testing::Test {
 protected:
  WorkFormFixture() { RegisterCoreCommands(engine.Commands()); }

  // Replaces the window with one for `document`; false (with a test
  // failure) when the document does not read.
  bool LoadDocument(const std::string& document) {
    form.reset();
    publication = Publication();
    std::string error;
    const bool read = ReadPublicationDocument(document, false, document.size(), {}, publication, error);
    EXPECT_TRUE(read) << error;
    if (read) form = std::make_unique<TWorkForm>(publication, engine);
    return read;
  }

  Publication publication;
  Host varHost;
  TVars vars{varHost};
  THeadlessScriptHost host{nullptr};
  TScriptEngine engine{vars, host};
  std::unique_ptr<TWorkForm> form;
};

}  // namespace orv::test
