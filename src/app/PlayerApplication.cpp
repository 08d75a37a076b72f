#include "app/PlayerApplication.h"

#include "app/ErrorReport.h"

namespace orv {

bool TPlayerApplication::notify(QObject* receiver, QEvent* event) {
  return DeliverReportingErrors([&] { return QApplication::notify(receiver, event); }, OnException);
}

}  // namespace orv
