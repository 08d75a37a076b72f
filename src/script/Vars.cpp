#include "script/Vars.h"

#include <unistd.h>

#include <charconv>
#include <climits>

#include "container/LibRec.h"  // kEmbeddedPrefix
#include "base/Ansi.h"
#include "base/HostPath.h"
#include "base/Messages.h"
#include "base/NumberText.h"
#include "script/PlatformValues.h"
#include "script/VarNames.h"

namespace orv {
namespace {

// Deeper nesting than any script writes; a text of thousands of "[" must
// not exhaust the stack.
constexpr int kMaxReferenceDepth = 200;

constexpr std::string_view kOrvalisVersion = "570.0";

std::string_view TimePattern(SystemVar var) {
  switch (var) {
    case svTime: return "h:nn:ss ampm";
    case svTime24: return "h:nn:ss";
    case svHour: return "h";
    case svMinute: return "nn";
    case svSecond: return "ss";
    case svDateShort: return "ddddd";
    case svDateLong: return "dddddd";
    case svMonth: return "mmmm";
    case svMonthNum: return "m";
    case svDay: return "dddd";
    case svDayNum: return "d";
    case svYear: return "yyyy";
    default: return {};
  }
}

void AppendInt(std::string& out, std::int64_t v) {
  char buf[24];
  const auto [ptr, ec] = std::to_chars(buf, buf + sizeof buf, v);
  (void)ec;
  out.append(buf, ptr);
}

std::string ProgramPath() {
  char buf[4096];
  const ssize_t n = ::readlink("/proc/self/exe", buf, sizeof buf - 1);
  return n > 0 ? AnsiFromHostPath(std::string_view(buf, static_cast<std::size_t>(n))) : std::string();
}

std::string_view DateFormatOrDefault(std::string_view format) { return format.empty() ? "Default" : format; }

// The first "[" or "]" from `pos`, or npos: one pass, where the library's
// find_first_of tries each character against the set with a call.
std::size_t FindBracket(std::string_view text, std::size_t pos) {
  for (; pos < text.size(); ++pos)
    if (text[pos] == '[' || text[pos] == ']') return pos;
  return std::string_view::npos;
}

}  // namespace

struct TVars::Clock {
  TVarHost& Host;
  bool Taken = false;
  TDateTime Now = 0;
  TDateTime Get() {
    if (!Taken) {
      Now = Host.Now();
      Taken = true;
    }
    return Now;
  }
};

TVars::TVars(TVarHost& host) : host_(host), decimalSymbol_(LocaleDecimalSymbol()) {}

TypedContext TVars::TypedContextNow() {
  return TypedContext{decimalSymbol_, &dates_, DecodeDateTime(host_.Now()).Year};
}

// --- Substitution ----------------------------------------------------------

std::string TVars::SubstituteVars(std::string_view text, bool emptyAsZero, bool keepNames) {
  std::string out;
  SubstituteVarsInto(text, out, emptyAsZero, keepNames);
  return out;
}

void TVars::SubstituteVarsInto(std::string_view text, std::string& out, bool emptyAsZero, bool keepNames) {
  Clock clock{host_};
  // The text may be a view of `out` itself.
  if (!out.empty() && text.data() >= out.data() && text.data() < out.data() + out.size()) {
    TScratchBuffers::Lease copy(scratch_);
    copy->assign(text);
    out.clear();
    Substitute(*copy, out, emptyAsZero, keepNames, clock);
    return;
  }
  out.clear();
  Substitute(text, out, emptyAsZero, keepNames, clock);
}

void TVars::Substitute(std::string_view text, std::string& out, bool emptyAsZero, bool keepNames,
                       Clock& clock) {
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t mark = FindBracket(text, pos);
    if (mark == std::string_view::npos) {
      out.append(text.substr(pos));
      return;
    }
    out.append(text.substr(pos, mark - pos));
    if (text[mark] == ']') return;  // a stray "]" ends the text
    pos = mark + 1;
    if (!ReadReference(text, pos, out, true, emptyAsZero, keepNames, clock, 1)) return;
  }
}

