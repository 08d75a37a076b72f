#pragma once
// The commands that change pages, run the slide show, open the help file
// and end the publication.
namespace orv {

class TCommandTable;

// Binds all of them: the go-to commands and ReturnToPage, and the two
// groups below.
void RegisterPageCommands(TCommandTable& table);
// StartSlideShow, PauseSlideShow, StopSlideShow.
void RegisterSlideShowCommands(TCommandTable& table);
// HelpTopic and Exit.
void RegisterHelpAndExitCommands(TCommandTable& table);

}  // namespace orv
