#include "commands/files/PublicationPath.h"

#include "base/PathNames.h"
#include "script/Vars.h"

namespace orv {

bool HasDriveOrShare(std::string_view name) {
  if (name.size() >= 2 && name[1] == ':') return true;
  return name.size() >= 2 && name[0] == '\\' && name[1] == '\\';
}

std::string ResolvePublicationPath(std::string_view name, std::string_view pubDir, std::string_view pubDrive) {
  if (name.empty() || HasDriveOrShare(name)) return std::string(name);
  if (ExtractFilePath(name).empty()) return JoinPath(pubDir, name);
  std::string out(pubDrive);
  if (!IsNameSeparator(name.front())) out.push_back('\\');
  out.append(name);
  return out;
}

std::string ResolvePublicationPath(TVars& vars, std::string_view name) {
  // Only the folder the name needs is asked for.
  if (name.empty() || HasDriveOrShare(name)) return std::string(name);
  if (ExtractFilePath(name).empty()) return ResolvePublicationPath(name, vars.GetVar("PubDir"), {});
  return ResolvePublicationPath(name, {}, vars.GetVar("PubDrive"));
}

}  // namespace orv