bool TVars::ReadReference(std::string_view text, std::size_t& pos, std::string& out, bool outermost,
                          bool emptyAsZero, bool keepNames, Clock& clock, int depth) {
  if (depth > kMaxReferenceDepth) {
    pos = text.size();
    return false;
  }
  // The usual reference names no other one: its name is read in place.
  if (const std::size_t mark = FindBracket(text, pos);
      mark != std::string_view::npos && mark > pos && text[mark] == ']') {
    const std::string_view name = text.substr(pos, mark - pos);
    pos = mark + 1;
    const std::size_t before = out.size();
    if (outermost && keepNames)
      out.append(name);
    else
      AppendValue(name, out, clock);
    if (emptyAsZero && out.size() == before) out.push_back('0');
    return true;
  }
  TScratchBuffers::Lease name(scratch_);
  while (pos < text.size()) {
    const std::size_t mark = FindBracket(text, pos);
    if (mark == std::string_view::npos) break;
    name->append(text.substr(pos, mark - pos));
    pos = mark + 1;
    if (text[mark] == '[') {
      if (!ReadReference(text, pos, *name, false, emptyAsZero, keepNames, clock, depth + 1)) return false;
      continue;
    }
    if (name->empty()) continue;  // "[]" is passed over
    const std::size_t before = out.size();
    if (outermost && keepNames)
      out.append(*name);
    else
      AppendValue(*name, out, clock);
    if (emptyAsZero && out.size() == before) out.push_back('0');
    return true;
  }
  pos = text.size();
  return false;  // unclosed: the partial name and the rest are dropped
}

void TVars::AppendValue(std::string_view name, std::string& out, Clock& clock) {
  if (locals_)
    if (const VarEntry* e = locals_->Find(name)) {
      out.append(e->Value);
      return;
    }
  if (const VarEntry* e = globals_.Find(name)) {
    out.append(e->Value);
    return;
  }
  if (const auto var = FindSystemVar(name)) {
    AppendSystemValue(*var, TimePattern(*var).empty() ? 0 : clock.Get(), out);
    return;
  }
  if (name.front() == '#') {
    // A character by its code; the text keeps a NUL like any other byte.
    const std::int32_t code = ReadInteger32(name.substr(1)).value_or(0);
    out.push_back(static_cast<char>(code < 0 ? 0 : (code > 255 ? 255 : code)));
  }
}

void TVars::AppendSystemValue(SystemVar var, TDateTime now, std::string& out) {
  if (const std::string_view pattern = TimePattern(var); !pattern.empty()) {
    AppendFormattedDate(out, pattern, now, dates_);
    return;
  }
  if (IsPlatformValue(var)) {
    out.append(PlatformValue(var));
    return;
  }
  switch (var) {
    case svPageTitle: {
      const HostPageState pages = host_.Pages();
      if (pages.HasPages) out.append(pages.Title);
      return;
    }
    case svPageNumber:
    case svP: {
      const HostPageState pages = host_.Pages();
      if (pages.HasPages) AppendInt(out, static_cast<std::int64_t>(pages.Index) - pageNumberOffset_);
      return;
    }
    case svPageNumberLeft:
    case svPageNumberRight: {
      const HostPageState pages = host_.Pages();
      const std::int64_t v = 2 * static_cast<std::int64_t>(pages.Index) - pageNumberOffset_ -
                             (var == svPageNumberLeft ? 1 : 0);
      if (pages.HasPages && v > 0) AppendInt(out, v);
      return;
    }
    case svPageCount: AppendInt(out, host_.Pages().Count); return;
    case svPageNumberOffset: AppendInt(out, pageNumberOffset_); return;
    case svDecimalSymbol: out.push_back(decimalSymbol_); return;
    case svSelf: out.append(self_); return;
    case svOrvalisVersion: out.append(kOrvalisVersion); return;
    case svEmbedded: out.append(kEmbeddedPrefix); return;
    case svCurrentDir: {
      char buf[4096];
      if (::getcwd(buf, sizeof buf)) out.append(ScriptFolder(buf));
      return;
    }
    case svCommandLine: {
      out.append(ProgramPath());
      const std::string args = host_.ReadValue(svCommandLine);
      if (!args.empty()) {
        out.push_back('\r');
        out.append(args);
      }
      return;
    }
    default:
      if (IsHostValue(var)) out.append(host_.ReadValue(var));
      return;
  }
}

// --- Names and lookup ------------------------------------------------------

void TVars::VariableKeyInto(std::string_view name, std::string& out) {
  if (const auto key = SimpleVarKey(name)) {
    out.assign(*key);
    return;
  }
  TScratchBuffers::Lease normalized(scratch_);
  NormalizeVarNameInto(name, *normalized);
  out.clear();
  Clock clock{host_};
  Substitute(*normalized, out, false, true, clock);
}

