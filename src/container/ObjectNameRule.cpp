#include "container/ObjectNameRule.h"

#include <span>
#include <unordered_set>

#include "base/Ansi.h"
#include "container/Publication.h"

namespace orv {

namespace {

bool IsLetter(unsigned char c) {
  // ASCII letters only: the authoring tool's identifiers have no others.
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_';
}

// The object's keys are applied in the order read, so its last "NAME=" is
// the name it ends up with.
const KeyValue* FinalName(KeyList keys) {
  static const DocumentKey* const name = FindDocumentKey("NAME=");
  const KeyValue* found = nullptr;
  for (const KeyValue& value : keys)
    if (value.key == name) found = &value;
  return found;
}

std::string PageLabel(const PublicationPage& page, std::size_t index) {
  return index == 0 ? std::string("master page") : "page \"" + page.name + "\"";
}

std::optional<std::string> CheckSiblings(const Publication& publication,
                                         std::span<const PublicationObject> objects, const std::string& where) {
  std::unordered_set<std::string_view, AnsiCaseHash, AnsiCaseEqual> seen;
  for (const PublicationObject& object : objects) {
    const KeyList keys = publication.ObjectKeys(object);
    const KeyValue* name = FinalName(keys);
    // An unnamed holder's children still need checking.
    if (const std::string_view text = name != nullptr ? name->Text() : std::string_view(); !text.empty()) {
      if (!IsObjectIdentifier(text))
        return "object \"" + std::string(text) + "\" on the " + where + ": the name is not an identifier";
      if (!seen.insert(text).second)
        return "object \"" + std::string(text) + "\" on the " + where + ": the name is used twice";
    }
    if (auto fault = CheckSiblings(publication, object.children, where)) return fault;
  }
  return std::nullopt;
}

}  // namespace

bool IsObjectIdentifier(std::string_view name) {
  if (name.empty()) return false;
  const auto first = static_cast<unsigned char>(name.front());
  if (!IsLetter(first)) return false;
  for (const char c : name) {
    const auto u = static_cast<unsigned char>(c);
    if (!IsLetter(u) && !(u >= '0' && u <= '9')) return false;
  }
  return true;
}

std::optional<std::string> FindObjectNameFault(const Publication& publication) {
  for (std::size_t i = 0; i < publication.pages.size(); ++i) {
    const PublicationPage& page = publication.pages[i];
    if (auto fault = CheckSiblings(publication, page.objects, PageLabel(page, i))) return fault;
  }
  return std::nullopt;
}

}  // namespace orv
