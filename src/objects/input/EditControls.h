#pragma once
// The control inside an edit field: a frameless QLineEdit, or a
// QPlainTextEdit for a multi-line field. Both let in only what the field's
// input rules allow, whether typed, pasted or dropped; dropped files
// replace the whole text with their paths, one per line.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QString>
#include <QStringList>
#include <functional>

#include "objects/input/EditInputRules.h"

class QMimeData;

namespace orv {

class TEditControl {
 public:
  explicit TEditControl(const TEditInputRules& rules) : rules_(rules) {}
  virtual ~TEditControl() = default;

  virtual QWidget& Widget() = 0;
  // The text, line breaks as "\n".
  virtual QString Text() const = 0;
  // Replaces the text; the caret goes to the start, or to the end and
  // into view.
  virtual void ReplaceText(const QString& text, bool caretAtEnd) = 0;
  // The most characters the reader may enter, a line break counting two.
  virtual void SetMaxLength(int length) = 0;
  // The selection in characters of Text(); the caret when nothing is
  // selected, with a length of 0.
  virtual int SelectionStart() const = 0;
  virtual int SelectionLength() const = 0;
  // Selects `length` characters of Text() from `start` and shows them.
  virtual void Select(int start, int length) = 0;
  virtual void SetColours(const QColor& base, const QColor& text);

 protected:
  // The local paths of the files `data` carries; empty for none.
  static QStringList DroppedFiles(const QMimeData* data);
  // The files' paths, one per line, as the field's whole text.
  void TakeDroppedFiles(const QStringList& files);
  // Inserts `text` where the caret is, by the paste rules; a refused text
  // beeps.
  void InsertByRules(const QString& text);
  // A drag carrying files is the field's own, unless it is read-only; true
  // when it took `event`.
  static bool AcceptFileDrag(QDragMoveEvent* event, bool readOnly);
  // Files replace the text; text from elsewhere goes in where
  // `placeCaret` puts the caret for the drop point, and the field takes the
  // focus. False for what the control's own drop does (a move inside it,
  // anything without text).
  bool TakeDrop(QDropEvent* event, const std::function<void(QPoint)>& placeCaret);
  // The characters of a key press the field lets in (`typed`), or empty.
  QString TypedText(const QString& typed) const { return rules_.Typed(typed); }
  virtual void InsertPlain(const QString& text) = 0;

  const TEditInputRules& rules_;
};

class TEditLine : public QLineEdit, public TEditControl {
 public:
  TEditLine(const TEditInputRules& rules, QWidget* parent);

  QWidget& Widget() override { return *this; }
  QString Text() const override { return text(); }
  void ReplaceText(const QString& text, bool caretAtEnd) override;
  void SetMaxLength(int length) override { setMaxLength(length); }
  int SelectionStart() const override;
  int SelectionLength() const override;
  void Select(int start, int length) override { setSelection(start, length); }
  void PasteFromClipboard();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void InsertPlain(const QString& text) override { insert(text); }
};

class TEditMemo : public QPlainTextEdit, public TEditControl {
 public:
  TEditMemo(const TEditInputRules& rules, QWidget* parent);

  QWidget& Widget() override { return *this; }
  QString Text() const override { return toPlainText(); }
  void ReplaceText(const QString& text, bool caretAtEnd) override;
  void SetMaxLength(int length) override;
  int SelectionStart() const override;
  int SelectionLength() const override;
  void Select(int start, int length) override;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  bool canInsertFromMimeData(const QMimeData* source) const override;
  void insertFromMimeData(const QMimeData* source) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dragMoveEvent(QDragMoveEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void InsertPlain(const QString& text) override { insertPlainText(text); }

 private:
  // Cuts what the last change added beyond the maximum.
  void EnforceMaxLength();

  int maxLength_ = 0;
  int changedAt_ = 0;    // where the last change added its characters
  int changedAdded_ = 0;
  bool trimming_ = false;
};

// The length of `text` as the variable holds it: a line break counts two.
int VariableLength(const QString& text);

}  // namespace orv
