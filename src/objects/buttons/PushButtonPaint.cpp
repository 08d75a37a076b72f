// How a push button draws itself: frame (theme or bevel), the picture for
// its state, the caption, the grayed look and the focus marquee.
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <cmath>

#include "imaging/OVImageView.h"
#include "objects/buttons/ButtonCaption.h"
#include "objects/buttons/ButtonFrames.h"
#include "objects/buttons/DisabledOverlay.h"
#include "objects/buttons/PushButton.h"
#include "pages/PictureHold.h"

namespace orv {

namespace {

constexpr int kGap = 4;
constexpr int kButtonShadow = 16;  // system colour index
constexpr int kStripFrames = 3;

int Scaled(int pixels, double scale) { return static_cast<int>(std::nearbyint(pixels * scale)); }

QColor ButtonShadow() { return ResolveColour(kSystemColourBase + kButtonShadow); }

// `size` centred in `area`.
QRect Centred(const QRect& area, QSize size) {
  return QRect(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2,
               size.width(), size.height());
}

}  // namespace

struct TOrvalisPushBtn::TStatePicture {
  TPictureHold hold;
  bool strip = false;  // one frame of a library strip
  int frame = 0;       // which frame: up, hot, pressed

  const TOVImageView* View() const { return hold.Picture(); }
  explicit operator bool() const { return hold.Picture() != nullptr; }
};

TOrvalisPushBtn::TStatePicture TOrvalisPushBtn::ChoosePicture(bool printing, double scale) const {
  TStatePicture chosen;
  std::string_view name;
  ColourValue colour = kNoTransparentColour;
  bool showingUp = false;
  if (imageStyle_ == ovbsLibrary) {
    name = libImage_.View();
    colour = upTrans_;
    chosen.strip = true;
    chosen.frame = state_ == ovbsDown ? 2 : state_ == kButtonHot ? 1 : 0;
  } else if (imageStyle_ == ovbsIndividual) {
    if (state_ == ovbsDown && !downImage_.Empty()) {
      name = downImage_.View();
      colour = downTrans_;
    } else if ((state_ == ovbsDown || state_ == kButtonHot) && !overImage_.Empty()) {
      name = overImage_.View();
      colour = overTrans_;
    } else {
      name = upImage_.View();
      colour = upTrans_;
      showingUp = true;
    }
  }
  if (name.empty()) return chosen;
  chosen.hold = TPictureHold(PictureCache(), PrepareFileName(name), colour);
  const TOVImageView* view = chosen.View();
  if (view == nullptr) return chosen;
  if (view->BadImage()) {
    chosen.strip = false;
    chosen.frame = 0;
  } else if (chosen.strip && view->ImageWidth() < kStripFrames) {
    // No frame is even a pixel wide.
    chosen.hold.Release();
    return chosen;
  }
  if (printing && scale != 1.0 && !view->BadImage()) {
    // The clipping region for the stretched size.
    const int w = Scaled(view->ImageWidth(), scale), h = Scaled(view->ImageHeight(), scale);
    chosen.hold = TPictureHold(PictureCache(), PrepareFileName(name), colour, w, h);
  }
  if (showingUp && !printing) {
    // A change of state then draws at once.
    if (!downImage_.Empty()) PictureCache().AcquirePictureUnheld(PrepareFileName(downImage_.View()), downTrans_);
    if (!overImage_.Empty()) PictureCache().AcquirePictureUnheld(PrepareFileName(overImage_.View()), overTrans_);
  }
  return chosen;
}

void TOrvalisPushBtn::DrawShape(QPainter& painter) {
  // The theme draws its own face over what lies beneath.
  if (!Themed()) DrawObjectFrame(painter, rect(), Look(), PagePosition());
  TOrvalisButton::DrawShape(painter);
}

void TOrvalisPushBtn::PaintButton(QPainter& painter, const QRect& rect, bool printing, int /*pixelsPerInch*/,
                                  double scale) {
  const bool themed = Themed() && !printing;
  const bool disabled = Disabled();
  const bool grayed = disabled && ((GetIsTransparent() && LineWidth() == 0) || Themed() || standAlone_);
  const bool down = state_ == ovbsDown;
  const QFont font = ButtonFont(scale);
  const int gap = Scaled(kGap, scale);
  int inset = Scaled(LineWidth(), scale);

  TStatePicture picture = ChoosePicture(printing, scale);
  const bool strip = picture && picture.strip;

  // --- Frame ---------------------------------------------------------------
  QPoint shift(0, 0);
  if (themed) {
    QStyleOptionButton option;
    option.initFrom(this);
    option.rect = rect;
    option.state = QStyle::State_None;
    if (!disabled) option.state |= QStyle::State_Enabled;
    option.state |= down ? QStyle::State_Sunken : QStyle::State_Raised;
    if (!disabled && state_ == kButtonHot) option.state |= QStyle::State_MouseOver;
    style()->drawControl(QStyle::CE_PushButtonBevel, &option, &painter, this);
    if (down && !strip && depressEffect_) shift = {1, 1};
  } else if (bevelWidth_ > 0) {
    const int bevel = Scaled(bevelWidth_, scale);
    const QRect frame = rect.adjusted(inset, inset, -inset, -inset);
    const bool outline = LineWidth() > 0 && LineStyle() != ovpsClear;
    if (outline && down) {
      painter.fillRect(QRect(frame.left(), frame.top(), bevel, frame.height()), ButtonShadow());
      painter.fillRect(QRect(frame.left(), frame.top(), frame.width(), bevel), ButtonShadow());
      shift = {bevel, bevel};
    } else if (down) {
      DrawFrame3D(painter, frame, bevel, ButtonShadow(), Qt::white);
      shift = {1, 1};
    } else {
      DrawFrame3D(painter, frame, bevel, Qt::white, ButtonShadow());
    }
    inset += bevel;
  } else if (down && !strip && depressEffect_) {
    shift = {1, 1};
  }

  // --- Layout ----------------------------------------------------------------
  const QString caption = CaptionText(PreparedCaption());
  const QSize textSize = MeasureCaption(font, caption);
  const QRect content = rect.adjusted(inset, inset, -inset, -inset).translated(shift);
  QRect textRect = Centred(content, textSize);
  QRect pictureRect;  // where the picture (or its frame) shows
  QPoint origin;      // where the whole picture's top-left goes
  QSize drawnSize;    // the whole picture as drawn
  if (picture) {
    const TOVImageView& view = *picture.View();
    drawnSize = QSize(view.ImageWidth(), view.ImageHeight());
    if (printing) drawnSize = QSize(Scaled(drawnSize.width(), scale), Scaled(drawnSize.height(), scale));
    const QSize size(strip ? drawnSize.width() / kStripFrames : drawnSize.width(), drawnSize.height());
    const QSize text = overlayText_ || caption.isEmpty() ? QSize(0, 0) : textSize;
    const int between = text.isEmpty() ? 0 : gap;
    const int middleY = content.top() + (content.height() - size.height()) / 2;
    QPoint at;
    if (overlayText_) {
      if (alignment_ == 1)
        at = QPoint(rect.left() + inset + gap + shift.x(), middleY);
      else if (alignment_ == 4)
        at = QPoint(rect.right() + 1 - inset - gap - size.width() + shift.x(), middleY);
      else
        at = QPoint(content.left() + (content.width() - size.width()) / 2, middleY);
    } else if (alignment_ == 2) {
      const int top = content.top() + (content.height() - (size.height() + between + text.height())) / 2;
      at = QPoint(content.left() + (content.width() - size.width()) / 2, top);
      textRect.moveTopLeft(
          QPoint(content.left() + (content.width() - textSize.width()) / 2, top + size.height() + between));
    } else if (alignment_ == 4) {
      const int left = content.left() + (content.width() - (text.width() + between + size.width())) / 2;
      textRect.moveLeft(left);
      at = QPoint(left + text.width() + between, middleY);
    } else {
      const int left = content.left() + (content.width() - (size.width() + between + text.width())) / 2;
      at = QPoint(left, middleY);
      textRect.moveLeft(left + size.width() + between);
    }
    pictureRect = QRect(at, size);
    origin = at - QPoint(strip ? picture.frame * size.width() : 0, 0);
  }

  // --- Picture -----------------------------------------------------------------
  if (picture) {
    const TOVImageView& view = *picture.View();
    const std::optional<QRegion>& region = picture.hold.Region();
    const bool clipped = region.has_value() && !view.BadImage();
    painter.save();
    painter.setClipRect(pictureRect, Qt::IntersectClip);
    if (clipped) painter.setClipRegion(region->translated(origin), Qt::IntersectClip);
    if (printing)
      view.DrawStretched(painter, false, 255, QRect(origin, drawnSize));
    else
      view.DrawAt(painter, 255, origin);
    painter.restore();
    if (grayed && !printing) {
      if (clipped)
        DrawDisabledOverlay(painter, rect);
      else if (view.HasAlpha())
        DrawDisabledOverlay(painter, pictureRect, view.Bitmap().copy(QRect(pictureRect.topLeft() - origin,
                                                                            pictureRect.size())));
      else
        DrawDisabledOverlay(painter, pictureRect);
    }
  }

  // --- Caption -----------------------------------------------------------------
  TCaptionLook look;
  look.Colour = ResolveColour(Font().Color);
  look.Horizontal = alignment_ == 2 ? Qt::AlignHCenter : alignment_ == 4 ? Qt::AlignRight : Qt::AlignLeft;
  const bool clearText = GetIsTransparent() || FillPattern() != kSolidFill || overlayText_ || Themed();
  if (!clearText) look.Background = ResolveColour(FillColor());
  look.Grayed = grayed;
  if (!captionSuppressed_) DrawCaption(painter, textRect, font, caption, look);

  // --- Disabled and focus ----------------------------------------------------------
  const QRect focus = inset > 0 ? rect.adjusted(inset + 2, inset + 2, -(inset + 2), -(inset + 2)) : rect;
  const bool veiled = disabled && !grayed;
  if (veiled && !printing) DrawDisabledOverlay(painter, rect);
  FinishFocus(painter, focus, printing, !veiled);
}

}  // namespace orv
