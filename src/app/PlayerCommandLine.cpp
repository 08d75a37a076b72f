#include "app/PlayerCommandLine.h"

#include <cctype>
#include <cstdlib>
#include <filesystem>

#include "base/Ansi.h"
#include "base/PathNames.h"

namespace orv {

namespace {

bool IsSwitch(std::string_view param, char letter) {
  return param.size() >= 2 && (param[0] == '/' || param[0] == '-') &&
         std::toupper(static_cast<unsigned char>(param[1])) == letter;
}

// "/B" or "/K..." rather than a file: an absolute path like "/kiosk/a.exe"
// begins the same way, so an existing file wins.
bool LooksLikePublicationSwitch(const std::string& param) {
  if (IsSwitch(param, 'B') && param.size() == 2) return true;
  std::error_code ec;
  return IsSwitch(param, 'K') && !std::filesystem::exists(param, ec);
}

std::uint64_t ReadHandle(const std::vector<std::string>& params) {
  if (params.size() < 2) return 0;
  const std::string& text = params[1];
  if (text.empty() || !std::isdigit(static_cast<unsigned char>(text[0]))) return 0;
  char* end = nullptr;
  const unsigned long long value = std::strtoull(text.c_str(), &end, 10);
  return *end == '\0' ? value : 0;
}

}  // namespace

bool TakePlayerOptions(std::vector<std::string>& args, PlayerOptions& options, std::string& error) {
  std::vector<std::string> rest;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& arg = args[i];
    const bool hasValue = i + 1 < args.size();
    if (arg == "--help" || arg == "-h") {
      options.Help = true;
    } else if (arg == "--version") {
      options.Version = true;
    } else if (arg == "--quit-after" && hasValue) {
      const std::string& value = args[++i];
      char* end = nullptr;
      options.QuitAfter = std::strtol(value.c_str(), &end, 10);
      if (value.empty() || *end != '\0' || options.QuitAfter < 0) {
        error = "--quit-after wants milliseconds, not '" + value + "'";
        return false;
      }
    } else if ((arg == "--screenshot" || arg == "--save-vars" || arg == "--trace" || arg == "--play") && hasValue) {
      (arg == "--screenshot" ? options.Screenshot
       : arg == "--save-vars" ? options.SaveVars
       : arg == "--trace"     ? options.Trace
                              : options.Play) = args[++i];
    } else if (arg.size() > 2 && arg.compare(0, 2, "--") == 0) {
      error = "unknown option or missing value: " + arg;
      return false;
    } else {
      rest.push_back(arg);
    }
  }
  args = std::move(rest);
  return true;
}

int CommandLineRunMode(std::string_view playerFileName, const std::vector<std::string>& params,
                       std::uint64_t& windowHandle) {
  windowHandle = 0;
  if (!AnsiSameText(ExtractFileExt(playerFileName), ".SCR")) return cmdmode::kProgram;
  if (params.empty() || params[0].size() < 2) return cmdmode::kSaverNoSwitch;
  switch (std::toupper(static_cast<unsigned char>(params[0][1]))) {
    case 'C':
      return cmdmode::kSaverSettings;
    case 'P':
      windowHandle = ReadHandle(params);
      return cmdmode::kSaverPreview;
    case 'A':
      windowHandle = ReadHandle(params);
      return cmdmode::kSaverPassword;
    default:
      return cmdmode::kSaverRunning;
  }
}

TPlayerCommandLine ReadPlayerCommandLine(std::string_view playerFileName, const std::vector<std::string>& params,
                                         bool standAlone) {
  TPlayerCommandLine line;
  line.RunMode = CommandLineRunMode(playerFileName, params, line.WindowHandle);
  std::size_t first = 0;
  if (standAlone && line.RunMode == cmdmode::kProgram && !params.empty()) {
    if (AnsiSameText(params[0], "/R")) {
      if (params.size() >= 2) line.PublicationFile = params[1];
      first = params.size() >= 2 ? 2 : params.size();
    } else if (!LooksLikePublicationSwitch(params[0])) {
      line.PublicationFile = params[0];
      first = 1;
    }
  }
  for (std::size_t i = first; i < params.size(); ++i) {
    if (i > first) line.Text.push_back('\r');
    line.Text += params[i];
    const std::string& p = params[i];
    if (IsSwitch(p, 'B') && p.size() == 2) {
      line.BypassPrintDialog = true;
    } else if (IsSwitch(p, 'K')) {
      line.HasStartPage = true;
      line.StartPage = AnsiUpperCase(std::string_view(p).substr(2));
    }
  }
  return line;
}

}  // namespace orv
