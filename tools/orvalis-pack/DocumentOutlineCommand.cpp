// orvalis-pack inspect: the publication document read as the player reads it.
#include <cstdio>
#include <string>

#include "PackCommands.h"
#include "ToolSupport.h"
#include "base/Ansi.h"
#include "container/PackageDocument.h"
#include "container/PublicationJson.h"
#include "container/PublicationOutline.h"

namespace orv::packtool {

void HelpInspect() {
  std::puts(
      "Usage: orvalis-pack inspect [--json] FILE\n"
      "Reads the package's publication document (RUNTIME.PUB) as the player\n"
      "does and prints what it describes: the settings and texts it gives,\n"
      "the master page and every page with its keys and objects, and the\n"
      "menus. The tray menu is read only for a tray application.\n"
      "\n"
      "Without options the output is an indented outline. --json prints one\n"
      "object: settings (KEY -> value, defaults included), texts (the L_ keys\n"
      "given), pages [{name, keys, objects}] with index 0 the master page,\n"
      "objects as {type, keys, children} where keys is an array of [KEY, value]\n"
      "pairs in the order read, and menubar and traymenu as arrays of\n"
      "{name, keys, children}. Texts are shown in UTF-8.\n"
      "\n"
      "Exits 1 with one line on standard error when the package cannot be\n"
      "read, holds no RUNTIME.PUB or its document is damaged.");
}

int RunInspect(const Args& args) {
  bool json = false;
  std::string file;
  for (const std::string& a : args) {
    if (a == "--json")
      json = true;
    else if (file.empty() && !a.starts_with("-"))
      file = a;
    else
      return Fail("inspect: unexpected argument '" + a + "'");
  }
  if (file.empty()) return Fail("inspect: no package file given");
  Package package;
  if (const std::string error = OpenForTool(package, file); !error.empty()) return Fail(error);

  Publication publication;
  std::string error;
  switch (ReadPackageDocument(package, DocumentReadOptionsFor(package), publication, error)) {
    case PackageDocumentStatus::Read:
      break;
    case PackageDocumentStatus::Missing:
      return Fail("inspect: '" + file + "' holds no RUNTIME.PUB");
    case PackageDocumentStatus::Damaged:
      return Fail("inspect: the document in '" + file + "' is damaged (" + AnsiToUtf8(error) + ")");
  }
  std::string out;
  if (json)
    WritePublicationJson(publication, out);
  else
    WritePublicationOutline(publication, out);
  std::fwrite(out.data(), 1, out.size(), stdout);
  return 0;
}

}  // namespace orv::packtool
