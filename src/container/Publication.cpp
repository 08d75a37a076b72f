#include "container/Publication.h"

namespace orv {

const KeyValue* FindKey(std::span<const KeyValue> keys, std::string_view name) {
  const DocumentKey* known = FindDocumentKey(name);
  if (!known) return nullptr;
  for (const KeyValue& value : keys)
    if (value.key == known) return &value;
  return nullptr;
}

}  // namespace orv
