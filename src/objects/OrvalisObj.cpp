#include "objects/OrvalisObj.h"

#include <QApplication>
#include <QCursor>
#include <QEnterEvent>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <QToolTip>
#include <algorithm>
#include <limits>

#include "app/CursorSlots.h"
#include "base/Ansi.h"
#include "container/DocumentValue.h"
#include "container/LibRec.h"
#include "objects/Docking.h"
#include "objects/FillPatterns.h"
#include "objects/ObjectHost.h"
#include "objects/VariableReferences.h"
#include "pages/BackgroundMessages.h"
#include "pages/ObjectNameIndex.h"
#include "pages/OrvalisBackground.h"
#include "script/Engine.h"
#include "script/ScriptLines.h"
#include "ui/PostedWorkEvent.h"
#include "ui/ShortcutKey.h"

namespace orv {

namespace {

// Enter and leave events that arrive during a page switch are looked at
// again once the loop is back.
const QEvent::Type kHoverSyncEvent = static_cast<QEvent::Type>(QEvent::registerEventType());

// A hot key presses and releases a clickable object with this pause between.
constexpr int kHotKeyPressMs = 150;

int ClampCoordinate(std::int64_t value, std::int64_t low) {
  return static_cast<int>(std::clamp<std::int64_t>(value, low, kLargestCoordinate));
}

}  // namespace

TOrvalisObj::TOrvalisObj(int type, QWidget* parent, TObjectHost* host)
    : QWidget(parent), host_(host), objType_(type) {
  // Not a tab stop unless a type makes it one.
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(false);
  RecomputeTransparency();
  UpdateCursor();
}

TOrvalisObj::~TOrvalisObj() {
  BindVariable({});
  WatchTextVariables({});
  if (TOrvalisBackground* page = dynamic_cast<TOrvalisBackground*>(parentWidget())) page->RemoveObject(this);
  TObjectNameIndex::ObjectsChanged();
}

void TOrvalisObj::SetObjectName(std::string_view name) {
  name_ = name;
  TObjectNameIndex::ObjectsChanged();
}

void TOrvalisObj::BindVariable(std::string_view name) {
  if (host_ == nullptr || name == boundVariable_) return;
  TVarChangeNotifier& notifier = host_->Engine().Vars().Notifier();
  // A name a watched text also holds keeps its subscription.
  auto watchedToo = [this](std::string_view n) {
    for (const std::string& w : watched_)
      if (AnsiSameText(w, n)) return true;
    return false;
  };
  if (!boundVariable_.empty() && !watchedToo(boundVariable_)) notifier.Unsubscribe(boundVariable_, this);
  boundVariable_ = name;
  if (!boundVariable_.empty()) notifier.Subscribe(boundVariable_, this);
}

void TOrvalisObj::WatchTextVariables(std::initializer_list<std::string_view> texts) {
  if (host_ == nullptr) return;
  std::vector<std::string> names;
  for (std::string_view text : texts) {
    // Outer references only: "[A[i]]" changes when A's element does, and
    // the notification names it by its outer name.
    ForEachReference(text, [&names](std::string_view reference) {
      std::string name = AnsiUpperCase(reference);
      if (std::find(names.begin(), names.end(), name) == names.end()) names.push_back(std::move(name));
    });
  }
  WatchVariableNames(std::move(names));
}

void TOrvalisObj::WatchVariableNames(std::vector<std::string> names) {
  if (host_ == nullptr || names == watched_) return;
  TVarChangeNotifier& notifier = host_->Engine().Vars().Notifier();
  for (const std::string& name : watched_)
    if (!AnsiSameText(name, boundVariable_)) notifier.Unsubscribe(name, this);
  watched_ = std::move(names);
  for (const std::string& name : watched_) notifier.Subscribe(name, this);
}

std::string TOrvalisObj::PrepareFileName(std::string_view name) const {
  std::string prepared(TrimBlanks(name));
  if (host_ != nullptr && prepared.find('[') != std::string::npos) {
    prepared = host_->Engine().Vars().SubstituteVars(prepared);
    if (AnsiStartsWithText(prepared, kEmbeddedPrefix)) host_->Engine().Host().MapEmbeddedTestName(prepared);
  }
  if (!prepared.empty() && prepared.front() == '!') prepared.erase(0, 1);
  return prepared;
}

void TOrvalisObj::VariableChanged(std::string_view bracketName, std::string_view value) {
  if (!boundVariable_.empty() && AnsiSameText(bracketName, boundVariable_)) BoundVariableChanged(value);
  for (const std::string& name : watched_)
    if (name == bracketName) {
      WatchedVariableChanged(bracketName, value);
      break;
    }
}

// --- Drawing properties ------------------------------------------------------

void TOrvalisObj::Repaint() { update(); }

void TOrvalisObj::SetLineWidth(int value) {
  value = std::max(0, value);
  if (value == look_.LineWidth) return;
  look_.LineWidth = value;
  Repaint();
  LineChanged();
}

void TOrvalisObj::SetLineColor(ColourValue value) {
  if (value == look_.LineColor) return;
  look_.LineColor = value;
  Repaint();
  LineChanged();
}

void TOrvalisObj::SetLineStyle(int value) {
  if (value < ovpsSolid || value > ovpsClear || value == look_.LineStyle) return;
  look_.LineStyle = static_cast<TOrvalisPenStyle>(value);
  Repaint();
}

void TOrvalisObj::SetFillColor(ColourValue value) {
  if (value == look_.FillColor) return;
  look_.FillColor = value;
  Repaint();
  FillChanged();
}

void TOrvalisObj::SetFillPattern(int value) {
  // Only the patterns that exist: a larger number would have no tile.
  if (value < kSolidFill || value > kLastFillPattern || value == look_.FillPattern) return;
  look_.FillPattern = value;
  RecomputeTransparency();
  Repaint();
  FillChanged();
}

void TOrvalisObj::SetTransparent(bool value) {
  if (value == look_.Transparent) return;
  look_.Transparent = value;
  RecomputeTransparency();
  Repaint();
  FillChanged();
}

void TOrvalisObj::LockTransparency(bool value) {
  transparencyLocked_ = false;
  isTransparent_ = value;
  transparencyLocked_ = true;
  ApplyOpaqueAttribute();
}

void TOrvalisObj::RecomputeTransparency() {
  if (transparencyLocked_) return;
  isTransparent_ = look_.FillPattern == kHollowFill || (look_.FillPattern != kSolidFill && look_.Transparent);
  ApplyOpaqueAttribute();
}

void TOrvalisObj::ApplyOpaqueAttribute() {
  // An opaque object covers every pixel itself, so Qt need not paint what
  // lies beneath; a transparent one paints only its own pixels over it.
  setAttribute(Qt::WA_OpaquePaintEvent, !GetIsTransparent());
}

// --- State ---------------------------------------------------------------------

void TOrvalisObj::SetVisibleState(bool value) {
  if (value == visibleState_) return;
  visibleState_ = value;
  setVisible(value);
  // A docked object takes or gives back its strip.
  if (anchor_ == anNone || parentWidget() == nullptr) return;
  if (auto* holder = dynamic_cast<TOrvalisObj*>(parentWidget()))
    DockChildObjects(*holder, holder->ClientArea());
  else
    DockChildObjects(*parentWidget(), parentWidget()->rect());
}

void TOrvalisObj::SetEnabledState(bool value) {
  if (value == enabledState_) return;
  enabledState_ = value;
  setEnabled(value);
}

void TOrvalisObj::SetAnchor(int value) { anchor_ = value >= anNone && value <= anFill ? value : anNone; }

bool TOrvalisObj::Closing() const { return host_ == nullptr || host_->Engine().Closing(); }

int TOrvalisObj::CursorSlot() const {
  return TakesClickActions() && !clickAction_.Empty() ? csHotSpot : csGeneral;
}

void TOrvalisObj::UpdateCursor() {
  if (host_ != nullptr) setCursor(host_->Cursor(CursorSlot()));
}

// --- Layout --------------------------------------------------------------------

QRect TOrvalisObj::ClientArea() const {
  const int w = std::clamp(look_.LineWidth, 0, kLargestCoordinate);
  QRect area = rect().adjusted(w, w, -w, -w);
  if (area.width() < 0) area.setWidth(0);
  if (area.height() < 0) area.setHeight(0);
  return area;
}

namespace {

// Positions add up through nested holders; the sum is kept where a
// coordinate can be, however deep the nesting.
QPoint ClampedPoint(std::int64_t x, std::int64_t y) {
  constexpr std::int64_t limit = std::numeric_limits<int>::max() / 4;
  return QPoint(static_cast<int>(std::clamp<std::int64_t>(x, -limit, limit)),
                static_cast<int>(std::clamp<std::int64_t>(y, -limit, limit)));
}

}  // namespace

QPoint TOrvalisObj::ParentOffset() const {
  std::int64_t x = 0, y = 0;
  for (QWidget* parent = parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
    auto* holder = dynamic_cast<TOrvalisObj*>(parent);
    if (holder == nullptr || !holder->IsChildHolder()) break;
    x += holder->x();
    y += holder->y();
  }
  return ClampedPoint(x, y);
}

QPoint TOrvalisObj::PagePosition(TOrvalisBackground** page) const {
  std::int64_t x = this->x(), y = this->y();
  TOrvalisBackground* found = nullptr;
  for (QWidget* parent = parentWidget(); parent != nullptr; parent = parent->parentWidget()) {
    if (auto* background = dynamic_cast<TOrvalisBackground*>(parent)) {
      found = background;
      // The master page's background sits inside the page's at its origin.
      if (auto* outer = dynamic_cast<TOrvalisBackground*>(background->parentWidget())) {
        x += background->x();
        y += background->y();
        found = outer;
      }
      break;
    }
    x += parent->x();
    y += parent->y();
  }
  if (page != nullptr) *page = found;
  return ClampedPoint(x, y);
}

TOrvalisBackground* TOrvalisObj::PageBackground() const {
  TOrvalisBackground* page = nullptr;
  PagePosition(&page);
  return page;
}

void TOrvalisObj::UpdateInnerTabStop(QWidget* control) const {
  if (control != nullptr) control->setFocusPolicy(InPublicationArea() ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TOrvalisObj::InPublicationArea() const {
  TOrvalisBackground* page = nullptr;
  const QPoint position = PagePosition(&page);
  if (page == nullptr) return true;
  return QRect(position, size()).intersects(page->PublicationArea());
}

void TOrvalisObj::InvalidatePageRect(const QRect& pageRect) {
  const QPoint position = PagePosition();
  const QRect overlap = pageRect.intersected(QRect(position, size()));
  if (!overlap.isEmpty()) update(overlap.translated(-position));
}

void TOrvalisObj::SetDocumentGeometry(std::int64_t x, std::int64_t y, std::int64_t w, std::int64_t h) {
  setGeometry(ClampCoordinate(x, -kLargestCoordinate), ClampCoordinate(y, -kLargestCoordinate),
              ClampCoordinate(w, 0), ClampCoordinate(h, 0));
}

// --- Hot key ---------------------------------------------------------------------

QKeyCombination TOrvalisObj::HotKey() const { return ShortcutToKeyCombination(hotKey_); }

void TOrvalisObj::ActivateByHotKey() {
  if (TakesFocusByHotKey()) {
    setFocus(Qt::ShortcutFocusReason);
    return;
  }
  // Pressed and let go as if clicked, so the object looks and acts the same.
  const QPointF centre = QRectF(rect()).center();
  QMouseEvent press(QEvent::MouseButtonPress, centre, mapToGlobal(centre), Qt::LeftButton, Qt::LeftButton,
                    Qt::NoModifier);
  QCoreApplication::sendEvent(this, &press);
  QTimer::singleShot(kHotKeyPressMs, this, [this, centre] {
    // Hidden meanwhile: the press comes to nothing.
    if (!isVisible()) {
      pressed_ = false;
      return;
    }
    QMouseEvent release(QEvent::MouseButtonRelease, centre, mapToGlobal(centre), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(this, &release);
  });
}

// --- Scripts ---------------------------------------------------------------------

void TOrvalisObj::RunNow(std::string_view script, int code, std::uint8_t options) {
  if (host_ == nullptr || script.empty()) return;
  // The script may free or change the text it came from.
  const std::string copy(script);
  const std::string name = name_;
  host_->Engine().RunScript(copy, options, static_cast<std::uint8_t>(code), objType_, name);
}

void TOrvalisObj::RunEventScript(std::string_view script, int code, std::uint8_t options) {
  if (script.empty()) return;
  if (options & roRunNow) {
    RunNow(script, code, options);
    return;
  }
  QCoreApplication::postEvent(
      this, new TPostedScriptEvent(std::string(script), static_cast<std::uint8_t>(code), name_, false, options));
}

void TOrvalisObj::RunEventScriptAtOnce(std::string_view script, int code, std::uint8_t options) {
  RunNow(script, code, static_cast<std::uint8_t>(options & ~roRunNow));
}

// --- Events ------------------------------------------------------------------------

bool TOrvalisObj::ApplyKey(const KeyValue&) { return false; }

bool TOrvalisObj::event(QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == kPostedScriptEvent) {
    const auto& posted = *static_cast<TPostedScriptEvent*>(event);
    RunNow(posted.Script, posted.Source, posted.Options);
    return true;
  }
  if (type == kHoverSyncEvent) {
    hoverSyncPosted_ = false;
    SyncHover();
    return true;
  }
  if (type == QEvent::ToolTip) {
    std::string hint(hint_.View());
    if (hint.empty()) {
      event->ignore();
      return true;
    }
    // Hints may show live values.
    if (hint.find('[') != std::string::npos && host_ != nullptr) hint = host_->Engine().Vars().SubstituteVars(hint);
    QString shown = QString::fromStdString(AnsiToUtf8(hint));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), shown, this);
    return true;
  }
  return QWidget::event(event);
}

void TOrvalisObj::SyncHover() {
  const bool inside = isVisible() && underMouse();
  if (inside)
    HandleMouseEnter();
  else
    HandleMouseLeave();
}

bool TOrvalisObj::DeferredForPageSwitch() {
  if (host_ == nullptr || !host_->PageSwitching()) return false;
  if (!hoverSyncPosted_) {
    hoverSyncPosted_ = true;
    QCoreApplication::postEvent(this, new QEvent(kHoverSyncEvent));
  }
  return true;
}

void TOrvalisObj::enterEvent(QEnterEvent* event) {
  QWidget::enterEvent(event);
  if (!DeferredForPageSwitch()) HandleMouseEnter();
}

void TOrvalisObj::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (!DeferredForPageSwitch()) HandleMouseLeave();
}

