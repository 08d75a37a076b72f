#include "script/ActionEvaluator.h"

#include <algorithm>
#include <climits>

#include "base/Ansi.h"
#include "base/Messages.h"
#include "base/NumberText.h"
#include "script/ActionEvaluatorErrors.h"
#include "script/CommandIds.h"
#include "script/ControlFlow.h"
#include "script/Engine.h"
#include "script/ParamTypes.h"

namespace orv {
namespace {

const std::string kEmptyText;

// Commands that read or send out files, start programs or drive other
// programs: refused in scripts that come from hosted web pages.
bool IsRestrictedId(int id) {
  switch (id) {
    case cmd::kDOSCommand: case cmd::kExecuteAddOn: case cmd::kFileCopy: case cmd::kFileDelLine:
    case cmd::kFileErase: case cmd::kFileInsLine: case cmd::kFileRead: case cmd::kFileWrite:
    case cmd::kSendKeys: case cmd::kSaveVariables: case cmd::kCreateFolder: case cmd::kRegistryRead:
    case cmd::kRegistryWrite: case cmd::kSendMail: case cmd::kExtractFile: case cmd::kClickMouse:
    case cmd::kRun: case cmd::kRemoveFolder: case cmd::kSuspend: case cmd::kRunOrvalis:
    case cmd::kRunInRectangle:
    // These read or send files and start or drive programs just as the
    // ones above do.
    case cmd::kFileToVar: case cmd::kFileList: case cmd::kDownloadFile: case cmd::kInternetLink:
    case cmd::kCloseApp: case cmd::kSendMenuCommand: case cmd::kDropFile:
      return true;
    default: return false;
  }
}

bool IsPageChangeId(int id) {
  switch (id) {
    case cmd::kGotoPage: case cmd::kGotoFirstPage: case cmd::kGotoLastPage: case cmd::kGotoPrevPage:
    case cmd::kGotoNextPage: case cmd::kReturnToPage: case cmd::kStartSlideShow: case cmd::kStopSlideShow:
    case cmd::kGotoPageNum: case cmd::kPauseSlideShow:
      return true;
    default: return false;
  }
}

// Commands whose bodies prepare their own parameters.
bool PreparesOwnParameters(int id) {
  switch (id) {
    case cmd::kMath: case cmd::kSetVar: case cmd::kCall: case cmd::kDefineVar: case cmd::kWhileEx:
    case cmd::kIfEx:
      return true;
    default: return false;
  }
}

}  // namespace

TActionEval::TActionEval(TScriptEngine& engine, std::shared_ptr<const TCompiledScript> script,
                         std::uint8_t options, std::uint8_t source, int objectType, std::string_view sourceName)
    : engine_(engine),
      vars_(engine.vars_),
      script_(std::move(script)),
      options_(options),
      source_(source),
      sourceName_(sourceName) {
  ++engine_.alive_;
  serial_ = ++engine_.live_;
  generation_ = engine_.generation_;
  if (TEngineDebugger* debugger = engine_.Debugger()) {
    if (serial_ == 1) debugger->ReportLine(serial_, {}, dlNewRun);
    if (!AnsiStartsWithText(script_->Text(), "DebugOff"))
      debugger->ReportScriptStart(serial_, sourceName_, objectType, source_);
  }
  if (source_ >= 1 && source_ <= 26 && sourceName_ != vars_.Self()) {
    savedSelf_ = vars_.Self();
    vars_.SetSelf(sourceName_);
    recordedSelf_ = true;
  }
  savedLocals_ = vars_.EnterLocalScope();
  if (options_ & eoRunNow) AddExclusive();
}

TActionEval::~TActionEval() {
  // A run left over from before an engine reset no longer counts.
  if (generation_ == engine_.generation_) {
    engine_.exclusive_ = std::max(0, engine_.exclusive_ - exclusiveAdded_);
    --engine_.live_;
  }
  --engine_.alive_;
  vars_.LeaveLocalScope(std::move(savedLocals_));
  // The outer script (a click script waiting in Delay while a timer's script
  // ran) still sees its own object.
  if (recordedSelf_) vars_.SetSelf(savedSelf_);
}

TScriptHost& TActionEval::Host() { return engine_.host_; }

void TActionEval::AddExclusive() {
  ++exclusiveAdded_;
  ++engine_.exclusive_;
}

const std::string& TActionEval::Param(int n) const {
  return n >= 1 && n <= paramCount_ ? params_[static_cast<std::size_t>(n - 1)] : kEmptyText;
}

bool TActionEval::IsLiteral(int n) const {
  return n >= 1 && n <= paramCount_ && literal_[static_cast<std::size_t>(n - 1)];
}

std::string_view TActionEval::RawParam(int n) const {
  if (!line_ || n < 1 || n > paramCount_ || n > line_->ParamCount) return {};
  return line_->Params[static_cast<std::size_t>(n - 1)];
}

const std::string& TActionEval::PrepareParam(int n, std::uint8_t type, bool currencyMode, bool evaluate) {
  if (n < 1 || n > paramCount_) return kEmptyText;
  const auto i = static_cast<std::size_t>(n - 1);
  const bool hasReference = line_ && n <= line_->ParamCount && line_->HasReference(n);
  literal_[i] = PrepareParameter(RawParam(n), hasReference, type, currencyMode, evaluate, params_[i]);
  return params_[i];
}

bool TActionEval::FindLabel(std::string_view label) {
  const int line = script_->FindLabel(label);
  if (line == 0) return false;
  LineIndex = line - 1;
  return true;
}

int TActionEval::FindBlockStart(std::string_view name, std::string_view otherName, bool jump) {
  const int count = script_->LineCount();
  int found = 0;
  if (LineIndex >= 1 && LineIndex <= count && name == "WHILE" && otherName == "WHILEEX") {
    found = script_->Line(LineIndex).WhileOpener;
  } else if (LineIndex >= 1 && LineIndex <= count && name == "LOOP" && otherName.empty()) {
    found = script_->Line(LineIndex).LoopOpener;
  } else {
    int depth = 0;
    for (int n = std::min(LineIndex - 1, count); n >= 1 && !found; --n) {
      const std::string_view w = script_->Line(n).CommandWordUpper;
      if (w.size() > 3 && w.substr(0, 3) == "END" &&
          (w.substr(3) == name || (!otherName.empty() && w.substr(3) == otherName))) {
        ++depth;
      } else if (w == name || (!otherName.empty() && w == otherName)) {
        if (depth > 0)
          --depth;
        else
          found = n;
      }
    }
  }
  if (found && jump) LineIndex = found - 1;
  return found;
}

void TActionEval::ReportLine(int code) {
  if (DebugOffCount != 0) return;
  if (TEngineDebugger* debugger = engine_.Debugger()) debugger->ReportLine(serial_, lineText_, code);
}

void TActionEval::ActionError(int code, std::string_view data) {
  const std::string text = ActionErrorText(code, data);
  if (TEngineDebugger* debugger = engine_.Debugger()) {
    vars_.SetSilent(true);
    try {
      vars_.SetLastError(text);
    } catch (...) {
      vars_.SetSilent(false);
      throw;
    }
    vars_.SetSilent(false);
    engine_.host_.SuspendPages(true);
    const int answer =
        debugger->ReportDebugError(script_->Text(), text, sourceName_, false, LineIndex, source_);
    engine_.host_.SuspendPages(false);
    if (answer == daStop) {
      stopCode_ = code;
    } else if (answer == daEndPublication) {
      engine_.closing_ = true;
      engine_.host_.CloseRequested(source_ != 53);
    }
    return;
  }
  std::string full(CommandWord(lineText_));
  full.append("\r\r").append(text);
  vars_.SetLastError(full);
  stopCode_ = code;
}

bool TActionEval::Restricted(const ActionGroupRec& group, int id) const {
  return group.Kind != agkBuiltIn || IsRestrictedId(id);
}

void TActionEval::RunLines() {
  TScriptHost& host = engine_.host_;
  const int count = script_->LineCount();
  while (true) {
    host.RestartIdleTimer();
    if (started_) {
      if (engine_.exclusive_ == 0)
        host.ServeUserInterface();
      else
        host.ServeCloseRequest();
    } else {
      started_ = true;
    }
    if (LineIndex >= count) break;  // also guards the increment below
    if (LineIndex < 0) LineIndex = 0;  // a body moved the position before the first line
    ++LineIndex;
    line_ = &script_->Line(LineIndex);
    lineText_ = line_->Text;
    if (SkipAfterNext > 0) {
      LineIndex = SkipAfterNext > INT_MAX - LineIndex ? INT_MAX : LineIndex + SkipAfterNext;
      SkipAfterNext = 0;
    }
    if (engine_.tracer_ && SkipState == ssExecuting && line_->Kind >= LineKind::lkElse &&
        line_->Kind != LineKind::lkDebugOff && line_->Kind != LineKind::lkDebugOn)
      engine_.tracer_(*this);
    switch (line_->Kind) {
      case LineKind::lkEmpty: break;
      case LineKind::lkComment:
      case LineKind::lkLabel: ReportLine(dlComment); break;
      case LineKind::lkDebugOff: ++DebugOffCount; break;
      case LineKind::lkDebugOn: --DebugOffCount; break;
      case LineKind::lkElse:
      case LineKind::lkEndIf:
      case LineKind::lkEndWhile:
      case LineKind::lkEndLoop: HandleBlockKeyword(*this, line_->Kind); break;
      case LineKind::lkCommand: HandleCommandLine(); break;
    }
    if (line_->Kind != LineKind::lkEmpty && DebugOffCount == 0)
      if (TEngineDebugger* debugger = engine_.Debugger()) debugger->ReportLineComplete(*this);
    if (LineIndex > count || ReturnRequested || stopCode_ != 0 || engine_.closing_ ||
        generation_ != engine_.generation_)
      break;
  }
  line_ = nullptr;
  lineText_ = {};
}

void TActionEval::HandleCommandLine() {
  const ScriptLineRec& rec = *line_;
  if (!rec.Action) {
    ReportLine(dlExecuted);
    ActionError(ae::kUnknownCommand);
    return;
  }
  currentGroup_ = rec.Group;
  currentAction_ = rec.Action;
  const bool builtIn = rec.Group->Kind == agkBuiltIn;
  const int id = rec.Action->Id;
  if (SkipState != ssExecuting) {
    if (builtIn) CountSkippedOpener(*this, id);
    ReportLine(dlPassed);
    return;
  }
  ReportLine(dlExecuted);
  if ((options_ & eoRestricted) && Restricted(*rec.Group, id)) {
    ActionError(ae::kRestricted, rec.Action->Name);
    return;
  }
  if (!rec.QuotesOk) {
    ActionError(ae::kMissingQuote);
    return;
  }
  if (!rec.CountOk) {
    ActionError(ae::kParamCount, FormatWholeNumber(rec.Action->MinParams));
    return;
  }
  paramCount_ = rec.ParamCount;
  if (!builtIn) {
    for (int n = 1; n <= paramCount_; ++n) PrepareParam(n, rec.Action->ParamTypes[static_cast<std::size_t>(n - 1)]);
    engine_.host_.ExecutePluginCommand(*this);
    return;
  }
  Dispatch(id);
}

void TActionEval::Dispatch(int id) {
  if (PreparesOwnParameters(id)) {
    literal_.fill(false);
  } else {
    const auto& types = currentAction_->ParamTypes;
    for (int n = 1; n <= paramCount_; ++n) PrepareParam(n, types[static_cast<std::size_t>(n - 1)]);
    if (IsPageChangeId(id)) {
      if (engine_.host_.SinglePageTestRun()) {
        ActionError(ae::kSinglePageTest);
        return;
      }
      if (options_ & eoNoPageChange) {
        ActionError(ae::kPageChangeBlocked);
        return;
      }
    }
  }
  if (const CommandBody body = engine_.commands_.Body(id))
    body(*this);
  else
    vars_.SetLastError(Message(msg::kNotOnThisPlatform));
}

}  // namespace orv
