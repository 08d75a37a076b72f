#include "app/IdleReturnTimer.h"

#include <QApplication>
#include <QEvent>

#include "script/Engine.h"

namespace orv {

TIdleReturnTimer::TIdleReturnTimer(TScriptEngine& engine, QObject* parent) : QObject(parent), engine_(engine) {
  timer_.setSingleShot(false);
  connect(&timer_, &QTimer::timeout, this, [this] { Fire(); });
  Blocked = [] { return QApplication::activeModalWidget() != nullptr || QApplication::activePopupWidget() != nullptr; };
}

TIdleReturnTimer::~TIdleReturnTimer() {
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

void TIdleReturnTimer::Configure(bool enabled, int seconds, std::string_view action) {
  action_ = action;
  enabled_ = enabled && seconds > 0 && !action_.empty();
  timer_.setInterval(seconds > 0 ? seconds * 1000 : 0);
}

void TIdleReturnTimer::Start() {
  if (!enabled_ || running_) return;
  running_ = true;
  if (QCoreApplication* app = QCoreApplication::instance()) app->installEventFilter(this);
  timer_.start();
}

void TIdleReturnTimer::Stop() {
  running_ = false;
  timer_.stop();
  if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

void TIdleReturnTimer::Restart() {
  if (!running_) return;
  ++restarts_;
  timer_.start();
}

void TIdleReturnTimer::Fire() {
  if (!running_) return;
  timer_.stop();
  if (!(Blocked && Blocked()) && !engine_.Closing())
    engine_.RunScript(action_, 0, kSourceIdleReturn);
  // The action may have closed the publication or stopped the timer.
  if (running_ && !engine_.Closing()) timer_.start();
}

bool TIdleReturnTimer::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
      // Every widget in the chain sees the event; only its first delivery,
      // to a widget, counts.
      if (watched->isWidgetType()) Restart();
      break;
    default:
      break;  // the wheel and everything else leave the wait alone
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace orv