void TOrvalisObj::HandleMouseEnter() {
  // Inside a disabled group or container the object takes no input, its
  // own state notwithstanding.
  if (mouseInside_ || !enabledState_ || !isEnabled() || Closing()) return;
  mouseInside_ = true;
  if (TakesHoverActions()) RunEventScript(enterAction_.View(), evMouseEnter, roRunNow);
}

void TOrvalisObj::HandleMouseLeave() {
  // The flag goes whatever the state, or a later enter would be lost.
  const bool wasInside = mouseInside_;
  mouseInside_ = false;
  if (!wasInside || !enabledState_ || Closing()) return;
  if (TakesHoverActions()) RunEventScript(exitAction_.View(), evMouseLeave, roRunNow);
}

void TOrvalisObj::mousePressEvent(QMouseEvent* event) {
  pressed_ = true;
  event->accept();
}

void TOrvalisObj::mouseReleaseEvent(QMouseEvent* event) {
  const bool wasPressed = pressed_;
  pressed_ = false;
  if (wasPressed) ClickReleased(event->button(), event->position().toPoint());
  event->accept();
}

void TOrvalisObj::ClickReleased(Qt::MouseButton button, QPoint pos) {
  if (!TakesClickActions() || !enabledState_ || !rect().contains(pos)) return;
  if (button == Qt::LeftButton)
    RunEventScript(clickAction_.View(), evClick);
  else if (button == Qt::RightButton)
    RunEventScript(rClickAction_.View(), evRightClick);
}

