#include "objects/input/TrackBar.h"

#include <QHideEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <climits>

#include "app/CursorSlots.h"
#include "base/NumberText.h"
#include "base/TextForms.h"
#include "container/DocumentValue.h"
#include "imaging/OVImageView.h"
#include "objects/ObjectHost.h"
#include "objects/buttons/ButtonFrames.h"
#include "objects/buttons/DisabledOverlay.h"
#include "objects/pictures/PictureFileInfo.h"
#include "pages/BackgroundMessages.h"
#include "pages/PictureHold.h"
#include "script/Engine.h"
#include "script/Vars.h"

namespace orv {

namespace {

// System colours of the button frames.
enum : int { kShadow = 16, kHighlight = 20, kDarkShadow = 21, kLight = 22 };

QColor System(int index) { return ResolveColour(kSystemColourBase + static_cast<ColourValue>(index)); }

int PartSize(int value) { return std::clamp(value, 0, kLargestCoordinate); }

}  // namespace

TOrvalisTrackBar::TOrvalisTrackBar(int type, QWidget* parent, TObjectHost* host) : TOrvalisObj(type, parent, host) {
  LockTransparency(true);
  UpdateCursor();
}

int TOrvalisTrackBar::CursorSlot() const { return csHotSpot; }

// --- Properties ------------------------------------------------------------------

void TOrvalisTrackBar::SetVarName(std::string_view name) {
  varName_ = name;
  BindVariable(varName_);
}

void TOrvalisTrackBar::SetOrientation(int value) {
  if ((value != slHoriz && value != slVertical) || value == orientation_) return;
  orientation_ = value;
  update();
}

void TOrvalisTrackBar::SetPartSize(int& width, int& height, int newWidth, int newHeight) {
  width = PartSize(newWidth);
  height = PartSize(newHeight);
  update();
}

void TOrvalisTrackBar::SetThumbImageFile(std::string_view name) {
  thumbImage_.Set(name);
  WatchTextVariables({thumbImage_.View(), trackImage_.View()});
  TakePictureSizes(true, false);
  update();
}

void TOrvalisTrackBar::SetTrackImageFile(std::string_view name) {
  trackImage_.Set(name);
  WatchTextVariables({thumbImage_.View(), trackImage_.View()});
  TakePictureSizes(false, true);
  update();
}

void TOrvalisTrackBar::SetThumbTransColor(ColourValue value) {
  thumbTrans_ = value;
  update();
}

void TOrvalisTrackBar::SetTrackTransColor(ColourValue value) {
  trackTrans_ = value;
  update();
}

void TOrvalisTrackBar::TakePictureSizes(bool thumb, bool track) {
  auto take = [this](const TObjectText& name, int& width, int& height) {
    if (name.Empty()) return;
    const TPictureFileInfo info = ReadPictureFileInfo(PrepareFileName(name.View()), PictureCache().EntrySource());
    if (!info.exists) return;
    width = PartSize(info.width);
    height = PartSize(info.height);
  };
  if (thumb) take(thumbImage_, thumbWidth_, thumbHeight_);
  if (track) take(trackImage_, trackWidth_, trackHeight_);
}

void TOrvalisTrackBar::WatchedVariableChanged(std::string_view, std::string_view) {
  // A picture named through a variable may be another picture now.
  TakePictureSizes(thumbImage_.View().find('[') != std::string_view::npos,
                   trackImage_.View().find('[') != std::string_view::npos);
  update();
}

TTrackBarMetrics TOrvalisTrackBar::Metrics() const {
  TTrackBarMetrics m;
  m.Orientation = orientation_;
  m.Minimum = minimum_;
  m.Maximum = maximum_;
  m.Size = size();
  m.ThumbWidth = thumbWidth_;
  m.ThumbHeight = thumbHeight_;
  m.TrackWidth = trackWidth_;
  m.TrackHeight = trackHeight_;
  return m;
}

// --- Value and range -------------------------------------------------------------

int TOrvalisTrackBar::Clamped(std::int64_t value) const {
  // The range rule keeps Minimum <= Maximum, so the range is never empty.
  return static_cast<int>(std::clamp<std::int64_t>(value, minimum_, maximum_));
}

void TOrvalisTrackBar::PlaceMinimum(int value) {
  minimum_ = value;
  if (maximum_ < minimum_) {
    if (minimum_ == INT_MAX) minimum_ = INT_MAX - 1;
    maximum_ = minimum_ + 1;
  }
}

void TOrvalisTrackBar::PlaceMaximum(int value) {
  maximum_ = value;
  if (minimum_ > maximum_) {
    if (maximum_ == INT_MIN) maximum_ = INT_MIN + 1;
    minimum_ = maximum_ - 1;
  }
}

void TOrvalisTrackBar::ClampValueQuietly() { value_ = Clamped(value_); }

void TOrvalisTrackBar::SetMinimum(int value) {
  PlaceMinimum(value);
  SetValue(value_);
  update();
}

void TOrvalisTrackBar::SetMaximum(int value) {
  PlaceMaximum(value);
  SetValue(value_);
  update();
}

void TOrvalisTrackBar::SetValue(int value) {
  const int clamped = Clamped(value);
  if (clamped == value_) return;
  value_ = clamped;
  // The reader's drag shows and reports its own values.
  if (dragging_) return;
  update();
  ChangeStep();
}

void TOrvalisTrackBar::SetValueInternally(int value) {
  const int clamped = Clamped(value);
  if (clamped == value_) return;
  value_ = clamped;
  update();
}

void TOrvalisTrackBar::WriteVariable() {
  if (varName_.empty() || Host() == nullptr) return;
  Host()->Engine().Vars().SetVar(varName_, FormatWholeNumber(value_));
}

void TOrvalisTrackBar::ChangeStep() {
  if (changeHandler_) {
    // The handler may replace itself.
    const TChangeHandler handler = changeHandler_;
    handler();
    return;
  }
  WriteVariable();
  if (!Closing()) RunEventScript(changeAction_.View(), evTrackChanged);
}

void TOrvalisTrackBar::ChangingStep() {
  WriteVariable();
  // The script serves the event loop between its lines: moves arriving
  // meanwhile store their values without starting it again.
  if (Closing() || changingRunning_) return;
  changingRunning_ = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{changingRunning_};
  RunEventScriptAtOnce(changingAction_.View(), evTrackChanging, roNoPageChange);
}

void TOrvalisTrackBar::BoundVariableChanged(std::string_view value) {
  // The drag writes the variable itself and keeps what the reader drags.
  if (dragging_ || Host() == nullptr) return;
  // Not a number: the bar keeps its value. The variable keeps its own
  // text even when the bar can only show part of it.
  if (const auto number = ReadWholeNumber(value, Host()->Engine().Vars().DecimalSymbol()))
    SetValueInternally(Clamped(*number));
}

void TOrvalisTrackBar::Loaded() {
  SetValueInternally(initialValue_);
  WriteVariable();
}

// --- Mouse -------------------------------------------------------------------------

void TOrvalisTrackBar::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || pressed_ || !EnabledState()) return;
  pressed_ = true;
  valueAtPress_ = value_;
  const QPoint at = event->position().toPoint();
  const QRect thumb = ThumbRect();
  const bool vertical = orientation_ == slVertical;
  if (thumb.contains(at)) {
    dragging_ = true;
    dragOffset_ = vertical ? at.y() - thumb.top() : at.x() - thumb.left();
    return;
  }
  // One step towards the pointer, the minimum at the left or the bottom.
  // The release runs the change step for it.
  const int step = vertical ? (at.y() < thumb.top() ? 1 : -1) : (at.x() < thumb.left() ? -1 : 1);
  SetValueInternally(Clamped(static_cast<std::int64_t>(value_) + step));
}

