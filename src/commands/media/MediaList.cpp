#include "commands/media/MediaList.h"

#include <QPointer>
#include <QTimer>
#include <climits>
#include <vector>

#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "base/NumberText.h"
#include "base/PathNames.h"

namespace orv {

namespace {

const QString kListName = QStringLiteral("MediaList");

}  // namespace

TPlayMode PlayModeOf(std::string_view options) {
  if (HasOptionWord(options, "Loop")) return TPlayMode::pmLoop;
  if (HasOptionWord(options, "Wait")) return TPlayMode::pmWait;
  return TPlayMode::pmOnce;
}

TMediaList::TMediaList(QObject* parent) : QObject(parent) { setObjectName(kListName); }

TMediaList::~TMediaList() {
  StopAll();
  retired_.clear();
}

int TMediaList::Add(MediaRec record) {
  record.id = nextId_;
  // Wrapping back to 1 after two thousand million media: no record lives
  // that long.
  nextId_ = nextId_ == INT_MAX ? 1 : nextId_ + 1;
  AnsiUpperInPlace(record.fileName);
  records_.push_front(std::move(record));
  return records_.front().id;
}

MediaRec* TMediaList::Find(std::string_view fileName) {
  const std::string_view name = ExtractFileName(fileName);
  for (MediaRec& record : records_)
    if (AnsiSameText(ExtractFileName(record.fileName), name)) return &record;
  return nullptr;
}

MediaRec* TMediaList::FindId(int id) {
  for (MediaRec& record : records_)
    if (record.id == id) return &record;
  return nullptr;
}

bool TMediaList::StopMediaRecord(int id) {
  for (auto it = records_.begin(); it != records_.end(); ++it) {
    if (it->id != id) continue;
    std::unique_ptr<TMediaPlayback> player = std::move(it->player);
    records_.erase(it);
    if (player) {
      player->Stop();
      Retire(std::move(player));
    }
    return true;
  }
  return false;
}

void TMediaList::Retire(std::unique_ptr<TMediaPlayback> player) {
  if (!player->Busy()) return;  // freed here, as `player` goes
  retired_.push_back(std::move(player));
  QTimer::singleShot(0, this, [this] {
    retired_.remove_if([](const std::unique_ptr<TMediaPlayback>& p) { return !p->Busy(); });
  });
}

template <typename Pred>
int TMediaList::StopWhere(Pred pred) {
  // Stopping may run code that changes the list: ids first, then one by one.
  std::vector<int> ids;
  for (const MediaRec& record : records_)
    if (pred(record)) ids.push_back(record.id);
  int stopped = 0;
  for (int id : ids)
    if (StopMediaRecord(id)) ++stopped;
  return stopped;
}

int TMediaList::StopWithVideo(bool hasVideo) {
  return StopWhere([hasVideo](const MediaRec& r) { return r.hasVideo == hasVideo; });
}

int TMediaList::StopKind(TMediaKind kind) {
  return StopWhere([kind](const MediaRec& r) { return r.kind == kind; });
}

int TMediaList::StopAll() {
  return StopWhere([](const MediaRec&) { return true; });
}

TMediaList* MediaListOf(TWorkForm& window) {
  return window.findChild<TMediaList*>(kListName, Qt::FindDirectChildrenOnly);
}

TMediaList& PrepareMediaList(TWorkForm& window) {
  if (TMediaList* list = MediaListOf(window)) return *list;
  auto* list = new TMediaList(&window);
  // Whoever set the hook before keeps being called.
  std::function<void()> before = std::move(window.OnStopMedia);
  window.OnStopMedia = [list = QPointer<TMediaList>(list), before] {
    if (list) list->StopAll();
    if (before) before();
  };
  return *list;
}

}  // namespace orv
