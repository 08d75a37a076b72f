#pragma once
// TObjectMoverList: the running object movers of one publication window,
// kept by the window (made on first use) and acted on only from its
// thread. A mover stays in the list until it has ended completely, its
// restore and its subroutine call included, so no second mover starts on
// an object the first still has hold of. Every page change and the close
// stop all movers.
#include <QObject>
#include <QPoint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "commands/media/ObjectMover.h"

namespace orv {

class TOrvalisObj;
class TWorkForm;

class TObjectMoverList : public QObject {
  Q_OBJECT

 public:
  // Movers move objects through their host (the window's move) and post
  // their subroutines to `window` to run after the current script.
  // Movers are its children: they go with it (the window going) without
  // ending, so nothing of theirs runs then.
  explicit TObjectMoverList(QObject* window);

  // A new mover for `object`, started; null when the object moves already.
  TObjectMover* Start(TOrvalisObj& object, TMoverRequest request);
  // The mover of `object` (running or still ending), or null.
  TObjectMover* MoverOf(const TOrvalisObj& object) const;
  // Ends the mover of the object named `name` (any case), or every mover
  // when `name` is empty; each has ended when this returns.
  void Stop(std::string_view name);
  void StopAll() { Stop({}); }
  int Count() const { return static_cast<int>(movers_.size()); }

  // How movers place objects and call subroutines; tests replace them.
  std::function<void(TOrvalisObj& object, QPoint topLeft)> Place;
  std::function<void(const std::string& label)> CallSubroutine;

 private:
  void Remove(TObjectMover* mover);

  std::vector<TObjectMover*> movers_;
};

// The window's movers; null before the first mover.
TObjectMoverList* ObjectMoversOf(TWorkForm& window);
// The window's movers, made when there are none; the window then stops
// them at every page change and at the close.
TObjectMoverList& PrepareObjectMovers(TWorkForm& window);

}  // namespace orv
