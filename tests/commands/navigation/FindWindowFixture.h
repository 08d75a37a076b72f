#pragma once
// A shown publication window with the player's script host, the core and
// navigation commands, and a Find window whose message dialog is answered
// by the fixture, which keeps what it was asked. Scripts run as the
// start-up action would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTextCursor>
#include <fstream>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/WorkForm.h"
#include "base/HostPath.h"
#include "commands/CoreCommands.h"
#include "commands/navigation/FindForm.h"
#include "commands/navigation/NavigationCommands.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/OrvalisObj.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"
#include "richtext/RichTextView.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "ui/QtScriptHost.h"

namespace orv::test {

class FindWindowFixture : public ::testing::Test {
 protected:
  FindWindowFixture() {
    RegisterCoreCommands(engine.Commands());
    RegisterNavigationCommands(engine.Commands());
    varHost.SetValue(svPubDir, AnsiFromHostPath(folder.path().toStdString()) + "/");
  }
  ~FindWindowFixture() override {
    host.SetWindow(nullptr);
    form.reset();
  }

  // The window for the pages (document lines from the first page on),
  // showing page 1, with its Find window made and answered here.
  bool Open(const std::string& pages) {
    QCursor::setPos(-10000, -10000);
    host.SetWindow(nullptr);
    form.reset();
    publication = Publication();
    const std::string document = "ScreenWidth=400\r\nScreenHeight=300\r\nL_FINDTITLE=Trova\r\n"
                                 "L_FINDERROR=Testo non trovato\r\nL_OK=Va bene\r\n" + pages;
    std::string error;
    const bool read = ReadPublicationDocument(document, false, document.size(), {}, publication, error);
    EXPECT_TRUE(read) << error;
    if (!read) return false;
    form = std::make_unique<TWorkForm>(publication, engine);
    host.SetWindow(form.get());
    TOVPageList& list = form->Pages();
    for (int i = 0; i < list.Count(); ++i) list.Page(i)->Background().Notify(kMsgLoaded, "", "", false);
    form->show();
    const bool up = WaitUntil([this] { return form->windowHandle() != nullptr && form->windowHandle()->isExposed(); });
    EXPECT_TRUE(up);
    form->ShowFirstPage(1);
    QCoreApplication::processEvents();
    TFindForm& find = PrepareFindForm(*form, "");
    find.Ask = [this](const TQueryRequest& request) {
      asked.push_back(request);
      return 1;
    };
    return up;
  }

  int Run(const std::string& script) { return engine.RunScript(script, 0, 52); }
  TFindForm& Find() { return *FindFormOf(*form); }
  TOrvalisObj* Object(const std::string& name) { return form->FindObject(name, false); }
  std::string CurrentPage() { return form->Pages().Page(form->Pages().PageIndex())->Name(); }
  std::string Var(const std::string& name) { return vars.GetVar(name); }
  std::string WriteFile(const std::string& name, const std::string& bytes) {
    const std::string path = folder.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  // The selected text of every text object that shows one, as
  // "name=text", and a running flash as "flash name".
  std::string Shown() {
    std::string out;
    std::set<TOrvalisObj*> seen;
    for (int i = 1; i < form->Pages().Count(); ++i)
      for (TOrvalisObj* object : TFindSearch::SearchableObjects(*form, i)) {
        if (!seen.insert(object).second) continue;
        const TFindParts parts = object->FindParts();
        if (parts.View == nullptr || !parts.View->textCursor().hasSelection()) continue;
        out += (out.empty() ? "" : " ") + object->ObjectName() + "=" +
               parts.View->textCursor().selectedText().toStdString();
      }
    if (TFindFlash* flash = Find().Flash())
      for (TOrvalisObj* object : TFindSearch::SearchableObjects(*form, form->Pages().PageIndex()))
        if (QRect(object->PagePosition(), object->size()) == flash->geometry())
          out += (out.empty() ? "" : " ") + std::string("flash ") + object->ObjectName();
    return out;
  }

  QTemporaryDir folder;
  Publication publication;
  THeadlessVarHost varHost;
  TVars vars{varHost};
  TQtScriptHost host;
  TScriptEngine engine{vars, host};
  std::unique_ptr<TWorkForm> form;
  std::vector<TQueryRequest> asked;
};

}  // namespace orv::test
