#pragma once
// What a page object needs from the publication window: the script engine,
// the cursor table, whether a page switch or the close is under way, and
// the window's own show, hide and move operations (scripts and drag and
// drop move objects through these, so every move is announced the same
// way). Tests give a host of their own.
#include <QRect>
#include <cstdint>
#include <string_view>

class QCursor;

namespace orv {

class TOrvalisObj;
class TScriptEngine;

class TObjectHost {
 public:
  virtual ~TObjectHost() = default;

  virtual TScriptEngine& Engine() = 0;
  // Cursor slot 1 hot spot, 2 general, 3 drag (TCursorSlot).
  virtual const QCursor& Cursor(int slot) const = 0;
  // True while a page switch hides and shows pages: enter and leave events
  // Qt sends meanwhile are handled after it.
  virtual bool PageSwitching() const { return false; }
  // The publication's "SHOWMARQUEE=": buttons in the publication area are
  // tab stops and show the focus marquee.
  virtual bool ShowMarquee() const { return false; }
  // The publication's "LINKCOLOR=" (0x00BBGGRR): links in text objects.
  virtual std::uint32_t LinkColor() const { return 0xFF0000; }
  // One of the publication's localised texts ("L_COPY=", ...); empty when
  // it gives none.
  virtual std::string_view LocalisedText(std::string_view /*key*/) const { return {}; }

  // Turns to the page showing `object` (a bookmark found in another box of
  // a chain); nothing when it shows already.
  virtual void ShowObjectPage(TOrvalisObj& /*object*/) {}

  // Progress of long work an object does (laying out a chain of linked
  // articles): `maximum` steps. Only the progress display repaints
  // meanwhile; nothing else runs.
  virtual void BeginProgress(int /*maximum*/) {}
  virtual void StepProgress() {}
  virtual void EndProgress() {}

  // Shows or hides the object's widget (VisibleState is the caller's);
  // the object then hears "moved".
  virtual void ShowObjectWindow(TOrvalisObj& object, bool visible);
  // Moves and sizes the object in its parent's coordinates; then "moved".
  virtual void MoveObject(TOrvalisObj& object, const QRect& rectInParent);
  // The object by name: floating windows (when asked), the current page,
  // then every other page.
  virtual TOrvalisObj* FindObject(std::string_view name, bool includeFloating);
};

}  // namespace orv
