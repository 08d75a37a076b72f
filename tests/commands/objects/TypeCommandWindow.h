#pragma once
// The object-command window as the tests of the Set and type commands use
// it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "app/WorkForm.h"
#include "commands/objects/ObjectCommandFixture.h"
#include "commands/CoreCommands.h"
#include "commands/objects/ObjectCommands.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/OrvalisObj.h"
#include "objects/text/LinkedArticleChains.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/Vars.h"
#include "ui/QtScriptHost.h"

namespace orv::test {

// The object-command window, with scripts run as a button's click under
// given options, the page's own picture and files in a folder of the test.
class TypeCommandWindow : public ObjectCommandFixture {
 protected:
  // The lines as one click script; returns its stop code.
  int RunLines(const std::vector<std::string>& lines, std::uint8_t options = 0) {
    std::string script;
    for (const std::string& line : lines) script.append(line).append("\r\n");
    return engine.RunScript(script, options, 0, 3, "Button");
  }
  int Run(const std::string& line, std::uint8_t options = 0) { return RunLines({line}, options); }

  // The current page painted afresh, after pending events.
  QImage Grab() {
    QCoreApplication::processEvents();
    TOrvalisBackground& page = form->Pages().Page(Page())->Background();
    return page.grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // Keeps `image` for a look at it.
  static void Keep(const QImage& image, const std::string& name) {
    image.save(QString::fromStdString("/tmp/typecmd-" + name + ".png"));
  }

  std::string WriteFile(const std::string& name, const std::string& bytes) {
    const std::string path = folder.filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  QTemporaryDir folder;
};

}  // namespace orv::test
