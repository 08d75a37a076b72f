#pragma once
// Files the author embedded in the publication package, as the file
// commands see them: by the name of a package entry, or by the embedded
// prefix ("embedded:" and three backslashes) and a file name. In a test run
// the package holds no files and the test-run list names a file on disk for
// each embedded name.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

class TScriptHost;

// The folder part of `name` is the embedded prefix (any case).
bool IsEmbeddedName(std::string_view name);
// A package is open and it is a test run.
bool EmbeddedTestRun(TScriptHost& host);
// In a test run the file on disk the list gives for an embedded name;
// otherwise, or when the list has no such name, nullopt.
std::optional<std::string> EmbeddedTestFile(TScriptHost& host, std::string_view name);
// The size recorded for the package entry `name`, nullopt when there is
// no package or no such entry.
std::optional<std::int64_t> PackageEntrySize(TScriptHost& host, std::string_view name);
// The content of the package entry `name`: nullopt when there is none;
// `error` gets the text of a failed read.
std::optional<std::string> LoadPackageEntry(TScriptHost& host, std::string_view name, std::string& error);
// ExtractFile outside a test run: the entry written to `destination`, or an
// empty file there when the package has no such entry. Returns the text for
// "[LastError]".
std::string ExtractPackageEntry(TScriptHost& host, std::string_view name, std::string_view destination);

}  // namespace orv