std::string TVars::GetVar(std::string_view name) {
  std::string out;
  GetVarInto(name, out);
  return out;
}

void TVars::GetVarInto(std::string_view name, std::string& out) {
  // (A name viewing `out` itself goes the long way, which copies it first.)
  const bool insideOut = name.data() >= out.data() && name.data() < out.data() + out.size();
  if (const auto key = SimpleVarKey(name); key && !insideOut) {
    out.clear();
    Clock clock{host_};
    AppendValue(*key, out, clock);
    return;
  }
  TScratchBuffers::Lease normalized(scratch_);
  NormalizeVarNameInto(name, *normalized);
  SubstituteVarsInto(*normalized, out);
}

VarEntry* TVars::FindVar(std::string_view key, TVarStringList** store) {
  if (locals_)
    if (VarEntry* e = locals_->Find(key)) {
      if (store) *store = locals_.get();
      return e;
    }
  VarEntry* e = globals_.Find(key);
  if (e && store) *store = &globals_;
  return e;
}

std::uint8_t TVars::VarType(std::string_view name) {
  // Only read: the name's own text serves as the key.
  if (const auto simple = SimpleVarKey(name)) {
    const VarEntry* e = FindVar(*simple);
    return e ? e->Type() : std::uint8_t{vtUndefined};
  }
  TScratchBuffers::Lease key(scratch_);
  VariableKeyInto(name, *key);
  const VarEntry* e = FindVar(*key);
  return e ? e->Type() : std::uint8_t{vtUndefined};
}

void TVars::NotifyChanged(std::string_view key, std::string_view value) {
  if (!notifier_.HasReceivers()) return;
  // Copies: a receiver may change the variable (and so the stored text)
  // while the notification is under way.
  TScratchBuffers::Lease name(scratch_);
  name->push_back('[');
  name->append(key);
  name->push_back(']');
  AnsiUpperInPlace(*name);
  TScratchBuffers::Lease text(scratch_);
  text->assign(value);
  notifier_.Notify(*name, *text);
}

// --- Assignment ------------------------------------------------------------

void TVars::SetVar(std::string_view name, std::string_view value) {
  TScratchBuffers::Lease key(scratch_);
  VariableKeyInto(name, *key);
  if (key->empty()) return;
  if (!value.empty() && AnsiSameText(*key, "LastError"))
    host_.LastErrorAssigned(value, errorDisplay_ && !silent_);

  TVarStringList* store = nullptr;
  if (VarEntry* e = FindVar(*key, &store)) {
    if (value.empty() && !e->Info) {
      store->Erase(*e);
      NotifyChanged(*key, "");
      return;
    }
    if (e->Value == value) return;
    if (e->Type() == vtUndefined) {
      e->Value.assign(value);
      NotifyChanged(*key, e->Value);
      return;
    }
    TScratchBuffers::Lease converted(scratch_);
    const int failure = ConvertTypedValue(e->Type(), e->Info->Format, value, TypedContextNow(), *converted);
    if (failure == 0) {
      store->ConversionFailed = false;
      e->Value.assign(*converted);
      NotifyChanged(*key, e->Value);
      return;
    }
    store->ConversionFailed = true;
    SetLastError(ConversionFailureText(failure, value));
    // The report may have run receivers that removed the variable.
    const VarEntry* kept = FindVar(*key);
    NotifyChanged(*key, kept ? std::string_view(kept->Value) : std::string_view());
    return;
  }

  if (const auto var = FindSystemVar(*key)) {
    if (!SystemVarInfo(*var).Writable) {
      std::string text(Message(msg::kReadOnlyVariable));
      text.append(" [").append(*key).append("].");
      SetLastError(text);
      return;
    }
    WriteSystemVar(*var, value);
    NotifyChanged(*key, value);
    return;
  }

  if (!value.empty()) globals_.Append(*key, value);
  NotifyChanged(*key, value);
}

