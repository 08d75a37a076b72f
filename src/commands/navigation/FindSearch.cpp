#include "commands/navigation/FindSearch.h"

#include <algorithm>

#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "base/Messages.h"
#include "objects/text/ArticleFile.h"
#include "pages/OrvalisBackground.h"
#include "pages/Page.h"
#include "pages/PageList.h"
#include "richtext/RichTextDocument.h"
#include "script/Engine.h"
#include "script/ScriptLines.h"
#include "script/Vars.h"

namespace orv {

namespace {

constexpr char kPilcrow = '\xB6';

void CollectObject(TBackgroundObject* item, std::vector<TOrvalisObj*>& out) {
  auto* object = dynamic_cast<TOrvalisObj*>(item);
  if (object == nullptr || !object->VisibleState() || !object->InPublicationArea()) return;
  out.push_back(object);
  for (TBackgroundObject* child : object->ChildObjects()) CollectObject(child, out);
}

// "TEXTWINDOW" options: the last parameter.
bool WordWrapOption(const TFindFile& file) {
  const SplitParams params = SplitParameters(StripLeadingBlanks(file.Line));
  return params.Count >= 7 && AnsiFindText(params.Params[6], "WORDWRAP") != std::string::npos;
}

}  // namespace

TFindSearch::TFindSearch(TWorkForm& window) : window_(window) {}
TFindSearch::~TFindSearch() = default;

void TFindSearch::Reset() {
  state_.scopeMode = 0;
  state_.scopeItem = 1;
  state_.pageIndex = -1;
  state_.objectIndex = 0;
  state_.objectStage = foText;
  state_.pageStage = fpObjects;
  state_.lastObject = nullptr;
  state_.lastFile.clear();
  state_.matchPosition = -1;
  state_.matchLength = -1;
  state_.fileList.clear();
  state_.fileIndex = 0;
  state_.stopReason = fsNone;
  fileDocument_.reset();
  fileDocumentIndex_ = -1;
}

// --- Objects and scripts -------------------------------------------------------------

std::vector<TOrvalisObj*> TFindSearch::SearchableObjects(const TWorkForm& window, int index) {
  std::vector<TOrvalisObj*> out;
  const TOVPage* page = window.Pages().Page(index);
  if (page == nullptr) return out;
  const TOrvalisBackground& background = page->Background();
  const TOVPage* masterPage = window.Pages().Page(0);
  if (index > 0 && masterPage != nullptr && background.ShowMasterPage())
    for (TBackgroundObject* item : masterPage->Background().Objects()) CollectObject(item, out);
  for (TBackgroundObject* item : background.Objects()) CollectObject(item, out);
  return out;
}

void TFindSearch::CollectTextWindows(std::string_view script, TWorkForm& window, std::vector<TFindFile>& files) {
  for (std::string_view raw : SplitScriptLines(script)) {
    const std::string_view line = StripLeadingBlanks(raw);
    const std::string upperWord = AnsiUpperCase(CommandWord(line));
    if (ClassifyCommandWord(upperWord) != LineKind::lkCommand || upperWord != "TEXTWINDOW") continue;
    const SplitParams params = SplitParameters(line);
    if (!params.Ok || params.Count < 6) continue;
    std::string name = std::string(TrimBlanks(window.Engine().Vars().SubstituteVars(params.Params[5])));
    if (!name.empty() && name.front() == '!') name.erase(0, 1);
    if (name.empty()) continue;
    std::string key = AnsiUpperCase(name);
    const bool known = std::any_of(files.begin(), files.end(), [&](const TFindFile& f) { return f.Key == key; });
    if (!known) files.push_back(TFindFile{std::move(key), std::move(name), std::string(line)});
  }
}

// --- The walk ---------------------------------------------------------------------------

bool TFindSearch::Next(std::string_view text, TFindMatch& match) {
  pattern_ = AnsiUpperCase(text);
  state_.searchText = pattern_;
  state_.stopReason = fsNone;
  // Nothing but "*": every place would match with nothing, and Find Next
  // would never move on.
  if (pattern_.find_first_not_of('*') == std::string::npos) {
    state_.pageIndex = -1;
    return false;
  }
  if (!state_.Searching() && !StartScope()) return false;
  while (state_.Searching()) {
    if (SearchPage(match)) return true;
    if (!NextPage()) break;
  }
  state_.pageIndex = -1;
  return false;
}

bool TFindSearch::StartScope() {
  const std::string scope(TrimBlanks(state_.scope));
  if (scope.empty() || AnsiSameText(scope, "CURRENT")) {
    state_.scopeMode = 0;
    const int current = window_.Pages().PageIndex();
    if (current < 1 || current >= window_.Pages().Count()) return false;
    NewPage(current);
    return true;
  }
  if (AnsiSameText(scope, "ALL")) {
    state_.scopeMode = 1;
    if (window_.Pages().Count() < 2) return false;
    NewPage(1);
    return true;
  }
  state_.scopeMode = 2;
  state_.scopeItem = 1;
  return TakeListedPage();
}

bool TFindSearch::NextPage() {
  switch (state_.scopeMode) {
    case 1:
      if (state_.pageIndex + 1 >= window_.Pages().Count()) return false;
      NewPage(state_.pageIndex + 1);
      return true;
    case 2:
      return TakeListedPage();
    default:
      return false;
  }
}

bool TFindSearch::TakeListedPage() {
  std::string_view rest = state_.scope;
  for (int i = 1; i < state_.scopeItem; ++i) {
    const std::size_t bar = rest.find('|');
    // Past the last name: the list is done.
    if (bar == std::string_view::npos) return false;
    rest.remove_prefix(bar + 1);
  }
  const std::string_view name = TrimBlanks(rest.substr(0, rest.find('|')));
  ++state_.scopeItem;
  const int index = window_.Pages().IndexOfName(name);
  if (index < 1) {
    state_.stopReason = fsUnknownPage;
    state_.pageIndex = -1;
    window_.Engine().Vars().SetLastError("\"" + std::string(name) + "\"||" + std::string(Message(msg::kNoPage)));
    return false;
  }
  NewPage(index);
  return true;
}

void TFindSearch::NewPage(int index) {
  state_.pageIndex = index;
  state_.pageStage = fpObjects;
  state_.objectIndex = 0;
  state_.objectStage = foText;
  state_.lastObject = nullptr;
  state_.lastFile.clear();
  state_.matchPosition = -1;
  state_.matchLength = -1;
}

void TFindSearch::Record(TFindMatch& match, TFindMatch::Kind kind, int position, int length) {
  match.kind = kind;
  match.page = state_.pageIndex;
  match.position = position;
  match.length = length;
  state_.matchPosition = position;
  state_.matchLength = length;
}

bool TFindSearch::SearchPage(TFindMatch& match) {
  const TOVPage* page = window_.Pages().Page(state_.pageIndex);
  if (page == nullptr) return false;
  if (state_.pageStage == fpObjects) {
    const std::vector<TOrvalisObj*> objects = SearchableObjects(window_, state_.pageIndex);
    for (; state_.objectIndex < static_cast<int>(objects.size()); ++state_.objectIndex) {
      TOrvalisObj* object = objects[state_.objectIndex];
      // The list changed since the last match: this object starts afresh.
      if (object != state_.lastObject) {
        state_.objectStage = foText;
        state_.matchPosition = -1;
        state_.matchLength = -1;
        state_.lastObject = object;
      }
      if (SearchObject(*object, match)) return true;
      state_.lastObject = nullptr;
    }
    state_.lastObject = nullptr;
    state_.matchPosition = -1;
    state_.matchLength = -1;
    state_.pageStage = fpEnterAction;
  }
  if (state_.pageStage == fpEnterAction) {
    CollectTextWindows(page->Background().EnterAction(), window_, state_.fileList);
    state_.pageStage = fpExitAction;
  }
  if (state_.pageStage == fpExitAction) {
    CollectTextWindows(page->Background().ExitAction(), window_, state_.fileList);
    state_.pageStage = fpTextFiles;
  }
  if (state_.pageStage == fpTextFiles) {
    if (SearchFiles(match)) return true;
    state_.pageStage = fpDone;
  }
  return false;
}

bool TFindSearch::SearchObject(TOrvalisObj& object, TFindMatch& match) {
  TFindParts parts = object.FindParts();
  match.object = &object;
  match.file = nullptr;
  match.text = parts.Text;
  if (state_.objectStage == foText) {
    if (parts.Text != nullptr) {
      const int from = state_.matchPosition >= 0 ? state_.matchPosition + std::max(0, state_.matchLength) : 0;
      if (const auto found = parts.Text->Find(pattern_, from)) {
        Record(match, TFindMatch::fmText, found->start, found->length);
        return true;
      }
    }
    state_.objectStage = foLinks;
    state_.matchPosition = state_.matchLength = -1;
  }
  if (state_.objectStage == foLinks) {
    if (parts.Text != nullptr)
      for (const rt::LinkInfo& link : parts.Text->Links()) {
        std::string script = link.target;
        for (std::size_t at = script.find(kPilcrow); at != std::string::npos; at = script.find(kPilcrow, at + 2))
          script.replace(at, 1, "\r\n");
        CollectTextWindows(script, window_, state_.fileList);
      }
    state_.objectStage = foCaption;
  }
  if (state_.objectStage == foCaption) {
    // One match per caption: a continued search goes on past it.
    if (state_.matchPosition < 0 && !parts.Caption.empty()) {
      const std::size_t at = AnsiFindText(parts.Caption, pattern_);
      if (at != std::string::npos) {
        Record(match, TFindMatch::fmCaption, static_cast<int>(at), static_cast<int>(pattern_.size()));
        return true;
      }
    }
    state_.objectStage = foItems;
    state_.matchPosition = state_.matchLength = -1;
  }
  if (state_.objectStage == foItems) {
    const int first = state_.matchPosition >= 0 ? state_.matchPosition + 1 : 0;
    for (int i = first; i < static_cast<int>(parts.Items.size()); ++i)
      if (AnsiFindText(parts.Items[i], pattern_) != std::string::npos) {
        Record(match, TFindMatch::fmItem, i, 1);
        return true;
      }
    state_.objectStage = foActions;
    state_.matchPosition = state_.matchLength = -1;
  }
  if (state_.objectStage == foActions) {
    for (std::string_view script : parts.Actions) CollectTextWindows(script, window_, state_.fileList);
    state_.objectStage = foDone;
  }
  return false;
}

// --- Text files -------------------------------------------------------------------------

rt::RichTextDocument& TFindSearch::FileDocument(const TFindFile& file) {
  if (fileDocument_ == nullptr || fileDocumentIndex_ != state_.fileIndex) {
    fileDocument_ = std::make_unique<rt::RichTextDocument>();
    fileDocumentIndex_ = state_.fileIndex;
    const TArticleFile read = ReadArticleFile(file.Name, &window_.Engine().Vars());
    if (read.found) LoadArticleFile(*fileDocument_, read, WordWrapOption(file), 1252);
  }
  return *fileDocument_;
}

bool TFindSearch::SearchFiles(TFindMatch& match) {
  for (; state_.fileIndex < static_cast<int>(state_.fileList.size()); ++state_.fileIndex) {
    const TFindFile& file = state_.fileList[state_.fileIndex];
    const bool resuming = state_.lastFile == file.Key && state_.matchPosition >= 0;
    rt::RichTextDocument& document = FileDocument(file);
    const int from = resuming ? state_.matchPosition + std::max(0, state_.matchLength) : 0;
    if (const auto found = document.Find(pattern_, from)) {
      state_.lastObject = nullptr;
      state_.lastFile = file.Key;
      match.object = nullptr;
      match.file = &file;
      match.text = &document;
      Record(match, TFindMatch::fmFile, found->start, found->length);
      return true;
    }
    state_.lastFile.clear();
    state_.matchPosition = state_.matchLength = -1;
  }
  return false;
}

}  // namespace orv
