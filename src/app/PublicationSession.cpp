#include "app/PublicationSession.h"

#include <QApplication>
#include <QDir>
#include <QFontDatabase>
#include <QPixmap>
#include <QTimer>
#include <cstdlib>
#include <filesystem>
#include <map>

#include "app/ErrorReport.h"
#include "app/ExtractionFolder.h"
#include "app/PackagePictureSource.h"
#include "app/PasswordEntryForm.h"
#include "app/PlayerMessageBox.h"
#include "app/PublicationFileReader.h"
#include "app/ScreenSaverExit.h"
#include "app/StartPage.h"
#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "base/ErrorText.h"
#include "base/HostPath.h"
#include "base/Messages.h"
#include "base/PathNames.h"
#include "commands/CoreCommands.h"
#include "commands/navigation/NavigationCommands.h"
#include "commands/media/MediaCommands.h"
#include "commands/objects/ObjectCommands.h"
#include "container/ObjectNameRule.h"
#include "container/Package.h"
#include "container/PackageDocument.h"
#include "container/Publication.h"
#include "objects/text/LinkedArticleChains.h"
#include "pages/BackgroundMessages.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"
#include "pages/PictureCache.h"
#include "ui/PostedWorkEvent.h"

namespace orv {

namespace fs = std::filesystem;

// Everything that belongs to one publication; an in-place reload builds the
// next one beside it before this one goes.
struct LoadedPublication {
  std::string hostFile;
  std::string ansiFile;
  // Before the package, which asks it to remove the fonts when it goes.
  std::unique_ptr<TPackageHost> packageHost;
  std::unique_ptr<Package> package = std::make_unique<Package>();
  Publication publication;
  std::string extractionFolder;
  int startPage = 0;
  std::map<std::string, int> fonts;  // host path -> application font id
  std::unique_ptr<TPackagePictures> pictures;
  std::unique_ptr<TSplashScreenForm> splash;
  std::unique_ptr<TWorkForm> window;
  std::unique_ptr<TScreenSaverExit> saverExit;  // before the window goes
};

// What the package asks of the player: the single-instance hand-over at the
// first start (never on a reload), the publication's fonts in Qt's font
// table. Display changes are left alone: a publication never changes the
// user's screen settings on this system.
class SessionPackageHost : public TPackageHost {
 public:
  SessionPackageHost(const TPlayerCommandLine& commandLine, TSingleInstance& singleInstance,
                     LoadedPublication& loaded, bool reload)
      : commandLine_(commandLine), singleInstance_(singleInstance), loaded_(loaded), reload_(reload) {}

  bool HandedOver() const { return handedOver_; }

  void SingleInstanceTest() override {
    if (reload_) return;
    const QString name = TSingleInstance::ServerName(loaded_.ansiFile);
    handedOver_ = TSingleInstance::HandOver(name, commandLine_.Text);
    if (!handedOver_) singleInstance_.Listen(name);
  }
  bool AddFont(const std::string& path) override {
    const int id = QFontDatabase::addApplicationFont(QString::fromStdString(path));
    if (id >= 0) loaded_.fonts[path] = id;
    return id >= 0;
  }
  void RemoveFont(const std::string& path) override {
    if (const auto it = loaded_.fonts.find(path); it != loaded_.fonts.end()) {
      QFontDatabase::removeApplicationFont(it->second);
      loaded_.fonts.erase(it);
    }
  }

 private:
  const TPlayerCommandLine& commandLine_;
  TSingleInstance& singleInstance_;
  LoadedPublication& loaded_;
  bool reload_;
  bool handedOver_ = false;
};

// The script host of the windowed player, knowing the open package.
class TPublicationSession::SessionScriptHost : public TQtScriptHost {
 public:
  explicit SessionScriptHost(TPublicationSession& session) : session_(session) {}
  Package* PublicationPackage() override { return session_.CurrentPackage(); }
  TWorkForm* Window() override { return session_.Window(); }
  bool ResolveEntryName(std::string_view name, std::string& entry) override {
    Package* package = session_.CurrentPackage();
    if (!package) return false;
    entry = package->ResolveEntryName(name);
    return package->FindEntry(entry) != nullptr;
  }

