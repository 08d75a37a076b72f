#pragma once
// The command registry: groups of commands in creation order, the built-in
// group "_OVK" always first, then one group per loaded plug-in. Every line a
// script runs looks its command word up here, so lookup goes through a hash
// on the case-folded name, never a walk over the lists.
#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Ansi.h"
#include "script/BuiltInCommands.h"

namespace orv {

struct EffectRec {
  std::string Name;
  int Index = 0;  // the plug-in's own number for the effect
};

struct ActionRec {
  std::string Name;  // the command word, without spaces
  int Id = 0;        // meaningful inside its group only
  std::array<std::uint8_t, kMaxParams> ParamTypes{};  // ParamType of positions 1..10
  std::uint8_t MinParams = 0;
  std::uint8_t MaxParams = 0;
  std::uint8_t Hidden = 0;  // hidden commands are neither found nor listed
};

enum : std::uint8_t { agkBuiltIn = 0, agkPlugIn = 1 };

// Entry points a plug-in library exports, each possibly absent. The plug-in
// loader fills them; the registry only keeps them with the group.
struct PluginEntryPoints {
  void* EditAction = nullptr;
  void* ExecuteAction = nullptr;
  void* Message = nullptr;
  void* RenderEffect = nullptr;
  void* RenderEffectEx = nullptr;
  void* EditEffect = nullptr;
  void* About = nullptr;
};

struct ActionGroupRec {
  std::string Name;      // "_OVK" for the built-in group
  std::string FileName;  // plug-in library path; empty for the built-in group
  void* Library = nullptr;
  std::uint8_t Kind = agkBuiltIn;
  int CommandCount = 0;
  // Deques: records keep their address while later ones are added, so the
  // lookup index and compiled scripts may point at them.
  std::deque<ActionRec> Actions;
  std::deque<EffectRec> Effects;
  PluginEntryPoints NativeEntries;
  PluginEntryPoints CEntries;
};

struct ActionLookup {
  ActionGroupRec* Group = nullptr;
  ActionRec* Action = nullptr;
  explicit operator bool() const { return Action != nullptr; }
};

struct EffectLookup {
  ActionGroupRec* Group = nullptr;
  EffectRec* Effect = nullptr;
  explicit operator bool() const { return Effect != nullptr; }
};

class TActionRegistry {
 public:
  // Releases a plug-in library when its group is freed (set by the plug-in
  // loader; the core itself loads no libraries).
  using LibraryReleaser = void (*)(void* library);

  TActionRegistry() = default;
  TActionRegistry(const TActionRegistry&) = delete;
  TActionRegistry& operator=(const TActionRegistry&) = delete;
  ~TActionRegistry();

  // Empties the registry and creates "_OVK" with the built-in commands.
  void RegisterBuiltInCommands();
  ActionGroupRec* NewActionGroup(std::string_view name, std::string_view fileName, void* library,
                                 std::uint8_t kind);
  // Spaces are removed from `name`; the first `maxParams` codes are kept.
  // Returns nullptr (and does nothing) when `group` is absent.
  ActionRec* AddAction(ActionGroupRec* group, int id, std::string_view name,
                       std::span<const std::uint8_t> paramTypes, std::uint8_t minParams,
                       std::uint8_t maxParams);
  EffectRec* AddEffect(ActionGroupRec* group, int index, std::string_view name);

  // First visible command of that name, in group order, ignoring case.
  ActionLookup FindAction(std::string_view name) const;
  ActionLookup FindActionInGroup(const ActionGroupRec* group, std::string_view name) const;
  ActionGroupRec* FindGroup(std::string_view name) const;
  ActionGroupRec* FindGroupByFile(std::string_view fileName) const;
  EffectLookup FindEffect(std::string_view name) const;
  ActionGroupRec* BuiltInGroup() const;  // nullptr before RegisterBuiltInCommands

  // Iteration in list order: the first element when given nullptr, nullptr
  // after the last.
  ActionGroupRec* NextGroup(const ActionGroupRec* group) const;
  ActionRec* NextAction(ActionGroupRec* group, const ActionRec* action) const;

  void FreeActionGroup(ActionGroupRec* group);
  void FreeAllActionGroups();

  // "ELSE", "ENDIF", "ENDWHILE", "ENDLOOP", "DEBUGOFF", "DEBUGON", then every
  // visible command name in registry order.
  std::vector<std::string> ListScriptKeywords() const;

  void SetLibraryReleaser(LibraryReleaser releaser) { releaser_ = releaser; }
  // Changes whenever a group or command is added or removed, so that compiled
  // scripts know their resolved commands may be stale.
  std::uint64_t Generation() const { return generation_; }

 private:
  void RebuildIndex();
  void IndexAction(ActionGroupRec* group, ActionRec* action);

  std::vector<std::unique_ptr<ActionGroupRec>> groups_;
  // Every command of a name, in group order; lookup takes the first visible.
  std::unordered_map<std::string, std::vector<ActionLookup>, AnsiCaseHash, AnsiCaseEqual> index_;
  LibraryReleaser releaser_ = nullptr;
  std::uint64_t generation_ = 1;
};

// True when `count` parameters suit the command; the built-in Call takes any
// count from its minimum up to ten.
bool CheckParameterCount(const ActionGroupRec& group, const ActionRec& action, int count);

// The process's registry, with the built-in commands registered on first use.
TActionRegistry& ActionRegistry();

}  // namespace orv
