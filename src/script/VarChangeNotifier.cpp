#include "script/VarChangeNotifier.h"

#include <algorithm>

#include "script/VarNames.h"

namespace orv {

std::string TVarChangeNotifier::KeyOf(std::string_view name) {
  return AnsiUpperCase(NormalizeVarName(name));
}

void TVarChangeNotifier::Subscribe(std::string_view name, TVarChangeReceiver* receiver) {
  if (!receiver || name.empty()) return;
  auto& list = byName_[KeyOf(name)];
  if (std::find(list.begin(), list.end(), receiver) == list.end()) list.push_back(receiver);
}

void TVarChangeNotifier::SubscribeAll(TVarChangeReceiver* receiver) {
  if (receiver && std::find(all_.begin(), all_.end(), receiver) == all_.end()) all_.push_back(receiver);
}

void TVarChangeNotifier::Unsubscribe(std::string_view name, TVarChangeReceiver* receiver) {
  const auto it = byName_.find(std::string_view(KeyOf(name)));
  if (it == byName_.end()) return;
  for (auto& r : it->second)
    if (r == receiver) r = nullptr;
  removedDuringDelivery_ = true;
  if (delivering_ == 0) Compact();
}

void TVarChangeNotifier::UnsubscribeAll(TVarChangeReceiver* receiver) {
  for (auto& [name, list] : byName_)
    for (auto& r : list)
      if (r == receiver) r = nullptr;
  for (auto& r : all_)
    if (r == receiver) r = nullptr;
  removedDuringDelivery_ = true;
  if (delivering_ == 0) Compact();
}

// Removed receivers are blanked first and dropped once no delivery is
// walking the lists, so a delivery never skips or repeats a receiver.
void TVarChangeNotifier::Compact() {
  if (!removedDuringDelivery_) return;
  removedDuringDelivery_ = false;
  for (auto it = byName_.begin(); it != byName_.end();) {
    std::erase(it->second, nullptr);
    it = it->second.empty() ? byName_.erase(it) : std::next(it);
  }
  std::erase(all_, nullptr);
}

void TVarChangeNotifier::Deliver(std::vector<TVarChangeReceiver*>& list, std::string_view name,
                                 std::string_view value) {
  // Indexes, not iterators: a receiver may subscribe and grow the list.
  const std::size_t count = list.size();
  for (std::size_t i = 0; i < count && i < list.size(); ++i)
    if (TVarChangeReceiver* r = list[i]) r->VariableChanged(name, value);
}

void TVarChangeNotifier::Notify(std::string_view bracketName, std::string_view value) {
  ++delivering_;
  if (const auto it = byName_.find(bracketName); it != byName_.end()) Deliver(it->second, bracketName, value);
  if (!all_.empty()) Deliver(all_, bracketName, value);
  if (--delivering_ == 0) Compact();
}

void TVarChangeNotifier::NotifyAllCleared() {
  ++delivering_;
  const std::size_t count = all_.size();
  for (std::size_t i = 0; i < count && i < all_.size(); ++i)
    if (TVarChangeReceiver* r = all_[i]) r->AllVariablesCleared();
  if (--delivering_ == 0) Compact();
}

std::size_t TVarChangeNotifier::SubscriptionCount() const {
  std::size_t n = 0;
  for (const auto& [name, list] : byName_) n += static_cast<std::size_t>(std::count_if(list.begin(), list.end(), [](auto* r) { return r != nullptr; }));
  return n + static_cast<std::size_t>(std::count_if(all_.begin(), all_.end(), [](auto* r) { return r != nullptr; }));
}

}  // namespace orv
