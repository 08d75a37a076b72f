#include "objects/text/TextBlock.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>
#include <QTextCursor>

#include "app/CursorSlots.h"
#include "container/DocumentValue.h"
#include "objects/ObjectHost.h"
#include "objects/VariableReferences.h"
#include "objects/text/TextFont.h"
#include "pages/BackgroundMessages.h"
#include "richtext/RichTextDocument.h"
#include "richtext/RichTextView.h"

namespace orv {

TOrvalisText::TOrvalisText(int type, QWidget* parent, TObjectHost* host)
    : TOrvalisDragObj(type, parent, host), control_(*this) {}

TOrvalisText::~TOrvalisText() = default;

bool TOrvalisText::ApplyKey(const KeyValue& key) {
  if (ApplyFontKey(key) || ApplyHoverKey(key) || ApplyDragKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "TEXT=") txt_.SetView(key.Text());
  else if (name == "HMARGIN=") horzMargin_ = key.Number();
  else if (name == "VMARGIN=") vertMargin_ = key.Number();
  else if (name == "WORDWRAP=") wordWrap_ = key.Yes();
  else return false;
  return true;
}

// --- Placing the text ---------------------------------------------------------------

QRect TOrvalisText::ControlRect() const {
  const QRect area = ClientArea().adjusted(horzMargin_, vertMargin_, -horzMargin_, -vertMargin_);
  return QRect(area.topLeft(), area.size().expandedTo(QSize(0, 0)));
}

void TOrvalisText::Redock() { control_.SetGeometry(ControlRect()); }

void TOrvalisText::SetMargins(int horizontal, int vertical) {
  horzMargin_ = horizontal;
  vertMargin_ = vertical;
  Redock();
}

void TOrvalisText::resizeEvent(QResizeEvent* event) {
  TOrvalisDragObj::resizeEvent(event);
  Redock();
}

// --- Filling ------------------------------------------------------------------------------

void TOrvalisText::FillDocument() {
  rt::RichTextDocument& doc = control_.Document();
  doc.SetDefaultFont(TextFontOf(Font()));
  control_.Load(Txt(), TextCodePageOf(Font()));
  if (pendingFontMode_ != 0) {
    const int mode = pendingFontMode_;
    pendingFontMode_ = 0;
    doc.ApplyFont(TextFontOf(Font()), mode == 2);
    txt_.Set(doc.SaveRtf());
  }
  doc.SetDefaultTextColor(TextColourOf(Font()));
  control_.Attach();
  control_.MakeFields();
}

void TOrvalisText::Fill() {
  FillDocument();
  Redock();
  WatchFields();
  update();
}

void TOrvalisText::WatchFields() {
  std::vector<std::string> names;
  control_.AddFieldVariables(names);
  WatchVariableNames(std::move(names));
}

rt::RichTextDocument& TOrvalisText::SearchText() {
  if (!control_.Built()) FillDocument();
  return control_.Document();
}

TFindParts TOrvalisText::FindParts() {
  TFindParts parts;
  // Emptied first, so that the fill does not lay the last search's text
  // out again for the font it sets before loading.
  if (!control_.Built()) control_.Clear();
  parts.Text = &SearchText();
  parts.View = control_.View();
  for (std::string_view script : {EnterAction(), ExitAction(), DropAction()})
    if (!script.empty()) parts.Actions.push_back(script);
  return parts;
}

void TOrvalisText::ApplyObjectFont(int mode) {
  if (!control_.Built()) {
    pendingFontMode_ = mode == 0 ? 1 : mode;
    return;
  }
  control_.Load(Txt(), TextCodePageOf(Font()));
  control_.Document().ApplyFont(TextFontOf(Font()), mode == 2);
  txt_.Set(control_.Document().SaveRtf());
  Fill();
}

void TOrvalisText::FontColourChanged() {
  control_.SetDefaultTextColour(TextColourOf(Font()));
  update();
}

void TOrvalisText::TextChanged() {
  if (control_.Built()) Fill();
}

// --- Notifications -------------------------------------------------------------------------

void TOrvalisText::Notify(int message, const std::string& text, const std::string& data) {
  if (message == kMsgLoaded && control_.Built()) Fill();
  TOrvalisDragObj::Notify(message, text, data);
}

void TOrvalisText::PageEntering() {
  TOrvalisDragObj::PageEntering();
  control_.Build(ControlRect());
  if (rt::RichTextView* view = control_.View()) {
    // Not a tab stop, and nothing to type into.
    view->setFocusPolicy(Qt::NoFocus);
    view->viewport()->installEventFilter(this);
    UpdateCursor();
  }
  Fill();
}

void TOrvalisText::PageLeaving() {
  TOrvalisDragObj::PageLeaving();
  control_.Free();
  control_.Clear();
}

void TOrvalisText::WatchedVariableChanged(std::string_view bracketName, std::string_view) {
  // Without a view the next fill shows the value.
  if (!control_.Built()) return;
  if (control_.RefreshFieldsOf(bracketName).refreshed == 0) return;
  // A field naming another through a variable now shows another one.
  WatchFields();
  if (GetIsTransparent()) Repaint();
}

// --- Mouse -------------------------------------------------------------------------------

void TOrvalisText::UpdateCursor() {
  TOrvalisDragObj::UpdateCursor();
  if (control_.View() != nullptr && Host() != nullptr)
    control_.View()->SetNormalCursor(Host()->Cursor(DragMode() != 0 ? csDrag : csGeneral));
}

bool TOrvalisText::eventFilter(QObject* watched, QEvent* event) {
  rt::RichTextView* view = control_.View();
  if (view == nullptr || watched != view->viewport()) return TOrvalisDragObj::eventFilter(watched, event);
  const QEvent::Type type = event->type();
  if (type != QEvent::MouseButtonPress && type != QEvent::MouseMove && type != QEvent::MouseButtonRelease)
    return false;
  // The block is dragged by its text; links keep their clicks.
  auto* mouse = static_cast<QMouseEvent*>(event);
  const QPoint at = mouse->position().toPoint();
  if (DragMode() == 0 || (view->LinkAtPoint(at) && !Dragging() && !pressed_)) return false;
  const QPointF local = view->viewport()->mapTo(this, at);
  QMouseEvent mapped(type, local, mouse->scenePosition(), mouse->globalPosition(), mouse->button(), mouse->buttons(),
                     mouse->modifiers(), mouse->pointingDevice());
  if (type == QEvent::MouseButtonPress) mousePressEvent(&mapped);
  else if (type == QEvent::MouseMove) mouseMoveEvent(&mapped);
  else mouseReleaseEvent(&mapped);
  return true;
}

// --- Painting -------------------------------------------------------------------------------

void TOrvalisText::PaintTo(QPainter& painter) { control_.PaintOwnerTo(painter); }

}  // namespace orv
