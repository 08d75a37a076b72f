#include "container/Publication.h"

#include <functional>

#include "container/DocumentKeyIndex.h"
#include "container/DocumentLineReader.h"

namespace orv {

KeyList Publication::ObjectKeys(const PublicationObject& object) const {
  // Only the objects of the table are remembered; a copy made elsewhere is
  // converted again each time.
  const PublicationObject* const first = objects.data();
  if (std::less<>{}(&object, first) || !std::less<>{}(&object, first + objects.size()))
    return ConvertObjectKeys(object);
  const auto index = static_cast<std::size_t>(&object - first);
  if (converted_.size() != objects.size()) converted_.resize(objects.size());
  ConvertedKeys& converted = converted_[index];
  if (!converted.done) {
    converted.keys = ConvertObjectKeys(object);
    converted.done = true;
  }
  return converted.keys;
}

KeyList Publication::ConvertObjectKeys(const PublicationObject& object) const {
  KeyList keys;
  for (std::uint32_t i = 0; i < object.runCount; ++i) {
    const DocumentLineRun& run = objectLines[object.firstRun + i];
    const char* const end = run.begin + run.size;
    // The runs lie in the text store's blocks, with the line reader's
    // read-ahead behind them, as the lookup and the conversion need.
    for (const char* at = run.begin; at < end;) {
      const char* const lineEnd = DocumentLineReader::FindLineEnd(at, end);
      const KeyedDocumentLine keyed =
          LookUpDocumentLine(std::string_view(at, static_cast<std::size_t>(lineEnd - at)));
      at = lineEnd + 2;
      // The other lines of the run were read at once, or ignored.
      const DocumentKey* const key = keyed.key;
      if (!key || keyed.value.empty() || key->scope != KeyScope::Object || IsReadAtOnce(*key))
        continue;
      keyStore->Append(keys, ConvertKeptDocumentValue(*key, keyed.value, *textStore));
    }
  }
  return keys;
}

const KeyValue* FindKey(std::span<const KeyValue> keys, std::string_view name) {
  const DocumentKey* known = FindDocumentKey(name);
  if (!known) return nullptr;
  for (const KeyValue& value : keys)
    if (value.key == known) return &value;
  return nullptr;
}

}  // namespace orv
