#include "objects/pictures/PictureObject.h"

#include <QMouseEvent>
#include <QResizeEvent>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

#include "container/DocumentValue.h"
#include "objects/ObjectHost.h"
#include "pages/BackgroundMessages.h"
#include "pages/PictureCache.h"

namespace orv {

namespace {

// A scroll position kept in step with a new zoom.
int ScaledPosition(int position, int oldZoom, int newZoom) {
  const double scaled = std::nearbyint(static_cast<double>(position) * newZoom / oldZoom);
  return static_cast<int>(std::clamp(scaled, 0.0, static_cast<double>(std::numeric_limits<int>::max())));
}

int WidgetLength(std::int64_t length) { return static_cast<int>(std::clamp<std::int64_t>(length, 0, QWIDGETSIZE_MAX)); }

// "left,top,width,height" in page coordinates; an empty rectangle when the
// text is not that.
QRect ParsePageRect(const std::string& text) {
  int values[4] = {0, 0, 0, 0};
  std::size_t at = 0;
  for (int i = 0; i < 4; ++i) {
    const std::size_t end = i < 3 ? text.find(',', at) : text.size();
    if (end == std::string::npos) return {};
    char* stop = nullptr;
    const std::string part = text.substr(at, end - at);
    const long value = std::strtol(part.c_str(), &stop, 10);
    if (part.empty() || stop == nullptr || *stop != '\0' || value < std::numeric_limits<int>::min() ||
        value > std::numeric_limits<int>::max())
      return {};
    values[i] = static_cast<int>(value);
    at = end + 1;
  }
  return QRect(values[0], values[1], values[2], values[3]);
}

}  // namespace

TOrvalisPicture::TOrvalisPicture(int type, QWidget* parent, TObjectHost* host) : TOrvalisObj(type, parent, host) {}

// --- Keys -------------------------------------------------------------------

bool TOrvalisPicture::ApplyKey(const KeyValue& key) {
  if (ApplyHoverKey(key) || ApplyHintKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "FILENAME=") {
    if (key.Text() != ImageFile()) {
      imageFile_.SetView(key.Text());
      ImageFileChanged();
    }
  } else if (name == "OBJACTION=") {
    clickAction_.SetView(key.Text());
    UpdateCursor();
  } else if (name == "OBJRACTION=") {
    rClickAction_.SetView(key.Text());
  } else if (name == "SCROLLBAR=") {
    SetScrollBars(key.Yes());
  } else if (name == "PICTSTYLE=") {
    SetPaintMode(key.Number() & 0xFF);
  } else if (name == "PICTTRANSCOLOR=") {
    SetTransColor(static_cast<ColourValue>(key.Number()));
  } else if (name == "PICTMOUSEPAN=") {
    SetMouseScrollable(key.Yes());
  } else if (name == "PICTZOOMFACTOR=") {
    SetZoomFactor(key.Number());
  } else if (name == "CENTERED=") {
    SetCentered(key.Yes());
  } else if (name == "RESAMPLE=") {
    SetResampleMode(key.Yes());
  } else if (name == "OPACITYEX=") {
    SetOpacity(key.Number());
  } else {
    return false;
  }
  return true;
}

// --- The picture ----------------------------------------------------------------

void TOrvalisPicture::SetImageFile(std::string_view name) {
  if (name == ImageFile()) return;
  imageFile_.Set(name);
  ImageFileChanged();
}

void TOrvalisPicture::ImageFileChanged() {
  nameHasVariables_ = ImageFile().find('[') != std::string_view::npos;
  WatchTextVariables({ImageFile()});
  infoStale_ = true;
  pan_.Reset();
  if (scrollView_ != nullptr) LayoutScrollView(true);
  RepaintAll();
}

const TPictureFileInfo& TOrvalisPicture::Info() const {
  if (infoStale_) ReadInfo();
  return info_;
}

void TOrvalisPicture::ReadInfo() const {
  resolvedName_ = PrepareFileName(ImageFile());
  info_ = ReadPictureFileInfo(resolvedName_, PictureCache().EntrySource());
  infoStale_ = false;
}

void TOrvalisPicture::Reload() {
  ReadInfo();
  pan_.Reset();
  LayoutScrollView(true);
  RepaintAll();
}

void TOrvalisPicture::WatchedVariableChanged(std::string_view, std::string_view) {
  infoStale_ = true;
  Reload();
}

// --- How it is shown ----------------------------------------------------------------

void TOrvalisPicture::SetPaintMode(int mode) {
  if (mode < pNormal || mode > pLastPaintMode || mode == paintMode_) return;
  paintMode_ = mode;
  LayoutScrollView(true);
  RepaintAll();
}

void TOrvalisPicture::SetScrollBars(bool value) {
  if (value == scrollBars_) return;
  scrollBars_ = value;
  if (value) DropTransparency();
  LayoutScrollView(true);
  RepaintAll();
}

void TOrvalisPicture::SetTransColor(ColourValue value) {
  if (value == transColor_) return;
  transColor_ = value;
  RepaintAll();
}

void TOrvalisPicture::SetOpacity(int value) {
  value = std::clamp(value, 1, 255);
  if (value == opacity_) return;
  opacity_ = value;
  RepaintAll();
}

void TOrvalisPicture::SetMouseScrollable(bool value) {
  if (value == mouseScrollable_) return;
  mouseScrollable_ = value;
  if (value) DropTransparency();
  pan_.End();
  ApplyOpaqueAttribute();
  UpdateCursor();
  RepaintAll();
}

void TOrvalisPicture::SetZoomFactor(int value) {
  const std::int64_t magnitude = std::abs(static_cast<std::int64_t>(value));
  const int zoom =
      static_cast<int>(std::clamp<std::int64_t>(magnitude, kSmallestZoom, std::numeric_limits<int>::max()));
  if (zoom == zoomFactor_) return;
  const int oldZoom = zoomFactor_;
  zoomFactor_ = zoom;
  if (scrollView_ == nullptr) {
    LayoutScrollView(false);
    RepaintAll();
    return;
  }
  // The part of the picture in view stays in view.
  const QPoint old = scrollView_->Positions();
  const QPoint kept(ScaledPosition(old.x(), oldZoom, zoom), ScaledPosition(old.y(), oldZoom, zoom));
  LayoutScrollView(false);
  if (scrollView_ != nullptr) {
    scrollView_->SetPositions(kept);
    scrollView_->Box().update();
  }
}

void TOrvalisPicture::SetCentered(bool value) {
  if (value == centered_) return;
  centered_ = value;
  RepaintAll();
}

void TOrvalisPicture::SetResampleMode(bool value) {
  if (value == resampleMode_) return;
  resampleMode_ = value;
  RepaintAll();
}

void TOrvalisPicture::RepaintAll() {
  Repaint();
  if (scrollView_ != nullptr) scrollView_->Box().update();
}

// --- Fill and transparency ----------------------------------------------------------

void TOrvalisPicture::SetFillPattern(int value) {
  if (value == kHollowFill && (scrollBars_ || mouseScrollable_)) value = kSolidFill;
  TOrvalisObj::SetFillPattern(value);
}

void TOrvalisPicture::SetTransparent(bool value) {
  TOrvalisObj::SetTransparent(value && !scrollBars_ && !mouseScrollable_);
}

void TOrvalisPicture::DropTransparency() {
  if (FillPattern() == kHollowFill) TOrvalisObj::SetFillPattern(kSolidFill);
  TOrvalisObj::SetTransparent(false);
}

bool TOrvalisPicture::GetIsTransparent() const {
  return scrollView_ == nullptr && !mouseScrollable_ && TOrvalisObj::GetIsTransparent();
}

void TOrvalisPicture::FillChanged() {
  if (scrollView_ != nullptr) {
    scrollView_->SetCornerColour(ResolveColour(FillColor()));
    scrollView_->Box().update();
  }
}

void TOrvalisPicture::LineChanged() {
  if (scrollView_ != nullptr) scrollView_->setGeometry(ClientArea());
}

// --- Scroll view ----------------------------------------------------------------------

void TOrvalisPicture::LayoutScrollView(bool resetPositions) {
  if (!showing_ || !scrollBars_ || paintMode_ != pNormal) {
    DestroyScrollView();
    return;
  }
  try {
    const bool created = scrollView_ == nullptr;
    if (created) scrollView_ = new TPictureScrollView(*this, this);
    scrollView_->setGeometry(ClientArea());
    scrollView_->SetCornerColour(ResolveColour(FillColor()));
    const TPictureFileInfo& info = Info();
    const QSize content = info.exists ? QSize(WidgetLength(ZoomedLength(info.width, 1.0, zoomFactor_)),
                                              WidgetLength(ZoomedLength(info.height, 1.0, zoomFactor_)))
                                      : QSize(0, 0);
    scrollView_->SetContentSize(content);
    if (resetPositions) scrollView_->SetPositions(QPoint(0, 0));
    if (created) {
      ApplyOpaqueAttribute();
      UpdateCursor();
      RecomputeTabStop();
      scrollView_->show();
    }
  } catch (...) {
    // Without its scroll view the picture is drawn as it is.
    DestroyScrollView();
    scrollBars_ = false;
  }
}

void TOrvalisPicture::DestroyScrollView() {
  if (scrollView_ == nullptr) return;
  TPictureScrollView* view = scrollView_;
  scrollView_ = nullptr;
  // An event of the view may still be on the stack.
  view->hide();
  view->deleteLater();
  ApplyOpaqueAttribute();
  Repaint();
}

void TOrvalisPicture::RecomputeTabStop() {
  if (scrollView_ == nullptr) return;
  // The keyboard reaches the view only where a focus marquee would show it.
  const bool showMarquee = Host() != nullptr && Host()->ShowMarquee();
  scrollView_->setFocusPolicy(showMarquee && InPublicationArea() ? Qt::TabFocus : Qt::NoFocus);
}

void TOrvalisPicture::AreaRedrawn(const std::string& pageRect) {
  if (scrollView_ == nullptr) return;
  QWidget& box = scrollView_->Box();
  const QPoint boxOnPage = PagePosition() + box.mapTo(this, QPoint(0, 0));
  const QRect overlap = ParsePageRect(pageRect) & QRect(boxOnPage, box.size());
  if (!overlap.isEmpty()) box.update(overlap.translated(-boxOnPage));
}

void TOrvalisPicture::resizeEvent(QResizeEvent* event) {
  TOrvalisObj::resizeEvent(event);
  if (scrollView_ != nullptr) scrollView_->setGeometry(ClientArea());
}

// --- Notifications ------------------------------------------------------------------------

void TOrvalisPicture::Notify(int message, const std::string& text, const std::string& data) {
  switch (message) {
    case kMsgLoaded:
    case kMsgMoved:
      RecomputeTabStop();
      break;
    case kMsgPageShown:
      if (text == "1") {
        AreaRedrawn(data);
      } else {
        showing_ = true;
        LayoutScrollView(true);
      }
      break;
    default:
      break;
  }
  TOrvalisObj::Notify(message, text, data);
}

void TOrvalisPicture::PageEntering() {
  if (nameHasVariables_ && !infoStale_ && PrepareFileName(ImageFile()) != resolvedName_) Reload();
}

void TOrvalisPicture::PageLeaving() {
  showing_ = false;
  pan_.End();
  DestroyScrollView();
}

// --- Mouse ----------------------------------------------------------------------------------

void TOrvalisPicture::UpdateCursor() {
  if (mouseScrollable_)
    setCursor(Qt::SizeAllCursor);
  else
    TOrvalisObj::UpdateCursor();
  if (scrollView_ != nullptr) scrollView_->Box().setCursor(cursor());
}

void TOrvalisPicture::mousePressEvent(QMouseEvent* event) {
  TOrvalisObj::mousePressEvent(event);
  if (event->button() != Qt::LeftButton || !mouseScrollable_ || scrollView_ != nullptr) return;
  const TPictureFileInfo& info = Info();
  pan_.Begin(event->position().toPoint(), {TPicturePan::Limit(info.width, zoomFactor_, LineWidth(), width()),
                                           TPicturePan::Limit(info.height, zoomFactor_, LineWidth(), height())});
}

void TOrvalisPicture::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (pan_.Active() && (event->buttons() & Qt::LeftButton) && pan_.MoveTo(event->position().toPoint())) repaint();
}

void TOrvalisPicture::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pan_.End();
  if (scrollView_ != nullptr) {
    // The box takes the clicks while the view is there.
    pressed_ = false;
    event->accept();
    return;
  }
  TOrvalisObj::mouseReleaseEvent(event);
}

void TOrvalisPicture::BoxReleased(Qt::MouseButton button, QPoint pos, QWidget& box) {
  ClickReleased(button, box.mapTo(this, pos));
}

}  // namespace orv
