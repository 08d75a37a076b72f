#pragma once
// Delivery of "variable changed": an assignment reaches only the receivers
// that subscribed to that variable's name (and those that watch every
// variable, such as the debugger), never every object of every page.
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/Ansi.h"

namespace orv {

class TVarChangeReceiver {
 public:
  virtual ~TVarChangeReceiver() = default;
  // `bracketName` is "[NAME]", upper-cased; `value` the value now stored
  // (may be empty). Both views are valid during the call only.
  virtual void VariableChanged(std::string_view bracketName, std::string_view value) = 0;
  // Every variable was cleared at once.
  virtual void AllVariablesCleared() {}
};

class TVarChangeNotifier {
 public:
  // `name` with or without brackets, any case. A receiver may subscribe to
  // several names; subscribing twice to one name delivers once.
  void Subscribe(std::string_view name, TVarChangeReceiver* receiver);
  void SubscribeAll(TVarChangeReceiver* receiver);
  void Unsubscribe(std::string_view name, TVarChangeReceiver* receiver);
  // Removes every subscription of the receiver (call before destroying it).
  void UnsubscribeAll(TVarChangeReceiver* receiver);

  // Receivers may subscribe, unsubscribe and assign variables while being
  // notified; one removed during a delivery is not called afterwards.
  void Notify(std::string_view bracketName, std::string_view value);
  void NotifyAllCleared();
  std::size_t SubscriptionCount() const;
  // False when no receiver listens at all: assignments then skip building
  // the notification.
  bool HasReceivers() const { return !byName_.empty() || !all_.empty(); }

 private:
  static std::string KeyOf(std::string_view name);
  void Deliver(std::vector<TVarChangeReceiver*>& list, std::string_view name, std::string_view value);
  void Compact();

  std::unordered_map<std::string, std::vector<TVarChangeReceiver*>, AnsiCaseHash, AnsiCaseEqual> byName_;
  std::vector<TVarChangeReceiver*> all_;
  int delivering_ = 0;
  bool removedDuringDelivery_ = false;
};

}  // namespace orv
