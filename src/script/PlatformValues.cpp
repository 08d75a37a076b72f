#include "script/PlatformValues.h"

#include <pwd.h>
#include <sys/statvfs.h>
#include <sys/utsname.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <span>

#include "base/HostPath.h"
#include "base/Messages.h"
#include "base/NumberText.h"

namespace orv {
namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? std::string(v) : std::string();
}

bool IsFolder(const std::string& path) { return !path.empty() && ::access(path.c_str(), X_OK) == 0; }

// Mount point of the first mounted file system of one of `types`, as a
// folder; "Error" when there is none, as for a machine without such a drive.
std::string FirstMountOf(std::initializer_list<std::string_view> types) {
  std::ifstream mounts("/proc/mounts");
  std::string device, mountPoint, type;
  std::string rest;
  while (mounts >> device >> mountPoint >> type) {
    std::getline(mounts, rest);
    for (std::string_view t : types)
      if (type == t) return ScriptFolder(mountPoint);
  }
  return "Error";
}

std::string CdRomDrive() { return FirstMountOf({"iso9660", "udf"}); }
std::string NetworkDrive() { return FirstMountOf({"nfs", "nfs4", "cifs", "smb3", "smbfs", "fuse.sshfs", "9p"}); }
std::string SystemDir() { return ScriptFolder("/usr/lib"); }
std::string WindowsDir() { return ScriptFolder("/usr"); }
std::string ProgramFiles() { return ScriptFolder("/opt"); }

std::string TempDir() {
  // Read once, at the first use, like the value taken at start-up.
  static const std::string dir = [] {
    std::string t = Env("TMPDIR");
    return ScriptFolder(IsFolder(t) ? t : std::string("/tmp"));
  }();
  return dir;
}

std::string UserName() {
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_name && *pw->pw_name)
    return AnsiFromHostPath(pw->pw_name);
  if (std::string user = Env("USER"); !user.empty()) return AnsiFromHostPath(user);
  return std::string(Message(msg::kUnknown));
}

std::string WindowsPlatform() { return "2"; }  // the NT family: what current publications test for

std::string WindowsVer() {
  utsname u{};
  if (::uname(&u) != 0) return {};
  // Kernel "6.8.0-45-generic" -> "6.8".
  std::string_view release(u.release);
  const std::size_t first = release.find('.');
  if (first == std::string_view::npos) return {};
  std::size_t second = first + 1;
  while (second < release.size() && release[second] >= '0' && release[second] <= '9') ++second;
  if (second == first + 1) return {};
  return std::string(release.substr(0, second));
}

std::string HdSerialNum() {
  struct statvfs st {};
  if (::statvfs("/", &st) != 0) return "0";
  return FormatWholeNumber(static_cast<std::uint32_t>(st.f_fsid));
}

std::string MyDocuments() {
  const std::string home = Env("HOME");
  // The XDG user-dirs file names the documents folder relative to $HOME.
  std::string config = Env("XDG_CONFIG_HOME");
  if (config.empty() && !home.empty()) config = home + "/.config";
  std::ifstream dirs(config + "/user-dirs.dirs");
  std::string line;
  while (std::getline(dirs, line)) {
    if (line.rfind("XDG_DOCUMENTS_DIR=", 0) != 0) continue;
    std::string v = line.substr(18);
    if (v.size() >= 2 && v.front() == '"' && v.back() == '"') v = v.substr(1, v.size() - 2);
    if (v.rfind("$HOME", 0) == 0) v = home + v.substr(5);
    if (IsFolder(v)) return ScriptFolder(v);
  }
  if (IsFolder(home + "/Documents")) return ScriptFolder(home + "/Documents");
  if (IsFolder(home)) return ScriptFolder(home);
  return "C:\\My Documents\\";
}

// "it_IT.UTF-8" -> language "it", territory "IT".
void LocaleParts(std::string& language, std::string& territory) {
  std::string locale = Env("LC_ALL");
  if (locale.empty()) locale = Env("LC_MESSAGES");
  if (locale.empty()) locale = Env("LANG");
  const std::size_t dot = locale.find_first_of(".@");
  if (dot != std::string::npos) locale.resize(dot);
  const std::size_t us = locale.find('_');
  language = locale.substr(0, us);
  territory = us == std::string::npos ? std::string() : locale.substr(us + 1);
}

