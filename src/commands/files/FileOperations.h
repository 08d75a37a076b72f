#pragma once
// The disk work of the file commands, on names as scripts write them
// (Windows-1252, "\" or "/" separators). Each returns the text for
// "[LastError]": empty on success.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// FileCopy: a source without folder is in `pubDir`; a destination without
// folder is beside the source, one ending in a separator takes the source's
// name. The copy replaces the destination only once complete, and keeps the
// source's modification time.
std::string CopyFileCommand(std::string_view source, std::string_view destination, std::string_view pubDir);
// The destination FileCopy writes to, after the defaults above.
std::string CopyDestination(std::string_view source, std::string_view destination);
// FileErase of an already resolved name.
std::string EraseFileCommand(std::string_view name);
// FileSize of an already resolved name: the size, or the failure's text.
std::string FileSizeOnDisk(std::string_view name, std::optional<std::int64_t>& size);
bool FileExistsOnDisk(std::string_view name);
bool FolderExistsOnDisk(std::string_view name);
// CreateFolder: every missing folder of the path.
std::string CreateFolderCommand(std::string_view name);
// RemoveFolder: an empty folder only.
std::string RemoveFolderCommand(std::string_view name);

}  // namespace orv
