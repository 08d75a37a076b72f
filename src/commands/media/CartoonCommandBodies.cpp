#include <QPointer>
#include <algorithm>
#include <chrono>
#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "base/NumberText.h"
#include "commands/WholeNumberParams.h"
#include "commands/media/CartoonFile.h"
#include "commands/media/CartoonFileSource.h"
#include "commands/media/CartoonPlayer.h"
#include "commands/media/MediaCommands.h"
#include "commands/media/MediaList.h"
#include "commands/navigation/PlayerWindow.h"
#include "pages/PageList.h"
#include "pages/PictureCache.h"
#include "script/ActionEvaluator.h"
#include "script/CommandDispatch.h"
#include "script/CommandIds.h"
#include "script/Engine.h"
#include "script/ScriptHost.h"
#include "script/Vars.h"
#include "script/WaitEnd.h"

namespace orv {

namespace {

// Serves events until the record is gone: the cartoon ended, or another
// script stopped it. During an exclusive run user input stays locked out.
void WaitWhilePlaying(TActionEval& eval, TMediaList& list, int id) {
  const QPointer<TMediaList> watched(&list);
  ServeWhile(eval, [&] { return watched && watched->FindId(id) != nullptr; });
}

void PlayCartoonFileBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  if (window == nullptr) return;
  TCartoonPath path;
  path.x1 = IntParam(eval, 1);
  path.y1 = IntParam(eval, 2);
  path.x2 = IntParam(eval, 3);
  path.y2 = IntParam(eval, 4);
  path.cycles = WholeParam(eval, 6);
  path.delayMs = WholeParam(eval, 7);
  const TPlayMode mode = PlayModeOf(eval.Param(8));
  path.loop = mode == TPlayMode::pmLoop;
  const std::string& file = eval.Param(5);

  TMediaList& list = PrepareMediaList(*window);
  if (MediaRec* running = list.Find(file)) list.StopMediaRecord(running->id);

  // A file that cannot be read or is no cartoon plays nothing and tells
  // nothing.
  const std::optional<std::string> bytes = ReadCartoonFileBytes(eval.Host().PublicationPackage(), eval.Vars(), file);
  if (!bytes) return;
  std::optional<TCartoonStrip> strip = ReadCartoonStrip(*bytes, file, PictureCache());
  if (!strip) return;

  int id = 0;
  try {
    auto player = std::make_unique<TCartoonPlayer>(std::move(*strip), path, window->Pages());
    TCartoonPlayer& playing = *player;
    MediaRec record;
    record.playMode = mode;
    record.fileName = file;
    record.kind = TMediaKind::mkCartoon;
    record.hasVideo = true;
    record.player = std::move(player);
    id = list.Add(std::move(record));
    playing.OnEnded = [owner = QPointer<TMediaList>(&list), id] {
      if (owner) owner->StopMediaRecord(id);
    };
    playing.Start();
  } catch (...) {
    // Nothing plays.
    if (id != 0) list.StopMediaRecord(id);
    return;
  }
  if (mode == TPlayMode::pmWait) WaitWhilePlaying(eval, list, id);
}

void StopMediaBody(TActionEval& eval) {
  TWorkForm* window = PlayerWindow(eval);
  if (window == nullptr) return;
  TMediaList* list = MediaListOf(*window);
  if (list == nullptr) return;
  const std::string& what = eval.Param(1);
  if (AnsiSameText(what, "SOUND")) {
    list->StopWithVideo(false);
  } else if (AnsiSameText(what, "VIDEO")) {
    list->StopWithVideo(true);
  } else if (what.empty()) {
    list->StopAll();
  } else if (MediaRec* record = list->Find(what)) {
    list->StopMediaRecord(record->id);
  }
}

}  // namespace

void RegisterCartoonCommands(TCommandTable& table) {
  table.Bind(cmd::kPlayCartoonFile, PlayCartoonFileBody);
  table.Bind(cmd::kStopMedia, StopMediaBody);
}

}  // namespace orv
