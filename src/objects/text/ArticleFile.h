#pragma once
// The text file an article or a chain of linked articles shows: a package
// entry, else a regular file on disk. Text from outside the package and the
// publication's folder is not the author's: its link targets run
// restricted.
#include <cstdint>
#include <string>
#include <string_view>

namespace orv {

class TVars;

namespace rt {
class RichTextDocument;
}

// Far beyond any article; a larger file is taken as missing.
inline constexpr std::int64_t kLargestArticleFile = 64LL * 1024 * 1024;

struct TArticleFile {
  bool found = false;
  // From the package or the publication's folder.
  bool trusted = false;
  // A ".TXT" name: formatting codes, not rich text.
  bool textCodes = false;
  std::string bytes;
};

// `name` is prepared (variables replaced, blanks trimmed). On disk a bare
// name is in the publication's folder, as for the file commands; `vars`
// (may be null) gives the folder. A folder, device or pipe is missing.
TArticleFile ReadArticleFile(std::string_view name, TVars* vars);

// Loads the file's text: ".TXT" through the formatting-code converter,
// anything else as RTF or plain text, bytes in `codePage`.
void LoadArticleFile(rt::RichTextDocument& document, const TArticleFile& file, bool wordWrap, int codePage);

}  // namespace orv
