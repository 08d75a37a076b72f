#pragma once
// The publication's cursor table: slot 1 over clickable objects, 2 the
// general cursor, 3 while dragging, -11 while busy. Each slot takes the cursor
// file its setting names ("HOTSPOTCURSOR=", "APPCURSOR=", "DRAGCURSOR=",
// "BUSYCURSOR="), or keeps its default when the file is absent, animated or
// unreadable.
#include <QCursor>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

enum TCursorSlot : int { csHotSpot = 1, csGeneral = 2, csDrag = 3, csBusy = -11 };

class TCursorSlots {
 public:
  // The bytes of a file named the publication's way; none when it cannot
  // be had.
  using FileReader = std::function<std::optional<std::string>(std::string_view name)>;

  TCursorSlots();

  // One slot from one file name; false (the slot keeps what it had) when
  // the file does not give a cursor.
  bool LoadSlot(TCursorSlot slot, std::string_view fileName, const FileReader& read);

  // The cursor of a slot; an unknown slot gives the general cursor.
  const QCursor& Slot(int slot) const;
  // Whether the slot holds a cursor from a file.
  bool FromFile(int slot) const;

  static QCursor DefaultCursor(TCursorSlot slot);

 private:
  static int IndexOf(int slot);
  QCursor cursors_[4];
  bool fromFile_[4] = {false, false, false, false};
};

}  // namespace orv