void TOrvalisTrackBar::mouseMoveEvent(QMouseEvent* event) {
  event->accept();
  if (!dragging_) return;
  const QPoint at = event->position().toPoint();
  const int edge = (orientation_ == slVertical ? at.y() : at.x()) - dragOffset_;
  const int value = TrackBarValueAtEdge(Metrics(), edge);
  if (value == value_) return;
  value_ = value;
  update();
  ChangingStep();
}

void TOrvalisTrackBar::mouseReleaseEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton || !pressed_) return;
  EndPress();
}

void TOrvalisTrackBar::EndPress() {
  pressed_ = false;
  dragging_ = false;
  if (value_ != valueAtPress_) ChangeStep();
}

void TOrvalisTrackBar::changeEvent(QEvent* event) {
  // Qt delivers no release to a disabled widget.
  if (event->type() == QEvent::EnabledChange && !isEnabled() && pressed_) EndPress();
  TOrvalisObj::changeEvent(event);
}

void TOrvalisTrackBar::hideEvent(QHideEvent* event) {
  // Nor to a hidden one.
  if (pressed_) EndPress();
  TOrvalisObj::hideEvent(event);
}

// --- Notifications -----------------------------------------------------------------

void TOrvalisTrackBar::Notify(int message, const std::string& text, const std::string& data) {
  if (message == kMsgLoaded) Loaded();
  if (message == kMsgPageLeaving && pressed_) EndPress();
  TOrvalisObj::Notify(message, text, data);
}

TFindParts TOrvalisTrackBar::FindParts() {
  TFindParts parts = TOrvalisObj::FindParts();
  for (std::string_view script : {ChangeAction(), ChangingAction()})
    if (!script.empty()) parts.Actions.push_back(script);
  return parts;
}

