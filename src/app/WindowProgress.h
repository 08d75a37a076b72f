#pragma once
// The progress display of long work objects do while the publication runs
// or loads (laying out a chain of linked articles): the loading splash when
// one is up, else a splash of its own in message mode, which appears only
// when the work is still at or below half way once the splash's wait is
// over. No events are served meanwhile: only the bar repaints.
#include <QString>
#include <memory>

namespace orv {

class TSplashScreenForm;

class TWindowProgress {
 public:
  TWindowProgress();
  ~TWindowProgress();
  TWindowProgress(const TWindowProgress&) = delete;
  TWindowProgress& operator=(const TWindowProgress&) = delete;

  // The splash of the publication's loading, used while it is up; null
  // when it has gone.
  void SetLoadingSplash(TSplashScreenForm* splash) { loadingSplash_ = splash; }
  // "L_PLEASEWAIT=" for a splash of its own.
  void SetMessage(const QString& message) { message_ = message; }

  void Begin(int maximum);
  void Step();
  void End();
  bool Running() const { return shown_ != nullptr; }

 private:
  TSplashScreenForm* loadingSplash_ = nullptr;
  std::unique_ptr<TSplashScreenForm> own_;
  TSplashScreenForm* shown_ = nullptr;
  QString message_;
  int maximum_ = 1;
  int position_ = 0;
};

}  // namespace orv
