#pragma once
// What the subcommands share: the one-line failure, number parsing and
// opening a package the way the tool reads every file.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "container/Package.h"

namespace orv::packtool {

// Prints "orvalis-pack: <message>" on standard error and returns 1.
int Fail(const std::string& message);
std::optional<std::int64_t> ParseInteger(std::string_view text);
bool IsHelpOption(std::string_view word);
// Opens `path`; a name ending in ".pkg" is read in the reload form, as the
// player reads such files. Returns the failure message, empty on success.
std::string OpenForTool(Package& package, const std::string& path);
// JSON string literal of UTF-8 text.
std::string JsonQuote(std::string_view utf8);
// A stored text (Windows-1252) as every output of the tool shows it: the
// JSON literal of its UTF-8, so a NUL cannot cut it short nor a line break
// split a line.
std::string ShownText(std::string_view ansi);

}  // namespace orv::packtool
