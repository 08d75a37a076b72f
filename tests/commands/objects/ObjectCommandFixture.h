#pragma once
// A shown publication window built in-process from a small document, whose
// scripts run with the page and object commands bound and find the window
// through the player's script host; pictures of the page as it is on
// screen are grabbed for pixel checks.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QScreen>
#include <QWindow>
#include <cstdint>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "app/WorkForm.h"
#include "commands/CoreCommands.h"
#include "commands/navigation/PageCommands.h"
#include "commands/objects/ObjectCommands.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "objects/ObjectPage.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/OrvalisObj.h"
#include "objects/text/LinkedArticleChains.h"
#include "pages/BackgroundMessages.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/Vars.h"
#include "ui/QtScriptHost.h"

namespace orv::test {

// Document colours (0x00BBGGRR) and the pixels they paint.
inline constexpr std::uint32_t kDocRed = 0x0000FF;
inline constexpr std::uint32_t kDocBlue = 0xFF0000;
inline constexpr std::uint32_t kDocGreen = 0x00FF00;
inline QRgb Pixel(std::uint32_t docColour) {
  return qRgb(docColour & 0xFF, (docColour >> 8) & 0xFF, (docColour >> 16) & 0xFF);
}

// A filled rectangle without an outline: its pixels are its fill colour.
inline std::string Box(const std::string& name, QRect at, std::uint32_t colour,
                       std::initializer_list<std::string> keys = {}) {
  std::string text = ObjectLines(5, name, at, {"LineWidth=0", "FillColor=" + std::to_string(colour)});
  for (const std::string& key : keys) text += key + "\r\n";
  return text;
}

// A group or container around `children` (whose places are inside it).
inline std::string Holder(int type, const std::string& name, QRect at, const std::string& children) {
  const bool group = type == 20;
  return ObjectLines(type, name, at) + (group ? "GroupBegin\r\n" : "ContainerBegin\r\n") + children +
         (group ? "GroupEnd\r\n" : "ContainerEnd\r\n");
}

// A page (its lines from "NewPage=" on) holding one object of every type,
// each named after its class ("Article", "PushButton", ... "LinkedArticle")
// and placed in a row of its own; `picture` is the picture object's file.
// Texts, items and files are the ones the EveryType... constants give.
inline constexpr const char* kEveryTypeCaption = "Go on";
inline constexpr const char* kEveryTypeItems = "alpha\xB6" "beta\xB6" "gamma";
inline std::string EveryTypePage(const std::string& pageName, const std::string& picture) {
  int row = 0;
  auto at = [&row] {
    const int n = row++;
    return QRect(10 + (n % 4) * 95, 10 + (n / 4) * 45, 90, 40);
  };
  const std::string caption = std::string("Text=") + kEveryTypeCaption;
  const std::string items = std::string("Text=") + kEveryTypeItems;
  std::string page = "NewPage=" + pageName + "\r\n";
  page += ObjectLines(2, "Article", at(), {"FileName=notes.rtf"});
  page += ObjectLines(3, "PushButton", at(), {caption, "ImageStyle=1", "LibImage=strip.bmp", "UpImage=up.bmp"});
  page += ObjectLines(4, "Picture", at(), {"FileName=" + picture});
  page += ObjectLines(5, "Rect", at());
  page += ObjectLines(6, "Circle", at());
  page += "ObjectType=7\r\nName=Line\r\nX1=30\r\nY1=290\r\nX2=10\r\nY2=250\r\n";
  ++row;
  page += ObjectLines(8, "Text", at(), {caption});
  page += ObjectLines(9, "EditField", at(), {caption});
  page += ObjectLines(10, "ListBox", at(), {items});
  page += ObjectLines(11, "ComboBox", at(), {items});
  page += ObjectLines(12, "CheckBox", at(), {caption});
  page += ObjectLines(13, "RadioButton", at(), {caption});
  page += ObjectLines(14, "WebBrowser", at(), {"FileName=http://example.com/"});
  page += ObjectLines(15, "Timer", at());
  page += ObjectLines(16, "TrackBar", at());
  page += ObjectLines(17, "RoundRect", at());
  page += ObjectLines(18, "MediaPlayer", at(), {"FileName=clip.avi"});
  page += ObjectLines(19, "Animator", at(), {"FileName=spin.gif"});
  page += Holder(20, "Group", at(), ObjectLines(5, "InGroup", QRect(5, 5, 10, 10)));
  page += Holder(21, "Container", at(), ObjectLines(5, "InContainer", QRect(5, 5, 10, 10)));
  page += ObjectLines(22, "Flash", at(), {"FileName=movie.swf"});
  page += ObjectLines(23, "Polygon", at(), {"FileName=shape.png"});
  page += ObjectLines(24, "LinkedArticle", at(), {"FileName=chain.rtf"});
  return page;
}

class ObjectCommandFixture : public ::testing::Test {
 protected:
  ObjectCommandFixture() {
    RegisterCoreCommands(engine.Commands());
    RegisterPageCommands(engine.Commands());
    RegisterObjectCommands(engine.Commands());
    host.OnAlert = [](const std::string&, const std::string&) {};
  }
  ~ObjectCommandFixture() override {
    host.SetWindow(nullptr);
    form.reset();
  }

