// orvalis-pack list: the header and every entry in list order.
#include <cstdio>
#include <string>

#include "PackCommands.h"
#include "ToolSupport.h"

namespace orv::packtool {
namespace {

void PrintJson(const Package& p) {
  const PackageHeader& h = p.Header();
  std::string out = "{";
  out += "\"builder\":" + std::to_string(h.Builder);
  out += ",\"debug\":" + std::to_string(h.Debug);
  out += ",\"start_page\":" + (h.HasStartPage ? std::to_string(h.StartPage) : std::string("null"));
  out += ",\"debug_strings\":";
  out += h.TestRun() ? "[" + ShownText(h.DebuggerFolder) + "," + ShownText(h.ProjectFolder) + "," +
                           ShownText(h.DebugExtra) + "," + ShownText(h.IconFile) + "]"
                     : std::string("null");
  out += ",\"run_mode\":" + std::to_string(h.RunMode);
  out += std::string(",\"single_instance\":") + (h.IsSingleInstance() ? "true" : "false");
  out += ",\"display\":";
  out += h.WantsDisplayChange() ? "{\"width\":" + std::to_string(h.DisplayWidth) +
                                      ",\"height\":" + std::to_string(h.DisplayHeight) +
                                      ",\"bpp\":" + std::to_string(h.DisplayBitsPerPixel) + "}"
                                : std::string("null");
  out += ",\"splash\":" + ShownText(h.Splash);
  out += ",\"preview\":" + ShownText(h.Preview);
  out += ",\"entries\":[";
  bool first = true;
  for (const LibRec& e : p.Entries()) {
    if (!first) out += ",";
    first = false;
    out += "{\"name\":" + ShownText(e.Name) + ",\"kind\":" + std::to_string(e.Kind) +
           ",\"unpacked_size\":" + std::to_string(e.UnpackedSize) + ",\"offset\":" + std::to_string(e.Offset) +
           ",\"stored_size\":" + std::to_string(e.StoredSize) + ",\"width\":" + std::to_string(e.Width) +
           ",\"height\":" + std::to_string(e.Height) + ",\"alpha\":" + (e.HasAlpha ? "true" : "false") + "}";
  }
  out += "]}";
  std::puts(out.c_str());
}

void PrintTable(const Package& p) {
  const PackageHeader& h = p.Header();
  std::printf("builder %d, debug %d", h.Builder, h.Debug);
  if (h.HasStartPage) std::printf(" from page %d", h.StartPage);
  std::printf(", run mode %d%s\n", h.RunMode, h.ReloadForm ? " (reload form)" : "");
  if (h.TestRun())
    std::printf("debugger folder %s, project folder %s, icon %s\n", ShownText(h.DebuggerFolder).c_str(),
                ShownText(h.ProjectFolder).c_str(), ShownText(h.IconFile).c_str());
  if (!h.ReloadForm) {
    std::printf("single instance %s, display ", h.IsSingleInstance() ? "yes" : "no");
    if (h.WantsDisplayChange())
      std::printf("%dx%dx%d", h.DisplayWidth, h.DisplayHeight, h.DisplayBitsPerPixel);
    else
      std::printf("unchanged");
    std::printf(", splash %s", ShownText(h.Splash).c_str());
    if (h.RunMode == runmode::kScreenSaver) std::printf(", preview %s", ShownText(h.Preview).c_str());
    std::printf("\n");
  }
  std::printf("%zu entries\n%4s %10s %10s %10s %11s  %s\n", p.Entries().size(), "kind", "unpacked", "offset",
              "stored", "picture", "name");
  for (const LibRec& e : p.Entries()) {
    std::string picture = "-";
    if (e.Kind == kind::kPicture)
      picture = std::to_string(e.Width) + "x" + std::to_string(e.Height) + (e.HasAlpha ? "a" : "");
    std::printf("%4d %10d %10d %10d %11s  %s\n", e.Kind, e.UnpackedSize, e.Offset, e.StoredSize, picture.c_str(),
                ShownText(e.Name).c_str());
  }
}

}  // namespace

void HelpList() {
  std::puts(
      "Usage: orvalis-pack list [--json] FILE\n"
      "Prints the package header and every entry in list order (the record read\n"
      "last first, as lookups meet them). --json prints one object with builder,\n"
      "debug, start_page, debug_strings, run_mode, single_instance, display,\n"
      "splash, preview and entries [{name, kind, unpacked_size, offset,\n"
      "stored_size, width, height, alpha}]. Both show every name and text in UTF-8\n"
      "as a JSON string, with control characters such as NUL escaped.");
}

int RunList(const Args& args) {
  bool json = false;
  std::string file;
  for (const std::string& a : args) {
    if (a == "--json")
      json = true;
    else if (file.empty() && !a.starts_with("--"))
      file = a;
    else
      return Fail("list: unexpected argument '" + a + "'");
  }
  if (file.empty()) return Fail("list: no package file given");
  Package package;
  if (const std::string error = OpenForTool(package, file); !error.empty()) return Fail(error);
  if (json)
    PrintJson(package);
  else
    PrintTable(package);
  return 0;
}

}  // namespace orv::packtool