 private:
  TPublicationSession& session_;
};

namespace {

constexpr QEvent::Type kReloadEvent = static_cast<QEvent::Type>(QEvent::User + 2000);
// While a script is still running, the reload looks again this much later.
constexpr int kReloadRetryMs = 10;
constexpr const char* kCommandLineSubroutine = "CommandLine_OnChange";

// The run mode as scripts see it.
const char* RunModeLetter(std::uint8_t mode) {
  switch (mode) {
    case runmode::kScreenSaver: return "S";
    case runmode::kTray: return "T";
    case runmode::kReloaded: return "W";
    default: return "A";
  }
}

std::string OpenFailureText(std::string_view detail) {
  std::string text(Message(msg::kResourceUnavailable));
  text += "\r\r";
  text += detail;
  return text;
}

QPixmap SplashPicture(const Package& package) {
  const std::string& name = package.Header().Splash;
  QPixmap picture;
  if (package.TestRun()) {
    picture.load(QString::fromStdString(HostPath(name)));
  } else {
    std::string bytes;
    if (package.LoadEntryToMemory(name, bytes) == pkg::kLoaded)
      picture.loadFromData(reinterpret_cast<const uchar*>(bytes.data()), static_cast<uint>(bytes.size()));
  }
  return picture;
}

// The reload's file: as named, else in the publication's folder, else on
// the search path. Empty when it is nowhere.
std::string FindReloadFile(std::string_view ansiFile, std::string_view publicationFile) {
  std::error_code ec;
  const std::string named = HostPath(ansiFile);
  if (!ExtractFilePath(ansiFile).empty() && fs::is_regular_file(named, ec)) return named;
  const std::string fileName(ExtractFileName(ansiFile));
  if (fileName.empty()) return {};
  const std::string beside = HostPath(JoinPath(ExtractFilePath(publicationFile), fileName));
  if (fs::is_regular_file(beside, ec)) return beside;
  if (fs::is_regular_file(named, ec)) return named;
  if (const char* path = std::getenv("PATH")) {
    std::string_view rest(path);
    while (!rest.empty()) {
      const std::size_t colon = rest.find(':');
      const std::string folder(rest.substr(0, colon));
      rest = colon == std::string_view::npos ? std::string_view() : rest.substr(colon + 1);
      if (folder.empty()) continue;
      const std::string candidate = folder + "/" + HostPath(fileName);
      if (fs::is_regular_file(candidate, ec)) return candidate;
    }
  }
  return {};
}

}  // namespace

struct TPublicationSession::Reload {
  std::string hostFile;
  bool clearVars = false;
  bool closeWindows = false;
};

namespace {

class TReloadEvent : public QEvent {
 public:
  TReloadEvent(std::string hostFile, bool clearVars, bool closeWindows)
      : QEvent(kReloadEvent), HostFile(std::move(hostFile)), ClearVars(clearVars), CloseWindows(closeWindows) {}
  const std::string HostFile;
  const bool ClearVars;
  const bool CloseWindows;
};

}  // namespace

TPublicationSession::TPublicationSession(TPlayerCommandLine commandLine)
    : commandLine_(std::move(commandLine)),
      vars_(varHost_),
      scriptHostImpl_(std::make_unique<SessionScriptHost>(*this)),
      scriptHost_(*scriptHostImpl_),
      engine_(vars_, scriptHost_) {
  RegisterCoreCommands(engine_.Commands());
  RegisterNavigationCommands(engine_.Commands());
  RegisterObjectCommands(engine_.Commands());
  RegisterMediaCommands(engine_.Commands());
  varHost_.SetValue(svCommandLine, commandLine_.Text);
  // Script alerts and shown errors go through the player's message box,
  // which an unattended run also finds on standard error.
  scriptHost_.OnAlert = [this](const std::string& title, const std::string& text) {
    const std::string ok = current_ ? std::string(current_->publication.texts.Text("L_OK=")) : std::string();
    ShowPlayerMessage(title, text, ok, Window());
  };
  varHost_.OnShowError = [this](const std::string& text) { scriptHost_.ShowAlert(text); };
  singleInstance_.OnCommandLine = [this](const std::string& text) { CommandLineChanged(text); };
}

TPublicationSession::~TPublicationSession() { Finish(); }

void TPublicationSession::ReportException(const std::exception& error) {
  if (!current_) {
    ReportError(error, "Orvalis", "");
    return;
  }
  ReportError(error, current_->publication.settings.Text("TITLE="), current_->publication.texts.Text("L_OK="),
              Window());
}

TWorkForm* TPublicationSession::Window() const { return current_ ? current_->window.get() : nullptr; }
Package* TPublicationSession::CurrentPackage() const { return current_ ? current_->package.get() : nullptr; }
const std::string& TPublicationSession::PublicationFile() const {
  static const std::string kNone;
  return current_ ? current_->ansiFile : kNone;
}
const std::string& TPublicationSession::ExtractionFolder() const {
  static const std::string kNone;
  return current_ ? current_->extractionFolder : kNone;
}

int TPublicationSession::Prepare(const std::string& hostFile, bool reload, LoadedPublication& loaded,
                                 std::string& detail) {
  std::error_code ec;
  loaded.hostFile = fs::absolute(hostFile, ec).string();
  if (ec) loaded.hostFile = hostFile;
  loaded.ansiFile = AnsiFromHostPath(loaded.hostFile);

  auto host = std::make_unique<SessionPackageHost>(commandLine_, singleInstance_, loaded, reload);
  const SessionPackageHost& packageHost = *host;
  loaded.packageHost = std::move(host);
  loaded.package->SetHost(loaded.packageHost.get());

  if (loaded.package->OpenPackage(loaded.hostFile, reload) != pkg::kOpened) {
    detail = ErrorText(fs::exists(loaded.hostFile, ec) ? err::kReadFault : err::kFileNotFound);
    return err::kReadFault;
  }
  if (packageHost.HandedOver()) return -1;

  if (!loaded.package->Header().Splash.empty() && !reload)
    loaded.splash = std::make_unique<TSplashScreenForm>(SplashPicture(*loaded.package), QString(), Splash);
  TSplashScreenForm* splash = loaded.splash.get();
  DocumentLineReader::Progress progress;
  if (splash) progress = [splash](int percent) { splash->SetProgress(percent); };
  std::string error;
  if (ReadPackageDocument(*loaded.package, DocumentReadOptionsFor(*loaded.package, progress), loaded.publication,
                          error) != PackageDocumentStatus::Read) {
    if (splash) splash->CloseSplash();
    detail = error.empty() ? ErrorText(err::kReadFault) : error;
    return err::kReadFault;
  }
  if (std::optional<std::string> fault = FindObjectNameFault(loaded.publication)) {
    if (splash) splash->CloseSplash();
    detail = *fault;
    return err::kReadFault;
  }
  return 0;
}

TPublicationSession::StartResult TPublicationSession::Start(const std::string& hostFile) {
  auto loaded = std::make_unique<LoadedPublication>();
  std::string detail;
  const int code = Prepare(hostFile, false, *loaded, detail);
  if (code == -1) return StartResult::HandedOver;
  if (code != 0) {
    failure_ = OpenFailureText(detail);
    return StartResult::Failed;
  }
  current_ = std::move(loaded);
  const StartResult result = Install(*current_);
  if (result != StartResult::Started) return result;
  ShowAndPaint(*current_);
  return StartResult::Started;
}

TPublicationSession::StartResult TPublicationSession::Install(LoadedPublication& loaded) {
  const PublicationKeyTable& settings = loaded.publication.settings;
  const PublicationKeyTable& texts = loaded.publication.texts;
  Package& package = *loaded.package;

  ExtractionFolderInputs folder;
  folder.ExtractOp = settings.Number("EXTRACTOP=");
  folder.ExtractDir = settings.Text("EXTRACTDIR=");
  folder.PublicationFile = loaded.ansiFile;
  folder.TemporaryFolder = AnsiFromHostPath(QDir::tempPath().toStdString());
  loaded.extractionFolder = ChooseExtractionFolder(folder);
  package.SetExtractionFolder(loaded.extractionFolder);
  package.SetExtractOptions(folder.ExtractOp);
  package.SetPublicationPath(loaded.ansiFile);

  package.RegisterPackageFonts();
  PictureCache().SetCapacity(settings.Number("CACHESIZE="));
  loaded.pictures = std::make_unique<TPackagePictures>(package);
  engine_.SetSubroutineLibrary(std::string(settings.Text("SUBROUTINEACTION=")));

  // Bare file names of scripts and articles lie beside the publication.
  varHost_.SetValue(svPubDir, ExtractFileDir(loaded.ansiFile));
  varHost_.SetValue(svOVType, RunModeLetter(package.Header().ReloadForm ? runmode::kReloaded
                                                                         : package.Header().RunMode));
  scriptHost_.SetAlertTitle(texts.Text("L_ERRORTITLE="));
  vars_.SetErrorDisplay(settings.Yes("SHOWERRORS="));
  scriptHost_.SetEscClosesPublication(settings.Yes("ALLOWESC=") ||
                                      commandLine_.RunMode == cmdmode::kSaverRunning);

  if (!settings.Text("STARTPASSWORD=").empty() && !AskFor(settings.Text("STARTPASSWORD="))) {
    if (loaded.splash) loaded.splash->CloseSplash();
    return StartResult::Refused;
  }

  std::vector<std::string> names;
  for (const PublicationPage& page : loaded.publication.pages) names.push_back(page.name);
  const PackageHeader& header = package.Header();
  loaded.startPage = ChooseStartPage(names, commandLine_, header.HasStartPage ? header.StartPage : 1);

  // No plug-in loader exists yet: support files are extracted, libraries
  // are skipped.
  package.LoadPackagePlugIns();

  loaded.window = std::make_unique<TWorkForm>(loaded.publication, engine_);
  TWorkForm& window = *loaded.window;
  varHost_.AttachWindow(&window);
  window.LoadCursors([&package](std::string_view name) { return ReadPublicationFile(&package, name); });
  window.setWindowTitle(QString::fromStdString(AnsiToUtf8(settings.Text("TITLE="))));
  const std::string exitPassword(settings.Text("EXITPASSWORD="));
  if (!exitPassword.empty()) window.OnCloseQuery = [this, exitPassword] { return AskFor(exitPassword); };
  window.OnBeforeClose = [this, &window] {
    // The closing notification reaches the objects of every page.
    TOVPageList& pages = window.Pages();
    for (int i = 0; i < pages.Count(); ++i) pages.Page(i)->Background().NotifyObjects(kMsgHostNotify, "", "", false);
    if (OnBeforeClose) OnBeforeClose(window);
    if (!reloading_ && OnClosed) QTimer::singleShot(0, this, [this] { OnClosed(); });
  };

  TOVPageList& pages = window.Pages();
  if (loaded.publication.linkedArticleCount > 0) {
    // Chains of linked articles flow once every page is there; the splash,
    // when up, shows how far.
    std::vector<TOrvalisBackground*> backgrounds;
    for (int i = 0; i < pages.Count(); ++i) backgrounds.push_back(&pages.Page(i)->Background());
    window.SetLoadingSplash(loaded.splash.get());
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ChainLinkedArticles(backgrounds);
    QApplication::restoreOverrideCursor();
    window.SetLoadingSplash(nullptr);
  }

  // Loaded: every ordinary page in order, then the master page.
  for (int i = 1; i < pages.Count(); ++i) pages.Page(i)->Background().Notify(kMsgLoaded, "", "", false);
  if (pages.Count() > 0) pages.Page(0)->Background().Notify(kMsgLoaded, "", "", false);
  return StartResult::Started;
}

void TPublicationSession::ShowAndPaint(LoadedPublication& loaded) {
  TWorkForm& window = *loaded.window;
  window.show();
  if (loaded.splash) {
    loaded.splash->CloseSplash();
    loaded.splash.reset();
  }
  // First paint: the start page, with the start-up action once before its
  // enter action.
  if (!reloading_) QCoreApplication::processEvents();
  if (commandLine_.RunMode == cmdmode::kSaverRunning && loaded.publication.settings.Yes("MOUSEEXIT=")) {
    // The close runs from the event loop, never inside the input event; one
    // at a time, however much input arrives meanwhile.
    auto pending = std::make_shared<bool>(false);
    loaded.saverExit = std::make_unique<TScreenSaverExit>([this, pending] {
      if (*pending) return;
      *pending = true;
      QTimer::singleShot(0, this, [this, pending] {
        *pending = false;
        if (TWorkForm* current = Window()) current->close();
      });
    });
  }
  window.ShowFirstPage(loaded.startPage);
  if (!reloading_ && OnFirstPageShown) OnFirstPageShown(window);
}

bool TPublicationSession::AskFor(std::string_view password) {
  if (AskPassword) return AskPassword(std::string(password));
  const PublicationKeyTable& texts = current_->publication.texts;
  PasswordTexts shown;
  shown.Title = texts.Text("L_PWORDTITLE=");
  shown.Message = texts.Text("L_PWORDMSG=");
  shown.Prompt = texts.Text("L_PWORDPROMPT=");
  shown.Ok = texts.Text("L_OK=");
  shown.Cancel = texts.Text("L_CANCEL=");
  shown.Error = texts.Text("L_PWORDERROR=");
  TPasswordEntryForm form(std::string(password), shown, Window());
  return form.Confirmed();
}

bool TPublicationSession::HasSubroutine(std::string_view label) {
  const std::string& library = engine_.SubroutineLibrary();
  // The evaluator's own label rule decides, so what is found here is what
  // GoSub finds.
  return !library.empty() && engine_.Cache().Get(library)->FindLabel(label) != 0;
}

void TPublicationSession::CommandLineChanged(const std::string& text) {
  varHost_.SetValue(svCommandLine, text);
  // The window runs posted work; without one there is nothing to run it in.
  if (TWorkForm* window = Window(); window != nullptr && HasSubroutine(kCommandLineSubroutine))
    QCoreApplication::postEvent(window, new TPostedScriptEvent(kCommandLineSubroutine, srcSubroutine, "", true));
}

void TPublicationSession::Teardown(bool clearVariables) {
  if (!current_) return;
  current_->window.reset();
  if (clearVariables) vars_.ClearAllVariables();
  current_->pictures.reset();
  PictureCache().EmptyCache();
  current_->package->ClosePackage(true);
  current_.reset();
}

void TPublicationSession::Finish() { Teardown(true); }

bool TPublicationSession::RequestReload(std::string_view ansiFile, bool clearVars, bool closeWindows) {
  vars_.ClearLastError();
  const std::string found = FindReloadFile(ansiFile, PublicationFile());
  if (found.empty()) {
    vars_.SetVar("[LastError]", ErrorText(err::kFileNotFound));
    return false;
  }
  QCoreApplication::postEvent(this, new TReloadEvent(found, clearVars, closeWindows));
  return true;
}

void TPublicationSession::RunReload(const Reload& reload) {
  auto next = std::make_unique<LoadedPublication>();
  std::string detail;
  if (Prepare(reload.hostFile, true, *next, detail) != 0) {
    // The running publication stays as it is.
    vars_.SetVar("[LastError]", detail);
    return;
  }
  reloading_ = true;
  const QRect geometry = current_ && current_->window ? current_->window->geometry() : QRect();
  // The close query: exit password, shutdown action, exit action, closing.
  if (current_ && current_->window && !current_->window->close()) {
    reloading_ = false;
    return;
  }
  // Custom windows have no implementation yet, so "CLOSEWINDOWS" has
  // nothing to close.
  Teardown(reload.clearVars);
  engine_.ResetEngine();
  current_ = std::move(next);
  const StartResult result = Install(*current_);
  if (result != StartResult::Started) {
    reloading_ = false;
    if (OnClosed) OnClosed();
    return;
  }
  if (geometry.isValid()) current_->window->move(geometry.topLeft());
  ShowAndPaint(*current_);
  ++reloads_;
  reloading_ = false;
}

bool TPublicationSession::event(QEvent* event) {
  if (event->type() == kReloadEvent) {
    const auto& e = static_cast<const TReloadEvent&>(*event);
    Reload reload{e.HostFile, e.ClearVars, e.CloseWindows};
    // The window and the objects of the calling script must outlive it.
    if (engine_.NestedRuns() > 0) {
      QTimer::singleShot(kReloadRetryMs, this, [this, reload] {
        QCoreApplication::postEvent(this, new TReloadEvent(reload.hostFile, reload.clearVars, reload.closeWindows));
      });
    } else {
      RunReload(reload);
    }
    return true;
  }
  return QObject::event(event);
}

}  // namespace orv
