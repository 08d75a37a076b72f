#pragma once
// Byte text in RTF is in the document's code page (\ansicpgN) or, inside a
// font, in the code page of the font's character set (\fcharsetN).
#include <QString>
#include <string_view>

namespace orv::rt {

inline constexpr int kWesternCodePage = 1252;

// The Windows code page of an RTF character set number; 0 when the set names
// none (the document's code page applies).
int CodePageForCharset(int charset);

// Decodes bytes written in `codePage`; unknown code pages read as 1252.
QString DecodeCodePage(std::string_view bytes, int codePage);

}  // namespace orv::rt
