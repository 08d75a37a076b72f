#include "container/DocumentReader.h"

#include <array>
#include <cstdlib>
#include <span>
#include <new>
#include <vector>

#include "base/ErrorText.h"
#include "container/DocumentInflateSource.h"
#include "container/DocumentKeyIndex.h"
#include "container/DocumentMemorySource.h"
#include "container/PublicationPageNames.h"

namespace orv {
namespace {

// Values are converted where the reader keeps its lines.
static_assert(DocumentLineReader::kReadAhead >= document_value::kValueReadAhead);

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
        store_(*publication.textStore), keyStore_(*publication.keyStore) {}

  void Run() {
    const DocumentKey* const first = DocumentKeys().data();
    // The lines are cut here, a piece of whole lines at a time, with the
    // cursor in locals; a line that needs more than storing hands the
    // cursor over to the members, since a menu section reads on by itself.
    const char* at = cursor_;
    const char* end = pieceEnd_;
    for (;;) {
      if (at >= end) {
        if (!NextPiece()) break;
        at = cursor_;
        end = pieceEnd_;
      }
      const char* const lineEnd = DocumentLineReader::FindLineEnd(at, end);
      const std::string_view line(at, static_cast<std::size_t>(lineEnd - at));
      at = lineEnd + 2;
      const KeyedDocumentLine keyed = LookUpDocumentLine(line);
      if (keyed.value.empty() || !keyed.key) continue;
      const DocumentKey& key = *keyed.key;
      const std::string_view value = keyed.value;
      // Most lines are an object's property: those are stored here at once,
      // converted as ConvertKeptDocumentValue does.
      switch (kSteps.steps[static_cast<std::size_t>(&key - first)]) {
        case Step::ObjectText:
          if (current_) Store(key, value, value);
          break;
        case Step::ObjectLines:
          if (current_) Store(key, value, document_value::LinesText(value, store_));
          break;
        case Step::Other:
          cursor_ = at;
          pieceEnd_ = end;
          Dispatch(key, value);
          at = cursor_;
          end = pieceEnd_;
          break;
      }
    }
    SetCurrent(nullptr);
  }

 private:
  // What a line does, by its key, so the common lines need one decision.
  enum class Step : std::uint8_t { Other, ObjectText, ObjectLines };

  struct StepTable {
    std::array<Step, 512> steps{};
  };

  static constexpr Step StepOf(const DocumentKey& key) {
    if (key.scope != KeyScope::Object || key.role != KeyRole::Plain) return Step::Other;
    // Numbers and Booleans are read from the text when asked for.
    return key.type == KeyType::Lines ? Step::ObjectLines : Step::ObjectText;
  }

  static StepTable BuildSteps() {
    StepTable table;
    const std::span<const DocumentKey> keys = DocumentKeys();
    if (keys.size() > table.steps.size()) std::abort();
    for (std::size_t i = 0; i < keys.size(); ++i) table.steps[i] = StepOf(keys[i]);
    return table;
  }
  static inline const StepTable kSteps = BuildSteps();

  static std::int32_t ReadNumber(std::string_view value) {
    std::int32_t number;
    if (!document_value::ReadPlainDecimal(value, number)) number = ReadDocumentInteger(value);
    return number;
  }

  void Store(const DocumentKey& key, std::string_view raw, std::string_view text) {
    KeyValue record;
    record.key = &key;
    record.SetRaw(raw);
    record.SetText(text);
    keyStore_.Append(current_->keys, record);
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
        if (current_) keyStore_.Append(current_->keys, Convert(key, value));
        break;
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
  const DocumentReadOptions& options_;
  Publication& publication_;
  DocumentTextStore& store_;
  KeyValueStore& keyStore_;
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