// --- Painting ----------------------------------------------------------------------

void TOrvalisTrackBar::DrawPart(QPainter& painter, const QRect& rect, std::string_view picture,
                                ColourValue transparent, bool raised) {
  if (rect.width() <= 0 || rect.height() <= 0) return;
  const bool disabled = !isEnabled();
  if (!picture.empty()) {
    // The region is built for the size drawn, so it clips the stretched
    // picture pixel for pixel.
    const TPictureHold hold(PictureCache(), PrepareFileName(picture), transparent, rect.width(), rect.height());
    if (const TOVImageView* view = hold.Picture()) {
      painter.save();
      painter.setClipRect(rect, Qt::IntersectClip);
      if (hold.Region().has_value() && !view->BadImage())
        painter.setClipRegion(hold.Region()->translated(rect.topLeft()), Qt::IntersectClip);
      view->DrawStretched(painter, false, 255, rect);
      if (disabled)
        DrawDisabledOverlay(painter, rect,
                            view->HasAlpha() ? view->ResampleTo(rect.width(), rect.height()) : QImage());
      painter.restore();
      return;
    }
  }
  painter.fillRect(rect, ResolveColour(FillColor()));
  const QRect inner = rect.adjusted(1, 1, -1, -1);
  if (raised) {
    DrawFrame3D(painter, rect, 1, System(kLight), System(kDarkShadow));
    DrawFrame3D(painter, inner, 1, System(kHighlight), System(kShadow));
  } else {
    DrawFrame3D(painter, rect, 1, System(kShadow), System(kHighlight));
    DrawFrame3D(painter, inner, 1, System(kDarkShadow), System(kLight));
  }
  if (disabled) DrawDisabledOverlay(painter, rect);
}

void TOrvalisTrackBar::DrawShape(QPainter& painter) {
  if (width() <= 0 || height() <= 0) return;
  // Track and thumb are composed apart and then laid down at once, so the
  // page beneath never shows a thumb half drawn.
  const qreal ratio = painter.device() != nullptr ? painter.device()->devicePixelRatioF() : 1.0;
  QImage buffer(size() * ratio, QImage::Format_ARGB32_Premultiplied);
  if (buffer.isNull()) {
    // Too large to buffer: straight onto the surface.
    DrawPart(painter, TrackRect(), trackImage_.View(), trackTrans_, false);
    DrawPart(painter, ThumbRect(), thumbImage_.View(), thumbTrans_, true);
    return;
  }
  buffer.setDevicePixelRatio(ratio);
  buffer.fill(Qt::transparent);
  QPainter canvas(&buffer);
  DrawPart(canvas, TrackRect(), trackImage_.View(), trackTrans_, false);
  DrawPart(canvas, ThumbRect(), thumbImage_.View(), thumbTrans_, true);
  canvas.end();
  painter.drawImage(QPoint(0, 0), buffer);
}

// --- Document keys -----------------------------------------------------------------

bool TOrvalisTrackBar::ApplyKey(const KeyValue& key) {
  if (ApplyHoverKey(key) || ApplyHintKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "OBJACTION=") {
    changeAction_.SetView(key.Text());
  } else if (name == "CHANGINGACTION=") {
    // Read as a number key, so its line breaks come still written as "¶";
    // a script of several lines would otherwise run as one.
    changingAction_.Set(PilcrowsToCrLf(key.Text()));
  } else if (name == "ALIGN=") {
    if (const int orientation = key.Number(); orientation == slHoriz || orientation == slVertical)
      orientation_ = orientation;
  } else if (name == "VARNAME=") {
    SetVarName(key.Text());
  } else if (name == "INITSTATE=") {
    initialValue_ = key.Number();
  } else if (name == "MIN=") {
    // While the document is read nothing runs: the value only follows.
    PlaceMinimum(key.Number());
    ClampValueQuietly();
  } else if (name == "MAX=") {
    PlaceMaximum(key.Number());
    ClampValueQuietly();
  } else if (name == "THUMBSIZE=") {
    SetThumbHeight(key.Number());
  } else if (name == "TRACKSIZE=") {
    SetTrackWidth(key.Number());
  } else if (name == "THUMBIMAGE=" || name == "TRACKIMAGE=") {
    const bool thumb = name == "THUMBIMAGE=";
    (thumb ? thumbImage_ : trackImage_).SetView(key.Text());
    WatchTextVariables({thumbImage_.View(), trackImage_.View()});
    TakePictureSizes(thumb, !thumb);
  } else if (name == "THUMBTRANSCOLOR=") {
    thumbTrans_ = static_cast<ColourValue>(key.Number());
  } else if (name == "TRACKTRANSCOLOR=") {
    trackTrans_ = static_cast<ColourValue>(key.Number());
  } else {
    return false;
  }
  return true;
}

}  // namespace orv
