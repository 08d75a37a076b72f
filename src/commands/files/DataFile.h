#pragma once
// Data files: text files read, written, inserted into and deleted from by
// line number (from 1). Lines end at CR, LF or CR LF and are written back
// joined by CR LF with no break after the last one. Each operation returns
// the text for "[LastError]" (empty on success).
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

// Line numbers the commands' words stand for.
inline constexpr std::int64_t kAppendLine = 0;  // "APPEND"
inline constexpr std::int64_t kWholeFile = -1;  // "ALL"

enum class DataFileChange { Write, Insert, Delete };

std::vector<std::string> SplitDataLines(std::string_view content);

// FileRead: `line` below 1 gives the whole file's bytes; line n gives that
// line with every "|" as CR LF, or empty past the end.
std::string ReadDataFile(const std::string& hostPath, std::int64_t line, std::string& value);
// The same for a stored name (Windows form, as HostPath takes it). Reading
// on line by line, the name is not mapped again while the path it gave
// still names the cached, unchanged file.
std::string ReadDataFileNamed(std::string_view name, std::int64_t line, std::string& value);
// FileLen: the lines counted before the end or the first error.
std::int64_t CountDataFileLines(const std::string& hostPath);
// FileWrite, FileInsLine, FileDelLine: `line` kWholeFile replaces the whole
// content, kAppendLine appends a line, n works on line n. With
// `convertLineBreaks` a whole content has "|" turned into CR LF and a single
// line has CR LF turned into "|".
std::string ChangeDataFile(const std::string& hostPath, DataFileChange change, std::int64_t line,
                           std::string_view text, bool convertLineBreaks);

}  // namespace orv
