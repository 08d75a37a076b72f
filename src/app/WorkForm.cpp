#include "app/WorkForm.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <algorithm>

#include "container/Publication.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "pages/PageListNavigator.h"
#include "base/Ansi.h"
#include "script/Engine.h"
#include "script/Vars.h"

namespace orv {

namespace {

// The shutdown action's script source.
constexpr int kSourceShutdown = 53;

void ApplyPageKeys(const PublicationPage& model, TOrvalisBackground& background) {
  for (const KeyValue& key : model.keys) {
    const std::string_view name = key.Name();
    if (name == "PAGECOLOR=") {
      background.SetColor(static_cast<ColourValue>(key.number));
    } else if (name == "PAGEGRADIENT1=") {
      background.SetGradientColor1(static_cast<ColourValue>(key.number));
    } else if (name == "PAGEGRADIENT2=") {
      background.SetGradientColor2(static_cast<ColourValue>(key.number));
    } else if (name == "PAGESTYLE=") {
      if (key.number >= pbSolid && key.number <= pbWallpaper)
        background.SetBackgroundStyle(static_cast<TBackgroundStyle>(key.number));
    } else if (name == "PAGEGRADIENTDIR=") {
      background.SetGradientAngle(key.number == G_Vert ? G_Vert : G_Horz);
    } else if (name == "WALLPAPERSTYLE=") {
      if (key.number >= wsTile && key.number <= wsStretched)
        background.SetWallpaperStyle(static_cast<TWallpaperStyle>(key.number));
    } else if (name == "PAGEWALLPAPER=") {
      background.SetWallpaperFile(key.Text());
    } else if (name == "SHOWMASTERPAGE=") {
      background.SetShowMasterPage(key.yes);
    } else if (name == "PGENTERACTION=") {
      background.SetEnterAction(key.Text());
    } else if (name == "PGEXITACTION=") {
      background.SetExitAction(key.Text());
    } else if (name == "PAGEEFFECT=") {
      background.SetEffect(key.Text());
    }
  }
}

}  // namespace

TWorkForm::TWorkForm(const Publication& publication, TScriptEngine& engine, QWidget* parent)
    : QWidget(parent), engine_(engine), pages_(new TOVPageList(this)) {
  const PublicationKeyTable& settings = publication.settings;
  // A publication too small to hold anything still gets a usable window.
  const int width = std::max(1, static_cast<int>(settings.Number("SCREENWIDTH=")));
  const int height = std::max(1, static_cast<int>(settings.Number("SCREENHEIGHT=")));
  setFixedSize(width, height);
  pages_->setGeometry(0, 0, width, height);
  allowEsc_ = settings.Yes("ALLOWESC=");
  allowPageUpDown_ = settings.Yes("ALLOWPAGEUPDN=");
  shutdownAction_ = settings.Text("SHUTDOWNACTION=");
  BuildPages(publication);
  // The publication fills the window; nothing paints outside its area.
  for (int i = 0; i < pages_->Count(); ++i) pages_->Page(i)->Background().SetPublicationArea(QRect(0, 0, width, height));
  navigator_ = std::make_unique<TPageNavigator>(*pages_, engine_);
  navigator_->SetStartupAction(settings.Text("STARTUPACTION="));
  setFocusPolicy(Qt::StrongFocus);
}

TWorkForm::~TWorkForm() = default;

void TWorkForm::BuildPages(const Publication& publication) {
  pages_->SetLoading(true);
  for (const PublicationPage& model : publication.pages) {
    TOVPage& page = pages_->InsertPage(model.name, pages_->Count());
    ApplyPageKeys(model, page.Background());
    if (pages_->Count() > 1) page.Background().SetMasterPage(&pages_->Page(0)->Background());
  }
  pages_->SetLoading(false);
}

void TWorkForm::ShowFirstPage() {
  if (pages_->Count() > 1) navigator_->ShowPage(1);
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
  if (closed_) {
    event->accept();
    return;
  }
  if ((OnCloseQuery && !OnCloseQuery()) || !ShutdownActionAllows()) {
    event->ignore();
    return;
  }
  const int current = pages_->PageIndex();
  if (TOVPage* page = pages_->Page(current); page != nullptr && !page->Background().ExitAction().empty())
    engine_.RunScript(page->Background().ExitAction(), 0, kSourcePageExit, kPublicationObjectType, page->Name());
  engine_.SetClosing(true);
  closed_ = true;
  if (OnBeforeClose) OnBeforeClose();
  event->accept();
}

}  // namespace orv