struct NameRow {
  std::string_view Code, Name;
};
constexpr NameRow kLanguages[] = {
    {"ca", "Catalan"}, {"cs", "Czech"},   {"da", "Danish"},    {"de", "German"},   {"el", "Greek"},
    {"en", "English"}, {"es", "Spanish"}, {"fi", "Finnish"},   {"fr", "French"},   {"hu", "Hungarian"},
    {"it", "Italian"}, {"ja", "Japanese"}, {"nl", "Dutch"},    {"no", "Norwegian"}, {"nb", "Norwegian"},
    {"pl", "Polish"},  {"pt", "Portuguese"}, {"ro", "Romanian"}, {"ru", "Russian"}, {"sk", "Slovak"},
    {"sl", "Slovenian"}, {"sv", "Swedish"}, {"tr", "Turkish"}, {"zh", "Chinese"},
};
constexpr NameRow kTerritories[] = {
    {"AT", "Austria"}, {"AU", "Australia"}, {"BE", "Belgium"}, {"BR", "Brazil"},
    {"CA", "Canada"},  {"CH", "Switzerland"}, {"DE", "Germany"}, {"ES", "Spain"},
    {"FR", "France"},  {"GB", "United Kingdom"}, {"IE", "Ireland"}, {"IT", "Italy"},
    {"MX", "Mexico"},  {"NL", "Netherlands"}, {"PT", "Portugal"}, {"SM", "San Marino"},
    {"US", "United States"},
};

std::string_view NameOf(std::span<const NameRow> rows, std::string_view code) {
  for (const NameRow& r : rows)
    if (r.Code == code) return r.Name;
  return {};
}

std::string SystemLanguage() {
  std::string language, territory;
  LocaleParts(language, territory);
  if (language.empty() || language == "C" || language == "POSIX") return "English";
  const std::string_view name = NameOf(kLanguages, language);
  return name.empty() ? language : std::string(name);
}

std::string SystemLanguageExt() {
  std::string language, territory;
  LocaleParts(language, territory);
  const std::string_view name = NameOf(kLanguages, language);
  if (name.empty()) return "<unknown>";
  const std::string_view place = NameOf(kTerritories, territory);
  if (place.empty()) return std::string(name);
  return std::string(name) + " (" + std::string(place) + ")";
}

struct PlatformValueRec {
  SystemVar Var;
  std::string_view Equivalent;
  std::string (*Read)();
};

// The one place where a Windows-only value meets its Linux counterpart.
const PlatformValueRec kPlatformValues[] = {
    {svCDRomDrive, "mount point of the first mounted optical medium (iso9660, udf); \"Error\" without one", CdRomDrive},
    {svNetworkDrive, "mount point of the first network file system (nfs, cifs, sshfs, 9p); \"Error\" without one", NetworkDrive},
    {svSystemDir, "/usr/lib/", SystemDir},
    {svTempDir, "$TMPDIR when it is a folder, else /tmp/, read once", TempDir},
    {svUserName, "the login name of the user (passwd, then $USER); message 228 when unknown", UserName},
    {svWindowsDir, "/usr/", WindowsDir},
    {svWindowsPlatform, "2, the platform id of the NT family", WindowsPlatform},
    {svWindowsVer, "kernel major.minor version from uname", WindowsVer},
    {svSystemLanguage, "English name of the language of LC_ALL / LC_MESSAGES / LANG", SystemLanguage},
    {svHDSerialNum, "file-system id of / (statvfs), unsigned decimal; 0 when unavailable", HdSerialNum},
    {svMyDocuments, "XDG documents folder (user-dirs.dirs), else ~/Documents/, else the home folder", MyDocuments},
    {svProgramFiles, "/opt/", ProgramFiles},
    {svSystemLanguageExt, "language name and territory of the locale, \"<unknown>\" without a name", SystemLanguageExt},
};

const PlatformValueRec* Row(SystemVar var) {
  for (const PlatformValueRec& r : kPlatformValues)
    if (r.Var == var) return &r;
  return nullptr;
}

}  // namespace

bool IsPlatformValue(SystemVar var) { return Row(var) != nullptr; }

std::string PlatformValue(SystemVar var) {
  const PlatformValueRec* r = Row(var);
  return r ? r->Read() : std::string();
}

std::string_view PlatformEquivalent(SystemVar var) {
  const PlatformValueRec* r = Row(var);
  return r ? r->Equivalent : std::string_view();
}

// Number texts of the engine are written with "."; the C library's locale is
// never switched, so its separator is the one publications meet here.
char LocaleDecimalSymbol() { return '.'; }

}  // namespace orv
