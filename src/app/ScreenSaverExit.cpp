#include "app/ScreenSaverExit.h"

#include <QCursor>
#include <QEvent>
#include <QGuiApplication>
#include <QMouseEvent>
#include <cstdlib>

namespace orv {

TScreenSaverExit::TScreenSaverExit(std::function<void()> close) : close_(std::move(close)) {
  QGuiApplication::setOverrideCursor(QCursor(Qt::BlankCursor));
  QCoreApplication::instance()->installEventFilter(this);
}

TScreenSaverExit::~TScreenSaverExit() {
  QCoreApplication::instance()->removeEventFilter(this);
  QGuiApplication::restoreOverrideCursor();
}

void TScreenSaverExit::Close() {
  ++closeRequests_;
  if (close_) close_();
}

bool TScreenSaverExit::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
      Close();
      return true;
    case QEvent::MouseMove: {
      // A widget and its parents may all see one move; only the screen
      // position counts. The first move only sets the place to compare with,
      // and a pixel of jitter is not the user coming back.
      const QPoint at = static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
      const bool moved =
          lastMouse_ && (std::abs(at.x() - lastMouse_->x()) > 1 || std::abs(at.y() - lastMouse_->y()) > 1);
      lastMouse_ = at;
      if (moved) Close();
      return moved;
    }
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace orv
