#include "app/WorkForm.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QUrl>
#include <QWindow>
#include <algorithm>

#include "app/IdleReturnTimer.h"
#include "app/PageKeys.h"
#include "app/SlideShow.h"
#include "app/UpdateClock.h"
#include "app/WindowOutline.h"
#include "app/WindowPositionStore.h"
#include "base/Ansi.h"
#include "commands/media/CartoonPlayer.h"
#include "commands/media/MediaList.h"
#include "base/HostPath.h"
#include "commands/registry/RegistryStore.h"
#include "container/Publication.h"
#include "objects/Docking.h"
#include "objects/FindObject.h"
#include "objects/ObjectFactory.h"
#include "objects/OrvalisDragObj.h"
#include "objects/OrvalisObj.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "pages/PageListChangeSteps.h"
#include "pages/PageListNavigator.h"
#include "pages/PictureCache.h"
#include "script/ActionEvaluator.h"
#include "script/Engine.h"
#include "script/Vars.h"
#include "ui/PostedWorkEvent.h"
#include "ui/ShortcutKey.h"

namespace orv {

// The parts of a page switch the window has: the busy cursor and the
// idle-return restart.
class TWindowPageSteps : public TPageChangeSteps {
 public:
  explicit TWindowPageSteps(TWorkForm& form) : form_(form) {}
  void ShowWaitCursor() override {
    QApplication::setOverrideCursor(form_.cursors_.Slot(csBusy));
    ++waiting_;
  }
  void RestoreCursor() override {
    if (waiting_ == 0) return;
    --waiting_;
    QApplication::restoreOverrideCursor();
  }
  void RestartIdleTimer() override { form_.idleTimer_->Restart(); }
  void HideDragImage() override { TOrvalisDragObj::ShowDragImage(false); }
  void ShowDragImage() override { TOrvalisDragObj::ShowDragImage(true); }
  void FocusFirstObject(int index) override { form_.FocusFirstObject(index); }
  void StopMovers() override {
    if (form_.OnStopMovers) form_.OnStopMovers();
  }
  // The new page was raised over the cartoons.
  void ResumeCartoons() override {
    if (TMediaList* media = MediaListOf(form_)) KeepCartoonsOnTop(*media);
  }
  bool Waiting() const { return waiting_ > 0; }

