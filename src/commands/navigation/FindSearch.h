#pragma once
// The search behind the Find window: where it is in its scope (pages, the
// stages of a page, the objects on it and the stages of an object, the text
// files that text windows of the scope show) and the step to the next
// match. Showing a match is the window's; this only finds it.
#include <QPointer>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "objects/OrvalisObj.h"

namespace orv {

class TWorkForm;
class TOrvalisBackground;

namespace rt {
class RichTextDocument;
}

// Stages of a page.
enum TFindPageStage : int { fpObjects = 1, fpEnterAction = 2, fpExitAction = 3, fpTextFiles = 4, fpDone = 5 };
// Stages of an object.
enum TFindObjectStage : int { foText = 1, foLinks = 2, foCaption = 3, foItems = 4, foActions = 5, foDone = 6 };
// Why a search stopped before its scope was searched through.
enum TFindStopReason : int { fsNone = 0, fsUnknownPage = 1, fsException = 2 };

// A text file a text window of the scope shows.
struct TFindFile {
  std::string Key;   // the name, variables replaced, upper-cased
  std::string Name;  // the name as the line gives it, variables replaced
  std::string Line;  // the TextWindow line that shows it
};

struct TFindState {
  std::string searchText;  // upper-cased
  std::string scope;       // "CURRENT", "ALL" or page names separated by "|"
  int scopeMode = 0;       // 0 one page, 1 all pages, 2 a list of names
  int scopeItem = 1;       // 1-based: the next name taken from the list
  int pageIndex = -1;      // -1: no search under way
  int objectIndex = 0;     // among the page's searchable objects
  int objectStage = foText;
  int pageStage = fpObjects;
  QPointer<TOrvalisObj> lastObject;
  std::string lastFile;
  int matchPosition = -1;
  int matchLength = -1;
  std::vector<TFindFile> fileList;
  int fileIndex = 0;
  int stopReason = fsNone;

  bool Searching() const { return pageIndex >= 0; }
};

// What the last step found.
struct TFindMatch {
  enum Kind { fmText, fmCaption, fmItem, fmFile };
  Kind kind = fmText;
  int page = 0;
  TOrvalisObj* object = nullptr;  // none for a file
  const TFindFile* file = nullptr;
  rt::RichTextDocument* text = nullptr;  // searched text (object or file)
  int position = 0;
  int length = 0;
};

class TFindSearch {
 public:
  explicit TFindSearch(TWorkForm& window);
  ~TFindSearch();
  TFindSearch(const TFindSearch&) = delete;
  TFindSearch& operator=(const TFindSearch&) = delete;

  TFindState& State() { return state_; }
  const TFindState& State() const { return state_; }

  // Back to the start of the scope: no page, first stages, no match, no
  // files. The search text and scope stay.
  void Reset();
  // Searches on from the state for `text` (upper-cased here); true with
  // `match` set when something was found. False when the scope is searched
  // through or a stop reason ended it. A text that is empty or only "*"
  // finds nothing.
  bool Next(std::string_view text, TFindMatch& match);

  // The objects of page `index` searched in their order: the master page's
  // (when the page shows it), then the page's own, groups and containers
  // before their members; invisible ones and those outside the publication
  // area left out, with what they hold.
  static std::vector<TOrvalisObj*> SearchableObjects(const TWorkForm& window, int index);
  // Adds the files of the TextWindow lines of `script` to `files` (each
  // once, by its upper-cased name); variables replaced through `window`.
  static void CollectTextWindows(std::string_view script, TWorkForm& window, std::vector<TFindFile>& files);

 private:
  bool StartScope();
  bool NextPage();
  bool SearchPage(TFindMatch& match);
  bool SearchObject(TOrvalisObj& object, TFindMatch& match);
  bool SearchFiles(TFindMatch& match);
  rt::RichTextDocument& FileDocument(const TFindFile& file);
  // Takes the next name of the list; false at its end or for an unknown
  // name (which sets the stop reason and "[LastError]").
  bool TakeListedPage();
  void NewPage(int index);
  void Record(TFindMatch& match, TFindMatch::Kind kind, int position, int length);

  TWorkForm& window_;
  TFindState state_;
  std::string pattern_;  // Windows-1252, upper-cased
  std::unique_ptr<rt::RichTextDocument> fileDocument_;
  int fileDocumentIndex_ = -1;
};

}  // namespace orv
