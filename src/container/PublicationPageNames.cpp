#include "container/PublicationPageNames.h"

namespace orv {

PublicationPageNames::PublicationPageNames() { names_.insert(std::string()); }

std::string PublicationPageNames::Claim(std::string_view wanted) {
  std::string name(wanted);
  if (wanted.empty() || names_.count(name) != 0) {
    std::string stem(wanted);
    while (!stem.empty() && (stem.back() == ' ' || (stem.back() >= '0' && stem.back() <= '9')))
      stem.pop_back();
    if (stem.find(' ') != std::string::npos) stem.push_back(' ');
    for (std::size_t n = 1; n <= pageCount_; ++n) {
      std::string candidate = stem + std::to_string(n);
      if (names_.count(candidate) == 0) {
        name = std::move(candidate);
        break;
      }
    }
  }
  names_.insert(name);
  ++pageCount_;
  return name;
}

}  // namespace orv
