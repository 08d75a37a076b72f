// The player: decides its run mode from its own name and command line,
// opens the publication appended to it (or the one named on the command
// line when it carries none) in its window, and cleans up after it closed.
#include <QApplication>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "app/InputReplay.h"
#include "app/InputReplayScript.h"
#include "app/PlayerApplication.h"
#include "app/PlayerCommandLine.h"
#include "app/PlayerMessageBox.h"
#include "app/PublicationSession.h"
#include "app/ScriptTrace.h"
#include "app/UnattendedQuit.h"
#include "base/ReplacingFile.h"
#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "base/HostPath.h"
#include "base/Messages.h"
#include "commands/variables/VariablesFile.h"
#include "container/Package.h"

namespace {

// The caption of the message that no publication was found.
constexpr const char* kPlayerTitle = "Orvalis 5 Player";

void PrintHelp() {
  std::puts(
      "Usage: orvalis [options] [/R] [FILE] [PARAMETER...]\n"
      "Plays an interactive publication: the one appended to this program, or\n"
      "else the one in FILE. The parameters after it are the publication's own.\n"
      "\n"
      "Parameters a publication understands:\n"
      "  /B                    print without the print dialog\n"
      "  /KPAGE                start on the page named PAGE; /K alone on the start page\n"
      "  /s /c /p H /a H       screen-saver run, settings, preview, password change\n"
      "                        (when this program's name ends in .scr)\n"
      "\n"
      "Player options:\n"
      "  FILE, /R FILE         play the publication in FILE\n"
      "  --quit-after MS       close the publication after MS milliseconds; a dialog\n"
      "                        still open then is answered with its Cancel button\n"
      "  --screenshot FILE     save the window as a PNG picture just before closing\n"
      "  --save-vars FILE      write the global variables to FILE after closing\n"
      "  --trace FILE          write every script line run, and every input line\n"
      "                        replayed, to FILE\n"
      "  --play FILE           replay the user input in FILE, one line each:\n"
      "                        MS VERB ARGS, MS counted from the first page shown;\n"
      "                        move/click/rclick/dblclick X,Y, press/release X,Y [right],\n"
      "                        drag X1,Y1 X2,Y2, key SEQ (Tab, Ctrl+A, PgDown), type TEXT,\n"
      "                        shot FILE (PNG), quit; X,Y on the current page;\n"
      "                        # starts a comment line\n"
      "  --help                show this help and exit\n"
      "  --version             show the version and exit\n"
      "\n"
      "Qt's own options work too: -platform offscreen plays without a display.");
}

std::string OwnProgram(const char* argv0) {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return ec ? std::string(argv0) : self.string();
}

// A program carries its own publication when a package is appended to it.
bool CarriesPackage(const std::string& program) {
  orv::Package package;
  return package.OpenPackage(program) == orv::pkg::kOpened;
}

bool SaveVariables(orv::TVars& vars, const std::string& path) {
  return orv::ReplaceFileContent(path, orv::VariablesFileText(vars.Globals())) == 0;
}

}  // namespace

