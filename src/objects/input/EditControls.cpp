#include "objects/input/EditControls.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QDropEvent>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextCursor>
#include <QUrl>

namespace orv {

namespace {

enum class KeyText { Pass, Swallow, Replace };

// What a key press types once the field's rules had their say: the key as
// it is, other characters (`replacement`), or nothing at all.
KeyText TypedByRules(const QKeyEvent& event, const TEditInputRules& rules, QString& replacement) {
  const QString text = event.text();
  if (text.isEmpty() || !text.front().isPrint()) return KeyText::Pass;
  // Ctrl with a letter is a command (select all, copy), not typing; Ctrl
  // with Alt is AltGr on some keyboards and types.
  const Qt::KeyboardModifiers modifiers = event.modifiers();
  if ((modifiers & Qt::MetaModifier) || ((modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier)))
    return KeyText::Pass;
  replacement = rules.Typed(text);
  if (replacement.isEmpty()) return KeyText::Swallow;
  return replacement == text ? KeyText::Pass : KeyText::Replace;
}

// Runs `handle` with the key press the rules leave of `event`.
template <typename Handle>
void PassKeyByRules(QKeyEvent* event, const TEditInputRules& rules, Handle handle) {
  QString typed;
  switch (TypedByRules(*event, rules, typed)) {
    case KeyText::Pass:
      handle(event);
      return;
    case KeyText::Swallow:
      event->accept();
      return;
    case KeyText::Replace: {
      QKeyEvent replaced(event->type(), event->key(), event->modifiers(), typed, event->isAutoRepeat(),
                         static_cast<quint16>(event->count()));
      handle(&replaced);
      event->setAccepted(replaced.isAccepted());
      return;
    }
  }
}

// Runs `handle` with the input method's commit as the rules take it.
template <typename Handle>
void PassInputMethodByRules(QInputMethodEvent* event, const TEditInputRules& rules, Handle handle) {
  const QString commit = event->commitString();
  if (commit.isEmpty()) {
    handle(event);
    return;
  }
  const QString typed = rules.Typed(commit);
  if (typed == commit) {
    handle(event);
    return;
  }
  QInputMethodEvent replaced(event->preeditString(), event->attributes());
  replaced.setCommitString(typed, event->replacementStart(), event->replacementLength());
  handle(&replaced);
}

}  // namespace

int VariableLength(const QString& text) {
  return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

// --- Shared -------------------------------------------------------------------

void TEditControl::SetColours(const QColor& base, const QColor& text) {
  QWidget& widget = Widget();
  QPalette palette = widget.palette();
  palette.setColor(QPalette::Base, base);
  palette.setColor(QPalette::Window, base);
  // Disabled text keeps the style's grey.
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    palette.setColor(group, QPalette::Text, text);
  widget.setPalette(palette);
}

QStringList TEditControl::DroppedFiles(const QMimeData* data) {
  QStringList files;
  if (data == nullptr || !data->hasUrls()) return files;
  for (const QUrl& url : data->urls())
    if (url.isLocalFile()) files << QDir::toNativeSeparators(url.toLocalFile());
  return files;
}

void TEditControl::TakeDroppedFiles(const QStringList& files) {
  const QString text = rules_.Cased(files.join(rules_.MultiLine ? QStringLiteral("\n") : QStringLiteral("\r\n")));
  ReplaceText(text, true);
}

bool TEditControl::AcceptFileDrag(QDragMoveEvent* event, bool readOnly) {
  if (readOnly || DroppedFiles(event->mimeData()).isEmpty()) return false;
  event->acceptProposedAction();
  return true;
}

bool TEditControl::TakeDrop(QDropEvent* event, const std::function<void(QPoint)>& placeCaret) {
  if (const QStringList files = DroppedFiles(event->mimeData()); !files.isEmpty()) {
    TakeDroppedFiles(files);
    event->acceptProposedAction();
    return true;
  }
  if (event->source() == &Widget() || !event->mimeData()->hasText()) return false;
  placeCaret(event->position().toPoint());
  InsertByRules(event->mimeData()->text());
  Widget().setFocus(Qt::MouseFocusReason);
  event->acceptProposedAction();
  return true;
}

void TEditControl::InsertByRules(const QString& text) {
  if (text.isEmpty()) return;
  const std::optional<QString> taken = rules_.Pasted(text);
  if (!taken) {
    QApplication::beep();
    return;
  }
  InsertPlain(*taken);
}

// --- Single line ----------------------------------------------------------------

TEditLine::TEditLine(const TEditInputRules& rules, QWidget* parent) : QLineEdit(parent), TEditControl(rules) {
  setFrame(false);
}

void TEditLine::ReplaceText(const QString& text, bool caretAtEnd) {
  setText(text);
  if (caretAtEnd)
    end(false);
  else
    setCursorPosition(0);
}

int TEditLine::SelectionStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

int TEditLine::SelectionLength() const { return hasSelectedText() ? selectionLength() : 0; }

void TEditLine::PasteFromClipboard() {
  if (isReadOnly()) return;
  InsertByRules(QGuiApplication::clipboard()->text());
}

void TEditLine::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    PasteFromClipboard();
    event->accept();
    return;
  }
  PassKeyByRules(event, rules_, [this](QKeyEvent* key) { QLineEdit::keyPressEvent(key); });
}

void TEditLine::inputMethodEvent(QInputMethodEvent* event) {
  PassInputMethodByRules(event, rules_, [this](QInputMethodEvent* e) { QLineEdit::inputMethodEvent(e); });
}

