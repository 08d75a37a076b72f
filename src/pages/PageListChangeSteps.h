#pragma once
// The parts of a page switch that belong to other subsystems: plug-ins,
// cursor, transition effect, movers and cartoons, drag image, palette,
// focus, debugger and idle timer. The publication window overrides what it
// has; every step does nothing by default so a switch works without them.
namespace orv {

class TPageChangeSteps {
 public:
  virtual ~TPageChangeSteps() = default;

  // Plug-ins hear of the change (event 6).
  virtual void NotifyPluginsPageChange(int /*index*/) {}
  virtual void ShowWaitCursor() {}
  virtual void RestoreCursor() {}
  // The target has a transition effect: keep the picture of the current
  // page when the screen cannot give it.
  virtual void CaptureOldPicture(int /*index*/) {}
  virtual void StopMovers() {}
  virtual void SuspendCartoons() {}
  virtual void ResumeCartoons() {}
  virtual void HideDragImage() {}
  virtual void ShowDragImage() {}
  virtual void SelectPagePalette(int /*index*/) {}
  // Draws the new page with its effect; `direction` is new minus old index.
  virtual void PlayTransition(int /*index*/, int /*direction*/) {}
  virtual void FocusFirstObject(int /*index*/) {}
  // A test run tells the debugger which page is shown.
  virtual void ReportPageShown(int /*index*/) {}
  virtual void RestartIdleTimer() {}
};

}  // namespace orv