void TVars::WriteSystemVar(SystemVar var, std::string_view value) {
  switch (var) {
    case svCurrentDir:
      scriptSetCurrentDir_ = false;
      if (value.empty()) return;
      if (::chdir(HostPath(value).c_str()) == 0)
        scriptSetCurrentDir_ = true;
      else
        SetLastError(Message(msg::kPathMissing));
      return;
    case svPageNumberOffset: {
      const std::int64_t v = NumberParam(value, decimalSymbol_, 0);
      pageNumberOffset_ = static_cast<int>(v < INT_MIN ? INT_MIN : (v > INT_MAX ? INT_MAX : v));
      // Displays of the page numbers refresh through their own names.
      for (std::string_view name : {"PAGENUMBER", "P", "PAGENUMBERLEFT", "PAGENUMBERRIGHT"}) {
        TScratchBuffers::Lease current(scratch_);
        Clock clock{host_};
        AppendValue(name, *current, clock);
        NotifyChanged(name, *current);
      }
      return;
    }
    case svDecimalSymbol:
      decimalSymbol_ = value.size() == 1 ? value.front() : LocaleDecimalSymbol();
      return;
    default:
      host_.WriteValue(var, value);
      return;
  }
}

bool TVars::DefineVar(std::string_view name, std::string_view typeName, std::string_view format, bool local) {
  const auto code = VarTypeFromName(typeName);
  if (!code) {
    std::string text = "\"";
    text.append(typeName).append("\"").append(Message(msg::kInvalidVarType));
    SetLastError(text);
    return false;
  }
  std::string key;
  VariableKeyInto(name, key);
  if (key.empty()) return false;

  if (local && !locals_) locals_ = std::make_unique<TVarStringList>();
  TVarStringList& store = local ? *locals_ : globals_;
  const TypedContext ctx = TypedContextNow();
  bool changed = false;

  if (VarEntry* e = store.Find(key)) {
    const std::uint8_t oldType = e->Type();
    const std::string oldFormat = e->Info ? e->Info->Format : std::string();
    if (oldType != *code || oldFormat != format) {
      std::string converted;
      if (oldType == vtDate && *code == vtDate) {
        const auto d = ParseDate(e->Value, DateFormatOrDefault(oldFormat), dates_, ctx.CurrentYear);
        if (d) AppendFormattedDate(converted, DateFormatOrDefault(format), *d, dates_);
      } else if (ConvertTypedValue(*code, format, e->Value, ctx, converted) != 0) {
        converted = InitialTypedValue(*code, format, ctx);
      }
      if (*code == vtUndefined)
        e->Info.reset();
      else
        e->Info = std::make_unique<TGenericVarInfo>(TGenericVarInfo{*code, std::string(format)});
      e->Value = std::move(converted);
      changed = true;
    }
  } else {
    if (AnsiSameText(key, "LastError") || FindSystemVar(key)) {
      std::string text(Message(msg::kGlobalTypeFixed));
      text.append("\"[").append(key).append("]\".");
      SetLastError(text);
      return false;
    }
    if (!local && *code == vtUndefined) return false;
    store.Append(key, InitialTypedValue(*code, format, ctx),
                 std::make_unique<TGenericVarInfo>(TGenericVarInfo{*code, std::string(format)}));
    changed = true;
  }
  const VarEntry* now = store.Find(key);
  NotifyChanged(key, changed && now ? std::string_view(now->Value) : std::string_view());
  return changed;
}

// --- Arrays, scopes, clearing ---------------------------------------------

ArrayBoundsRec TVars::ArrayBounds(std::string_view prefix) const {
  ArrayBoundsRec r;
  auto visit = [&](const TVarStringList& store) {
    for (const VarEntry& e : store) {
      if (!AnsiStartsWithText(e.Name, prefix)) continue;
      std::string_view rest = std::string_view(e.Name).substr(prefix.size());
      if (!rest.empty() && rest.front() == '+') rest.remove_prefix(1);
      if (rest.empty() || rest.front() == '+') continue;
      std::int64_t n = 0;
      const auto [ptr, ec] = std::from_chars(rest.data(), rest.data() + rest.size(), n);
      if (ec != std::errc() || ptr != rest.data() + rest.size()) continue;
      if (r.Count == 0 || n < r.Lowest) r.Lowest = n;
      if (r.Count == 0 || n > r.Highest) r.Highest = n;
      ++r.Count;
    }
  };
  if (locals_) visit(*locals_);
  visit(globals_);
  return r;
}

std::unique_ptr<TVarStringList> TVars::EnterLocalScope() { return std::move(locals_); }

void TVars::LeaveLocalScope(std::unique_ptr<TVarStringList> saved) { locals_ = std::move(saved); }

void TVars::ClearAllVariables() {
  globals_.Clear();
  if (locals_) locals_->Clear();
  notifier_.NotifyAllCleared();
}

}  // namespace orv
