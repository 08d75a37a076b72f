#include "commands/objects/ObjectRedraw.h"

#include <QPainter>

#include "objects/OrvalisObj.h"
#include "pages/OrvalisBackground.h"
#include "pages/PageListChangeSteps.h"

namespace orv {

QRect VisiblePageArea(const TOrvalisBackground& page) {
  if (!page.isVisible()) return {};
  QRect area = page.rect() & page.PublicationArea();
  // Cut by every widget up to the window (the scroller's viewport above
  // all); `origin` is the page's top-left in the parent's coordinates.
  QPoint origin;
  for (const QWidget* widget = &page; !widget->isWindow() && widget->parentWidget() != nullptr;
       widget = widget->parentWidget()) {
    origin += widget->pos();
    area &= widget->parentWidget()->rect().translated(-origin);
  }
  return area;
}

QRect VisibleObjectArea(const TOrvalisObj& object, TOrvalisBackground** page) {
  TOrvalisBackground* background = nullptr;
  const QPoint position = object.PagePosition(&background);
  if (page != nullptr) *page = background;
  if (background == nullptr) return {};
  // Cut before anything is made of it: the object may be far larger than
  // the page, or lie far outside it.
  return QRect(position, object.size()) & VisiblePageArea(*background);
}

QImage RenderPageArea(TOrvalisBackground& page, const QRect& area) {
  if (area.isEmpty()) return {};
  QImage image(area.size(), QImage::Format_ARGB32_Premultiplied);
  if (image.isNull()) return {};
  image.fill(Qt::transparent);
  QPainter painter(&image);
  page.RenderTo(painter, -area.x(), -area.y());
  return image;
}

void PlayObjectEffect(TOrvalisBackground& page, const QRect& area, const QImage&, const QImage&, std::string_view,
                      std::string_view) {
  page.repaint(area);
}

TPageRedrawPause::TPageRedrawPause(TPageChangeSteps* steps) : steps_(steps) {
  if (steps_ == nullptr) return;
  steps_->SuspendCartoons();
  steps_->HideDragImage();
}

TPageRedrawPause::~TPageRedrawPause() {
  if (steps_ == nullptr) return;
  steps_->ResumeCartoons();
  steps_->ShowDragImage();
}

}  // namespace orv
