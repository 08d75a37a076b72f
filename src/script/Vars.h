#pragma once
// The variables of a running publication: the global store, the local store
// of the script now running, the system variables computed on demand,
// substitution of "[Name]" references, typed assignment, "[LastError]" and
// the change notification.
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "script/DateText.h"
#include "script/ScratchBuffers.h"
#include "script/SystemVariables.h"
#include "script/TypedValues.h"
#include "script/VarChangeNotifier.h"
#include "script/VarHost.h"
#include "script/VarStringList.h"

namespace orv {

struct ArrayBoundsRec {
  int Count = 0;
  std::int64_t Lowest = 0;
  std::int64_t Highest = 0;
};

class TVars {
 public:
  explicit TVars(TVarHost& host);
  TVars(const TVars&) = delete;
  TVars& operator=(const TVars&) = delete;

  // --- References -------------------------------------------------------
  // Replaces every "[Name]" reference (nested references name the outer one;
  // a stray "]" ends the text; an unclosed reference drops the rest).
  std::string SubstituteVars(std::string_view text, bool emptyAsZero = false, bool keepNames = false);
  // The same into `out` (replaced); allocates nothing once `out` and the
  // module's buffers are large enough.
  void SubstituteVarsInto(std::string_view text, std::string& out, bool emptyAsZero = false,
                          bool keepNames = false);
  // "Count", "[Count]" and "[Arr[i]]" forms.
  std::string GetVar(std::string_view name);
  void GetVarInto(std::string_view name, std::string& out);
  // The bare variable name a reference designates: "[Arr[i]]" -> "Arr3".
  void VariableKeyInto(std::string_view name, std::string& out);

  // --- Assignment -------------------------------------------------------
  void SetVar(std::string_view name, std::string_view value);
  // True when a variable was created, re-typed or re-formatted.
  bool DefineVar(std::string_view name, std::string_view typeName, std::string_view format, bool local);
  std::uint8_t VarType(std::string_view name);
  void SetLastError(std::string_view text) { SetVar("[LastError]", text); }
  void ClearLastError() { SetVar("[LastError]", ""); }
  ArrayBoundsRec ArrayBounds(std::string_view prefix) const;
  void ClearAllVariables();

  // --- Stores -----------------------------------------------------------
  TVarStringList& Globals() { return globals_; }
  TVarStringList* Locals() { return locals_.get(); }
  // A script starts with no local store; the returned store is the caller's,
  // given back by LeaveLocalScope when the script ends.
  std::unique_ptr<TVarStringList> EnterLocalScope();
  void LeaveLocalScope(std::unique_ptr<TVarStringList> saved);

  // --- Engine state the variables expose ----------------------------------
  char DecimalSymbol() const { return decimalSymbol_; }
  const DateFormatSettings& DateSettings() const { return dates_; }
  void SetDateSettings(DateFormatSettings settings) { dates_ = std::move(settings); }
  TypedContext TypedContextNow();
  // Error display ("SHOWERRORS=", ShowErrors) and the evaluator's silent
  // assignments of "[LastError]".
  bool ErrorDisplay() const { return errorDisplay_; }
  void SetErrorDisplay(bool on) { errorDisplay_ = on; }
  bool Silent() const { return silent_; }
  void SetSilent(bool on) { silent_ = on; }
  // "[Self]": the object whose event started the running script.
  const std::string& Self() const { return self_; }
  void SetSelf(std::string_view name) { self_ = name; }
  int PageNumberOffset() const { return pageNumberOffset_; }
  // True after a script set "[CurrentDir]" successfully (Run consults it).
  bool ScriptSetCurrentDir() const { return scriptSetCurrentDir_; }

  TVarHost& Host() { return host_; }
  TVarChangeNotifier& Notifier() { return notifier_; }

  // A system variable's value now, `now` standing for the time of day.
  void AppendSystemValue(SystemVar var, TDateTime now, std::string& out);

 private:
  struct Clock;  // the one instant of a substitution, taken when first needed

  void Substitute(std::string_view text, std::string& out, bool emptyAsZero, bool keepNames, Clock& clock);
  bool ReadReference(std::string_view text, std::size_t& pos, std::string& out, bool outermost,
                     bool emptyAsZero, bool keepNames, Clock& clock, int depth);
  void AppendValue(std::string_view name, std::string& out, Clock& clock);
  VarEntry* FindVar(std::string_view key, TVarStringList** store = nullptr);
  void NotifyChanged(std::string_view key, std::string_view value);
  void WriteSystemVar(SystemVar var, std::string_view value);

  TVarHost& host_;
  TVarChangeNotifier notifier_;
  TVarStringList globals_;
  std::unique_ptr<TVarStringList> locals_;
  TScratchBuffers scratch_;
  DateFormatSettings dates_;
  char decimalSymbol_;
  bool errorDisplay_ = true;
  bool silent_ = false;
  bool scriptSetCurrentDir_ = false;
  int pageNumberOffset_ = 0;
  std::string self_;
};

// Installs no local store for the life of a script run.
class TLocalScope {
 public:
  explicit TLocalScope(TVars& vars) : vars_(vars), saved_(vars.EnterLocalScope()) {}
  TLocalScope(const TLocalScope&) = delete;
  TLocalScope& operator=(const TLocalScope&) = delete;
  ~TLocalScope() { vars_.LeaveLocalScope(std::move(saved_)); }

 private:
  TVars& vars_;
  std::unique_ptr<TVarStringList> saved_;
};

}  // namespace orv
