#pragma once
// The file name an entry is extracted under. Stored names come from another
// machine and may carry any separators; here "/" separates too, so the
// file-name part is taken after the last "\", "/" or ":", and a part that
// would leave the extraction folder or name no file is refused.
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// The entry name's file-name part, or nothing for "", ".", ".." and names
// with a NUL byte.
std::optional<std::string> ExtractableFileName(std::string_view entryName);

// The extension for a unique copy: the file-name part's extension without
// any "." ("" when there is none).
std::string UniqueNameExtension(std::string_view entryName);

}  // namespace orv
