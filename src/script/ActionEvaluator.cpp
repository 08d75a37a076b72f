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

TActionEval::TActionEval(TScriptEngine& engine, TEngineRuns& runs, std::shared_ptr<const TCompiledScript> script,
                         std::uint8_t options, std::uint8_t source, int objectType, std::string_view sourceName)
    : engine_(engine),
      vars_(engine.Vars()),
      script_(std::move(script)),
      options_(options),
      source_(source),
      sourceName_(sourceName),
      run_(runs) {
  if (TEngineDebugger* debugger = engine_.Debugger()) {
    if (Serial() == 1) debugger->ReportLine(Serial(), {}, dlNewRun);
    if (!AnsiStartsWithText(script_->Text(), "DebugOff"))
      debugger->ReportScriptStart(Serial(), sourceName_, objectType, source_);
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
  vars_.LeaveLocalScope(std::move(savedLocals_));
  // The outer script (a click script waiting in Delay while a timer's script
  // ran) still sees its own object.
  if (recordedSelf_) vars_.SetSelf(savedSelf_);
}

TScriptHost& TActionEval::Host() { return engine_.Host(); }

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
  if (TEngineDebugger* debugger = engine_.Debugger()) debugger->ReportLine(Serial(), lineText_, code);
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
    TScriptHost& host = engine_.Host();
    host.SuspendPages(true);
    const int answer =
        debugger->ReportDebugError(script_->Text(), text, sourceName_, false, LineIndex, source_);
    host.SuspendPages(false);
    if (answer == daStop) {
      stopCode_ = code;
    } else if (answer == daEndPublication) {
      engine_.SetClosing(true);
      host.CloseRequested(source_ != 53);
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
  TScriptHost& host = engine_.Host();
  const TScriptEngine::LineTracer& tracer = engine_.Tracer();
  const TEngineRuns& runs = engine_.Runs();
  const int generation = run_.Generation();
  const int count = script_->LineCount();
  while (true) {
    host.RestartIdleTimer();
    if (started_) {
      if (runs.Exclusive() == 0)
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
    if (tracer && SkipState == ssExecuting && line_->Kind >= LineKind::lkElse &&
        line_->Kind != LineKind::lkDebugOff && line_->Kind != LineKind::lkDebugOn)
      tracer(*this);
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
    if (LineIndex > count || ReturnRequested || stopCode_ != 0 || engine_.Closing() ||
        runs.Generation() != generation)
      break;
  }
  line_ = nullptr;
  lineText_ = {};
}

// Lines passed over do nothing but deepen or end the skip, so the lines up to
// the one that ends it are stepped over at once: a block skipped again on
// every turn of a loop around it costs one step, not its length. Each line
// is still visited where something watches it: an attached debugger sees
// every line passed over, and a word not registered raises its error.
void TActionEval::BeginSkip(std::uint8_t state) {
  SkipState = state;
  if (!line_) return;
  const ScriptLineRec& start = *line_;
  const int count = script_->LineCount();
  if (start.SkipStart != SkipState || SkipAfterNext != 0 || LineIndex < 1 || LineIndex > count ||
      &script_->Line(LineIndex) != line_ || engine_.Debugger())
    return;
  const int end = start.SkipEnd != 0 ? start.SkipEnd : count + 1;
  const ScriptLineRec& last = script_->Line(end - 1);
  if (last.UnknownUpTo != start.UnknownUpTo) return;
  DebugOffCount += last.DebugOffLevel - start.DebugOffLevel;
  LineIndex = end - 1;
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
    CountSkippedOpener(*this, rec);
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
    engine_.Host().ExecutePluginCommand(*this);
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
      if (engine_.Host().SinglePageTestRun()) {
        ActionError(ae::kSinglePageTest);
        return;
      }
      if (options_ & eoNoPageChange) {
        ActionError(ae::kPageChangeBlocked);
        return;
      }
    }
  }
  if (const CommandBody body = engine_.Commands().Body(id))
    body(*this);
  else
    vars_.SetLastError(Message(msg::kNotOnThisPlatform));
}

}  // namespace orv
