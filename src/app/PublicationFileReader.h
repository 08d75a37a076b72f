#pragma once
// Reads a file the publication names, the way its settings name files: an
// embedded name ("embedded:\\\" and the entry) or a bare entry name from the
// package (in a test run the embedded name maps to a file on disk), anything
// else from disk.
#include <optional>
#include <string>
#include <string_view>

namespace orv {

class Package;

// `package` may be null (disk files only).
std::optional<std::string> ReadPublicationFile(const Package* package, std::string_view name);

}  // namespace orv
