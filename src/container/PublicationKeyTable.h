#pragma once
// The publication-wide values of one kind of key (the settings, or the "L_"
// texts): every key of that kind with the value in force, the documented
// default until the document gives one. Values read from the document keep
// their texts in the publication's text store.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "container/DocumentKeys.h"
#include "container/DocumentValue.h"

namespace orv {

class PublicationKeyTable {
 public:
  struct Entry {
    KeyValue value;      // key is always set; the rest is empty when hasValue is false
    bool hasValue = false;  // given by the document or defaulted
    bool given = false;     // given by the document
  };

  // Every key of `scope`, in dictionary order, with its default.
  explicit PublicationKeyTable(KeyScope scope);

  // A value read from the document; a key of another scope is ignored.
  void Set(KeyValue value);

  // `key` is written as in the document ("ScreenWidth=") in any case. Null
  // when the key is not in this table or has neither a default nor a value.
  const KeyValue* Find(std::string_view key) const;
  bool Given(std::string_view key) const;
  // 0, false and the empty text for a key without a value.
  std::int32_t Number(std::string_view key) const;
  bool Yes(std::string_view key) const;
  std::string_view Text(std::string_view key) const;

  const std::vector<Entry>& Entries() const { return entries_; }

 private:
  const Entry* FindEntry(std::string_view key) const;
  std::vector<Entry> entries_;
};

}  // namespace orv