int main(int argc, char** argv) {
  std::vector<std::string> args(argv + 1, argv + argc);
  orv::PlayerOptions options;
  std::string error;
  if (!orv::TakePlayerOptions(args, options, error)) {
    std::fprintf(stderr, "orvalis: %s\n", error.c_str());
    return 2;
  }
  if (options.Help) {
    PrintHelp();
    return 0;
  }
  if (options.Version) {
    std::printf("orvalis %s\n", ORVALIS_VERSION);
    return 0;
  }
  // The replay file is read whole first: a mistake in it ends the run
  // before anything is shown.
  std::vector<orv::ReplayEvent> replayEvents;
  if (!options.Play.empty()) {
    orv::ReplayScriptError bad;
    if (!orv::ReadInputReplayFile(options.Play, replayEvents, bad)) {
      if (bad.Line == 0)
        std::fprintf(stderr, "orvalis: %s\n", bad.Message.c_str());
      else
        std::fprintf(stderr, "%s:%d: %s\n", options.Play.c_str(), bad.Line, bad.Message.c_str());
      return 2;
    }
  }

  orv::TPlayerApplication app(argc, argv);  // takes Qt's own options out of argv
  // Themed buttons and boxes look the same on every desktop.
  QApplication::setStyle(QStringLiteral("Fusion"));
  app.setQuitOnLastWindowClosed(false);
  args.assign(argv + 1, argv + argc);
  orv::TakePlayerOptions(args, options, error);

  const std::string program = OwnProgram(argv[0]);
  const bool standAlone = !CarriesPackage(program);
  const orv::TPlayerCommandLine commandLine =
      orv::ReadPlayerCommandLine(orv::AnsiFromHostPath(std::filesystem::path(program).filename().string()), args,
                                 standAlone);

  // The preview and the password change of a screen saver have no window
  // here: there is no host window to draw into and the system keeps the
  // screen-saver password itself.
  if (commandLine.RunMode == orv::cmdmode::kSaverPreview || commandLine.RunMode == orv::cmdmode::kSaverPassword)
    return 0;

  std::string publication = program;
  if (standAlone) {
    std::error_code ec;
    if (commandLine.PublicationFile.empty() || !std::filesystem::exists(commandLine.PublicationFile, ec)) {
      orv::TUnattendedQuit quit(nullptr);
      if (options.QuitAfter >= 0) quit.Start(static_cast<int>(options.QuitAfter));
      orv::ShowPlayerMessage(kPlayerTitle, orv::Message(orv::msg::kInvalidApplication), orv::Message(orv::msg::kOk));
      return 1;
    }
    publication = commandLine.PublicationFile;
  }

  orv::TScriptTrace trace;
  if (!options.Trace.empty() && !trace.Open(options.Trace)) {
    std::fprintf(stderr, "orvalis: cannot write %s\n", options.Trace.c_str());
    return 2;
  }
  orv::TPublicationSession session(commandLine);
  app.OnException = [&session](const std::exception& error) { session.ReportException(error); };
  trace.Attach(session.Engine());
  orv::TUnattendedQuit quit([&session]() -> QWidget* { return session.Window(); });
  if (options.QuitAfter >= 0) quit.Start(static_cast<int>(options.QuitAfter));
  session.ScriptHost().OnAskEnding = [&quit] { return quit.Due(); };
  if (!options.Screenshot.empty()) {
    session.OnBeforeClose = [&options](orv::TWorkForm& form) {
      if (!form.grab().save(QString::fromStdString(options.Screenshot), "PNG"))
        std::fprintf(stderr, "orvalis: cannot write %s\n", options.Screenshot.c_str());
    };
  }
  session.OnClosed = [] { QCoreApplication::quit(); };
  std::unique_ptr<orv::TInputReplay> replay;
  if (!options.Play.empty()) {
    replay = std::make_unique<orv::TInputReplay>(std::move(replayEvents), [&session] { return session.Window(); });
    replay->OnEvent = [&trace, &options](const orv::ReplayEvent& event) {
      trace.Replayed(options.Play, event.Line, event.Written);
    };
    replay->OnShotFailed = [](const std::string& file) {
      std::fprintf(stderr, "orvalis: cannot write %s\n", file.c_str());
    };
    session.OnFirstPageShown = [&replay](orv::TWorkForm&) { replay->Start(); };
  }

  int status = 0;
  switch (session.Start(publication)) {
    case orv::TPublicationSession::StartResult::Started:
      status = app.exec();
      break;
    case orv::TPublicationSession::StartResult::HandedOver:
    case orv::TPublicationSession::StartResult::Refused:
      return 0;
    case orv::TPublicationSession::StartResult::Failed:
      orv::ShowPlayerMessage("Orvalis", session.FailureText(), orv::Message(orv::msg::kOk));
      return 1;
  }

  if (!options.SaveVars.empty() && !SaveVariables(session.Vars(), options.SaveVars)) {
    std::fprintf(stderr, "orvalis: cannot write %s\n", options.SaveVars.c_str());
    status = 1;
  }
  session.Finish();
  return status;
}
