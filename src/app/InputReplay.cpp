#include "app/InputReplay.h"

#include <QCoreApplication>
#include <QPixmap>
#include <QPointer>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "app/WorkForm.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"

namespace orv {

namespace {

// Rounding each step's end to whole pixels moves it by up to half a pixel
// on each axis; steps of 2.5 along the line stay within 4 pixels.
constexpr double kDragStep = 2.5;

// `p` on the page shown now, in the coordinates of the window's own
// top-level window.
QPoint WindowPoint(TWorkForm& form, ReplayPoint p) {
  const TOVPageList& pages = form.Pages();
  const TOVPage* page = pages.Page(pages.PageIndex());
  const QWidget* origin = page ? static_cast<const QWidget*>(&page->Background()) : &form;
  return origin->mapTo(form.window(), QPoint(p.X, p.Y));
}

}  // namespace

TInputReplay::TInputReplay(std::vector<ReplayEvent> events, std::function<TWorkForm*()> window)
    : events_(std::move(events)), window_(std::move(window)) {
  timer_.setSingleShot(true);
  timer_.setTimerType(Qt::PreciseTimer);
  connect(&timer_, &QTimer::timeout, this, [this] { Fire(); });
}

void TInputReplay::Start() {
  clock_.start();
  next_ = 0;
  ArmForNext();
}

void TInputReplay::ArmForNext() {
  if (Finished()) return;
  const qint64 due = events_[next_].AtMs - clock_.elapsed();
  timer_.start(static_cast<int>(std::max<qint64>(due, 0)));
}

void TInputReplay::Stop() {
  timer_.stop();
  next_ = events_.size();
}

void TInputReplay::Fire() {
  if (servingDrag_) {
    owed_ = true;
    return;
  }
  if (Finished()) return;
  TWorkForm* form = window_ ? window_() : nullptr;
  if (!form) {
    Stop();
    return;
  }
  const ReplayEvent& event = events_[next_++];
  // Armed before sending: the input may open a modal dialog whose own loop
  // must go on with the lines after it.
  ArmForNext();
  if (OnEvent) OnEvent(event);
  Send(event, *form);
}

void TInputReplay::Send(const ReplayEvent& event, TWorkForm& form) {
  // The window may go away in a loop served while the input is handled.
  const QPointer<QWindow> window = form.window()->windowHandle();
  const QPoint at = WindowPoint(form, event.At);
  const Qt::MouseButton button = event.RightButton ? Qt::RightButton : Qt::LeftButton;
  switch (event.Verb) {
    case ReplayVerb::Move:
      input_.Move(window, at);
      break;
    case ReplayVerb::Click:
    case ReplayVerb::RightClick: {
      const Qt::MouseButton clicked = event.Verb == ReplayVerb::Click ? Qt::LeftButton : Qt::RightButton;
      input_.Press(window, at, clicked);
      input_.Release(window, at, clicked);
      break;
    }
    case ReplayVerb::DoubleClick:
      // Two clicks: the player takes a double-click event as a press anyway,
      // and a window handed a double-click event without the press the
      // window system marks as its first half drops the release after it.
      for (int click = 0; click < 2; ++click) {
        input_.Press(window, at, Qt::LeftButton);
        input_.Release(window, at, Qt::LeftButton);
      }
      break;
    case ReplayVerb::Press:
      input_.Press(window, at, button);
      break;
    case ReplayVerb::Release:
      input_.Release(window, at, button);
      break;
    case ReplayVerb::Drag:
      Drag(window, at, WindowPoint(form, event.To));
      break;
    case ReplayVerb::Key:
      input_.KeyClick(window, event.KeyCombination);
      break;
    case ReplayVerb::Type:
      input_.Type(window, QString::fromUtf8(event.Text.data(), static_cast<qsizetype>(event.Text.size())));
      break;
    case ReplayVerb::Shot:
      if (!form.grab().save(QString::fromStdString(event.Text), "PNG") && OnShotFailed) OnShotFailed(event.Text);
      break;
    case ReplayVerb::Quit:
      // A publication that refuses the close goes on with the lines after.
      if (form.close()) Stop();
      break;
  }
}

void TInputReplay::Drag(QWindow* window, QPoint from, QPoint to) {
  const QPointer<QWindow> target(window);
  input_.Press(target, from, Qt::LeftButton);
  const QPointF line = to - from;
  const int steps = static_cast<int>(std::ceil(std::hypot(line.x(), line.y()) / kDragStep));
  for (int i = 1; i <= steps; ++i) {
    const QPoint step = i == steps ? to : from + (line * i / steps).toPoint();
    input_.Move(target, step);
    servingDrag_ = true;
    QCoreApplication::processEvents();
    servingDrag_ = false;
    // Re-armed at once: the next step's input may open a modal dialog, and
    // the line that fell due is then sent from the dialog's loop.
    if (owed_) {
      owed_ = false;
      ArmForNext();
    }
  }
  input_.Release(target, to, Qt::LeftButton);
}

}  // namespace orv
