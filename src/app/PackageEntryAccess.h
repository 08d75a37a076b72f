#pragma once
// Entry look-ups on the open package for the picture source, which keeps
// the package's own headers out of the user-interface picture code.
#include <string>
#include <string_view>

namespace orv {

class Package;

struct PackageEntryFacts {
  bool exists = false;
  bool picture = false;  // a picture entry, with the size its directory keeps
  int width = 0;
  int height = 0;
  bool hasAlpha = false;
};

PackageEntryFacts LookUpPackageEntry(const Package& package, std::string_view name);
// The entry's whole unpacked content; false when it is missing or the copy
// failed (`exists` tells which).
bool ReadPackageEntry(const Package& package, std::string_view name, std::string& bytes, bool& exists);

}  // namespace orv
