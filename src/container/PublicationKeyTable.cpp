#include "container/PublicationKeyTable.h"

namespace orv {

PublicationKeyTable::PublicationKeyTable(KeyScope scope) {
  for (const DocumentKey& key : DocumentKeys()) {
    if (key.scope != scope) continue;
    Entry entry;
    if (key.defaultText) {
      entry.value = ConvertDocumentValue(key, key.defaultText, nullptr);
      entry.hasValue = true;
    } else {
      entry.value.key = &key;
    }
    entries_.push_back(std::move(entry));
  }
}

void PublicationKeyTable::Set(KeyValue value) {
  for (Entry& entry : entries_) {
    if (entry.value.key != value.key) continue;
    entry.value = std::move(value);
    entry.hasValue = entry.given = true;
    return;
  }
}

const PublicationKeyTable::Entry* PublicationKeyTable::FindEntry(std::string_view key) const {
  const DocumentKey* known = FindDocumentKey(key);
  if (!known) return nullptr;
  for (const Entry& entry : entries_)
    if (entry.value.key == known) return &entry;
  return nullptr;
}

const KeyValue* PublicationKeyTable::Find(std::string_view key) const {
  const Entry* entry = FindEntry(key);
  return entry && entry->hasValue ? &entry->value : nullptr;
}

bool PublicationKeyTable::Given(std::string_view key) const {
  const Entry* entry = FindEntry(key);
  return entry && entry->given;
}

std::int32_t PublicationKeyTable::Number(std::string_view key) const {
  const KeyValue* value = Find(key);
  return value ? value->Number() : 0;
}

bool PublicationKeyTable::Yes(std::string_view key) const {
  const KeyValue* value = Find(key);
  return value && value->Yes();
}

std::string_view PublicationKeyTable::Text(std::string_view key) const {
  const KeyValue* value = Find(key);
  return value ? value->Text() : std::string_view();
}

}  // namespace orv
