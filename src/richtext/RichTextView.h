#pragma once
// The read-only rich text viewer page objects embed: no border, transparent
// over an optional background picture, links clicked once with the hot-spot
// cursor, hidden text hidden, Page Up and Page Down move through the text,
// Tab left to the parent, not a tab stop.
#include <QPixmap>
#include <QTextEdit>
#include <string>
#include <string_view>

namespace orv::rt {

class RichTextDocument;

class RichTextView : public QTextEdit {
  Q_OBJECT

 public:
  explicit RichTextView(QWidget* parent = nullptr);

  // Shows the document (not owned; it must outlive the view or be replaced).
  void SetRichText(RichTextDocument* document);
  RichTextDocument* RichText() const { return richText_; }

  void SetBackgroundPicture(const QPixmap& picture);
  void SetSelectionEnabled(bool on);
  void SetWordWrap(bool on);
  void SetScrollBars(bool on);
  void SetLeftOffset(int pixels);
  void SetDefaultTextColor(const QColor& color);
  // The cursor shown away from links (the application's cursor).
  void SetNormalCursor(const QCursor& cursor);

  // Scrolls so that the bookmark is at the top; false when there is none.
  bool ScrollToBookmark(std::string_view name);
  // Selects the next match at or after `from` and scrolls to it.
  bool FindAndSelect(std::string_view pattern, int from);

  // Whether a link lies under a point of the viewport.
  bool LinkAtPoint(const QPoint& viewportPoint) const { return LinkPositionAt(viewportPoint) >= 0; }

  int VerticalScrollPosition() const;
  void SetVerticalScrollPosition(int value);

 signals:
  // Windows-1252 texts of the clicked link.
  void LinkClicked(const std::string& text, const std::string& target);
  void MouseEntered();
  void MouseLeft();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  int LinkPositionAt(const QPoint& viewportPoint) const;

  RichTextDocument* richText_ = nullptr;
  QMetaObject::Connection shownDestroyed_;
  QPixmap background_;
  QCursor normalCursor_;
  int pressedLink_ = -1;
  bool selectable_ = false;
};

}  // namespace orv::rt
