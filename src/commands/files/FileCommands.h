#pragma once
// The file commands: files and folders, data files and file names.
#include "script/CommandDispatch.h"

namespace orv {

// FileCopy, FileErase, FileSize, FileExists, FolderExists, CreateFolder,
// RemoveFolder, ExtractFile, FileList.
void RegisterFileCommands(TCommandTable& table);
// FileRead, FileWrite, FileInsLine, FileDelLine, FileLen, FileToVar.
void RegisterDataFileCommands(TCommandTable& table);
// ExtractFilePath, ExtractFileName, ExtractFileExt, ExtractFileDrive,
// ChangeFileExt.
void RegisterFileNameCommands(TCommandTable& table);

}  // namespace orv
