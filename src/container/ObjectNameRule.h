#pragma once
// Object names are identifiers (letters, digits and underscores, not
// starting with a digit), unique among the children of one parent without
// regard to case. The authoring tool keeps to this; a document that breaks
// it cannot be played, since scripts could not tell its objects apart.
#include <optional>
#include <string>
#include <string_view>

namespace orv {

struct Publication;

bool IsObjectIdentifier(std::string_view name);

// The first object whose "NAME=" breaks the rule, described in one line
// naming the object and its page; nothing when every name keeps it.
// Objects without a name are left alone.
std::optional<std::string> FindObjectNameFault(const Publication& publication);

}  // namespace orv
