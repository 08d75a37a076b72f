#include "objects/text/Article.h"

#include <QKeyEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextCursor>

#include "app/CursorSlots.h"
#include "container/DocumentValue.h"
#include "objects/ObjectHost.h"
#include "objects/text/ArticleFile.h"
#include "objects/text/TextFont.h"
#include "pages/BackgroundMessages.h"
#include "richtext/RichTextDocument.h"
#include "richtext/RichTextView.h"

namespace orv {

bool TOrvalisArticle::ApplyKey(const KeyValue& key) {
  if (ApplyArticleKey(key) || ApplyHintKey(key)) return true;
  const std::string_view name = key.Name();
  if (name == "WORDWRAP=") wordWrap_ = key.Yes();
  else if (name == "SCROLLBAR=") scrollBars_ = key.Yes();
  else return false;
  return true;
}

void TOrvalisArticle::SetTextFile(std::string_view name) {
  if (name == TextFile()) return;
  textFile_.Set(name);
  Reload(false);
}

void TOrvalisArticle::SetScrollBars(bool on) {
  if (on == scrollBars_) return;
  scrollBars_ = on;
  Reload(true);
}

void TOrvalisArticle::SetWordWrap(bool on) {
  if (on == wordWrap_) return;
  wordWrap_ = on;
  Reload(true);
}

// --- Loading --------------------------------------------------------------------------

void TOrvalisArticle::LoadFile() {
  rt::RichTextDocument& doc = control_.Document();
  doc.SetDefaultFont(TextFontOf(Font()));
  control_.Clear();
  control_.SetTrusted(true);
  const std::string name = PreparedTextFile();
  if (!name.empty()) {
    const TArticleFile file = ReadArticleFile(name, Vars());
    // A missing file leaves the article empty, without a message.
    if (file.found) {
      LoadArticleFile(doc, file, wordWrap_, TextCodePageOf(Font()));
      control_.SetTrusted(file.trusted);
    }
  }
  if (overrideFont_) doc.ApplyFont(TextFontOf(Font()), false);
  doc.SetDefaultTextColor(TextColourOf(Font()));
  control_.Attach();
  control_.MakeFields();
}

void TOrvalisArticle::Reload(bool resetScroll) {
  Watch();
  if (!control_.Built()) return;
  if (resetScroll) scrollPosition_ = 0;
  rt::RichTextView* view = control_.View();
  view->SetScrollBars(scrollBars_);
  view->SetWordWrap(wordWrap_);
  LoadFile();
  Watch();
  view->moveCursor(QTextCursor::Start);
  view->SetVerticalScrollPosition(scrollPosition_);
  UpdateCursor();
  RecomputeTabStop();
  update();
}

rt::RichTextDocument& TOrvalisArticle::SearchText() {
  if (!control_.Built()) LoadFile();
  return control_.Document();
}

TFindParts TOrvalisArticle::FindParts() {
  TFindParts parts = TBaseArticle::FindParts();
  parts.Text = &SearchText();
  parts.View = control_.View();
  return parts;
}

void TOrvalisArticle::Watch() {
  std::vector<std::string> names;
  AddFileNameVariables(names);
  if (control_.Built()) control_.AddFieldVariables(names);
  WatchVariableNames(std::move(names));
}

bool TOrvalisArticle::JumpToBookmark(std::string_view name) {
  return control_.View() != nullptr && control_.View()->ScrollToBookmark(name);
}

void TOrvalisArticle::WatchedVariableChanged(std::string_view bracketName, std::string_view) {
  if (!control_.Built()) return;
  if (TextFile().find('[') != std::string_view::npos && FileNameRefersTo(bracketName)) {
    Reload(true);
    return;
  }
  if (control_.RefreshFieldsOf(bracketName).refreshed > 0) Watch();
}

// --- Page notifications -------------------------------------------------------------------

void TOrvalisArticle::Notify(int message, const std::string& text, const std::string& data) {
  switch (message) {
    case kMsgLoaded:
      if (control_.Built()) Reload(false);
      RecomputeTabStop();
      break;
    case kMsgMoved:
      RecomputeTabStop();
      break;
    default:
      break;
  }
  TBaseArticle::Notify(message, text, data);
}

void TOrvalisArticle::PageEntering() {
  TBaseArticle::PageEntering();
  BuildControl();
  rt::RichTextView* view = control_.View();
  view->installEventFilter(this);
  Reload(false);
}

void TOrvalisArticle::PageLeaving() {
  TBaseArticle::PageLeaving();
  if (control_.View() != nullptr) scrollPosition_ = control_.View()->VerticalScrollPosition();
  control_.Free();
  control_.Clear();
}

// --- Keyboard, focus and cursor ---------------------------------------------------------------

void TOrvalisArticle::RecomputeTabStop() {
  rt::RichTextView* view = control_.View();
  if (view == nullptr) return;
  view->setFocusPolicy(scrollBars_ && InPublicationArea() ? Qt::StrongFocus : Qt::ClickFocus);
}

void TOrvalisArticle::UpdateCursor() {
  TBaseArticle::UpdateCursor();
  if (control_.View() != nullptr && Host() != nullptr)
    control_.View()->SetNormalCursor(Host()->Cursor(csGeneral));
}

bool TOrvalisArticle::eventFilter(QObject* watched, QEvent* event) {
  rt::RichTextView* view = control_.View();
  if (view == nullptr || watched != view) return TBaseArticle::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress: {
      // Up and Down read on by a line, whatever the caret does.
      auto* key = static_cast<QKeyEvent*>(event);
      if ((key->key() == Qt::Key_Up || key->key() == Qt::Key_Down) && !(key->modifiers() & Qt::ShiftModifier)) {
        view->verticalScrollBar()->triggerAction(key->key() == Qt::Key_Down ? QAbstractSlider::SliderSingleStepAdd
                                                                             : QAbstractSlider::SliderSingleStepSub);
        return true;
      }
      return false;
    }
    case QEvent::FocusIn:
    case QEvent::FocusOut:
      update();
      return false;
    default:
      return false;
  }
}

void TOrvalisArticle::DrawShape(QPainter& painter) {
  TBaseArticle::DrawShape(painter);
  rt::RichTextView* view = control_.View();
  if (view == nullptr || !view->hasFocus() || Host() == nullptr || !Host()->ShowMarquee() || LineWidth() <= 0) return;
  // The focus rectangle runs inside the outline.
  const int inset = LineWidth() > 2 ? LineWidth() / 2 : LineWidth();
  QPen pen(Qt::black, 1, Qt::DotLine);
  painter.save();
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  painter.drawRect(rect().adjusted(inset, inset, -inset - 1, -inset - 1));
  painter.restore();
}

}  // namespace orv
