#pragma once
// The player's application object: an exception escaping from a window
// callback is shown to the user and the player goes on, where Qt would
// otherwise end the process.
#include <QApplication>
#include <exception>
#include <functional>

namespace orv {

class TPlayerApplication : public QApplication {
 public:
  using QApplication::QApplication;

  bool notify(QObject* receiver, QEvent* event) override;

  // Shows a caught exception; without it the exception is only swallowed.
  std::function<void(const std::exception&)> OnException;
};

}  // namespace orv
