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
#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "app/ScriptedWindowFixture.h"
#include "app/WorkForm.h"
#include "commands/navigation/PageCommands.h"
#include "commands/objects/ObjectCommands.h"
#include "objects/ObjectPage.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/OrvalisObj.h"
#include "objects/text/LinkedArticleChains.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"

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

class ObjectCommandFixture : public ScriptedWindowFixture {
 protected:
  ObjectCommandFixture() {
    RegisterPageCommands(engine.Commands());
    RegisterObjectCommands(engine.Commands());
  }

  // Builds a 400 x 300 window on a white page from `pages` (the document
  // from its first page line on), tells the pages they are loaded, shows
  // the window and page `start`.
  bool Open(const std::string& pages, int start = 1) {
    if (!Build("ScreenWidth=400\r\nScreenHeight=300\r\n" + pages)) return false;
    // As the session does: chains of linked articles, then "loaded".
    TOVPageList& list = form->Pages();
    std::vector<TOrvalisBackground*> backgrounds;
    for (int i = 0; i < list.Count(); ++i) backgrounds.push_back(&list.Page(i)->Background());
    ChainLinkedArticles(backgrounds);
    NotifyLoaded();
    const bool up = ShowWindow();
    form->ShowFirstPage(start);
    QCoreApplication::processEvents();
    return up;
  }

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
};

}  // namespace orv::test