void TEditLine::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  // The menu's paste goes by the field's rules as Ctrl+V does.
  for (QAction* action : menu->actions())
    if (action->objectName() == QLatin1String("edit-paste")) {
      action->disconnect();
      connect(action, &QAction::triggered, this, &TEditLine::PasteFromClipboard);
    }
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

void TEditLine::mouseReleaseEvent(QMouseEvent* event) {
  // Where the window system pastes the selection with the middle button,
  // that paste too goes by the rules.
  if (event->button() == Qt::MiddleButton && QGuiApplication::clipboard()->supportsSelection()) {
    if (!isReadOnly()) {
      setCursorPosition(cursorPositionAt(event->position().toPoint()));
      InsertByRules(QGuiApplication::clipboard()->text(QClipboard::Selection));
    }
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

void TEditLine::dragEnterEvent(QDragEnterEvent* event) {
  if (!AcceptFileDrag(event, isReadOnly())) QLineEdit::dragEnterEvent(event);
}

void TEditLine::dragMoveEvent(QDragMoveEvent* event) {
  if (!AcceptFileDrag(event, isReadOnly())) QLineEdit::dragMoveEvent(event);
}

void TEditLine::dropEvent(QDropEvent* event) {
  if (isReadOnly()) return;
  // A move inside the field is the control's own.
  if (!TakeDrop(event, [this](QPoint at) { setCursorPosition(cursorPositionAt(at)); })) QLineEdit::dropEvent(event);
}

// --- Multi-line -----------------------------------------------------------------

TEditMemo::TEditMemo(const TEditInputRules& rules, QWidget* parent) : QPlainTextEdit(parent), TEditControl(rules) {
  setFrameShape(QFrame::NoFrame);
  // Tab moves on to the next object, as in a form.
  setTabChangesFocus(true);
  connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
    changedAt_ = position;
    changedAdded_ = added;
  });
  // Connected before the field hears of the change: the field sees the
  // text already cut.
  connect(this, &QPlainTextEdit::textChanged, this, &TEditMemo::EnforceMaxLength);
}

void TEditMemo::ReplaceText(const QString& text, bool caretAtEnd) {
  setPlainText(text);
  if (caretAtEnd) {
    moveCursor(QTextCursor::End);
    ensureCursorVisible();
  }
}

void TEditMemo::SetMaxLength(int length) {
  maxLength_ = length;
  EnforceMaxLength();
}

void TEditMemo::EnforceMaxLength() {
  if (trimming_ || maxLength_ <= 0) return;
  const QString text = toPlainText();
  int excess = VariableLength(text) - maxLength_;
  if (excess <= 0) return;
  trimming_ = true;
  // What the change added goes first, from its end; anything still over
  // (a maximum lowered) from the end of the text.
  const int size = static_cast<int>(text.size());
  int end = std::clamp(changedAt_ + changedAdded_, 0, size);
  int begin = std::clamp(changedAt_, 0, end);
  if (end - begin <= 0) {
    begin = 0;
    end = size;
  }
  int cut = end;
  while (cut > begin && excess > 0) {
    --cut;
    excess -= text[cut] == QLatin1Char('\n') ? 2 : 1;
  }
  if (excess > 0) {
    // Still over: the end of the text goes as well.
    cut = size;
    int over = VariableLength(text) - maxLength_;
    while (cut > 0 && over > 0) {
      --cut;
      over -= text[cut] == QLatin1Char('\n') ? 2 : 1;
    }
    end = size;
  }
  QTextCursor cursor(document());
  cursor.setPosition(cut);
  cursor.setPosition(end, QTextCursor::KeepAnchor);
  cursor.removeSelectedText();
  changedAdded_ = 0;
  trimming_ = false;
}

int TEditMemo::SelectionStart() const { return textCursor().selectionStart(); }

int TEditMemo::SelectionLength() const {
  const QTextCursor cursor = textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void TEditMemo::Select(int start, int length) {
  QTextCursor cursor = textCursor();
  cursor.setPosition(start);
  cursor.setPosition(start + length, QTextCursor::KeepAnchor);
  setTextCursor(cursor);
  ensureCursorVisible();
}

void TEditMemo::keyPressEvent(QKeyEvent* event) {
  PassKeyByRules(event, rules_, [this](QKeyEvent* key) { QPlainTextEdit::keyPressEvent(key); });
}

void TEditMemo::inputMethodEvent(QInputMethodEvent* event) {
  PassInputMethodByRules(event, rules_, [this](QInputMethodEvent* e) { QPlainTextEdit::inputMethodEvent(e); });
}

bool TEditMemo::canInsertFromMimeData(const QMimeData* source) const {
  return source != nullptr && source->hasText();
}

void TEditMemo::insertFromMimeData(const QMimeData* source) {
  // Plain text only, by the paste rules.
  if (source != nullptr && source->hasText()) InsertByRules(source->text());
}

void TEditMemo::dragEnterEvent(QDragEnterEvent* event) {
  if (!AcceptFileDrag(event, isReadOnly())) QPlainTextEdit::dragEnterEvent(event);
}

void TEditMemo::dragMoveEvent(QDragMoveEvent* event) {
  if (!AcceptFileDrag(event, isReadOnly())) QPlainTextEdit::dragMoveEvent(event);
}

void TEditMemo::dropEvent(QDropEvent* event) {
  if (isReadOnly()) return;
  // A move inside the field is the control's own.
  if (!TakeDrop(event, [this](QPoint at) { setTextCursor(cursorForPosition(at)); })) QPlainTextEdit::dropEvent(event);
}

}  // namespace orv