 private:
  TWorkForm& form_;
  int waiting_ = 0;
};

namespace {

// The frame the window system draws around the client (none before the
// window is first shown).
QMargins FrameMargins(const QWidget& window) {
  const QRect frame = window.frameGeometry();
  const QRect client = window.geometry();
  return QMargins(client.left() - frame.left(), client.top() - frame.top(), frame.right() - client.right(),
                  frame.bottom() - client.bottom());
}

// The shutdown action's script source.
constexpr int kSourceShutdown = 53;

}  // namespace

TWorkForm::TWorkForm(const Publication& publication, TScriptEngine& engine, QWidget* parent)
    : QWidget(parent),
      engine_(engine),
      scroller_(new QScrollArea(this)),
      stage_(new QWidget),
      pages_(new TOVPageList(stage_)),
      idleTimer_(new TIdleReturnTimer(engine, this)),
      updateClock_(new TUpdateClock(engine.Vars(), this)) {
  scroller_->setFrameShape(QFrame::NoFrame);
  // The scroller would take Page Up and Down for itself; they are the
  // publication's page keys.
  scroller_->setFocusPolicy(Qt::NoFocus);
  scroller_->setWidget(stage_);
  // The page follows the thumb while it is dragged, not only when let go.
  scroller_->horizontalScrollBar()->setTracking(true);
  scroller_->verticalScrollBar()->setTracking(true);
  ReadSettings(publication);
  BuildPages(publication);
  steps_ = std::make_unique<TWindowPageSteps>(*this);
  navigator_ = std::make_unique<TPageNavigator>(*pages_, engine_, steps_.get());
  navigator_->SetStartupAction(publication.settings.Text("STARTUPACTION="));
  navigator_->SetPageChangeAction(publication.settings.Text("PAGECHANGEACTION="));
  slideShow_ = std::make_unique<TSlideShow>(*navigator_, engine_);
  const PublicationKeyTable& s = publication.settings;
  idleTimer_->Configure(s.Yes("AUTORETURN="), s.Number("RETURNTIME="), s.Text("RETURNACTION="));
  StartSystemMove = [this] { return windowHandle() != nullptr && windowHandle()->startSystemMove(); };
  setFocusPolicy(Qt::StrongFocus);
  // Hot keys are seen before the focused object gets the key.
  qApp->installEventFilter(this);
  // A publication too small to hold anything still gets a usable window.
  ApplyWindowSize(std::max(1, static_cast<int>(s.Number("SCREENWIDTH="))),
                  std::max(1, static_cast<int>(s.Number("SCREENHEIGHT="))));
  loading_ = false;
}

TWorkForm::~TWorkForm() {
  qApp->removeEventFilter(this);
  // The navigator lets go of the page list's callbacks while both live.
  slideShow_.reset();
  navigator_.reset();
  // The objects go while the window, their host, is still whole: they may
  // ask it things as they are torn down.
  delete scroller_;
  scroller_ = nullptr;
  pages_ = nullptr;
}

void TWorkForm::ReadSettings(const Publication& publication) {
  const PublicationKeyTable& s = publication.settings;
  settings_.Style = std::clamp(static_cast<int>(s.Number("WINDOWSTYLE=")), 0, 3);
  settings_.Properties = static_cast<int>(s.Number("WINDOWPROPS=")) & 0xFF;
  settings_.Order = static_cast<int>(s.Number("WINDOWORDER="));
  settings_.Position = static_cast<int>(s.Number("WINDOWPOS="));
  settings_.AutoSize = s.Yes("SCREENAUTOSIZE=");
  showMarquee_ = s.Yes("SHOWMARQUEE=");
  linkColor_ = static_cast<std::uint32_t>(s.Number("LINKCOLOR="));
  texts_ = &publication.texts;
  publicationSettings_ = &s;
  progress_ = std::make_unique<TWindowProgress>();
  progress_->SetMessage(QString::fromStdString(AnsiToUtf8(publication.texts.Text("L_PLEASEWAIT="))));
  settings_.MinimumClient = QSize(std::max(0, static_cast<int>(s.Number("MINPUBWIDTH="))),
                                  std::max(0, static_cast<int>(s.Number("MINPUBHEIGHT="))));
  settings_.BackColour = static_cast<std::uint32_t>(s.Number("BKNDCOLOR="));
  settings_.ShapeFile = s.Text("SHAPEFILE=");
  settings_.ShapeTransparent = static_cast<std::uint32_t>(s.Number("SHAPETRANSCOLOR="));
  settings_.RegistryKey = s.Text("WINDOWREGKEY=");
  settings_.HelpFile = s.Text("HELPFILE=");
  settings_.AppCursor = s.Text("APPCURSOR=");
  settings_.HotSpotCursor = s.Text("HOTSPOTCURSOR=");
  settings_.DragCursor = s.Text("DRAGCURSOR=");
  settings_.BusyCursor = s.Text("BUSYCURSOR=");
  settings_.ActivateAction = s.Text("ACTIVATEACTION=");
  settings_.DeactivateAction = s.Text("DEACTIVATEACTION=");
  settings_.UseUpdateTimer = s.Yes("USEUPDATETIMER=");
  settings_.BlockSystemKeys = s.Yes("NOCTRLALTDEL=");
  settings_.BlockPrintScreen = s.Yes("NOPRINTSCRN=");
  allowEsc_ = s.Yes("ALLOWESC=");
  allowPageUpDown_ = s.Yes("ALLOWPAGEUPDN=");
  shutdownAction_ = s.Text("SHUTDOWNACTION=");
}

void TWorkForm::BuildPages(const Publication& publication) {
  pages_->SetLoading(true);
  for (const PublicationPage& model : publication.pages) {
    TOVPage& page = pages_->InsertPage(model.name, pages_->Count());
    ApplyPageKeys(model, page.Background());
    if (pages_->Count() > 1) page.Background().SetMasterPage(&pages_->Page(0)->Background());
    BuildPageObjects(publication, model.objects, page.Background(), this);
  }
  pages_->SetLoading(false);
}

// --- Size, frame and place -------------------------------------------------

TScreenFacts TWorkForm::ScreenFacts() const {
  if (screenFacts_) return screenFacts_();
  TScreenFacts facts;
  const QScreen* shown = screen() != nullptr ? screen() : QGuiApplication::primaryScreen();
  if (shown == nullptr) {
    facts.Monitor = facts.WorkArea = facts.Desktop = QRect(0, 0, 1024, 768);
    return facts;
  }
  facts.Monitor = shown->geometry();
  facts.WorkArea = shown->availableGeometry();
  facts.Desktop = shown->virtualGeometry();
  // Whether a task bar hides itself is not something the desktops here
  // tell; none is assumed.
  return facts;
}

void TWorkForm::ApplyFrame() {
  frame_ = WindowFrameFor(settings_.Style, settings_.Properties, settings_.Order);
  const bool wasVisible = isVisible();
  if (windowFlags() != frame_.Flags) setWindowFlags(frame_.Flags);
  if (wasVisible && !isVisible()) show();
}

void TWorkForm::ApplyWindowSize(int width, int height) {
  loading_ = true;
  publicationArea_ = QRect(0, 0, std::max(1, width), std::max(1, height));
  ApplyFrame();
  const TScreenFacts screen = ScreenFacts();
  TWindowSizeRequest request;
  request.Style = settings_.Style;
  request.Position = settings_.Position;
  request.Publication = publicationArea_.size();
  request.AutoSize = settings_.AutoSize;
  request.Frame = FrameMargins(*this);
  request.Current = geometry();
  request.KeepPosition = inPlaceReload_ && settings_.Style != wsFullScreen && settings_.Style != wsWorkArea;
  if (settings_.Style == wsShaped) {
    BuildOutline();
    // The client takes the outline picture's size.
    if (hasOutline_) request.Publication = outlineSize_;
  }
  layout_ = ComputeWindowLayout(request, screen);
  if (settings_.Style == wsShaped) layout_.PageList = layout_.Publication = publicationArea_;
  publicationArea_ = layout_.Publication;

  // Sizing limits first, so the geometry below is not cut by old ones.
  setMinimumSize(0, 0);
  setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
  setGeometry(layout_.Client);
  if (settings_.Style == wsFramed && frame_.Sizeable)
    setMinimumSize(settings_.MinimumClient);
  else
    setFixedSize(layout_.Client.size());

  const bool fullScreen = settings_.Style == wsFullScreen || settings_.Style == wsWorkArea;
  QPalette colours = palette();
  colours.setColor(QPalette::Window, fullScreen ? ResolveColour(settings_.BackColour)
                                                : QApplication::palette().color(QPalette::Button));
  setPalette(colours);
  setAutoFillBackground(true);
  ApplyScroller();
  if (settings_.Style == wsFramed || settings_.Style == wsShaped)
    if (!request.KeepPosition) RestoreWindowPosition();
  TellBackgrounds();
  loading_ = false;
}

void TWorkForm::ApplyScroller() {
  scroller_->setGeometry(rect());
  const Qt::ScrollBarPolicy policy = layout_.Scroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff;
  scroller_->setHorizontalScrollBarPolicy(policy);
  scroller_->setVerticalScrollBarPolicy(policy);
  if (layout_.Scroll) {
    // The stage is the publication; the scroller shows what fits.
    scroller_->setWidgetResizable(false);
    stage_->resize(layout_.PageList.size());
    pages_->setGeometry(QRect(QPoint(0, 0), layout_.PageList.size()));
  } else {
    scroller_->setWidgetResizable(true);
    pages_->setGeometry(layout_.PageList);
  }
  QPalette colours = scroller_->viewport()->palette();
  colours.setColor(QPalette::Window, palette().color(QPalette::Window));
  scroller_->viewport()->setPalette(colours);
  stage_->setPalette(colours);
}

void TWorkForm::TellBackgrounds() {
  for (int i = 0; i < pages_->Count(); ++i) pages_->Page(i)->Background().SetPublicationArea(publicationArea_);
}

void TWorkForm::BuildOutline() {
  hasOutline_ = false;
  clearMask();
  const std::optional<TWindowOutline> outline =
      BuildWindowOutline(PictureCache(), settings_.ShapeFile, settings_.ShapeTransparent);
  if (!outline) return;  // the window stays rectangular
  outlineSize_ = outline->Size;
  setMask(outline->Region);
  hasOutline_ = true;
}

void TWorkForm::SaveWindowPosition() {
  if (settings_.RegistryKey.empty()) return;
  if (!registry_ && !ownRegistry_) ownRegistry_ = std::make_unique<TRegistryStore>();
  TWindowPositionStore store(registry_ ? *registry_ : *ownRegistry_, settings_.RegistryKey);
  const QRect normal = isMaximized() ? normalGeometry() : frameGeometry();
  store.Save(normal, isMaximized());
}

void TWorkForm::RestoreWindowPosition() {
  if (settings_.RegistryKey.empty()) return;
  if (!registry_ && !ownRegistry_) ownRegistry_ = std::make_unique<TRegistryStore>();
  const TWindowPositionStore store(registry_ ? *registry_ : *ownRegistry_, settings_.RegistryKey);
  const std::optional<std::string> saved = store.Load();
  if (!saved) return;  // the computed position stays
  const TScreenFacts screen = ScreenFacts();
  const QRect frame = frameGeometry();
  const QMargins margins = FrameMargins(*this);
  const TRestoredPlacement placement = RestoreWindowPlacement(
      *saved, frame, frame_.Sizeable, screen.Desktop.isEmpty() ? screen.Monitor : screen.Desktop);
  if (frame_.Sizeable) resize(placement.Window.size().shrunkBy(margins));
  move(placement.Window.topLeft());
  if (placement.Maximize) setWindowState(windowState() | Qt::WindowMaximized);
  if (settings_.Style == wsFramed && frame_.Sizeable) {
    publicationArea_ = QRect(QPoint(0, 0), size());
    layout_.PageList = publicationArea_;
    layout_.Scroll = false;
    ApplyScroller();
  }
}

int TWorkForm::LoadCursors(const TCursorSlots::FileReader& read) {
  int loaded = 0;
  if (cursors_.LoadSlot(csGeneral, settings_.AppCursor, read)) ++loaded;
  if (cursors_.LoadSlot(csHotSpot, settings_.HotSpotCursor, read)) ++loaded;
  if (cursors_.LoadSlot(csDrag, settings_.DragCursor, read)) ++loaded;
  if (cursors_.LoadSlot(csBusy, settings_.BusyCursor, read)) ++loaded;
  setCursor(cursors_.Slot(csGeneral));
  RefreshObjectCursors();
  return loaded;
}

void TWorkForm::RefreshObjectCursors() {
  // Page objects are plain widgets to Qt's own lookups.
  for (QWidget* widget : findChildren<QWidget*>())
    if (auto* object = dynamic_cast<TOrvalisObj*>(widget)) object->UpdateCursor();
}

// --- Page objects -------------------------------------------------------------

TPageChangeSteps& TWorkForm::PageSteps() { return *steps_; }

bool TWorkForm::PageSwitching() const { return pages_->Switching() || (steps_ && steps_->Waiting()); }

TOrvalisObj* TWorkForm::FindObject(std::string_view name, bool includeFloating) {
  if (name.empty()) return nullptr;
  if (includeFloating && FindFloatingObject)
    if (TOrvalisObj* floating = FindFloatingObject(name)) return floating;
  return FindPageObject(*pages_, name).Object;
}

void TWorkForm::FocusFirstObject(int index) {
  TOVPage* page = pages_->Page(index);
  if (page == nullptr) return;
  QWidget* background = &page->Background();
  // The first widget of the page's tab chain that takes the focus by Tab.
  for (QWidget* next = background->nextInFocusChain(); next != nullptr && next != background;
       next = next->nextInFocusChain()) {
    if (!background->isAncestorOf(next)) continue;
    if ((next->focusPolicy() & Qt::TabFocus) && next->isVisibleTo(background) && next->isEnabled()) {
      next->setFocus(Qt::TabFocusReason);
      return;
    }
  }
}

bool TWorkForm::PreviewKey(QKeyEvent& event) {
  // A held key is one press of a hot key, not one a repeat.
  if (event.isAutoRepeat()) return false;
  if (event.key() == Qt::Key_F1 && !settings_.HelpFile.empty()) {
    OpenHelp();
    return true;
  }
  TOVPage* page = pages_->Page(pages_->PageIndex());
  if (page == nullptr) return false;
  const QKeyCombination shortcut = KeyCombinationOfEvent(event);
  TOrvalisObj* focused = TOrvalisObj::ObjectOf(QApplication::focusWidget());
  TOrvalisBackground& background = page->Background();
  if (background.DispatchHotKey(shortcut, focused)) return true;
  TOVPage* master = pages_->Page(0);
  if (master != nullptr && master != page && background.ShowMasterPage() &&
      master->Background().DispatchHotKey(shortcut, focused))
    return true;
  // The page keys come before the focused object, which would take Page
  // Up and Down for itself (a text, a list).
  TPageNavigator::KeySettings keys;
  keys.AllowEsc = allowEsc_;
  keys.AllowPageUpDown = allowPageUpDown_;
  keys.EditHasFocus = EditHasFocus();
  // An Esc the focused object used (a masked field giving back its
  // refused text) goes no further: neither to the page keys nor to the
  // object's own control.
  if (event.key() == Qt::Key_Escape && focused != nullptr && focused->TakeEscape()) return true;
  switch (navigator_->HandleKey(event.key(), keys)) {
    case TPageNavigator::KeyResult::Close:
      close();
      return true;
    case TPageNavigator::KeyResult::Consumed:
      return true;
    case TPageNavigator::KeyResult::Ignored:
      return false;
  }
  return false;
}

bool TWorkForm::EditHasFocus() {
  QWidget* focus = QApplication::focusWidget();
  if (qobject_cast<QLineEdit*>(focus) != nullptr || qobject_cast<QAbstractSpinBox*>(focus) != nullptr) return true;
  if (auto* text = qobject_cast<QTextEdit*>(focus)) return !text->isReadOnly();
  if (auto* text = qobject_cast<QPlainTextEdit*>(focus)) return !text->isReadOnly();
  if (auto* combo = qobject_cast<QComboBox*>(focus)) return combo->isEditable();
  return false;
}

// --- Running ----------------------------------------------------------------

void TWorkForm::ShowFirstPage(int startPage) {
  started_ = true;
  BlockKeys();
  if (settings_.UseUpdateTimer) updateClock_->Start();
  idleTimer_->Start();
  if (startPage >= 1 && startPage < pages_->Count()) navigator_->ShowPage(startPage);
}

// Blocking Ctrl+Alt+Del, Alt+Tab, the task manager or Print Screen would
// mean changing the desktop's own settings or grabbing its keys; a
// publication must never leave those changed behind, and no desktop here
// offers a safe way to do it. Both settings are read and knowingly left
// without effect, as are display-mode changes.
void TWorkForm::BlockKeys() {}
void TWorkForm::UnblockKeys() {}

bool TWorkForm::event(QEvent* event) {
  switch (static_cast<int>(event->type())) {
    case kPostedScriptEvent:
      RunPostedScript(event);
      return true;
    case kActivationEvent: {
      const bool active = static_cast<TActivationEvent*>(event)->Active;
      const std::string& action = active ? settings_.ActivateAction : settings_.DeactivateAction;
      if (!action.empty() && !engine_.Closing())
        engine_.RunScript(action, 0, static_cast<std::uint8_t>(active ? kSourceActivate : kSourceDeactivate));
      return true;
    }
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate: {
      // Scripts run later, from the event loop, never inside the
      // activation itself; and not before the first page is up.
      const bool active = event->type() == QEvent::WindowActivate;
      const std::string& action = active ? settings_.ActivateAction : settings_.DeactivateAction;
      if (started_ && !action.empty() && !engine_.Closing())
        QCoreApplication::postEvent(this, new TActivationEvent(active));
      break;
    }
    default:
      break;
  }
  return QWidget::event(event);
}

void TWorkForm::RunPostedScript(QEvent* event) {
  const auto& posted = *static_cast<TPostedScriptEvent*>(event);
  if (engine_.Closing() || posted.Script.empty()) return;
  if (posted.Subroutine || posted.Source == srcSubroutine)
    engine_.GoSub(posted.Script, posted.Options);
  else
    engine_.RunScript(posted.Script, posted.Options, posted.Source, kPublicationObjectType, posted.SourceName);
}

bool TWorkForm::DragByBackground() const {
  const bool movable = (settings_.Properties & wpMovable) != 0;
  if (settings_.Style == wsShaped) return movable;
  return settings_.Style == wsFramed && movable && (settings_.Properties & wpTitleBar) == 0;
}

bool TWorkForm::eventFilter(QObject* watched, QEvent* event) {
  const QEvent::Type type = event->type();
  if (type == QEvent::KeyPress) {
    // Only keys meant for this window, once each (Qt offers a key to the
    // widget and then to its parents).
    auto* widget = qobject_cast<QWidget*>(watched);
    QWidget* first = QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : this;
    if (widget != nullptr && widget == first && widget->window() == this &&
        PreviewKey(*static_cast<QKeyEvent*>(event)))
      return true;
    return QWidget::eventFilter(watched, event);
  }
  if (type != QEvent::Resize && type != QEvent::MouseButtonPress && type != QEvent::MouseButtonRelease &&
      type != QEvent::MouseMove)
    return QWidget::eventFilter(watched, event);
  // The rest concerns this window's page backgrounds only: a resize
  // re-docks the page's objects, and presses on the background itself may
  // drag the window.
  auto* background = dynamic_cast<TOrvalisBackground*>(watched);
  if (background == nullptr || background->window() != this) return QWidget::eventFilter(watched, event);
  if (type == QEvent::Resize) {
    DockChildObjects(*background, background->rect());
    return QWidget::eventFilter(watched, event);
  }
  auto* mouse = static_cast<QMouseEvent*>(event);
  if (type == QEvent::MouseButtonPress) {
    if (mouse->button() == Qt::LeftButton && DragByBackground()) dragArmed_ = true;
  } else if (type == QEvent::MouseButtonRelease) {
    dragArmed_ = false;
  } else if (dragArmed_) {
    // The background lets go of the button first, then the window system
    // moves the window with the mouse.
    dragArmed_ = false;
    QMouseEvent release(QEvent::MouseButtonRelease, mouse->position(), mouse->scenePosition(),
                        mouse->globalPosition(), Qt::LeftButton, Qt::NoButton, mouse->modifiers());
    QCoreApplication::sendEvent(background, &release);
    if (StartSystemMove) StartSystemMove();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void TWorkForm::OpenHelp() {
  std::string file = settings_.HelpFile;
  if (file.find('[') != std::string::npos) file = engine_.Vars().SubstituteVars(file);
  if (OnOpenHelp) {
    OnOpenHelp(file);
    return;
  }
  std::string path = HostPath(file);
  // A help file without a folder sits beside the program.
  if (path.find('/') == std::string::npos)
    path = QCoreApplication::applicationDirPath().toStdString() + "/" + path;
  QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(path)));
}

void TWorkForm::keyPressEvent(QKeyEvent* event) {
  TPageNavigator::KeySettings keys;
  keys.AllowEsc = allowEsc_;
  keys.AllowPageUpDown = allowPageUpDown_;
  switch (navigator_->HandleKey(event->key(), keys)) {
    case TPageNavigator::KeyResult::Close:
      close();
      return;
    case TPageNavigator::KeyResult::Consumed:
      return;
    case TPageNavigator::KeyResult::Ignored:
      QWidget::keyPressEvent(event);
      return;
  }
}

// --- Move, resize, show -------------------------------------------------------

void TWorkForm::NotifyWindowVar(SystemVar var) {
  const std::string name = AnsiUpperCase("[" + std::string(SystemVarInfo(var).Name) + "]");
  engine_.Vars().Notifier().Notify(name, WindowValue(var));
}

void TWorkForm::moveEvent(QMoveEvent* event) {
  QWidget::moveEvent(event);
  if (loading_ || !isVisible()) return;
  const bool normal = !(windowState() & (Qt::WindowMinimized | Qt::WindowMaximized));
  if (normal && !frame_.Movable && lockedPosition_ && pos() != *lockedPosition_) {
    move(*lockedPosition_);  // the position lock: back where it was shown
    return;
  }
  if (settings_.Order == woOnBottom) lower();
  NotifyWindowVar(svWindowLeft);
  NotifyWindowVar(svWindowTop);
}

void TWorkForm::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  scroller_->setGeometry(rect());
  if (loading_) return;
  if (settings_.Style == wsFramed && settings_.AutoSize) {
    publicationArea_ = QRect(QPoint(0, 0), size());
    layout_.PageList = publicationArea_;
    pages_->setGeometry(publicationArea_);
    TellBackgrounds();
  }
  if (!isVisible()) return;
  for (const SystemVar var : {svWindowWidth, svWindowHeight, svClientWidth, svClientHeight, svWindowState})
    NotifyWindowVar(var);
}

void TWorkForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // The place the position lock keeps the window at.
  if (!lockedPosition_) lockedPosition_ = pos();
}

// --- Closing -------------------------------------------------------------------

bool TWorkForm::CloseCommand() {
  if (frame_.CloseRefused) return false;
  shutdownSource_ = kShutdownByCloseButton;
  return close();
}

bool TWorkForm::ShutdownActionAllows() {
  if (shutdownAction_.empty() || engine_.Closing()) return true;
  static constexpr const char* kSourceNames[] = {"Windows", "Orvalis", "CloseButton"};
  TVars& vars = engine_.Vars();
  vars.SetVar("[ShutdownStatus]", "TRUE");
  vars.SetVar("[ShutdownSource]", kSourceNames[shutdownSource_]);
  engine_.RunScript(shutdownAction_, 0, kSourceShutdown);
  ++shutdownRuns_;
  const bool allowed = AnsiSameText(vars.GetVar("[ShutdownStatus]"), "TRUE");
  // The two exist only while the action runs.
  for (const char* name : {"ShutdownStatus", "ShutdownSource"})
    if (const VarEntry* entry = vars.Globals().Find(name)) vars.Globals().Erase(*entry);
  shutdownSource_ = kShutdownBySystem;
  return allowed;
}

void TWorkForm::closeEvent(QCloseEvent* event) {
  // A close from the window system is the title bar's Close command.
  if (event->spontaneous() && !closed_) {
    if (frame_.CloseRefused) {
      event->ignore();
      return;
    }
    shutdownSource_ = kShutdownByCloseButton;
  }
  if (closed_) {
    event->accept();
    return;
  }
  // Exit in the shutdown action, or in the exit action run below, would
  // start a second query inside this one and run the shutdown action again.
  if (closeQueryRunning_) {
    event->ignore();
    return;
  }
  struct QueryRun {
    TWorkForm& form;
    explicit QueryRun(TWorkForm& f) : form(f) { form.closeQueryRunning_ = true; }
    ~QueryRun() {
      form.closeQueryRunning_ = false;
      form.shutdownSource_ = kShutdownBySystem;
    }
  } queryRun(*this);
  if ((OnCloseQuery && !OnCloseQuery()) || !ShutdownActionAllows()) {
    event->ignore();
    return;
  }
  slideShow_->Stop();
  const int current = pages_->PageIndex();
  if (TOVPage* page = pages_->Page(current); page != nullptr && !page->Background().ExitAction().empty())
    engine_.RunScript(page->Background().ExitAction(), eoNoPageChange, kSourcePageExit, kPublicationObjectType,
                      page->Name());
  engine_.SetClosing(true);
  closed_ = true;
  // The screenshot of a run sees moving objects and cartoons as they were.
  if (OnBeforeClose) OnBeforeClose();
  if (OnStopMovers) OnStopMovers();
  if (OnStopMedia) OnStopMedia();
  SaveWindowPosition();
  updateClock_->Stop();
  idleTimer_->Stop();
  UnblockKeys();
  event->accept();
}

// --- Services to page objects ------------------------------------------------

std::string_view TWorkForm::LocalisedText(std::string_view key) const {
  return texts_ != nullptr ? texts_->Text(key) : std::string_view();
}

void TWorkForm::ShowObjectPage(TOrvalisObj& object) {
  const TOrvalisBackground* background = object.PageBackground();
  for (int i = 1; i < pages_->Count(); ++i) {
    if (&pages_->Page(i)->Background() != background) continue;
    if (i != pages_->PageIndex()) navigator_->RequestPageChange(i, true);
    return;
  }
}

void TWorkForm::SetLoadingSplash(TSplashScreenForm* splash) { progress_->SetLoadingSplash(splash); }
void TWorkForm::BeginProgress(int maximum) { progress_->Begin(maximum); }
void TWorkForm::StepProgress() { progress_->Step(); }
void TWorkForm::EndProgress() { progress_->End(); }

}  // namespace orv
