#pragma once
// The publication window: its size, frame, place and outline from the
// publication's settings, the page list (scrolled when the client is smaller
// than the publication), the cursors, the idle-return and update timers, the
// posted work of the scripts, activation scripts, the navigation keys, the
// saved position and the close query that runs the shutdown action.
#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "app/CursorSlots.h"
#include "app/WindowFrame.h"
#include "app/WindowGeometry.h"
#include "app/WindowProgress.h"
#include "objects/ObjectHost.h"
#include "script/SystemVariables.h"

class QKeyEvent;
class QScrollArea;

namespace orv {

struct Publication;
class PublicationKeyTable;
class TSlideShow;
class TSplashScreenForm;
class TIdleReturnTimer;
class TOVPageList;
class TPageChangeSteps;
class TPageNavigator;
class TRegistryStore;
class TScriptEngine;
class TUpdateClock;
class TWindowPageSteps;

// Action sources of the window's own scripts.
inline constexpr int kSourceActivate = 54;
inline constexpr int kSourceDeactivate = 55;

// The window settings of the publication document.
struct TWindowSettings {
  int Style = wsFramed;       // "WINDOWSTYLE="
  int Properties = 31;        // "WINDOWPROPS="
  int Order = woNormal;       // "WINDOWORDER="
  int Position = 0;           // "WINDOWPOS="
  bool AutoSize = false;      // "SCREENAUTOSIZE="
  QSize MinimumClient;        // "MINPUBWIDTH=", "MINPUBHEIGHT="
  std::uint32_t BackColour = 0;  // "BKNDCOLOR="
  std::string ShapeFile;      // "SHAPEFILE="
  std::uint32_t ShapeTransparent = 0x20000000;  // "SHAPETRANSCOLOR="
  std::string RegistryKey;    // "WINDOWREGKEY="
  std::string HelpFile;       // "HELPFILE="
  std::string AppCursor;      // "APPCURSOR=", and the three below
  std::string HotSpotCursor;
  std::string DragCursor;
  std::string BusyCursor;
  std::string ActivateAction;    // "ACTIVATEACTION="
  std::string DeactivateAction;  // "DEACTIVATEACTION="
  bool UseUpdateTimer = true;    // "USEUPDATETIMER="
  bool BlockSystemKeys = false;  // "NOCTRLALTDEL="
  bool BlockPrintScreen = false; // "NOPRINTSCRN="
};

class TWorkForm : public QWidget, public TObjectHost {
 public:
  TWorkForm(const Publication& publication, TScriptEngine& engine, QWidget* parent = nullptr);
  ~TWorkForm() override;

  TOVPageList& Pages() { return *pages_; }
  const TOVPageList& Pages() const { return *pages_; }
  TPageNavigator& Navigator() { return *navigator_; }
  // The window's parts of a page switch (cartoons, drag image), which
  // object commands that redraw part of a page use as well.
  TPageChangeSteps& PageSteps();
  // The slide show of the publication's scripts.
  TSlideShow& SlideShow() { return *slideShow_; }
  TScriptEngine& Engine() override { return engine_; }
  const TWindowSettings& Settings() const { return settings_; }

  // Shows the start page (the first paint): the update and idle timers
  // start, and the start-up action runs once before the page's enter
  // action. Nothing is shown for an index that is not an ordinary page.
  void ShowFirstPage(int startPage = 1);
  // The shutdown source named to the shutdown action; back to the system
  // after every close query.
  enum ShutdownSource { kShutdownBySystem = 0, kShutdownByPublication = 1, kShutdownByCloseButton = 2 };
  void SetShutdownSource(ShutdownSource source) { shutdownSource_ = source; }
  // Times the shutdown action ran, and whether the window closed for good.
  int ShutdownRuns() const { return shutdownRuns_; }
  bool Closed() const { return closed_; }
  // The title bar's Close command: ignored (false) when the properties have
  // 8 and 128, else a close with the source "CloseButton".
  bool CloseCommand();

  // Runs just before the window accepts its close (a screenshot, say).
  std::function<void()> OnBeforeClose;
  // Asked first when the window is to close, before the shutdown action
  // (the exit password); false keeps the publication open.
  std::function<bool()> OnCloseQuery;
  // Every page change and the close stop the object movers; the close also
  // stops every cartoon, sound and video. Set by whoever keeps them.
  std::function<void()> OnStopMovers;
  std::function<void()> OnStopMedia;

  // --- Size, frame and place -----------------------------------------------
  // Sizes and places the window for a W x H publication (the constructor
  // does it once with "SCREENWIDTH=" and "SCREENHEIGHT=").
  void ApplyWindowSize(int width, int height);
  const TWindowLayout& Layout() const { return layout_; }
  // An in-place reload of a window that was not full screen keeps its
  // place (no placement, no saved position).
  void SetInPlaceReload(bool reload) { inPlaceReload_ = reload; }
  const TWindowFrame& Frame() const { return frame_; }
  // The publication area in page coordinates.
  const QRect& PublicationArea() const { return publicationArea_; }
  // The page list's scroller.
  QScrollArea& Scroller() { return *scroller_; }
  // Where the screen facts come from (tests give a fixed screen); the
  // default asks the window's screen.
  void SetScreenFacts(std::function<TScreenFacts()> facts) { screenFacts_ = std::move(facts); }
  void SetScreenFacts(const TScreenFacts& fixed) {
    screenFacts_ = [fixed] { return fixed; };
  }
  TScreenFacts ScreenFacts() const;
  // The registry the position is kept in; null for the user's own store.
  void SetRegistryStore(TRegistryStore* store) { registry_ = store; }
  // Both do nothing without "WINDOWREGKEY=".
  void SaveWindowPosition();
  void RestoreWindowPosition();
  // Whether a shaped window got its outline.
  bool HasOutline() const { return hasOutline_; }

