#include "ui/QtScriptHost.h"

#include <QApplication>
#include <QMessageBox>

#include "base/Ansi.h"
#include "ui/RunNowEventFilter.h"

namespace orv {

TQtScriptHost::TQtScriptHost() : clock_([] { return std::chrono::steady_clock::now(); }) {}

void TQtScriptHost::RestartIdleTimer() {
  if (OnIdleRestart) OnIdleRestart();
}

bool TQtScriptHost::ServeDue() {
  const auto now = clock_();
  if (served_ && now - lastServe_ < kServeInterval) return false;
  served_ = true;
  lastServe_ = now;
  ++serveCount_;
  return true;
}

void TQtScriptHost::ServeUserInterface() {
  if (QCoreApplication::instance() == nullptr || !ServeDue()) return;
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TQtScriptHost::ServeCloseRequest() {
  if (!escCloses_ || QCoreApplication::instance() == nullptr || !ServeDue()) return;
  TRunNowEventFilter filter([this] {
    if (OnEscCloseRequest) OnEscCloseRequest();
  });
  QCoreApplication::instance()->installEventFilter(&filter);
  // The filter goes again however the round ends.
  struct Remove {
    TRunNowEventFilter& filter;
    ~Remove() { QCoreApplication::instance()->removeEventFilter(&filter); }
  } remove{filter};
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

bool TQtScriptHost::ApplicationEnding() {
  return QCoreApplication::closingDown() || (OnAskEnding && OnAskEnding());
}

void TQtScriptHost::ShowAlert(std::string_view text) {
  if (OnAlert) {
    OnAlert(alertTitle_, std::string(text));
    return;
  }
  QMessageBox box(QMessageBox::Warning, QString::fromUtf8(AnsiToUtf8(alertTitle_)),
                  QString::fromUtf8(AnsiToUtf8(text)), QMessageBox::Ok);
  box.exec();
}

}  // namespace orv
