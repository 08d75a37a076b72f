#include "objects/text/ArticleFile.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "base/Ansi.h"
#include "base/HostPath.h"
#include "commands/files/PublicationPath.h"
#include "container/LibRec.h"
#include "container/RegularFile.h"
#include "pages/PictureCache.h"
#include "pages/PictureCacheSource.h"
#include "richtext/RichTextDocument.h"
#include "richtext/TextCodeConverter.h"
#include "script/Vars.h"

namespace orv {

namespace {

bool Inside(const std::string& hostPath, std::string_view folder) {
  if (folder.empty()) return false;
  std::error_code error;
  const std::filesystem::path file = std::filesystem::weakly_canonical(hostPath, error);
  if (error) return false;
  const std::filesystem::path root = std::filesystem::weakly_canonical(HostPath(folder), error);
  if (error || root.empty()) return false;
  const auto [rootEnd, fileAt] = std::mismatch(root.begin(), root.end(), file.begin(), file.end());
  // A trailing separator leaves an empty last element in the folder.
  return rootEnd == root.end() || (std::next(rootEnd) == root.end() && rootEnd->empty());
}

bool EndsWithTxt(std::string_view name) {
  return name.size() >= 4 && AnsiSameText(name.substr(name.size() - 4), ".TXT");
}

}  // namespace

TArticleFile ReadArticleFile(std::string_view name, TVars* vars) {
  TArticleFile file;
  if (name.empty()) return file;
  file.textCodes = EndsWithTxt(name);
  if (PictureEntrySource* entries = PictureCache().EntrySource()) {
    const std::string_view entry = AnsiStartsWithText(name, kEmbeddedPrefix) ? name.substr(kEmbeddedPrefix.size()) : name;
    if (entries->ReadEntry(entry, file.bytes) == PictureEntrySource::ReadResult::Ok) {
      file.found = true;
      file.trusted = true;
      return file;
    }
  }
  const std::string path = HostPath(vars != nullptr ? ResolvePublicationPath(*vars, name) : std::string(name));
  if (!ReadRegularFile(path, kLargestArticleFile, file.bytes)) return file;
  file.found = true;
  file.trusted = vars != nullptr && Inside(path, vars->GetVar("PubDir"));
  return file;
}

void LoadArticleFile(rt::RichTextDocument& document, const TArticleFile& file, bool wordWrap, int codePage) {
  if (file.textCodes) {
    document.LoadRtf(rt::ConvertTextCodesToRtf(file.bytes, wordWrap, codePage));
  } else {
    document.Load(file.bytes, codePage);
  }
}

}  // namespace orv
