#include "ui/RunNowEventFilter.h"

#include <QCoreApplication>
#include <QKeyEvent>

#include "ui/PostedWorkEvent.h"

namespace orv {

namespace {

bool IsUserInput(QEvent::Type type) {
  switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride:
    case QEvent::Shortcut:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
    case QEvent::TabletPress:
    case QEvent::TabletMove:
    case QEvent::TabletRelease:
    case QEvent::ContextMenu:
    case QEvent::InputMethod:
    case QEvent::Close:
      return true;
    default:
      return false;
  }
}

// A fresh copy of posted work, to be delivered later instead.
QEvent* CopyOfPostedWork(const QEvent& event) {
  const QEvent::Type type = event.type();
  if (type == kPostedScriptEvent) {
    const auto& e = static_cast<const TPostedScriptEvent&>(event);
    return new TPostedScriptEvent(e.Script, e.Source, e.SourceName, e.Subroutine, e.Options);
  }
  if (type == kActivationEvent) return new TActivationEvent(static_cast<const TActivationEvent&>(event).Active);
  if (type == kPageChangeEvent) return new TPageChangeEvent(static_cast<const TPageChangeEvent&>(event).Index);
  return nullptr;
}

}  // namespace

bool TRunNowEventFilter::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape) {
    ++escapeRequests_;
    if (onEscape_) onEscape_();
    return true;
  }
  if (IsUserInput(type) || type == QEvent::Timer) return true;
  if (IsPostedWork(type)) {
    // Posted again, it is handled by a later round of the loop, not by this
    // one: the loop never delivers what was posted while it delivers.
    if (QEvent* copy = CopyOfPostedWork(*event)) QCoreApplication::postEvent(watched, copy);
    return true;
  }
  return false;
}

}  // namespace orv
