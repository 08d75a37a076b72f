#pragma once
// Turns a ".TXT" article file with "^" formatting codes into RTF. Standard
// C++ only: bytes in, RTF bytes out, so it can run anywhere (and be fuzzed)
// without a document or a widget.
#include <string>
#include <string_view>

namespace orv::rt {

// `wordWrap` is the article's word-wrap setting: with it, the lines of a
// paragraph join with a blank and only an empty line ends the paragraph;
// without it, every line end ends a paragraph. `codePage` goes into
// "\ansicpg" (the code page of the article font's character set); a value
// below 1 means 1252. Any byte string is accepted.
std::string ConvertTextCodesToRtf(std::string_view bytes, bool wordWrap, int codePage = 1252);

}  // namespace orv::rt
