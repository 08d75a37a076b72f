#pragma once
// Where a cartoon file's bytes come from: the package entry of that name
// (whatever way it is stored), else the file on disk, a bare name being in
// the publication's folder. An embedded name ("embedded:\\\" and the entry)
// is only ever the package's.
#include <optional>
#include <string>
#include <string_view>

namespace orv {

class Package;
class TVars;

// The whole file; none when it cannot be read or is larger than any
// picture the player decodes. `package` may be null (disk files only).
std::optional<std::string> ReadCartoonFileBytes(const Package* package, TVars& vars, std::string_view name);

}  // namespace orv
