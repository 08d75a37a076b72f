#pragma once
// Pages of text objects built from document lines (a master page and
// ordinary pages), with a host that runs scripts, keeps variables, has a
// publication folder of its own and counts progress steps. Pages are
// entered and left as the page list does it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "base/HostPath.h"
#include "commands/CoreCommands.h"
#include "container/DocumentReader.h"
#include "container/Publication.h"
#include "objects/ObjectFactory.h"
#include "objects/ObjectHost.h"
#include "objects/ObjectWindowFixture.h"
#include "pages/BackgroundMessages.h"
#include "pages/OrvalisBackground.h"
#include "richtext/RichTextDocument.h"
#include "richtext/RichTextView.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/HeadlessScriptHost.h"
#include "script/Vars.h"

namespace orv::test {

class TextHost : public TObjectHost {
 public:
  TextHost() { RegisterCoreCommands(engine.Commands()); }
  TScriptEngine& Engine() override { return engine; }
  const QCursor& Cursor(int) const override { return cursor; }
  void BeginProgress(int maximum) override {
    progressMaximum = maximum;
    ++progressRuns;
  }
  void StepProgress() override { ++progressSteps; }
  void EndProgress() override {}
  void ShowObjectPage(TOrvalisObj& object) override { shownObjects.push_back(&object); }

  THeadlessVarHost varHost;
  TVars vars{varHost};
  THeadlessScriptHost scripts{nullptr};
  TScriptEngine engine{vars, scripts};
  QCursor cursor;
  int progressMaximum = 0;
  int progressRuns = 0;
  int progressSteps = 0;
  std::vector<TOrvalisObj*> shownObjects;
};

class TextPages {
 public:
  // `document` holds "MasterPage" and "NewPage=" sections with objects.
  // The publication folder is a fresh temporary folder.
  explicit TextPages(const std::string& document, QSize size = QSize(300, 200)) {
    folder_ = std::make_unique<QTemporaryDir>();
    host.varHost.SetValue(svPubDir, AnsiFromHostPath(folder_->path().toStdString()));
    std::string error;
    read_ = ReadPublicationDocument(document, false, document.size(), {}, publication_, error);
    EXPECT_TRUE(read_) << error;
    for (std::size_t i = 0; i < publication_.pages.size(); ++i) {
      auto page = std::make_unique<TOrvalisBackground>();
      page->resize(size);
      page->SetPublicationArea(QRect(QPoint(0, 0), size));
      BuildPageObjects(publication_, publication_.pages[i].objects, *page, &host);
      pages_.push_back(std::move(page));
    }
  }

  // A file in the publication folder; its full name.
  std::string WriteFile(const std::string& name, const std::string& bytes) {
    const std::string path = folder_->filePath(QString::fromStdString(name)).toStdString();
    std::ofstream(path, std::ios::binary) << bytes;
    return AnsiFromHostPath(path);
  }
  std::string Folder() const { return folder_->path().toStdString(); }

  std::vector<TOrvalisBackground*> Backgrounds() {
    std::vector<TOrvalisBackground*> out;
    for (auto& page : pages_) out.push_back(page.get());
    return out;
  }
  TOrvalisBackground& Page(std::size_t index) { return *pages_.at(index); }
  void Load() {
    for (auto& page : pages_) page->Notify(kMsgLoaded, "", "", false);
  }
  // Shows page `index` (with the master page's objects) as the page list does.
  void Enter(std::size_t index) {
    pages_.at(index)->show();
    pages_.at(index)->NotifyObjects(kMsgPageEntering, "", "", false);
    pages_.at(index)->NotifyObjects(kMsgPageShown, "", "", false);
  }
  void Leave(std::size_t index) {
    pages_.at(index)->NotifyObjects(kMsgPageLeaving, "", "", false);
    pages_.at(index)->hide();
  }
  template <typename T>
  T* Find(std::size_t page, const std::string& name) {
    auto* object = dynamic_cast<T*>(pages_.at(page)->FindObjectOnPage(name));
    EXPECT_NE(object, nullptr) << name;
    return object;
  }
  std::string Var(const std::string& name) { return host.vars.GetVar(name); }
  void Set(const std::string& name, const std::string& value) { host.vars.SetVar(name, value); }
  // Lets posted work (scripts, reflow requests) run.
  static void Settle() {
    for (int i = 0; i < 5; ++i) QApplication::processEvents();
  }

  TextHost host;

 private:
  std::unique_ptr<QTemporaryDir> folder_;
  Publication publication_;
  bool read_ = false;
  std::vector<std::unique_ptr<TOrvalisBackground>> pages_;
};

// Clicks just inside the first character of `text` in the view.
inline void ClickText(rt::RichTextView& view, std::string_view text) {
  const std::optional<rt::TextRange> found = view.RichText()->Find(text, 0);
  ASSERT_TRUE(found.has_value()) << text;
  QTextCursor c(view.document());
  c.setPosition(found->start);
  const QRect r = view.cursorRect(c);
  QTest::mouseClick(view.viewport(), Qt::LeftButton, {}, QPoint(r.right() + 3, r.center().y()));
}

// Document lines joined with CR LF.
inline std::string Lines(std::initializer_list<std::string_view> lines) {
  std::string text;
  for (const std::string_view line : lines) {
    text += line;
    text += "\r\n";
  }
  return text;
}

}  // namespace orv::test
