#include "container/DocumentReader.h"

#include <array>
#include <cstdlib>
#include <span>
#include <new>
#include <vector>

#include "base/ErrorText.h"
#include "container/DocumentInflateSource.h"
#include "container/DocumentKeyIndex.h"
#include "container/DocumentLineScanner.h"
#include "container/DocumentMemorySource.h"
#include "container/PublicationPageNames.h"

namespace orv {
namespace {

// Values are converted, and lines scanned, where the reader keeps its lines.
static_assert(DocumentLineReader::kReadAhead >= document_value::kValueReadAhead);
static_assert(DocumentLineReader::kReadAhead >= DocumentLineScanner::kReadAhead);
static_assert(DocumentLineReader::kReadAhead >= kLongestDocumentKey);

bool IsAcceptedColourCount(std::int32_t colours) {
  switch (colours) {
    case 2:
    case 16:
    case 256:
    case 32768:
    case 65536:
    case 16777216:
      return true;
    default:
      return false;
  }
}

class DocumentReader {
 public:
  DocumentReader(DocumentLineReader& lines, const DocumentReadOptions& options,
                 Publication& publication)
      : lines_(lines), options_(options), publication_(publication),
        store_(*publication.textStore) {}

  void Run() {
    std::string_view line;
    while (NextPiece()) {
      // A run goes on into the next piece when that one follows in memory.
      if (cursor_ != runPieceEnd_) {
        CloseRun(runPieceEnd_);
        OpenRun(cursor_);
      }
      scanner_.Start(cursor_, pieceEnd_);
      // Only the lines that may carry a key read at once come out; the rest
      // are the current object's, taken from its runs when asked for.
      while (scanner_.Next(line)) {
        const KeyedDocumentLine keyed = LookUpDocumentLine(line);
        if (keyed.value.empty() || !keyed.key || !IsReadAtOnce(*keyed.key)) continue;
        CloseRun(line.data());
        cursor_ = scanner_.Position();
        const char* const pieceEnd = pieceEnd_;
        Dispatch(*keyed.key, keyed.value);
        OpenRun(cursor_);
        // A menu section reads on by itself.
        if (cursor_ != scanner_.Position() || pieceEnd_ != pieceEnd)
          scanner_.Start(cursor_, pieceEnd_);
      }
      runPieceEnd_ = pieceEnd_;
    }
    CloseRun(runPieceEnd_);
    SetCurrent(nullptr);
  }

 private:
  static std::int32_t ReadNumber(std::string_view value) {
    std::int32_t number;
    if (!document_value::ReadPlainDecimal(value, number)) number = ReadDocumentInteger(value);
    return number;
  }

  // The current object's lines from `at` on belong to it.
  void OpenRun(const char* at) { runStart_ = current_ ? at : nullptr; }

  // The current object's run of lines ends before `at`.
  void CloseRun(const char* at) {
    if (current_ && runStart_ && at > runStart_) {
      std::vector<DocumentLineRun>& runs = publication_.objectLines;
      if (current_->runCount == 0) current_->firstRun = static_cast<std::uint32_t>(runs.size());
      runs.push_back(DocumentLineRun{runStart_, static_cast<std::size_t>(at - runStart_)});
      ++current_->runCount;
    }
    runStart_ = nullptr;
  }

  // One open group or container. A section opened where it cannot be (no
  // group or container current, or nested too deep) is still counted so its
  // end closes it, but its children go to the level below.
  struct Level {
    std::vector<PublicationObject>* objects;
    bool counted;
  };

  struct MenuLevel {
    std::vector<PublicationMenuItem>* items;
    std::size_t current;  // index into items, or npos
    bool counted;
  };

  void Dispatch(const DocumentKey& key, std::string_view value) {
    switch (key.scope) {
      case KeyScope::Publication:
        SetSetting(key, value);
        break;
      case KeyScope::Text:
        publication_.texts.Set(Convert(key, value));
        break;
      case KeyScope::Page:
        PageKey(key, value);
        break;
      case KeyScope::Object:
        ObjectKey(key, value);
        break;
      case KeyScope::Menu:
        MenuSection(key);
        break;
      case KeyScope::Ignored:
        break;
    }
  }

