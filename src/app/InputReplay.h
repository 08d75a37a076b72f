#pragma once
// Plays a --play file's input into the publication window, each line at its
// time. Every line is sent from the event loop; a line whose time comes
// while a script runs waits for the loop to be served, and one that comes
// while a modal dialog is up is sent from the dialog's loop, so a key can
// answer it. Page coordinates are taken on the page shown when the line is
// sent.
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "app/InputReplayScript.h"
#include "app/WindowInput.h"

class QWindow;

namespace orv {

class TWorkForm;

class TInputReplay : public QObject {
 public:
  // `window` gives the publication window of the moment (an in-place
  // reload replaces it; nullptr while there is none).
  TInputReplay(std::vector<ReplayEvent> events, std::function<TWorkForm*()> window);

  // Counts the lines' times from now.
  void Start();
  // Every line was sent, or the replay ended with the window's close.
  bool Finished() const { return next_ >= events_.size(); }

  // Called just before a line's input is sent.
  std::function<void(const ReplayEvent&)> OnEvent;
  // A "shot" picture that could not be written (its host path).
  std::function<void(const std::string&)> OnShotFailed;

 private:
  void Fire();
  void ArmForNext();
  void Stop();
  void Send(const ReplayEvent& event, TWorkForm& form);
  void Drag(QWindow* window, QPoint from, QPoint to);

  std::vector<ReplayEvent> events_;
  std::function<TWorkForm*()> window_;
  TWindowInput input_;
  QTimer timer_;
  QElapsedTimer clock_;
  std::size_t next_ = 0;
  // A drag serves the event loop between its steps; a line that falls due
  // there waits (owed) rather than cut into the drag.
  bool servingDrag_ = false;
  bool owed_ = false;
};

}  // namespace orv
