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
  bool ShutdownDone() const { return shutdownDone_; }

  // Runs just before the window accepts its close (a screenshot, say).
  std::function<void()> OnBeforeClose;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void closeEvent(QCloseEvent* event) override;

 private:
  void BuildPages(const Publication& publication);

  TScriptEngine& engine_;
  TOVPageList* pages_;
  std::unique_ptr<TPageNavigator> navigator_;
  std::string shutdownAction_;
  bool allowEsc_ = false;
  bool allowPageUpDown_ = false;
  bool shutdownDone_ = false;
};

}  // namespace orv
