#include "script/ActionManager.h"

#include <algorithm>

#include "script/CommandIds.h"

namespace orv {
namespace {

constexpr std::string_view kBlockKeywords[] = {"ELSE", "ENDIF", "ENDWHILE", "ENDLOOP", "DEBUGOFF", "DEBUGON"};

std::string WithoutSpaces(std::string_view name) {
  std::string out;
  out.reserve(name.size());
  for (char c : name)
    if (c != ' ') out.push_back(c);
  return out;
}

}  // namespace

TActionRegistry::~TActionRegistry() { FreeAllActionGroups(); }

void TActionRegistry::RegisterBuiltInCommands() {
  FreeAllActionGroups();
  ActionGroupRec* group = NewActionGroup(kBuiltInGroupName, "", nullptr, agkBuiltIn);
  for (const BuiltInCommandRec& c : BuiltInCommands())
    AddAction(group, c.Id, c.Name, c.ParamTypes, c.MinParams, c.MaxParams);
}

ActionGroupRec* TActionRegistry::NewActionGroup(std::string_view name, std::string_view fileName,
                                                void* library, std::uint8_t kind) {
  auto group = std::make_unique<ActionGroupRec>();
  group->Name = name;
  group->FileName = fileName;
  group->Library = library;
  group->Kind = kind;
  groups_.push_back(std::move(group));
  ++generation_;
  return groups_.back().get();
}

ActionRec* TActionRegistry::AddAction(ActionGroupRec* group, int id, std::string_view name,
                                      std::span<const std::uint8_t> paramTypes,
                                      std::uint8_t minParams, std::uint8_t maxParams) {
  if (!group) return nullptr;
  ActionRec& action = group->Actions.emplace_back();
  action.Name = WithoutSpaces(name);
  action.Id = id;
  action.MinParams = minParams;
  action.MaxParams = maxParams;
  const std::size_t n = std::min<std::size_t>({maxParams, paramTypes.size(), kMaxParams});
  std::copy_n(paramTypes.begin(), n, action.ParamTypes.begin());
  ++group->CommandCount;
  IndexAction(group, &action);
  ++generation_;
  return &action;
}

EffectRec* TActionRegistry::AddEffect(ActionGroupRec* group, int index, std::string_view name) {
  if (!group) return nullptr;
  EffectRec& effect = group->Effects.emplace_back();
  effect.Index = index;
  effect.Name = name;
  return &effect;
}

void TActionRegistry::IndexAction(ActionGroupRec* group, ActionRec* action) {
  auto it = index_.find(std::string_view(action->Name));
  if (it == index_.end()) it = index_.emplace(action->Name, std::vector<ActionLookup>{}).first;
  it->second.push_back({group, action});
}

void TActionRegistry::RebuildIndex() {
  index_.clear();
  for (auto& group : groups_)
    for (ActionRec& action : group->Actions) IndexAction(group.get(), &action);
}

ActionLookup TActionRegistry::FindAction(std::string_view name) const {
  const auto it = index_.find(name);
  if (it == index_.end()) return {};
  for (const ActionLookup& hit : it->second)
    if (!hit.Action->Hidden) return hit;
  return {};
}

ActionLookup TActionRegistry::FindActionInGroup(const ActionGroupRec* group,
                                                std::string_view name) const {
  if (!group) return {};
  const auto it = index_.find(name);
  if (it == index_.end()) return {};
  for (const ActionLookup& hit : it->second)
    if (hit.Group == group && !hit.Action->Hidden) return hit;
  return {};
}

ActionGroupRec* TActionRegistry::FindGroup(std::string_view name) const {
  for (auto& group : groups_)
    if (AnsiSameText(group->Name, name)) return group.get();
  return nullptr;
}

ActionGroupRec* TActionRegistry::FindGroupByFile(std::string_view fileName) const {
  for (auto& group : groups_)
    if (AnsiSameText(group->FileName, fileName)) return group.get();
  return nullptr;
}

EffectLookup TActionRegistry::FindEffect(std::string_view name) const {
  for (auto& group : groups_)
    for (EffectRec& effect : group->Effects)
      if (AnsiSameText(effect.Name, name)) return {group.get(), &effect};
  return {};
}

ActionGroupRec* TActionRegistry::BuiltInGroup() const {
  if (groups_.empty() || groups_.front()->Kind != agkBuiltIn) return nullptr;
  return groups_.front().get();
}

ActionGroupRec* TActionRegistry::NextGroup(const ActionGroupRec* group) const {
  if (!group) return groups_.empty() ? nullptr : groups_.front().get();
  for (std::size_t i = 0; i + 1 < groups_.size(); ++i)
    if (groups_[i].get() == group) return groups_[i + 1].get();
  return nullptr;
}

ActionRec* TActionRegistry::NextAction(ActionGroupRec* group, const ActionRec* action) const {
  if (!group || group->Actions.empty()) return nullptr;
  if (!action) return &group->Actions.front();
  for (std::size_t i = 0; i + 1 < group->Actions.size(); ++i)
    if (&group->Actions[i] == action) return &group->Actions[i + 1];
  return nullptr;
}

void TActionRegistry::FreeActionGroup(ActionGroupRec* group) {
  const auto it = std::find_if(groups_.begin(), groups_.end(),
                               [group](const auto& g) { return g.get() == group; });
  if (it == groups_.end()) return;
  if ((*it)->Kind == agkPlugIn && (*it)->Library && releaser_) releaser_((*it)->Library);
  groups_.erase(it);
  RebuildIndex();
  ++generation_;
}

void TActionRegistry::FreeAllActionGroups() {
  while (!groups_.empty()) FreeActionGroup(groups_.back().get());
}

std::vector<std::string> TActionRegistry::ListScriptKeywords() const {
  std::vector<std::string> list(std::begin(kBlockKeywords), std::end(kBlockKeywords));
  for (auto& group : groups_)
    for (const ActionRec& action : group->Actions)
      if (!action.Hidden) list.push_back(action.Name);
  return list;
}

bool CheckParameterCount(const ActionGroupRec& group, const ActionRec& action, int count) {
  if (count < action.MinParams) return false;
  if (count <= action.MaxParams) return true;
  return action.Id == cmd::kCall && group.Kind == agkBuiltIn && group.Name == kBuiltInGroupName &&
         count <= kMaxParams;
}

TActionRegistry& ActionRegistry() {
  static TActionRegistry registry;
  static const bool registered = (registry.RegisterBuiltInCommands(), true);
  (void)registered;
  return registry;
}

}  // namespace orv
