#include "app/SplashScreenForm.h"

#include <QApplication>
#include <algorithm>
#include <QDeadlineTimer>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QProgressBar>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>

namespace orv {

namespace {

// Serves events in 10 ms steps until `done` or the time is up.
void ServeEventsUntil(const std::function<bool()>& done, int ms) {
  QDeadlineTimer deadline(ms);
  while (!done() && !deadline.hasExpired()) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    QThread::msleep(10);
  }
}

}  // namespace

TSplashScreenForm::TSplashScreenForm(const QPixmap& picture, const QString& message, SplashTimings timings,
                                     QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      pictureMode_(!picture.isNull()),
      timings_(timings) {
  auto* layout = new QVBoxLayout(this);
  layout->setSpacing(0);
  bar_ = new QProgressBar(this);
  bar_->setRange(0, kProgressRange);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  if (pictureMode_) {
    layout->setContentsMargins(0, 0, 0, 0);
    auto* frame = new QLabel(this);
    frame->setFrameStyle(QFrame::Panel | QFrame::Raised);
    frame->setLineWidth(3);
    frame->setPixmap(picture);
    layout->addWidget(frame);
    layout->addWidget(bar_);
  } else {
    layout->setContentsMargins(12, 12, 12, 12);
    auto* text = new QLabel(message, this);
    text->setAlignment(Qt::AlignCenter);
    layout->addWidget(text);
    bar_->setFixedHeight(35 - 2 * 12);
    layout->addWidget(bar_);
    setMinimumWidth(text->sizeHint().width() + 24);
  }
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->geometry().center() - rect().center());
  timer_.setSingleShot(true);
  connect(&timer_, &QTimer::timeout, this, [this] { TimerTick(); });
  timer_.start(pictureMode_ ? timings_.Picture : timings_.Message);
  if (pictureMode_) show();
}

void TSplashScreenForm::TimerTick() {
  timerFired_ = true;
  if (!pictureMode_ && bar_->value() <= kProgressRange / 2) show();
}

void TSplashScreenForm::ShowWhenDue() {
  if (timerFired_ || !timer_.isActive() || timer_.remainingTime() > 0) return;
  timer_.stop();
  TimerTick();
  if (isVisible()) repaint();
}

void TSplashScreenForm::SetProgress(int percent) {
  bar_->setValue(std::clamp(percent, 0, kProgressRange));
  if (isVisible()) bar_->repaint();
}

int TSplashScreenForm::Progress() const { return bar_->value(); }

void TSplashScreenForm::CloseSplash() {
  if (pictureMode_) ServeEventsUntil([this] { return timerFired_; }, timings_.Picture + 1000);
  timer_.stop();
  if (isVisible()) {
    bar_->setValue(kProgressRange);
    repaint();
    ServeEventsUntil([] { return false; }, timings_.FinalPause);
  }
  hide();
}

}  // namespace orv
