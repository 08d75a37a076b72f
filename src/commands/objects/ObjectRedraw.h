#pragma once
// Redrawing the part of a page an object command changes: which part of
// the page is seen, the off-screen picture of it, and the pause of the
// page's moving parts (cartoons, the drag image) around the redraw.
#include <QImage>
#include <QRect>
#include <string_view>

namespace orv {

class TOrvalisBackground;
class TOrvalisObj;
class TPageChangeSteps;

// The page area seen in the window: the page's publication area where the
// scroller shows it. Empty while the page is not on screen.
QRect VisiblePageArea(const TOrvalisBackground& page);

// The object's rectangle in page coordinates (through groups, containers
// and the master page) cut to the visible page area, with the page that
// shows it. Empty when no part is seen, however large or far the object.
QRect VisibleObjectArea(const TOrvalisObj& object, TOrvalisBackground** page = nullptr);

// The page as it paints `area` now (background, master page, objects).
QImage RenderPageArea(TOrvalisBackground& page, const QRect& area);

// From "before" to "after" inside `area` of `page` by the transition
// effect `effect` at `speed`. Until the effects exist every effect shows
// "after" at once, which is what the page's widgets paint now, so the area
// is repainted in place.
void PlayObjectEffect(TOrvalisBackground& page, const QRect& area, const QImage& before, const QImage& after,
                      std::string_view effect, std::string_view speed);

// Cartoons are suspended and the drag image hidden for the life of the
// pause; both come back however the redraw ends.
class TPageRedrawPause {
 public:
  explicit TPageRedrawPause(TPageChangeSteps* steps);
  ~TPageRedrawPause();
  TPageRedrawPause(const TPageRedrawPause&) = delete;
  TPageRedrawPause& operator=(const TPageRedrawPause&) = delete;

 private:
  TPageChangeSteps* steps_;
};

}  // namespace orv
