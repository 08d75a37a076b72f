#include "container/PublicationPageNames.h"

namespace orv {
namespace {

std::string StemOf(std::string_view name) {
  std::string stem(name);
  while (!stem.empty() && (stem.back() == ' ' || (stem.back() >= '0' && stem.back() <= '9')))
    stem.pop_back();
  if (stem.find(' ') != std::string::npos) stem.push_back(' ');
  return stem;
}

}  // namespace

PublicationPageNames::PublicationPageNames() { names_.insert(std::string()); }

bool PublicationPageNames::Taken(std::string_view name) {
  ++lookups_;
  return names_.find(name) != names_.end();
}

// A stem never ends in a digit, so the number is the whole digit run at the
// end of the name and no two stems share a name: every taken name is passed
// over at most once, whatever the order of the claims.
std::string PublicationPageNames::Numbered(std::string stem) {
  std::size_t& next = firstFree_.try_emplace(stem, 1).first->second;
  const std::size_t stemSize = stem.size();
  for (;; ++next) {
    stem.resize(stemSize);
    stem += std::to_string(next);
    if (!Taken(stem)) break;
  }
  ++next;
  return stem;
}

std::string PublicationPageNames::Claim(std::string_view wanted) {
  std::string name = wanted.empty() || Taken(wanted) ? Numbered(StemOf(wanted)) : std::string(wanted);
  names_.insert(name);
  return name;
}

}  // namespace orv
