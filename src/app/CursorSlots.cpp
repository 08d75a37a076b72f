#include "app/CursorSlots.h"

#include <QPixmap>

#include "base/Ansi.h"
#include "imaging/CursorFile.h"

namespace orv {

namespace {

constexpr TCursorSlot kSlots[] = {csHotSpot, csGeneral, csDrag, csBusy};

}  // namespace

TCursorSlots::TCursorSlots() {
  for (int i = 0; i < 4; ++i) cursors_[i] = DefaultCursor(kSlots[i]);
}

QCursor TCursorSlots::DefaultCursor(TCursorSlot slot) {
  switch (slot) {
    case csHotSpot: return QCursor(Qt::PointingHandCursor);
    case csDrag: return QCursor(Qt::ClosedHandCursor);
    case csBusy: return QCursor(Qt::WaitCursor);
    case csGeneral: break;
  }
  return QCursor(Qt::ArrowCursor);
}

int TCursorSlots::IndexOf(int slot) {
  for (int i = 0; i < 4; ++i)
    if (kSlots[i] == slot) return i;
  return 1;  // the general cursor
}

const QCursor& TCursorSlots::Slot(int slot) const { return cursors_[IndexOf(slot)]; }

bool TCursorSlots::FromFile(int slot) const { return fromFile_[IndexOf(slot)]; }

bool TCursorSlots::LoadSlot(TCursorSlot slot, std::string_view fileName, const FileReader& read) {
  if (fileName.empty() || !read) return false;
  // Animated cursors are not read; the slot keeps its cursor.
  if (fileName.size() >= 4 && AnsiSameText(fileName.substr(fileName.size() - 4), ".ani")) return false;
  const std::optional<std::string> bytes = read(fileName);
  if (!bytes) return false;
  const std::optional<TCursorImage> image =
      ReadCursorFile(QByteArrayView(bytes->data(), static_cast<qsizetype>(bytes->size())));
  if (!image) return false;
  const int index = IndexOf(slot);
  cursors_[index] = QCursor(QPixmap::fromImage(image->Image), image->HotSpot.x(), image->HotSpot.y());
  fromFile_[index] = true;
  return true;
}

}  // namespace orv
