#include "pages/OrvalisBackground.h"

#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>

#include "base/Ansi.h"
#include "pages/BackgroundMessages.h"
#include "pages/BackgroundObject.h"
#include "pages/ObjectNameIndex.h"
#include "pages/PictureCache.h"

namespace orv {

namespace {

bool IsNoKey(QKeyCombination key) {
  return key.toCombined() == 0 || key.key() == Qt::Key_unknown;
}

bool IsEnterKey(QKeyCombination key) {
  const Qt::KeyboardModifiers mods = key.keyboardModifiers() & ~Qt::KeypadModifier;
  return (key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter) && mods == Qt::NoModifier;
}

TBackgroundObject* FindHotKeyObject(const std::vector<TBackgroundObject*>& objects, QKeyCombination key) {
  for (TBackgroundObject* object : objects) {
    if (!object->IsObjectVisible() || !object->IsObjectEnabled()) continue;
    const std::vector<TBackgroundObject*> children = object->ChildObjects();
    if (!children.empty()) {
      if (TBackgroundObject* found = FindHotKeyObject(children, key)) return found;
      continue;
    }
    if (object->HotKey() == key) return object;
  }
  return nullptr;
}

TBackgroundObject* FindNamed(const std::vector<TBackgroundObject*>& objects, std::string_view name) {
  // Unnamed objects are not found by an empty name.
  if (name.empty()) return nullptr;
  for (TBackgroundObject* object : objects) {
    if (AnsiSameText(object->ObjectName(), name)) return object;
    if (TBackgroundObject* found = FindNamed(object->ChildObjects(), name)) return found;
  }
  return nullptr;
}

}  // namespace

TOrvalisBackground::TOrvalisBackground(QWidget* parent)
    : QWidget(parent), palette_(ColourPalette::Default()), cache_(&PictureCache()) {
  // The paint covers the publication area completely; erasing first would
  // only flicker.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setFocusPolicy(Qt::NoFocus);
}

TOrvalisBackground::~TOrvalisBackground() {
  // The objects unregister as they go, while the list still exists. One at
  // a time: deleting one child may delete another (a drag's picture).
  while (QWidget* child = findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) delete child;
}

void TOrvalisBackground::Changed() {
  if (isVisible()) update();
}

void TOrvalisBackground::SetColor(ColourValue value) {
  if (value != color_) { color_ = value; Changed(); }
}
void TOrvalisBackground::SetGradientColor1(ColourValue value) {
  if (value != gradientColor1_) { gradientColor1_ = value; Changed(); }
}
void TOrvalisBackground::SetGradientColor2(ColourValue value) {
  if (value != gradientColor2_) { gradientColor2_ = value; Changed(); }
}
void TOrvalisBackground::SetGradientAngle(TGradientAngle value) {
  if (value != gradientAngle_) { gradientAngle_ = value; Changed(); }
}
void TOrvalisBackground::SetBackgroundStyle(TBackgroundStyle value) {
  if (value != backgroundStyle_) { backgroundStyle_ = value; Changed(); }
}
void TOrvalisBackground::SetWallpaperFile(std::string_view value) {
  if (value != wallpaperFile_) { wallpaperFile_ = value; Changed(); }
}
void TOrvalisBackground::SetWallpaperStyle(TWallpaperStyle value) {
  if (value != wallpaperStyle_) { wallpaperStyle_ = value; Changed(); }
}

void TOrvalisBackground::SetPublicationArea(const QRect& area) {
  if (area == publicationArea_) return;
  // Objects are placed relative to the publication area's origin.
  const QPoint shift = area.topLeft() - publicationArea_.topLeft();
  if (!shift.isNull())
    for (TBackgroundObject* object : objects_)
      if (auto* widget = dynamic_cast<QWidget*>(object)) widget->move(widget->pos() + shift);
  publicationArea_ = area;
  Changed();
}

void TOrvalisBackground::SetPaletteText(std::string_view text) {
  palette_ = ColourPalette::FromText(text);
  hasOwnPalette_ = true;
}

TOrvalisBackground::PaletteChoice TOrvalisBackground::ChoosePalette(bool documentHasPalette,
                                                                    int publicationColours,
                                                                    const TOrvalisBackground* currentPage) {
  if ((!documentHasPalette && publicationColours == 256) || currentPage == nullptr)
    return {&ColourPalette::Default(), 256};
  return {&currentPage->Palette(), publicationColours};
}

void TOrvalisBackground::AddObject(TBackgroundObject* object) {
  if (object == nullptr || std::find(objects_.begin(), objects_.end(), object) != objects_.end()) return;
  objects_.push_back(object);
  TObjectNameIndex::ObjectsChanged();
}

void TOrvalisBackground::RemoveObject(TBackgroundObject* object) {
  objects_.erase(std::remove(objects_.begin(), objects_.end(), object), objects_.end());
  TObjectNameIndex::ObjectsChanged();
}

void TOrvalisBackground::RestackObject(TBackgroundObject* object, bool toFront) {
  const auto at = std::find(objects_.begin(), objects_.end(), object);
  if (at == objects_.end()) return;
  if (toFront)
    std::rotate(at, at + 1, objects_.end());
  else
    std::rotate(objects_.begin(), at, at + 1);
}

void TOrvalisBackground::Notify(int message, const std::string& text, const std::string& data,
                                bool includeMaster) {
  // A copy: an object may remove itself or others while it is told.
  const std::vector<TBackgroundObject*> objects = objects_;
  for (TBackgroundObject* object : objects) object->Notify(message, text, data);
  if (includeMaster && showMasterPage_ && masterPage_ != nullptr && masterPage_ != this)
    masterPage_->Notify(message, text, data, false);
}

void TOrvalisBackground::NotifyObjects(int message, const std::string& value, const std::string& data,
                                       bool includeMaster) {
  const std::vector<TBackgroundObject*> objects = objects_;
  for (TBackgroundObject* object : objects) object->Notify(message, value, data);
  if (!includeMaster || masterPage_ == nullptr || masterPage_ == this) return;
  const std::vector<TBackgroundObject*> masterObjects = masterPage_->Objects();
  if (showMasterPage_) {
    for (TBackgroundObject* object : masterObjects) object->Notify(message, value, data);
  } else if (message == kMsgPageLeaving) {
    for (TBackgroundObject* object : masterObjects)
      if (object->IsRectObject()) object->Notify(message, value, data);
  }
}

void TOrvalisBackground::PaintBackground(QPainter& painter, double scaleX, double scaleY) {
  switch (backgroundStyle_) {
    case pbGradient:
      PaintGradient(painter, publicationArea_, gradientColor1_, gradientColor2_, gradientAngle_);
      break;
    case pbWallpaper: {
      AcquiredPicture wallpaper;
      if (cache_ != nullptr) wallpaper = cache_->AcquirePicture(wallpaperFile_, kNoTransparentColour);
      PaintWallpaper(painter, publicationArea_, wallpaper.picture.get(), wallpaperStyle_, color_, scaleX,
                     scaleY);
      if (wallpaper) cache_->ReleasePicture(wallpaper.picture.get());
      break;
    }
    case pbSolid:
    default:
      PaintSolid(painter, publicationArea_, color_);
      break;
  }
}

void TOrvalisBackground::RenderTo(QPainter& painter, int dx, int dy) {
  painter.save();
  painter.translate(dx, dy);
  painter.setClipRect(QRect(0, 0, width(), height()), Qt::IntersectClip);
  PaintBackground(painter);
  if (showMasterPage_ && masterPage_ != nullptr && masterPage_ != this) {
    for (TBackgroundObject* object : masterPage_->Objects()) object->PaintTo(painter);
  }
  for (TBackgroundObject* object : objects_) object->PaintTo(painter);
  painter.restore();
}

QImage TOrvalisBackground::RenderBeneath(const QWidget* requester, const QRect& rect) {
  if (rect.isEmpty()) return QImage();
  const QPoint origin =
      requester != nullptr && requester != this ? requester->mapTo(this, rect.topLeft()) : rect.topLeft();
  QImage image(rect.size(), QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  RenderTo(painter, -origin.x(), -origin.y());
  painter.end();
  return image;
}

void TOrvalisBackground::PaintBeneath(const QWidget* requester, const QRect& rect, QPainter& requesterPainter) {
  const QImage beneath = RenderBeneath(requester, rect);
  if (!beneath.isNull()) requesterPainter.drawImage(rect.topLeft(), beneath);
}

bool TOrvalisBackground::DispatchHotKey(QKeyCombination shortcut, const TBackgroundObject* focused) {
  if (IsNoKey(shortcut)) return false;
  if (IsEnterKey(shortcut) && focused != nullptr && focused->IsMultiLineEdit()) return false;
  TBackgroundObject* target = FindHotKeyObject(objects_, shortcut);
  if (target == nullptr) return false;
  target->ActivateByHotKey();
  return true;
}

TBackgroundObject* TOrvalisBackground::FindObjectOnPage(std::string_view name) const {
  return FindNamed(objects_, name);
}

void TOrvalisBackground::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintBackground(painter);
  if (OnPaint) OnPaint(painter);
}

void TOrvalisBackground::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // The master page's background, when it lies on this page, covers it
  // whole whatever size the page had when it was attached.
  for (QObject* child : children())
    if (auto* master = dynamic_cast<TOrvalisBackground*>(child)) master->setGeometry(rect());
}

void TOrvalisBackground::mousePressEvent(QMouseEvent* event) {
  if (OnMouseDown) OnMouseDown(*event);
}

void TOrvalisBackground::mouseMoveEvent(QMouseEvent* event) {
  if (OnMouseMove) OnMouseMove(*event);
}

void TOrvalisBackground::mouseReleaseEvent(QMouseEvent* event) {
  if (OnMouseUp) OnMouseUp(*event);
}

}  // namespace orv
