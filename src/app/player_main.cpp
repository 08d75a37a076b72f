// The player: opens the publication named on the command line (or the
// package appended to this program) in its window.
#include <QApplication>
#include <QPixmap>
#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#include "app/PackagePictureSource.h"
#include "app/WorkForm.h"
#include "base/Ansi.h"
#include "base/ErrorText.h"
#include "base/Messages.h"
#include "commands/CoreCommands.h"
#include "commands/variables/VariablesFile.h"
#include "container/Package.h"
#include "container/PackageDocument.h"
#include "container/Publication.h"
#include "script/Engine.h"
#include "script/HeadlessVarHost.h"
#include "script/Vars.h"
#include "ui/QtScriptHost.h"

namespace {

void PrintHelp() {
  std::puts(
      "Usage: orvalis [options] [FILE]\n"
      "Plays an interactive publication.\n"
      "\n"
      "  FILE, /R FILE         play the publication in FILE\n"
      "  --quit-after MS       close the publication after MS milliseconds\n"
      "  --screenshot FILE     save the window as a PNG picture just before closing\n"
      "  --save-vars FILE      write the global variables to FILE after closing\n"
      "  --help                show this help and exit\n"
      "  --version             show the version and exit\n"
      "\n"
      "Qt's own options work too: -platform offscreen plays without a display.");
}

struct PlayerOptions {
  std::string file;
  long quitAfter = -1;
  std::string screenshot;
  std::string saveVars;
};

// Messages are Windows-1252; the terminal wants UTF-8.
void ReportError(std::string_view ansiText) {
  std::fprintf(stderr, "orvalis: %s\n", orv::AnsiToUtf8(ansiText).c_str());
}

bool ParseOptions(int argc, char** argv, PlayerOptions& options) {
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if ((arg == "/R" || arg == "/r") && hasValue) {
      options.file = argv[++i];
    } else if (arg == "--quit-after" && hasValue) {
      char* end = nullptr;
      options.quitAfter = std::strtol(argv[++i], &end, 10);
      if (*end != '\0' || options.quitAfter < 0) {
        std::fprintf(stderr, "orvalis: --quit-after wants milliseconds, not '%s'\n", argv[i]);
        return false;
      }
    } else if (arg == "--screenshot" && hasValue) {
      options.screenshot = argv[++i];
    } else if (arg == "--save-vars" && hasValue) {
      options.saveVars = argv[++i];
    } else if (arg.rfind("--", 0) == 0 || arg == "/R" || arg == "/r") {
      std::fprintf(stderr, "orvalis: unknown option or missing value: %s\n", arg.c_str());
      return false;
    } else if (options.file.empty()) {
      options.file = arg;
    }
  }
  return true;
}

// The package appended to this program, when it carries one.
bool OpenOwnPackage(orv::Package& package) {
  std::error_code ec;
  const auto self = std::filesystem::read_symlink("/proc/self/exe", ec);
  return !ec && package.OpenPackage(self.string()) == orv::pkg::kOpened;
}

int OpenFailure(std::string_view detail) {
  std::string text(orv::Message(236));
  if (!detail.empty()) text += " " + std::string(detail);
  ReportError(text);
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
      PrintHelp();
      return 0;
    }
    if (std::strcmp(argv[i], "--version") == 0) {
      std::printf("orvalis %s\n", ORVALIS_VERSION);
      return 0;
    }
  }
  QApplication app(argc, argv);  // takes Qt's own options out of argv
  PlayerOptions options;
  if (!ParseOptions(argc, argv, options)) return 2;

  orv::Package package;
  if (options.file.empty()) {
    if (!OpenOwnPackage(package)) {
      ReportError(orv::Message(256));
      return 1;
    }
  } else if (package.OpenPackage(options.file) != orv::pkg::kOpened) {
    std::error_code ec;
    const bool exists = std::filesystem::exists(options.file, ec);
    return OpenFailure(orv::ErrorText(exists ? orv::err::kInvalidFormat : orv::err::kFileNotFound));
  }

  orv::Publication publication;
  std::string error;
  if (orv::ReadPackageDocument(package, orv::DocumentReadOptionsFor(package), publication, error) !=
      orv::PackageDocumentStatus::Read)
    return OpenFailure(error.empty() ? orv::ErrorText(orv::err::kInvalidFormat) : error);

  // Page wallpapers and pictures come from the package.
  const orv::TPackagePictures pictures(package);

  orv::THeadlessVarHost varHost;
  orv::TVars vars(varHost);
  orv::TQtScriptHost scriptHost;
  orv::TScriptEngine engine(vars, scriptHost);
  orv::RegisterCoreCommands(engine.Commands());

  orv::TWorkForm form(publication, engine);
  form.setWindowTitle(QString::fromStdString(orv::AnsiToUtf8(publication.settings.Text("TITLE="))));
  if (!options.screenshot.empty()) {
    form.OnBeforeClose = [&form, &options] {
      if (!form.grab().save(QString::fromStdString(options.screenshot), "PNG"))
        std::fprintf(stderr, "orvalis: cannot write %s\n", options.screenshot.c_str());
    };
  }
  form.show();
  form.ShowFirstPage();
  if (options.quitAfter >= 0)
    QTimer::singleShot(static_cast<int>(options.quitAfter), &form, [&form] {
      // An unattended run never hangs: a publication that refuses to close
      // stops here all the same.
      if (!form.close()) {
        std::fputs("orvalis: the publication refused to close; stopping the timed run\n", stderr);
        QCoreApplication::exit(0);
      }
    });
  const int status = form.isVisible() ? app.exec() : 0;

  if (!options.saveVars.empty()) {
    std::ofstream out(options.saveVars, std::ios::binary | std::ios::trunc);
    out << orv::VariablesFileText(vars.Globals());
    if (!out) {
      std::fprintf(stderr, "orvalis: cannot write %s\n", options.saveVars.c_str());
      return 1;
    }
  }
  return status;
}
