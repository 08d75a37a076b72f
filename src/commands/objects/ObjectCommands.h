#pragma once
// The commands that show, hide, move, size, restyle and query page objects
// and drive lists, track bars, pictures and articles. Their bodies act on
// the publication window they find through the player's script host.
namespace orv {

class TCommandTable;

// Binds every group below.
void RegisterObjectCommands(TCommandTable& table);
// ShowObject to GetObjectHandle: the commands every object takes.
void RegisterGeneralObjectCommands(TCommandTable& table);
// SetObjectFill, SetObjectLine, SetObjectFont, SetObjectCaption,
// SetObjectFileName.
void RegisterObjectSetCommands(TCommandTable& table);
// The list-box, track-bar, picture and article commands.
void RegisterObjectTypeCommands(TCommandTable& table);

}  // namespace orv