  void SetSetting(const DocumentKey& key, std::string_view value) {
    if (key.role == KeyRole::TestRunOnly && !options_.testRun) return;
    KeyValue converted = Convert(key, value);
    if (key.name == "SCREENCOLORS=" && !IsAcceptedColourCount(converted.Number())) return;
    publication_.settings.Set(std::move(converted));
  }

  void PageKey(const DocumentKey& key, std::string_view value) {
    if (key.role == KeyRole::NewPage) {
      std::string name = names_.Claim(value);
      publication_.pages.emplace_back().name = std::move(name);
      EnterPage(publication_.pages.size() - 1);
    } else if (key.role == KeyRole::MasterPage) {
      EnterPage(0);
    } else if (page_ != kNoPage) {
      publication_.pages[page_].keys.push_back(Convert(key, value));
    }
  }

  // A page change closes whatever groups are still open, so the objects of
  // the new page never land inside a group of the previous one.
  void EnterPage(std::size_t index) {
    SetCurrent(nullptr);
    page_ = index;
    levels_.assign(1, Level{&publication_.pages[index].objects, false});
    depth_ = 0;
  }

  void ObjectKey(const DocumentKey& key, std::string_view value) {
    switch (key.role) {
      case KeyRole::ObjectType:
        StartObject(ReadNumber(value));
        break;
      case KeyRole::GroupBegin:
        BeginGroup();
        break;
      case KeyRole::GroupEnd:
        EndGroup();
        break;
      default:
        break;  // properties are converted when asked for
    }
  }

  void StartObject(std::int32_t type) {
    // Other types create nothing and the previous object stays current.
    if (type < kFirstObjectType || type > kLastObjectType || levels_.empty()) return;
    SetCurrent(nullptr);
    std::vector<PublicationObject>& objects = *levels_.back().objects;
    PublicationObject& object = objects.emplace_back();
    object.type = type;
    SetCurrent(&object);
    if (type == kLinkedArticleObjectType) ++publication_.linkedArticleCount;
  }

  void BeginGroup() {
    if (levels_.empty()) return;
    const bool opens = current_ && depth_ < kMaxDocumentNesting &&
                       (current_->type == kGroupObjectType ||
                        current_->type == kContainerObjectType);
    if (opens) {
      levels_.push_back(Level{&current_->children, true});
      ++depth_;
    } else {
      levels_.push_back(Level{levels_.back().objects, false});
    }
  }

  // The last child read stays the current object. An end with nothing open
  // is ignored.
  void EndGroup() {
    if (levels_.size() <= 1) return;
    if (levels_.back().counted) --depth_;
    levels_.pop_back();
  }

  void MenuSection(const DocumentKey& key) {
    if (key.role == KeyRole::MenuBegin) {
      std::vector<PublicationMenuItem> items;
      ReadMenu(items);
      publication_.menuBar = std::move(items);
      publication_.hasMenuBar = true;
    } else if (key.role == KeyRole::TrayMenuBegin) {
      // Outside a tray application the whole section is read and dropped:
      // skipping only its first line would make a tray submenu the menu bar.
      std::vector<PublicationMenuItem> items;
      ReadMenu(items);
      if (options_.trayApplication) {
        publication_.trayMenu = std::move(items);
        publication_.hasTrayMenu = true;
      }
    }
    // Item keys outside a menu section are ignored.
  }

  // The next piece of whole lines into the cursor.
  bool NextPiece() {
    std::string_view piece;
    if (!lines_.NextLines(piece)) return false;
    cursor_ = piece.data();
    pieceEnd_ = piece.data() + piece.size();
    return true;
  }

