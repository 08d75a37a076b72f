#pragma once
// Where the publication's files are written when they must exist on disk:
// chosen once at start from "EXTRACTOP=" and "EXTRACTDIR=". Paths are the
// publication's own (Windows-1252).
#include <string>
#include <string_view>

namespace orv {

namespace extractop {
inline constexpr int kPublicationFolder = 1;
inline constexpr int kSystemFolder = 2;
inline constexpr int kTemporaryFolder = 4;
inline constexpr int kGivenFolder = 8;
}  // namespace extractop

struct ExtractionFolderInputs {
  int ExtractOp = 0;
  std::string ExtractDir;       // "EXTRACTDIR=", may be relative or missing
  std::string PublicationFile;  // the publication's path
  std::string TemporaryFolder;  // the system's temporary folder
};

// The first matching rule of the bits: 2 system folder, 4 temporary folder,
// 1 the publication's folder, 8 "EXTRACTDIR=" (made absolute and created with
// its missing parents). Whatever comes out empty, "Error", or not a folder
// this user can write into becomes the temporary folder.
std::string ChooseExtractionFolder(const ExtractionFolderInputs& inputs);

}  // namespace orv
