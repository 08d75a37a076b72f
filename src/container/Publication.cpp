#include "container/Publication.h"

namespace orv {

const KeyValue* FindKey(const std::vector<KeyValue>& keys, std::string_view name) {
  const DocumentKey* known = FindDocumentKey(name);
  if (!known) return nullptr;
  for (const KeyValue& value : keys)
    if (value.key == known) return &value;
  return nullptr;
}

}  // namespace orv