  // The next line at the cursor; false at the end of the document.
  bool NextLine(std::string_view& line) {
    if (cursor_ >= pieceEnd_ && !NextPiece()) return false;
    const char* const lineEnd = DocumentLineReader::FindLineEnd(cursor_, pieceEnd_);
    line = std::string_view(cursor_, static_cast<std::size_t>(lineEnd - cursor_));
    cursor_ = lineEnd + 2;
    return true;
  }

  // Reads items up to the section's "MenuEnd" or the end of the document.
  void ReadMenu(std::vector<PublicationMenuItem>& top) {
    std::vector<MenuLevel> levels{MenuLevel{&top, kNone, false}};
    int depth = 0;
    std::string_view line;
    while (NextLine(line)) {
      const KeyedDocumentLine parts = LookUpDocumentLine(line);
      if (parts.value.empty()) continue;
      const DocumentKey* key = parts.key;
      if (!key || key->scope != KeyScope::Menu) continue;
      MenuLevel& level = levels.back();
      switch (key->role) {
        case KeyRole::MenuEnd:
          if (levels.back().counted) --depth;
          levels.pop_back();
          if (levels.empty()) return;
          break;
        case KeyRole::MenuBegin:
          // Without a current item there is nothing to open: ignored.
          if (level.current == kNone) break;
          if (depth < kMaxDocumentNesting) {
            levels.push_back(MenuLevel{&(*level.items)[level.current].children, kNone, true});
            ++depth;
          } else {
            levels.push_back(MenuLevel{level.items, level.current, false});
          }
          break;
        case KeyRole::MenuName:
          level.items->emplace_back().name.assign(parts.value);
          level.current = level.items->size() - 1;
          break;
        case KeyRole::TrayMenuBegin:
          break;
        default:
          if (level.current != kNone)
            (*level.items)[level.current].keys.push_back(Convert(*key, parts.value));
          break;
      }
    }
  }

  // Every value is a line the reader keeps in the publication's store.
  KeyValue Convert(const DocumentKey& key, std::string_view value) {
    return ConvertKeptDocumentValue(key, value, store_);
  }

  void SetCurrent(PublicationObject* object) { current_ = object; }

  static constexpr std::size_t kNoPage = static_cast<std::size_t>(-1);
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  DocumentLineReader& lines_;
  // The unread rest of the current piece of lines, while a line is
  // dispatched: the cursor may run past pieceEnd_ after the last line of
  // the document, which has no CR LF.
  const char* cursor_ = nullptr;
  const char* pieceEnd_ = nullptr;
  DocumentLineScanner scanner_;
  // Where the current object's open run of lines starts, and where the
  // piece it was last seen in ends.
  const char* runStart_ = nullptr;
  const char* runPieceEnd_ = nullptr;
  const DocumentReadOptions& options_;
  Publication& publication_;
  DocumentTextStore& store_;
  PublicationPageNames names_;
  std::size_t page_ = kNoPage;
  PublicationObject* current_ = nullptr;
  std::vector<Level> levels_;
  int depth_ = 0;
};

}  // namespace

bool ReadPublicationDocument(DocumentSource& source, std::uint64_t total,
                             const DocumentReadOptions& options, Publication& publication,
                             std::string& error) {
  error.clear();
  try {
    DocumentLineReader lines(source, total, options.progress, publication.textStore.get());
    DocumentReader(lines, options, publication).Run();
    error = lines.Failure();
  } catch (const std::bad_alloc&) {
    error = ErrorText(err::kOutOfMemory);
  }
  return error.empty();
}

bool ReadPublicationDocument(std::string_view bytes, bool compressed, std::uint64_t unpackedSize,
                             const DocumentReadOptions& options, Publication& publication,
                             std::string& error) {
  DocumentMemorySource memory(bytes);
  if (!compressed) return ReadPublicationDocument(memory, bytes.size(), options, publication, error);
  DocumentInflateSource inflated(memory);
  return ReadPublicationDocument(inflated, unpackedSize, options, publication, error);
}

}  // namespace orv