void TOrvalisObj::Notify(int message, const std::string&, const std::string&) {
  switch (message) {
    case kMsgPageLeaving:
      mouseInside_ = false;
      PageLeaving();
      break;
    case kMsgPageEntering:
      PageEntering();
      break;
    default:
      break;
  }
}

// --- Painting ----------------------------------------------------------------------

void TOrvalisObj::DrawShape(QPainter& painter) {
  DrawObjectFrame(painter, rect(), look_, PagePosition());
}

void TOrvalisObj::PaintObject(QPainter& painter) {
  painter.save();
  painter.setClipRect(rect(), Qt::IntersectClip);
  DrawShape(painter);
  painter.restore();
}

void TOrvalisObj::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  DrawShape(painter);
}

void TOrvalisObj::PaintTo(QPainter& painter) {
  if (isHidden()) return;
  painter.save();
  painter.translate(pos());
  PaintObject(painter);
  for (TBackgroundObject* child : ChildObjects()) child->PaintTo(painter);
  painter.restore();
}

// --- Focus ---------------------------------------------------------------------------

TOrvalisObj* TOrvalisObj::ObjectOf(QWidget* widget) {
  for (; widget != nullptr; widget = widget->parentWidget())
    if (auto* object = dynamic_cast<TOrvalisObj*>(widget)) return object;
  return nullptr;
}

std::string TOrvalisObj::FocusedObjectName() {
  const TOrvalisObj* object = ObjectOf(QApplication::focusWidget());
  return object != nullptr ? object->ObjectName() : std::string();
}

}  // namespace orv
