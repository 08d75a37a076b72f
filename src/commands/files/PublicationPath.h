#pragma once
// Where a file name given to a file command lives: a bare name is in the
// publication's folder, a folder without a drive is on the publication's
// drive, a name with a drive or a network share is taken as it is.
#include <string>
#include <string_view>

namespace orv {

class TVars;

// "C:..." or "\\server\share...".
bool HasDriveOrShare(std::string_view name);
std::string ResolvePublicationPath(std::string_view name, std::string_view pubDir, std::string_view pubDrive);
// The same with "[PubDir]" and "[PubDrive]" of the running publication.
std::string ResolvePublicationPath(TVars& vars, std::string_view name);

}  // namespace orv
