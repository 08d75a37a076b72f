#pragma once
// The one way a stored or scripted file name reaches the disk. Publications
// name files the Windows way: "\" separators, drive letters and any letter
// case, in Windows-1252. On this system names are UTF-8 and case matters, so
// a name is mapped here: separators become "/", a drive letter is dropped, and
// when the exact path does not exist each component is matched without
// regard to case, as on the file systems the publications were made on.
//
// A name holding a NUL byte ("[#0]" in a script puts one in) is refused
// here, for every caller at once: the system would read the name only up to
// the NUL and act on another file ("victim.txt[#0].bak" is "victim.txt").
// Such a name maps to a path longer than any the system takes, so every call
// on it fails with ENAMETOOLONG, which the error table reports as an invalid
// name ("Nome file o cartella non valido!"), and no file is touched.
#include <string>
#include <string_view>

namespace orv {

// Windows-1252 stored name -> UTF-8 path for the file system. Components that
// do not exist (a file about to be created) are kept as written.
std::string HostPath(std::string_view ansiName);
// The first step of HostPath: the name mapped as written, without looking at
// the disk. HostPath gives exactly this whenever it exists.
std::string DirectHostPath(std::string_view ansiName);
// UTF-8 path from the file system -> Windows-1252 text for scripts.
std::string AnsiFromHostPath(std::string_view hostPath);
// A folder handed to scripts: Windows-1252, ending with "/".
std::string ScriptFolder(std::string_view hostFolder);

}  // namespace orv
