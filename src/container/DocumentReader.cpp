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

// Values are converted where the reader keeps its lines.
static_assert(DocumentLineReader::kReadAhead >= document_value::kValueReadAhead);
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
      : scanner_(lines), options_(options), publication_(publication),
        store_(*publication.textStore), keyStore_(*publication.keyStore) {}

  void Run() {
    std::string_view line;
    // Only the lines that may carry a key read at once come out; the rest
    // are the current object's, taken from its runs when asked for.
    while (scanner_.Next(line)) {
      const KeyedDocumentLine keyed = LookUpDocumentLine(line);
      if (keyed.value.empty() || !keyed.key || !IsReadAtOnce(*keyed.key)) continue;
      // The current object's run of lines ends where another object may
      // become current, or a menu section is read (which reads on by
      // itself); the other keys read at once stay in it and are passed over
      // when its keys are asked for.
      if (EndsRun(*keyed.key)) {
        EndRun(line.data());
        Dispatch(*keyed.key, keyed.value);
        scanner_.BeginRun();
      } else {
        Dispatch(*keyed.key, keyed.value);
      }
    }
    EndRun(nullptr);
    SetCurrent(kNone);
    LayOutObjects();
  }

 private:
  static std::int32_t ReadNumber(std::string_view value) {
    std::int32_t number;
    if (!document_value::ReadPlainDecimal(value, number)) number = ReadDocumentInteger(value);
    return number;
  }

  static bool EndsRun(const DocumentKey& key) {
    switch (key.role) {
      case KeyRole::ObjectType:
      case KeyRole::NewPage:
      case KeyRole::MasterPage:
      case KeyRole::MenuBegin:
      case KeyRole::TrayMenuBegin:
        return true;
      default:
        return false;
    }
  }

  // The lines read while an object was current are its own.
  void EndRun(const char* at) {
    scanner_.EndRun(at, [this](std::string_view lines) { KeepLines(lines); });
  }

  void KeepLines(std::string_view lines) {
    if (current_ == kNone) return;
    std::vector<DocumentLineRun>& runs = publication_.objectLines;
    PublicationObject& object = created_[current_];
    if (object.runCount == 0) object.firstRun = static_cast<std::uint32_t>(runs.size());
    runs.push_back(DocumentLineRun{lines.data(), lines.size()});
    ++object.runCount;
  }

  // Whose child an object is: a page, or a group or container, by index.
  struct Parent {
    bool page;
    std::uint32_t index;
  };

  // One open group or container. A section opened where it cannot be (no
  // group or container current, or nested too deep) is still counted so its
  // end closes it, but its children go to the level below.
  struct Level {
    Parent parent;
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
      keyStore_.Append(publication_.pages[page_].keys, Convert(key, value));
    }
  }

  // A page change closes whatever groups are still open, so the objects of
  // the new page never land inside a group of the previous one.
  void EnterPage(std::size_t index) {
    SetCurrent(kNone);
    page_ = index;
    levels_.assign(1, Level{Parent{true, static_cast<std::uint32_t>(index)}, false});
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
    created_.emplace_back().type = type;
    parents_.push_back(levels_.back().parent);
    SetCurrent(created_.size() - 1);
    if (type == kLinkedArticleObjectType) ++publication_.linkedArticleCount;
  }

  void BeginGroup() {
    if (levels_.empty()) return;
    const int type = current_ != kNone ? created_[current_].type : 0;
    const bool opens = depth_ < kMaxDocumentNesting &&
                       (type == kGroupObjectType || type == kContainerObjectType);
    if (opens) {
      levels_.push_back(Level{Parent{false, static_cast<std::uint32_t>(current_)}, true});
      ++depth_;
    } else {
      levels_.push_back(Level{levels_.back().parent, false});
    }
  }

  // Puts the objects into the publication's table so the objects of a page,
  // and the children of a group, follow one another in the order read.
  void LayOutObjects() {
    const std::size_t pages = publication_.pages.size();
    const std::size_t count = created_.size();
    // Each page and each object has a run of children; runs[i] is where
    // that of page i (or of object i - pages) starts.
    const auto runOf = [pages](Parent parent) {
      return parent.page ? parent.index : pages + parent.index;
    };
    std::vector<std::uint32_t> runs(pages + count + 1, 0);
    for (const Parent parent : parents_) ++runs[runOf(parent) + 1];
    for (std::size_t i = 1; i < runs.size(); ++i) runs[i] += runs[i - 1];
    std::vector<std::uint32_t> place(count);
    std::vector<std::uint32_t> next(runs.begin(), runs.end() - 1);
    for (std::size_t i = 0; i < count; ++i) place[i] = next[runOf(parents_[i])]++;

    std::vector<PublicationObject>& table = publication_.objects;
    table.resize(count);
    for (std::size_t i = 0; i < count; ++i) table[place[i]] = created_[i];
    const auto runAt = [&](std::size_t run) {
      return std::span<const PublicationObject>(table.data() + runs[run], runs[run + 1] - runs[run]);
    };
    for (std::size_t p = 0; p < pages; ++p) publication_.pages[p].objects = runAt(p);
    for (std::size_t i = 0; i < count; ++i) table[place[i]].children = runAt(pages + i);
    created_.clear();
    parents_.clear();
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

  // Reads items up to the section's "MenuEnd" or the end of the document.
  void ReadMenu(std::vector<PublicationMenuItem>& top) {
    std::vector<MenuLevel> levels{MenuLevel{&top, kNone, false}};
    int depth = 0;
    std::string_view line;
    while (scanner_.NextLine(line)) {
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

  void SetCurrent(std::size_t object) { current_ = object; }

  static constexpr std::size_t kNoPage = static_cast<std::size_t>(-1);
  static constexpr std::size_t kNone = static_cast<std::size_t>(-1);

  DocumentLineScanner scanner_;
  const DocumentReadOptions& options_;
  Publication& publication_;
  DocumentTextStore& store_;
  KeyValueStore& keyStore_;
  PublicationPageNames names_;
  std::size_t page_ = kNoPage;
  // The objects in the order read, with whose children they are; laid out
  // in the publication's table at the end.
  std::vector<PublicationObject> created_;
  std::vector<Parent> parents_;
  std::size_t current_ = kNone;  // index into created_
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
