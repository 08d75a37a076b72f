#pragma once
// A shown publication window with the navigation commands bound and a
// Find window whose message dialog is answered by the fixture, which keeps
// what it was asked. Scripts run as the start-up action would.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>
#include <QTextCursor>
#include <fstream>
#include <set>
#include <string>
#include <vector>

#include "app/ScriptedWindowFixture.h"
#include "app/WorkForm.h"
#include "base/HostPath.h"
#include "commands/navigation/FindForm.h"
#include "commands/navigation/NavigationCommands.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/OrvalisObj.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"
#include "richtext/RichTextView.h"

namespace orv::test {

class FindWindowFixture : public ScriptedWindowFixture {
 protected:
  FindWindowFixture() {
    RegisterNavigationCommands(engine.Commands());
    varHost.SetValue(svPubDir, AnsiFromHostPath(folder.path().toStdString()) + "/");
  }

  // The window for the pages (document lines from the first page on),
  // showing page 1, with its Find window made and answered here.
  bool Open(const std::string& pages) {
    if (!Build("ScreenWidth=400\r\nScreenHeight=300\r\nL_FINDTITLE=Trova\r\n"
               "L_FINDERROR=Testo non trovato\r\nL_OK=Va bene\r\n" + pages))
      return false;
    NotifyLoaded();
    const bool up = ShowWindow();
    form->ShowFirstPage(1);
    QCoreApplication::processEvents();
    TFindForm& find = PrepareFindForm(*form, "");
    find.Ask = [this](const TQueryRequest& request) {
      asked.push_back(request);
      return 1;
    };
    return up;
  }

  // As the start-up action would.
  int Run(const std::string& script) { return engine.RunScript(script, 0, 52); }
  TFindForm& Find() { return *FindFormOf(*form); }
  TOrvalisObj* Object(const std::string& name) { return form->FindObject(name, false); }
  std::string CurrentPage() { return form->Pages().Page(form->Pages().PageIndex())->Name(); }
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
  std::vector<TQueryRequest> asked;
};

}  // namespace orv::test