  // --- Cursors -------------------------------------------------------------
  // Loads the four cursor files through `read`; the general cursor becomes
  // the window's. Returns how many loaded.
  int LoadCursors(const TCursorSlots::FileReader& read);
  const TCursorSlots& Cursors() const { return cursors_; }

  // --- Timers --------------------------------------------------------------
  TIdleReturnTimer& IdleTimer() { return *idleTimer_; }
  TUpdateClock& UpdateTimer() { return *updateClock_; }

  // --- Hooks ---------------------------------------------------------------
  // F1 with "HELPFILE=" set: opens the file (variables substituted); the
  // default hands it to the desktop.
  std::function<void(const std::string& ansiFile)> OnOpenHelp;
  // Lets the window system move the window with the mouse; false when it
  // cannot.
  std::function<bool()> StartSystemMove;
  bool DragArmed() const { return dragArmed_; }

  // --- Page objects ----------------------------------------------------------
  const QCursor& Cursor(int slot) const override { return cursors_.Slot(slot); }
  bool PageSwitching() const override;
  bool ShowMarquee() const override { return showMarquee_; }
  std::uint32_t LinkColor() const override { return linkColor_; }
  std::string_view LocalisedText(std::string_view key) const override;
  // The publication's settings (the dialog font and pictures, say); it
  // outlives the window.
  const PublicationKeyTable& PublicationSettings() const { return *publicationSettings_; }
  void ShowObjectPage(TOrvalisObj& object) override;
  void BeginProgress(int maximum) override;
  void StepProgress() override;
  void EndProgress() override;
  // The loading splash, used for progress while it is up (null: gone).
  void SetLoadingSplash(TSplashScreenForm* splash);
  // Floating windows that show pages of their own, then the current page,
  // then every other page.
  TOrvalisObj* FindObject(std::string_view name, bool includeFloating) override;
  // The floating windows' part of the lookup; empty while none exist.
  std::function<TOrvalisObj*(std::string_view name)> FindFloatingObject;
  // Gives the keyboard focus to the first tab stop of page `index`.
  void FocusFirstObject(int index);

  // --- System variables the window answers --------------------------------
  static bool AnswersValue(SystemVar var);
  // Windows-1252 text of the value now.
  std::string WindowValue(SystemVar var) const;
  // A script's write of one of them.
  void SetWindowValue(SystemVar var, std::string_view value);

 protected:
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;

 private:
  friend class TWindowPageSteps;
  void ReadSettings(const Publication& publication);
  void BuildPages(const Publication& publication);
  // Runs the shutdown action with "[ShutdownStatus]" and "[ShutdownSource]";
  // false when it set the status to anything but "TRUE".
  bool ShutdownActionAllows();
  void ApplyFrame();
  void ApplyScroller();
  void TellBackgrounds();
  void BuildOutline();
  void NotifyWindowVar(SystemVar var);
  void RunPostedScript(QEvent* event);
  void OpenHelp();
  bool DragByBackground() const;
  // Key presses anywhere in the window, before the focused object: help,
  // then the objects' hot keys. True when taken.
  bool PreviewKey(QKeyEvent& event);
  // An edit field has the keyboard focus: Home and End stay with it.
  static bool EditHasFocus();
  void RefreshObjectCursors();
  void SetWindowOrder(int order);
  // The system-key and Print-Screen blocks; see the .cpp for why they do
  // nothing here.
  void BlockKeys();
  void UnblockKeys();

  TScriptEngine& engine_;
  TWindowSettings settings_;
  QScrollArea* scroller_;
  QWidget* stage_;
  TOVPageList* pages_;
  std::unique_ptr<TWindowPageSteps> steps_;
  std::unique_ptr<TPageNavigator> navigator_;
  std::unique_ptr<TSlideShow> slideShow_;
  TIdleReturnTimer* idleTimer_;
  TUpdateClock* updateClock_;
  TCursorSlots cursors_;
  std::function<TScreenFacts()> screenFacts_;
  TRegistryStore* registry_ = nullptr;
  std::unique_ptr<TRegistryStore> ownRegistry_;
  TWindowFrame frame_;
  TWindowLayout layout_;
  QRect publicationArea_;
  QSize outlineSize_;
  std::optional<QPoint> lockedPosition_;
  std::string shutdownAction_;
  bool allowEsc_ = false;
  bool allowPageUpDown_ = false;
  bool loading_ = true;
  bool inPlaceReload_ = false;
  bool started_ = false;
  bool hasOutline_ = false;
  bool dragArmed_ = false;
  bool showMarquee_ = false;  // "SHOWMARQUEE=": buttons and pictures take the focus by Tab
  std::uint32_t linkColor_ = 0xFF0000;
  const PublicationKeyTable* texts_ = nullptr;  // the publication's "L_" texts; it outlives the window
  const PublicationKeyTable* publicationSettings_ = nullptr;
  std::unique_ptr<TWindowProgress> progress_;
  ShutdownSource shutdownSource_ = kShutdownBySystem;
  int shutdownRuns_ = 0;
  // A close query is under way: a close it brings about (Exit in the
  // shutdown or exit action) is not a second query.
  bool closeQueryRunning_ = false;
  bool closed_ = false;
};

}  // namespace orv
