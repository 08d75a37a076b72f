#pragma once
// A page of buttons built from document lines, with a host that runs
// scripts and answers whether the publication shows the focus marquee,
// told it is loaded as a publication is. Shown as its own window on
// request, for keyboard input. Also small helpers for looking at grabs.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QTemporaryDir>
#include <QWindow>
#include <string>

#include "commands/CoreCommands.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "objects/ObjectFactory.h"
#include "objects/ObjectHost.h"
#include "objects/ObjectWindowFixture.h"
#include "objects/buttons/Buttons.h"
#include "pages/BackgroundMessages.h"
#include "pages/OrvalisBackground.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/HeadlessScriptHost.h"
#include "script/Vars.h"

namespace orv::test {

// The page beneath the buttons, a colour no button draws.
inline constexpr ColourValue kPageColour = 0x806040;
inline const QColor kPageQColor(0x40, 0x60, 0x80);

class ButtonHost : public TObjectHost {
 public:
  ButtonHost() { RegisterCoreCommands(engine.Commands()); }
  TScriptEngine& Engine() override { return engine; }
  const QCursor& Cursor(int) const override { return cursor; }
  bool ShowMarquee() const override { return marquee; }

  bool marquee = false;
  THeadlessVarHost varHost;
  TVars vars{varHost};
  THeadlessScriptHost scripts{nullptr};
  TScriptEngine engine{vars, scripts};
  QCursor cursor;
};

struct ButtonPageOptions {
  bool marquee = false;  // the publication shows the focus marquee
  QSize size = QSize(200, 120);
  QRect area = QRect();  // the publication area; null for the whole page
  bool loaded = true;    // told it is loaded
};

class ButtonPage {
 public:
  // `objectLines` follow "NewPage=P".
  explicit ButtonPage(const std::string& objectLines, const ButtonPageOptions& options = {}) {
    host.marquee = options.marquee;
    const std::string document = "NewPage=P\r\n" + objectLines;
    std::string error;
    const bool read = ReadPublicationDocument(document, false, document.size(), {}, publication_, error);
    EXPECT_TRUE(read) << error;
    page_.resize(options.size);
    page_.SetPublicationArea(options.area.isNull() ? QRect(QPoint(0, 0), options.size) : options.area);
    page_.SetColor(kPageColour);
    if (read && publication_.pages.size() > 1)
      BuildPageObjects(publication_, publication_.pages[1].objects, page_, &host);
    if (options.loaded) Load();
  }

  void Load() { page_.Notify(kMsgLoaded, "", "", false); }
  TOrvalisBackground& Page() { return page_; }
  template <typename T = TOrvalisButton>
  T* Find(const std::string& name) {
    auto* object = dynamic_cast<T*>(page_.FindObjectOnPage(name));
    EXPECT_NE(object, nullptr) << name;
    return object;
  }

  // Shows the page as an active window; false when it never came up.
  bool Show() {
    page_.show();
    page_.activateWindow();
    return WaitUntil([this] {
      return page_.windowHandle() != nullptr && page_.windowHandle()->isExposed() &&
             QApplication::activeWindow() == &page_;
    });
  }

  std::string Var(const std::string& name) { return host.vars.GetVar(name); }

  ButtonHost host;

 private:
  // Objects keep views of the publication's texts and subscribe to the
  // host's variables: both outlive the page.
  Publication publication_;
  TOrvalisBackground page_;
};

// The widget as painted, page beneath included where it shows through.
inline QImage GrabOf(QWidget& widget) { return widget.grab().toImage().convertToFormat(QImage::Format_RGB32); }

inline void SaveGrab(const QImage& image, const std::string& name) {
  image.save(QString::fromStdString("/tmp/buttons-" + name + ".png"));
}

// The smallest rectangle holding every pixel that `wanted` picks.
template <typename Pick>
QRect BoundsOf(const QImage& image, Pick wanted) {
  QRect bounds;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if (wanted(image.pixelColor(x, y))) bounds |= QRect(x, y, 1, 1);
  return bounds;
}

// A picture file of `width` by `height` made of equal vertical bands of
// `colours`, left to right; its path.
inline std::string BandPicture(const QTemporaryDir& dir, const std::string& name, int width, int height,
                               std::initializer_list<QColor> colours, bool withAlpha = false) {
  QImage image(width, height, withAlpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
  const int bands = static_cast<int>(colours.size());
  int band = 0;
  for (const QColor& colour : colours) {
    for (int x = band * width / bands; x < (band + 1) * width / bands; ++x)
      for (int y = 0; y < height; ++y) image.setPixelColor(x, y, colour);
    ++band;
  }
  const QString path = dir.filePath(QString::fromStdString(name));
  EXPECT_TRUE(image.save(path, "PNG"));
  return path.toStdString();
}

}  // namespace orv::test
