#pragma once
// The subcommands of orvalis-pack. Each lives in its own file and is listed
// once in the table in main.cpp.
#include <string>
#include <vector>

namespace orv::packtool {

using Args = std::vector<std::string>;  // the words after the subcommand's name

struct PackCommand {
  const char* name;
  const char* synopsis;  // one line for the overview
  int (*run)(const Args& args);
  void (*help)();
};

int RunList(const Args& args);
void HelpList();
int RunExtract(const Args& args);
void HelpExtract();
int RunVerify(const Args& args);
void HelpVerify();
int RunCreate(const Args& args);
void HelpCreate();
int RunInspect(const Args& args);
void HelpInspect();

}  // namespace orv::packtool
