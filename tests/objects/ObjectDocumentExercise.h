#pragma once
// One document through everything that builds and paints page objects: the
// reader, the name rule, the window with every object created and its keys
// applied, a paint of each page and a lookup of each named object. Shared
// by the fuzz target and the test that replays its kept inputs, so both
// exercise the same paths. Needs a QApplication.
#include <QImage>
#include <QPainter>
#include <functional>
#include <string>
#include <string_view>

#include "app/WorkForm.h"
#include "commands/CoreCommands.h"
#include "container/DocumentReader.h"
#include "container/ObjectNameRule.h"
#include "container/Publication.h"
#include "objects/OrvalisObj.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/HeadlessScriptHost.h"
#include "script/Vars.h"

namespace orv::test {

// A small window whatever the document says, so a page is cheap to paint.
inline constexpr const char* kExerciseHeader = "ScreenWidth=160\r\nScreenHeight=120\r\nMasterPage\r\n";

inline void ExerciseObjectDocument(std::string_view body) {
  std::string document = kExerciseHeader;
  document += body;
  Publication publication;
  std::string error;
  if (!ReadPublicationDocument(document, false, document.size(), {}, publication, error)) return;
  (void)FindObjectNameFault(publication);
  THeadlessVarHost varHost;
  TVars vars{varHost};
  THeadlessScriptHost host{nullptr};
  TScriptEngine engine{vars, host};
  RegisterCoreCommands(engine.Commands());
  // Scripts the document gives must not run from here: only building and
  // painting are exercised.
  engine.SetClosing(true);
  TWorkForm form(publication, engine);
  TOVPageList& pages = form.Pages();
  QImage image(160, 120, QImage::Format_ARGB32_Premultiplied);
  for (int i = 0; i < pages.Count(); ++i) {
    TOrvalisBackground& background = pages.Page(i)->Background();
    image.fill(Qt::transparent);
    QPainter painter(&image);
    background.RenderTo(painter, 0, 0);
    std::function<void(const std::vector<TBackgroundObject*>&)> visit = [&](const auto& objects) {
      for (TBackgroundObject* object : objects) {
        (void)form.FindObject(object->ObjectName(), true);
        visit(object->ChildObjects());
      }
    };
    visit(background.Objects());
  }
}

}  // namespace orv::test
