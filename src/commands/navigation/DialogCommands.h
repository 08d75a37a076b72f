#pragma once
// The commands that ask the user through modal dialogs: AlertBox,
// MessageBox, InputBox, FileOpenBox, FileSaveBox and FolderBox.
namespace orv {

class TCommandTable;

void RegisterDialogCommands(TCommandTable& table);

}  // namespace orv
