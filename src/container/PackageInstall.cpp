// Start-up installation of what the package carries for the system: fonts
// registered from unique copies, support files and plug-in libraries.
#include "base/HostPath.h"
#include "base/PathNames.h"
#include "container/Package.h"

namespace orv {

void Package::RegisterPackageFonts() {
  bool anyRegistered = false;
  for (LibRec& e : entries_) {
    if (e.Kind != kind::kFont) continue;
    const ExtractResult r = ExtractEntry(e, true);
    if (r.Code != pkg::kWritten && r.Code != pkg::kAlreadyThere) continue;
    e.Name = r.Path;
    if (Host().AddFont(HostPath(r.Path))) anyRegistered = true;
  }
  if (anyRegistered) Host().FontsChanged();
}

void Package::LoadPackagePlugIns() {
  for (LibRec& e : entries_)
    if (e.Kind == kind::kSupportFile && e.StoredSize > 0) ExtractEntry(e, false);

  for (LibRec& e : entries_) {
    if (e.Kind != kind::kPlugIn && e.Kind != kind::kPlugInSecondForm) continue;
    std::string path;
    if (TestRun()) {
      path = e.Name;
    } else if (e.StoredSize != 0) {
      const ExtractResult r = ExtractEntry(e, true);
      if (r.Code != pkg::kWritten && r.Code != pkg::kAlreadyThere) continue;
      e.Name = r.Path;
      path = r.Path;
    } else {
      // Not embedded: the library travels beside the publication.
      path = JoinPath(ExtractFilePath(publicationPath_), ExtractFileName(e.Name));
    }
    const int result = Host().LoadPlugIn(HostPath(path));
    if (result != 0) Host().PlugInFailed(path, result);
  }
}

}  // namespace orv
