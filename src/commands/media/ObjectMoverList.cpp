#include "commands/media/ObjectMoverList.h"

#include <QCoreApplication>
#include <QPointer>
#include <QRect>
#include <algorithm>
#include <utility>

#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "objects/ObjectHost.h"
#include "objects/OrvalisObj.h"
#include "script/Engine.h"
#include "ui/PostedWorkEvent.h"

namespace orv {

namespace {

const QString kListName = QStringLiteral("ObjectMovers");

void PlaceThroughHost(TOrvalisObj& object, QPoint topLeft) {
  // The window's move, as MoveObject's, so the object hears it moved.
  if (TObjectHost* host = object.Host())
    host->MoveObject(object, QRect(topLeft, object.size()));
  else
    object.move(topLeft);
}

}  // namespace

TObjectMoverList::TObjectMoverList(QObject* window) : QObject(window) {
  setObjectName(kListName);
  Place = PlaceThroughHost;
  QPointer<QObject> target(window);
  CallSubroutine = [target](const std::string& label) {
    // After the script that runs now, as any posted work.
    if (target) QCoreApplication::postEvent(target, new TPostedScriptEvent(label, srcSubroutine, "", true));
  };
}

TObjectMover* TObjectMoverList::MoverOf(const TOrvalisObj& object) const {
  for (TObjectMover* mover : movers_)
    if (mover->Object() == &object) return mover;
  return nullptr;
}

TObjectMover* TObjectMoverList::Start(TOrvalisObj& object, TMoverRequest request) {
  if (MoverOf(object) != nullptr) return nullptr;
  TMoverServices services;
  services.Place = [this](TOrvalisObj& o, QPoint topLeft) {
    if (Place) Place(o, topLeft);
  };
  services.CallSubroutine = [this](const std::string& label) {
    if (CallSubroutine) CallSubroutine(label);
  };
  services.Ended = [this](TObjectMover& ended) { Remove(&ended); };
  auto* mover = new TObjectMover(object, std::move(request), std::move(services), this);
  movers_.push_back(mover);
  mover->Start();
  return mover;
}

void TObjectMoverList::Stop(std::string_view name) {
  // Ending movers leave the list meanwhile, and a restore may start or
  // stop others: each is looked at through a guard.
  std::vector<QPointer<TObjectMover>> stopping;
  for (TObjectMover* mover : movers_) {
    const TOrvalisObj* object = mover->Object();
    if (name.empty() || (object != nullptr && AnsiSameText(object->ObjectName(), name))) stopping.emplace_back(mover);
  }
  for (const QPointer<TObjectMover>& mover : stopping)
    if (mover) mover->Stop();
}

void TObjectMoverList::Remove(TObjectMover* mover) {
  const auto it = std::find(movers_.begin(), movers_.end(), mover);
  if (it == movers_.end()) return;
  movers_.erase(it);
  // It may be inside its own timer's call.
  mover->deleteLater();
}

TObjectMoverList* ObjectMoversOf(TWorkForm& window) {
  return window.findChild<TObjectMoverList*>(kListName, Qt::FindDirectChildrenOnly);
}

TObjectMoverList& PrepareObjectMovers(TWorkForm& window) {
  if (TObjectMoverList* list = ObjectMoversOf(window)) return *list;
  auto* list = new TObjectMoverList(&window);
  QPointer<TObjectMoverList> guard(list);
  // Whatever else the window stops with its movers keeps being stopped.
  window.OnStopMovers = [guard, earlier = std::move(window.OnStopMovers)] {
    if (guard) guard->StopAll();
    if (earlier) earlier();
  };
  return *list;
}

}  // namespace orv
