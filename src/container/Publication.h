#pragma once
// The publication as its document describes it, before any window exists:
// settings, texts, pages with their objects, and menus. Tools print it; the
// user interface builds the real pages, objects and menus from it, applying
// each object's keys in the order they were read.
#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "container/DocumentKeys.h"
#include "container/DocumentTextStore.h"
#include "container/DocumentValue.h"
#include "container/KeyValueStore.h"
#include "container/PublicationKeyTable.h"

namespace orv {

inline constexpr int kFirstObjectType = 2;
inline constexpr int kLastObjectType = 24;
inline constexpr int kGroupObjectType = 20;
inline constexpr int kContainerObjectType = 21;
inline constexpr int kLinkedArticleObjectType = 24;

// Where some of an object's lines are in the document text the publication
// keeps: whole CR LF lines, the last one of the document perhaps without.
struct DocumentLineRun {
  const char* begin = nullptr;
  std::size_t size = 0;
};

struct PublicationObject {
  int type = 0;  // 2 to 24
  // The lines read while the object was current: runs firstRun to
  // firstRun + runCount - 1 of the publication's objectLines. Its keys are
  // taken from them when asked for (Publication::ObjectKeys).
  std::uint32_t firstRun = 0;
  std::uint32_t runCount = 0;
  std::span<const PublicationObject> children;  // groups and containers; in the
                                                // publication's object table
};

struct PublicationPage {
  std::string name;  // made unique among the pages; empty for the master page
  KeyList keys;      // page keys in the order read, in the publication's key store
  std::span<const PublicationObject> objects;  // in the publication's object table
};

struct PublicationMenuItem {
  std::string name;            // "MENUNAME=", also the first caption
  std::vector<KeyValue> keys;  // the item's other keys in the order read
  std::vector<PublicationMenuItem> children;
};

// Moves but does not copy: every value text lives in its text store, the
// keys of pages and objects in its key store, the objects in its object
// table.
struct Publication {
  std::unique_ptr<DocumentTextStore> textStore = std::make_unique<DocumentTextStore>();
  std::unique_ptr<KeyValueStore> keyStore = std::make_unique<KeyValueStore>();
  PublicationKeyTable settings{KeyScope::Publication};
  PublicationKeyTable texts{KeyScope::Text};
  std::vector<PublicationPage> pages = std::vector<PublicationPage>(1);  // [0]: master page
  bool hasMenuBar = false;     // a menu bar section was read (the last one counts)
  std::vector<PublicationMenuItem> menuBar;
  bool hasTrayMenu = false;    // read only for a tray application
  std::vector<PublicationMenuItem> trayMenu;
  int linkedArticleCount = 0;  // type-24 objects
  // Every object of every page: the objects of a page, and the children of
  // a group or container, are each one run of it in the order read.
  std::vector<PublicationObject> objects;
  std::vector<DocumentLineRun> objectLines;

  // The object's keys in the order read, "OBJECTTYPE=" not included, each
  // converted by its type. They are converted the first time they are asked
  // for: reading the document only finds its structure and the keys read
  // at once, and the conversion is paid by whoever first builds the object.
  // The records live in the key store and stay valid as long as the
  // publication. Not for use from two threads at once.
  KeyList ObjectKeys(const PublicationObject& object) const;

 private:
  KeyList ConvertObjectKeys(const PublicationObject& object) const;

  struct ConvertedKeys {
    KeyList keys;
    bool done = false;
  };
  mutable std::vector<ConvertedKeys> converted_;  // by index in `objects`
};

// The first key of that name, or null.
const KeyValue* FindKey(std::span<const KeyValue> keys, std::string_view name);

}  // namespace orv
