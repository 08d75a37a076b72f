#include "app/UnattendedQuit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialog>
#include <QMessageBox>
#include <cstdio>

namespace orv {

namespace {

constexpr int kTickMs = 20;

QDialog* OpenModalDialog() {
  if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) return dialog;
  for (QWidget* w : QApplication::topLevelWidgets())
    if (auto* dialog = qobject_cast<QDialog*>(w); dialog && dialog->isVisible() && dialog->isModal()) return dialog;
  return nullptr;
}

}  // namespace

TUnattendedQuit::TUnattendedQuit(std::function<QWidget*()> window) : window_(std::move(window)) {
  deadline_.setSingleShot(true);
  connect(&deadline_, &QTimer::timeout, this, [this] {
    timeIsUp_ = true;
    ticker_.start(kTickMs);
    Tick();
  });
  connect(&ticker_, &QTimer::timeout, this, [this] { Tick(); });
}

void TUnattendedQuit::Start(int milliseconds) {
  dueAt_ = std::chrono::steady_clock::now() + std::chrono::milliseconds(milliseconds);
  deadline_.start(milliseconds);
}

bool TUnattendedQuit::Due() const { return timeIsUp_ || (dueAt_ && std::chrono::steady_clock::now() >= *dueAt_); }

bool TUnattendedQuit::AnswerModalDialog() {
  QDialog* dialog = OpenModalDialog();
  if (!dialog) return false;
  // Escape on a Qt message box (the file dialogs ask with one) presses its
  // escape button; on every other dialog, the player's own among them, it
  // rejects.
  if (auto* box = qobject_cast<QMessageBox*>(dialog)) {
    QAbstractButton* button = box->escapeButton();
    if (!button && box->buttons().size() == 1) button = box->buttons().front();
    if (button) {
      button->click();
      return true;
    }
  }
  dialog->reject();
  return true;
}

void TUnattendedQuit::Tick() {
  // The loop may have been told to end before it ran (the refusal came from
  // a script of the first page, before the event loop started): say it again
  // until it ends.
  if (refused_) {
    QCoreApplication::exit(0);
    return;
  }
  if (AnswerModalDialog()) {
    ++answered_;
    return;
  }
  // A close already under way waits in a dialog or a script of its own.
  if (closing_) return;
  QWidget* window = window_ ? window_() : nullptr;
  if (!window || !window->isVisible()) return;
  closing_ = true;
  // The close runs outside this tick: a dialog it opens waits in a loop of
  // its own, where the ticker (which does not fire inside its own slot)
  // must still reach it.
  QTimer::singleShot(0, this, [this] { Close(); });
}

void TUnattendedQuit::Close() {
  QWidget* window = window_ ? window_() : nullptr;
  const bool closed = window == nullptr || window->close();
  closing_ = false;
  if (!closed && !refused_) {
    refused_ = true;
    std::fputs("orvalis: the publication refused to close; stopping the timed run\n", stderr);
    QCoreApplication::exit(0);
  }
}

}  // namespace orv