  // Builds a 400 x 300 window on a white page from `pages` (the document
  // from its first page line on), tells the pages they are loaded, shows
  // the window and page `start`.
  bool Open(const std::string& pages, int start = 1) {
    QCursor::setPos(-10000, -10000);
    host.SetWindow(nullptr);
    form.reset();
    publication = Publication();
    vars.Globals().Clear();
    const std::string document = "ScreenWidth=400\r\nScreenHeight=300\r\n" + pages;
    std::string error;
    const bool read = ReadPublicationDocument(document, false, document.size(), {}, publication, error);
    EXPECT_TRUE(read) << error;
    if (!read) return false;
    form = std::make_unique<TWorkForm>(publication, engine);
    host.SetWindow(form.get());
    // As the session does: chains of linked articles, then "loaded".
    TOVPageList& list = form->Pages();
    std::vector<TOrvalisBackground*> backgrounds;
    for (int i = 0; i < list.Count(); ++i) backgrounds.push_back(&list.Page(i)->Background());
    ChainLinkedArticles(backgrounds);
    for (int i = 1; i < list.Count(); ++i) list.Page(i)->Background().Notify(kMsgLoaded, "", "", false);
    if (list.Count() > 0) list.Page(0)->Background().Notify(kMsgLoaded, "", "", false);
    form->show();
    const bool up = WaitUntil([this] {
      const QWindow* window = form->windowHandle();
      return window != nullptr && window->isExposed();
    });
    EXPECT_TRUE(up) << "the window never came up";
    form->ShowFirstPage(start);
    QCoreApplication::processEvents();
    return up;
  }

  // The lines as one script of a button; returns its stop code.
  int Run(const std::vector<std::string>& lines) {
    std::string script;
    for (const std::string& line : lines) script.append(line).append("\r\n");
    return engine.RunScript(script, 0, 1, 26, "Button");
  }
  int Run(std::initializer_list<std::string> lines) { return Run(std::vector<std::string>(lines)); }
  int Run(const std::string& line) { return Run(std::vector<std::string>{line}); }

  std::string Var(const std::string& name) { return vars.GetVar(name); }
  std::string LastError() { return vars.GetVar("[LastError]"); }
  // GetObjectInfo through a script.
  std::string Info(const std::string& object, const std::string& name) {
    Run("GetObjectInfo \"" + object + "\" \"" + name + "\" \"[Info]\"");
    return Var("[Info]");
  }
  // "Left,Top WidthxHeight" as GetObjectInfo reads them.
  std::string InfoRect(const std::string& object) {
    return Info(object, "Left") + "," + Info(object, "Top") + " " + Info(object, "Width") + "x" +
           Info(object, "Height");
  }

  // The object by name (custom windows left out), or null with a failure.
  template <typename T = TOrvalisObj>
  T* Find(const std::string& name) {
    auto* object = dynamic_cast<T*>(form->FindObject(name, false));
    EXPECT_NE(object, nullptr) << name;
    return object;
  }

  int Page() const { return form->Pages().PageIndex(); }

  // The page display as the window shows it: the window's backing store
  // (what has been painted so far, nothing rendered afresh), in page
  // coordinates.
  QImage Screen() {
    const QPoint origin = form->Pages().mapTo(form.get(), QPoint(0, 0));
    const QImage window = form->screen()->grabWindow(form->winId()).toImage();
    return window.copy(QRect(origin, form->Pages().size())).convertToFormat(QImage::Format_RGB32);
  }
  // The screen once the posted paints are done; saved to
  // /tmp/objcmd-<name>.png when a name is given.
  QImage Grab(const std::string& name = {}) {
    QCoreApplication::processEvents();
    const QImage image = Screen();
    if (!name.empty()) image.save(QString::fromStdString("/tmp/objcmd-" + name + ".png"));
    return image;
  }
  QRgb PixelAt(QPoint at) { return Grab().pixel(at); }

  Publication publication;
  THeadlessVarHost varHost;
  TVars vars{varHost};
  TQtScriptHost host;
  TScriptEngine engine{vars, host};
  std::unique_ptr<TWorkForm> form;
};

}  // namespace orv::test
