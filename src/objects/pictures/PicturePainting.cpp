// How the picture object paints: its own fill and outline, then the picture
// placed by its paint mode, fetched from the picture cache with or without
// its transparent colour; the scroll view's box; snapshots of the page.
#include <QPaintEvent>
#include <QPainter>

#include "imaging/OVImageView.h"
#include "objects/pictures/PictureDrawing.h"
#include "objects/pictures/PictureObject.h"
#include "pages/PictureCache.h"
#include "pages/PictureHold.h"

namespace orv {

namespace {

// What a picture claiming no pixels is drawn as.
const TOVImageView& BadPictureView() {
  static const TOVImageView view = [] {
    TOVImageView bad;
    bad.LoadFromStream(QByteArrayView());
    return bad;
  }();
  return view;
}

}  // namespace

void TOrvalisPicture::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  // Only what needs painting: a zoomed picture can be huge.
  painter.setClipRegion(event->region());
  DrawShape(painter);
}

void TOrvalisPicture::DrawShape(QPainter& painter) { PaintPicture(painter, ClientArea(), false, nullptr, 1.0, 1.0); }

void TOrvalisPicture::PaintTo(QPainter& painter) {
  TOrvalisObj::PaintTo(painter);
  if (isHidden() || scrollView_ == nullptr) return;
  painter.save();
  painter.translate(pos() + scrollView_->pos());
  scrollView_->render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
  painter.restore();
}

void TOrvalisPicture::PaintBox(QPainter& painter, QWidget& box) {
  const QPoint boxOnPage = PagePosition() + box.mapTo(this, QPoint(0, 0));
  FillObjectRect(painter, box.rect(), Look(), boxOnPage);
  PaintPicture(painter, box.rect(), false, &box, 1.0, 1.0);
}

void TOrvalisPicture::PaintPicture(QPainter& canvas, const QRect& rect, bool printing, QWidget* innerBox, double scaleX,
                                   double scaleY) {
  canvas.save();
  try {
    if (innerBox == nullptr && !printing) {
      // The box fills the area while the scroll view is there.
      TObjectLook look = Look();
      if (scrollView_ != nullptr && Info().exists) look.FillPattern = kHollowFill;
      DrawObjectFrame(canvas, this->rect(), look, PagePosition());
    }
    // The scroll view covers the area and draws the picture itself.
    if (innerBox != nullptr || printing || scrollView_ == nullptr) {
      canvas.setClipRect(rect, Qt::IntersectClip);
      DrawPlaced(canvas, rect, printing, scaleX, scaleY);
    }
  } catch (...) {
    // A picture that fails to load now may load at the next paint.
    infoStale_ = true;
  }
  canvas.restore();
}

void TOrvalisPicture::DrawPlaced(QPainter& canvas, const QRect& area, bool printing, double scaleX, double scaleY) {
  const TPictureFileInfo& info = Info();
  if (printing && info.hasAlpha) return;  // such pictures are not printed
  if (!info.exists) return;
  const int opacity = opacity_ > 254 || scrollBars_ ? 255 : opacity_;
  if (printing && opacity < 255) return;

  TPlacementInput in;
  in.mode = paintMode_;
  in.picture = QSize(info.width, info.height);
  in.area = area;
  in.centered = centered_;
  in.zoom = zoomFactor_;
  in.scaleX = scaleX;
  in.scaleY = scaleY;
  in.printing = printing;
  in.scrollBars = scrollBars_;
  in.panX = pan_.Offset().x;
  in.panY = pan_.Offset().y;
  const TPicturePlacement placement = PlacePicture(in);
  if (placement.kind == TPicturePlacement::kNothing) return;

  TPictureDraw draw;
  draw.natural = placement.natural;
  draw.resample = resampleMode_;
  draw.opacity = opacity;
  TPictureHold hold;
  if (info.bad) {
    draw.picture = &BadPictureView();
  } else {
    const TPlacedRect& size = placement.rect;
    // A region is built at the size drawn while that is no larger than the
    // area; a picture enlarged beyond it takes its natural region, scaled
    // while drawing, instead of one built from a huge copy.
    const bool enlargedBeyondArea =
        (size.w > area.width() || size.h > area.height()) && (size.w > info.width || size.h > info.height);
    const bool naturalRegion = placement.natural || enlargedBeyondArea;
    const ColourValue colour = placement.useTransparentColour ? transColor_ : kNoTransparentColour;
    hold = TPictureHold(PictureCache(), resolvedName_, colour, naturalRegion ? -1 : static_cast<int>(size.w),
                        naturalRegion ? -1 : static_cast<int>(size.h));
    if (!hold) return;
    draw.picture = hold.Picture();
    draw.region = hold.Region();
    draw.regionSize =
        naturalRegion ? draw.picture->Bitmap().size() : QSize(static_cast<int>(size.w), static_cast<int>(size.h));
  }
  if (placement.kind == TPicturePlacement::kTiled)
    DrawPictureTiles(canvas, draw, placement.rect, area);
  else
    DrawPictureAt(canvas, draw, placement.rect);
}

}  // namespace orv
