#pragma once
// Stored names use "\" between folders and ":" after a drive. On this platform
// "/" separates as well, so every helper that takes a name apart treats all
// three as separators.
#include <string>
#include <string_view>

namespace orv {

bool IsNameSeparator(char c);
// Joins with one "\" unless the folder already ends with a separator.
std::string JoinPath(std::string_view folder, std::string_view name);
// Text after the last separator.
std::string_view ExtractFileName(std::string_view path);
// Text up to and including the last separator ("" when there is none).
std::string_view ExtractFilePath(std::string_view path);
// Folder without its trailing separator, except after a drive ("C:").
std::string_view ExtractFileDir(std::string_view path);
// From the last "." of the file-name part, the dot included ("" when none).
std::string_view ExtractFileExt(std::string_view path);
std::string ChangeFileExt(std::string_view path, std::string_view ext);

}  // namespace orv
