#include "objects/text/TextControl.h"

#include <QAbstractTextDocumentLayout>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

#include "app/CursorSlots.h"
#include "base/Ansi.h"
#include "objects/ObjectHost.h"
#include "objects/OrvalisObj.h"
#include "objects/text/TextFields.h"
#include "pages/Colour.h"
#include "richtext/RichTextDocument.h"
#include "richtext/RichTextView.h"
#include "script/Engine.h"
#include "script/Vars.h"

namespace orv {

namespace {

// The Italian defaults of the player's own texts, for publications that
// give no "L_COPY=" or "L_SELECTALL=".
constexpr std::string_view kDefaultCopy = "Copia";
constexpr std::string_view kDefaultSelectAll = "Seleziona tutto";

QString Caption(const TObjectHost* host, std::string_view key, std::string_view fallback) {
  std::string_view text = host != nullptr ? host->LocalisedText(key) : std::string_view();
  if (text.empty()) text = fallback;
  return QString::fromStdString(AnsiToUtf8(text));
}

void PutOnClipboard(const rt::RichTextDocument& text) {
  auto* data = new QMimeData;
  const std::string rtf = text.ClipboardRtf();
  data->setData(QStringLiteral("text/rtf"), QByteArray(rtf.data(), static_cast<qsizetype>(rtf.size())));
  data->setText(QString::fromStdString(AnsiToUtf8(text.ClipboardPlainText())));
  QApplication::clipboard()->setMimeData(data);
}

}  // namespace

TTextControl::TTextControl(TOrvalisObj& owner)
    : owner_(owner), document_(std::make_unique<rt::RichTextDocument>()) {
  document_->SetFieldCallback([this](const std::string& name) { return FieldText(name); });
  if (owner_.Host() != nullptr) document_->SetLinkColor(ResolveColour(owner_.Host()->LinkColor()));
}

TTextControl::~TTextControl() { Free(); }

std::string TTextControl::FieldText(const std::string& name) const {
  if (owner_.Host() == nullptr) return name;
  return owner_.Host()->Engine().Vars().SubstituteVars(name);
}

// --- The view ----------------------------------------------------------------------

void TTextControl::Build(const QRect& rect) {
  if (view_ != nullptr) return;
  view_ = new rt::RichTextView(&owner_);
  rect_ = rect;
  Configure();
  QObject::connect(view_, &rt::RichTextView::LinkClicked, view_,
                   [this](const std::string& text, const std::string& target) { LinkClicked(text, target); });
  QObject::connect(view_, &QWidget::customContextMenuRequested, view_,
                   [this](const QPoint& pos) { ShowCopyMenu(pos); });
  view_->setGeometry(rect);
  Attach();
  view_->show();
}

void TTextControl::Configure() {
  if (owner_.Host() != nullptr) view_->SetNormalCursor(owner_.Host()->Cursor(csGeneral));
  view_->SetScrollBars(false);
  view_->SetWordWrap(true);
  SetAllowCopy(allowCopy_);
}

void TTextControl::Free() {
  if (view_ == nullptr) return;
  rt::RichTextView* view = view_;
  view_ = nullptr;
  // The view may be in the middle of one of its own events: it goes later,
  // holding a document of its own and not ours, which may go first.
  view->hide();
  view->disconnect();
  view->SetRichText(nullptr);
  view->setDocument(nullptr);
  view->deleteLater();
}

void TTextControl::SetGeometry(const QRect& rect) {
  rect_ = rect;
  if (view_ != nullptr) view_->setGeometry(rect);
}

void TTextControl::SetDocument(std::unique_ptr<rt::RichTextDocument> document) {
  if (!document) document = std::make_unique<rt::RichTextDocument>();
  // The view shows the new document before the old one goes.
  std::swap(document_, document);
  document_->SetFieldCallback([this](const std::string& name) { return FieldText(name); });
  Attach();
}

void TTextControl::Attach() {
  if (view_ == nullptr) return;
  view_->SetRichText(document_.get());
  // The view's text control forgets the text colour with its document and
  // hears of it again only when the palette changes; an unchanged colour
  // would leave the new text black.
  QEvent paletteChange(QEvent::PaletteChange);
  QCoreApplication::sendEvent(view_, &paletteChange);
  view_->moveCursor(QTextCursor::Start);
}

void TTextControl::Load(std::string_view text, int codePage) {
  document_->Load(text, codePage);
  Attach();
}

void TTextControl::Clear() {
  document_->LoadPlainText({});
  Attach();
}

void TTextControl::SetDefaultTextColour(const QColor& colour) {
  document_->SetDefaultTextColor(colour);
  if (view_ != nullptr) {
    view_->SetDefaultTextColor(colour);
    view_->viewport()->update();
  }
}

// --- Variable fields ----------------------------------------------------------------

int TTextControl::MakeFields() {
  const int made = document_->MakeVariableFields();
  if (view_ != nullptr) view_->moveCursor(QTextCursor::Start);
  return made;
}

namespace {

TVars* VarsOf(const TOrvalisObj& owner) {
  return owner.Host() != nullptr ? &owner.Host()->Engine().Vars() : nullptr;
}

}  // namespace

TFieldRefresh TTextControl::RefreshAllFields() { return RefreshEveryField(*document_); }

TFieldRefresh TTextControl::RefreshFieldsOf(std::string_view bracketName) {
  return orv::RefreshFieldsOf(*document_, bracketName, VarsOf(owner_));
}

bool TTextControl::FieldLengthsWouldChange(std::string_view bracketName) const {
  return orv::FieldLengthsWouldChange(*document_, bracketName, VarsOf(owner_));
}

void TTextControl::AddFieldVariables(std::vector<std::string>& names) const {
  if (TVars* vars = VarsOf(owner_)) orv::AddFieldVariables(*document_, *vars, names);
}

// --- Links --------------------------------------------------------------------------

void TTextControl::LinkClicked(const std::string& text, const std::string& target) {
  if (owner_.Host() == nullptr) return;
  owner_.Host()->Engine().Vars().SetVar("[HyperlinkClickedText]", text);
  if (JumpToBookmark && !target.empty() && target.front() == ':') {
    JumpToBookmark(target.substr(1));
    return;
  }
  std::string script;
  script.reserve(target.size());
  for (const char c : target) {
    if (c == '\xB6') script += "\r\n";
    else script += c;
  }
  owner_.RunEventScript(script, evHyperlink, trusted_ ? 0 : roRestricted);
}

// --- Copying --------------------------------------------------------------------------

void TTextControl::SetAllowCopy(bool on) {
  allowCopy_ = on;
  if (view_ == nullptr) return;
  view_->SetSelectionEnabled(on);
  view_->setContextMenuPolicy(on ? Qt::CustomContextMenu : Qt::NoContextMenu);
}

void TTextControl::ShowCopyMenu(const QPoint& pos) {
  if (view_ == nullptr || !allowCopy_) return;
  auto* menu = new QMenu(view_);
  menu->setAttribute(Qt::WA_DeleteOnClose);
  QAction* copy = menu->addAction(Caption(owner_.Host(), "L_COPY=", kDefaultCopy));
  copy->setEnabled(view_->textCursor().hasSelection());
  QObject::connect(copy, &QAction::triggered, view_, [this] {
    if (view_ == nullptr || !view_->textCursor().hasSelection()) return;
    auto part = std::make_unique<QTextDocument>();
    QTextCursor(part.get()).insertFragment(view_->textCursor().selection());
    PutOnClipboard(rt::RichTextDocument(std::move(part)));
  });
  QAction* all = menu->addAction(Caption(owner_.Host(), "L_SELECTALL=", kDefaultSelectAll));
  QObject::connect(all, &QAction::triggered, view_, [this] {
    if (view_ != nullptr) view_->selectAll();
  });
  // Not exec: a menu left open must not hold up the scripts or a replay.
  menu->popup(view_->viewport()->mapToGlobal(pos));
}

std::string TTextControl::CopyText(bool toClipboard) const {
  if (toClipboard) {
    PutOnClipboard(*document_);
    return {};
  }
  return document_->ClipboardPlainText();
}

// --- Painting -------------------------------------------------------------------------

void TTextControl::PaintOwnerTo(QPainter& painter) const {
  if (owner_.isHidden()) return;
  painter.save();
  painter.translate(owner_.pos());
  owner_.PaintObject(painter);
  PaintText(painter);
  painter.restore();
}

void TTextControl::PaintText(QPainter& painter) const {
  if (view_ == nullptr || view_->isHidden()) return;
  const QRect viewport = view_->viewport()->geometry().translated(view_->pos());
  painter.save();
  painter.setClipRect(viewport, Qt::IntersectClip);
  painter.translate(viewport.topLeft() -
                    QPoint(view_->horizontalScrollBar()->value(), view_->verticalScrollBar()->value()));
  QAbstractTextDocumentLayout::PaintContext context;
  context.palette = view_->palette();
  context.palette.setColor(QPalette::Text, document_->DefaultTextColor());
  document_->Document().documentLayout()->draw(&painter, context);
  painter.restore();
}

}  // namespace orv
