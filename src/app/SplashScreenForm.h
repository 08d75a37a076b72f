#pragma once
// The splash screen: a borderless window centred on the screen with a
// progress bar (0 to 110) along its bottom, shown while the publication
// document loads. In picture mode it shows the package's splash picture at
// once and stays up at least its minimum time; in message mode (no usable
// picture) it shows "L_PLEASEWAIT=" and appears only when loading is still
// at or below half way when its timer fires.
#include <QPixmap>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

class QProgressBar;

namespace orv {

// How long the splash waits, in milliseconds (tests shorten them).
struct SplashTimings {
  int Picture = 1500;    // a picture splash stays up at least this long
  int Message = 500;     // a message splash appears after this, if still needed
  int FinalPause = 100;  // the full bar stays visible this long
};

class TSplashScreenForm : public QWidget {
 public:
  static constexpr int kProgressRange = 110;

  // Picture mode when `picture` is not null, message mode otherwise.
  TSplashScreenForm(const QPixmap& picture, const QString& message, SplashTimings timings = SplashTimings(),
                    QWidget* parent = nullptr);

  bool PictureMode() const { return pictureMode_; }
  void SetProgress(int percent);
  int Progress() const;
  bool TimerFired() const { return timerFired_; }
  // What the timer does when it is overdue, for work that serves no events
  // meanwhile; the splash then paints at once.
  void ShowWhenDue();

  // Waits (serving events) until a picture splash has been up its minimum
  // time, shows the full bar for a moment when visible, and hides.
  void CloseSplash();

 private:
  void TimerTick();

  bool pictureMode_;
  SplashTimings timings_;
  QTimer timer_;
  bool timerFired_ = false;
  QProgressBar* bar_;
};

}  // namespace orv
