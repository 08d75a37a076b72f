#pragma once
// The publication window: the page list filling the client area, the pages
// built from the publication's model, the navigation keys, and the close
// query that runs the shutdown action.
#include <QWidget>
#include <string>
#include <functional>
#include <memory>

namespace orv {

struct Publication;
class TOVPageList;
class TPageNavigator;
class TScriptEngine;

class TWorkForm : public QWidget {
 public:
  TWorkForm(const Publication& publication, TScriptEngine& engine, QWidget* parent = nullptr);
  ~TWorkForm() override;

  TOVPageList& Pages() { return *pages_; }
  TPageNavigator& Navigator() { return *navigator_; }

  // Shows the first ordinary page; the start-up action runs once before its
  // enter action.
  void ShowFirstPage();
  // The shutdown source named to the shutdown action; back to the system
  // after every close query.
  enum ShutdownSource { kShutdownBySystem = 0, kShutdownByPublication = 1, kShutdownByCloseButton = 2 };
  void SetShutdownSource(ShutdownSource source) { shutdownSource_ = source; }
  // Times the shutdown action ran, and whether the window closed for good.
  int ShutdownRuns() const { return shutdownRuns_; }
  bool Closed() const { return closed_; }

  // Runs just before the window accepts its close (a screenshot, say).
  std::function<void()> OnBeforeClose;
  // Asked first when the window is to close, before the shutdown action
  // (the exit password); false keeps the publication open.
  std::function<bool()> OnCloseQuery;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPages(const Publication& publication);
  // Runs the shutdown action with "[ShutdownStatus]" and "[ShutdownSource]";
  // false when it set the status to anything but "TRUE".
  bool ShutdownActionAllows();

  TScriptEngine& engine_;
  TOVPageList* pages_;
  std::unique_ptr<TPageNavigator> navigator_;
  std::string shutdownAction_;
  bool allowEsc_ = false;
  bool allowPageUpDown_ = false;
  ShutdownSource shutdownSource_ = kShutdownBySystem;
  int shutdownRuns_ = 0;
  bool closed_ = false;
};

}  // namespace orv
