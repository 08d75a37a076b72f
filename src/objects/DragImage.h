#pragma once
// The picture that follows the mouse while an object is dragged: a child
// widget of the page that holds the mouse for the whole drag, so the drag
// goes on even when the object itself is hidden.
#include <QImage>
#include <QWidget>
#include <functional>

namespace orv {

class TDragImage : public QWidget {
 public:
  // `picture`'s white pixels are see-through.
  TDragImage(QWidget* page, const QImage& picture);
  ~TDragImage() override;

  // Where the mouse is, in global coordinates.
  std::function<void(QPoint global)> OnMove;
  std::function<void(QPoint global, Qt::MouseButton button)> OnRelease;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
};

}  // namespace orv
