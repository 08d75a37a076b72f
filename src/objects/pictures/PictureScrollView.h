#pragma once
// The scroll view of a zoomed picture: a scroll area filling the picture
// object, holding the inner picture box, which is as large as the zoomed
// picture and at least as large as the view. The box paints and reports
// clicks through its client (the picture object); with drag scrolling on,
// dragging the box moves the scroll bars.
#include <QPoint>
#include <QScrollArea>
#include <QSize>
#include <QWidget>

class QPainter;

namespace orv {

class TPictureBoxClient {
 public:
  virtual ~TPictureBoxClient() = default;
  // Paints the box's content; `box` is the box.
  virtual void PaintBox(QPainter& painter, QWidget& box) = 0;
  // A button was let go after a press on the box, at `pos` in the box.
  virtual void BoxReleased(Qt::MouseButton button, QPoint pos, QWidget& box) = 0;
  // Whether dragging with the left button scrolls.
  virtual bool DragScrolls() const = 0;
};

class TPictureScrollView;

class TOrvalisPictureBox : public QWidget {
 public:
  TOrvalisPictureBox(TPictureBoxClient& client, TPictureScrollView& view);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  TPictureBoxClient& client_;
  TPictureScrollView& view_;
  QPoint lastGlobal_;
  bool pressed_ = false;
  bool dragging_ = false;
};

class TPictureScrollView : public QScrollArea {
 public:
  TPictureScrollView(TPictureBoxClient& client, QWidget* parent);

  TOrvalisPictureBox& Box() const { return *box_; }
  // The zoomed picture's size; the box never gets smaller than the view.
  void SetContentSize(QSize size);
  QSize ContentSize() const { return box_->minimumSize(); }
  QPoint Positions() const;
  void SetPositions(QPoint positions);
  void ScrollBy(QPoint delta);
  // The square between the two scroll bars.
  void SetCornerColour(const QColor& colour);

 private:
  TOrvalisPictureBox* box_;
  QWidget* corner_;
};

}  // namespace orv
