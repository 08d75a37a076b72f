#include "app/WindowVarHost.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScreen>

#include "base/Ansi.h"
#include "pages/Page.h"
#include "pages/PageList.h"

namespace orv {

namespace {

QScreen* ScreenOf(const TWorkForm* window) {
  if (window != nullptr && window->screen() != nullptr) return window->screen();
  return QGuiApplication::primaryScreen();
}

}  // namespace

std::string TWindowVarHost::ReadValue(SystemVar var) {
  if (window_ && TWorkForm::AnswersValue(var)) return window_->WindowValue(var);
  if (var == svClipboard) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) return Utf8ToAnsi(clipboard->text().toStdString());
    return {};
  }
  if (const QScreen* screen = ScreenOf(window_)) {
    switch (var) {
      case svScreenWidth: return std::to_string(screen->geometry().width());
      case svScreenHeight: return std::to_string(screen->geometry().height());
      case svScreenColors: {
        const int depth = screen->depth();
        return depth >= 31 ? "4294967296" : std::to_string(1LL << depth);
      }
      default: break;
    }
  }
  return kept_.ReadValue(var);
}

void TWindowVarHost::WriteValue(SystemVar var, std::string_view value) {
  if (window_ && TWorkForm::AnswersValue(var)) {
    window_->SetWindowValue(var, value);
    return;
  }
  if (var == svClipboard) {
    if (QClipboard* clipboard = QGuiApplication::clipboard()) {
      clipboard->clear();
      if (!value.empty()) clipboard->setText(QString::fromStdString(AnsiToUtf8(value)));
    }
    return;
  }
  if (var == svAppTitle) QGuiApplication::setApplicationDisplayName(QString::fromStdString(AnsiToUtf8(value)));
  kept_.WriteValue(var, value);
}

HostPageState TWindowVarHost::Pages() {
  if (!window_) return kept_.Pages();
  const TOVPageList& pages = window_->Pages();
  HostPageState state;
  state.HasPages = pages.Count() > 0;
  state.Index = pages.PageIndex() < 0 ? 0 : pages.PageIndex();
  state.Count = pages.Count() > 0 ? pages.Count() - 1 : 0;
  if (const TOVPage* page = pages.Page(pages.PageIndex())) state.Title = page->Name();
  return state;
}

TDateTime TWindowVarHost::Now() { return kept_.Now(); }

void TWindowVarHost::LastErrorAssigned(std::string_view text, bool display) {
  kept_.LastErrorAssigned(text, display);
  if (display && OnShowError) OnShowError(std::string(text));
}

}  // namespace orv
