#pragma once
// TOrvalisBackground: the control that fills a page. It paints the page's
// background (solid colour, two-colour gradient or wallpaper) inside the
// publication area, holds the page's objects, carries the page's enter and
// exit scripts, transition effect and palette, passes notifications to its
// objects, paints the whole page off-screen and dispatches object hot keys.
#include <QImage>
#include <QRect>
#include <QWidget>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "pages/BackgroundPainting.h"
#include "pages/Colour.h"
#include "pages/ColourPalette.h"

class QMouseEvent;
class QPainter;

namespace orv {

class TBackgroundObject;
class TPictureCache;

enum TBackgroundStyle { pbSolid = 0, pbGradient = 1, pbWallpaper = 2 };

class TOrvalisBackground : public QWidget {
 public:
  explicit TOrvalisBackground(QWidget* parent = nullptr);
  ~TOrvalisBackground() override;

  // Published properties (texts are Windows-1252).
  ColourValue Color() const { return color_; }
  void SetColor(ColourValue value);
  ColourValue GradientColor1() const { return gradientColor1_; }
  void SetGradientColor1(ColourValue value);
  ColourValue GradientColor2() const { return gradientColor2_; }
  void SetGradientColor2(ColourValue value);
  TGradientAngle GradientAngle() const { return gradientAngle_; }
  void SetGradientAngle(TGradientAngle value);
  TBackgroundStyle BackgroundStyle() const { return backgroundStyle_; }
  void SetBackgroundStyle(TBackgroundStyle value);
  const std::string& WallpaperFile() const { return wallpaperFile_; }
  void SetWallpaperFile(std::string_view value);
  TWallpaperStyle WallpaperStyle() const { return wallpaperStyle_; }
  void SetWallpaperStyle(TWallpaperStyle value);
  const std::string& Effect() const { return effect_; }
  void SetEffect(std::string_view value) { effect_ = value; }
  const std::string& EffectOptions() const { return effectOptions_; }
  void SetEffectOptions(std::string_view value) { effectOptions_ = value; }
  TOrvalisBackground* MasterPage() const { return masterPage_; }
  void SetMasterPage(TOrvalisBackground* master) { masterPage_ = master; }
  bool ShowMasterPage() const { return showMasterPage_; }
  void SetShowMasterPage(bool value) { showMasterPage_ = value; }
  const std::string& EnterAction() const { return enterAction_; }
  void SetEnterAction(std::string_view value) { enterAction_ = value; }
  const std::string& ExitAction() const { return exitAction_; }
  void SetExitAction(std::string_view value) { exitAction_ = value; }

  std::function<void(QMouseEvent&)> OnMouseDown;
  std::function<void(QMouseEvent&)> OnMouseMove;
  std::function<void(QMouseEvent&)> OnMouseUp;
  std::function<void(QPainter&)> OnPaint;

  // The publication area inside the page; nothing is painted outside it.
  const QRect& PublicationArea() const { return publicationArea_; }
  void SetPublicationArea(const QRect& area);

  // The page palette: a copy of the default until "PAGEPALETTE=" replaces it.
  const ColourPalette& Palette() const { return palette_; }
  void SetPaletteText(std::string_view text);
  bool HasOwnPalette() const { return hasOwnPalette_; }

  // Which palette is in use and with how many colours: the default one when
  // no page of the document has a palette and the publication was made for
  // 256 colours, or when there is no current page; otherwise the current
  // page's with the publication's colour count. On true-colour displays this
  // is bookkeeping only.
  struct PaletteChoice {
    const ColourPalette* palette;
    int colourCount;
  };
  static PaletteChoice ChoosePalette(bool documentHasPalette, int publicationColours,
                                     const TOrvalisBackground* currentPage);

  // Wallpapers come from this cache (the player's own unless replaced).
  void SetPictureCache(TPictureCache* cache) { cache_ = cache; }

  // The page's objects in creation order. The background does not own them
  // as C++ objects: they are its child widgets.
  void AddObject(TBackgroundObject* object);
  void RemoveObject(TBackgroundObject* object);
  const std::vector<TBackgroundObject*>& Objects() const { return objects_; }
  // Makes a listed object the last (painted over the others, found after
  // them) or the first; nothing for one not listed.
  void RestackObject(TBackgroundObject* object, bool toFront);

  // Passes a notification to the page's objects and, with `includeMaster`
  // while the master page is shown, to the master page as well.
  void Notify(int message, const std::string& text, const std::string& data, bool includeMaster);
  // The same for object notifications; with `includeMaster` and the master
  // page hidden, only "page leaving" still reaches the master's rectangles.
  void NotifyObjects(int message, const std::string& value, const std::string& data, bool includeMaster);

  // Paints the page (background, the master's objects when shown, then the
  // page's objects in creation order) with the origin moved by (dx, dy) and
  // clipped to the page's size.
  void RenderTo(QPainter& painter, int dx, int dy);
  // The page under `rect` of `requester` (a window on this page), for an
  // object that draws itself transparently.
  QImage RenderBeneath(const QWidget* requester, const QRect& rect);
  void PaintBeneath(const QWidget* requester, const QRect& rect, QPainter& requesterPainter);

  // Paints the background alone into the publication area.
  void PaintBackground(QPainter& painter, double scaleX = 1.0, double scaleY = 1.0);

  // The first visible and enabled object, depth first in creation order,
  // whose hot key is `shortcut`; it is activated. Enter is left alone while
  // a multi-line edit field (`focused`) has the focus. True when handled.
  bool DispatchHotKey(QKeyCombination shortcut, const TBackgroundObject* focused);
  // The first object, depth first in creation order through groups and
  // containers, whose name equals `name` without regard to case.
  TBackgroundObject* FindObjectOnPage(std::string_view name) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void Changed();

  ColourValue color_ = 0xFFFFFF;
  ColourValue gradientColor1_ = 0xFF0000;
  ColourValue gradientColor2_ = 0x0000FF;
  TGradientAngle gradientAngle_ = G_Vert;
  TBackgroundStyle backgroundStyle_ = pbSolid;
  std::string wallpaperFile_;
  TWallpaperStyle wallpaperStyle_ = wsTile;
  std::string effect_;
  std::string effectOptions_;
  TOrvalisBackground* masterPage_ = nullptr;
  bool showMasterPage_ = true;
  std::string enterAction_;
  std::string exitAction_;

  QRect publicationArea_;
  ColourPalette palette_;
  bool hasOwnPalette_ = false;
  TPictureCache* cache_;
  std::vector<TBackgroundObject*> objects_;
};

}  // namespace orv
