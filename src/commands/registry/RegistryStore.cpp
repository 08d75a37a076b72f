#include "commands/registry/RegistryStore.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <fstream>
#include <iterator>

#include "base/Ansi.h"
#include "base/FileDescriptor.h"
#include "base/ReplacingFile.h"

namespace orv {
namespace {

constexpr std::string_view kRootKeys[] = {"HKEY_CLASSES_ROOT", "HKEY_LOCAL_MACHINE", "HKEY_USERS",
                                          "HKEY_CURRENT_CONFIG"};
constexpr std::string_view kEmptyRoots[] = {"HKEY_PERFORMANCE_DATA", "HKEY_DYN_DATA"};

int MakeFolders(const std::string& path) {
  for (std::size_t pos = 1; pos <= path.size(); ++pos) {
    if (pos != path.size() && path[pos] != '/') continue;
    const std::string part = path.substr(0, pos);
    if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) return errno;
  }
  return 0;
}

// Held across a read-modify-write so that two players do not lose each
// other's changes; the lock goes when its descriptor is closed.
class StoreLock {
 public:
  explicit StoreLock(const std::string& folder)
      : file_(::open((folder + "/.lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600)) {
    if (file_.IsOpen()) ::flock(file_.Get(), LOCK_EX);
  }

 private:
  TFileDescriptor file_;
};

}  // namespace

TRegistryStore::TRegistryStore(std::string folder) : folder_(std::move(folder)) {}

std::string TRegistryStore::DefaultFolder() {
  std::string base;
  if (const char* config = std::getenv("XDG_CONFIG_HOME"); config && config[0] == '/') {
    base = config;
  } else {
    const char* home = std::getenv("HOME");
    if (!home || !*home) {
      const passwd* pw = ::getpwuid(::getuid());
      home = pw ? pw->pw_dir : "/tmp";
    }
    base = std::string(home) + "/.config";
  }
  return base + "/orvalis/registry";
}

std::optional<std::string> TRegistryStore::RootKey(std::string_view name) {
  for (std::string_view root : kEmptyRoots)
    if (AnsiSameText(name, root)) return std::nullopt;
  for (std::string_view root : kRootKeys)
    if (AnsiSameText(name, root)) return std::string(root);
  return std::string("HKEY_CURRENT_USER");
}

std::optional<std::string> TRegistryStore::NormalKeyPath(std::string_view key) {
  if (!key.empty() && key.front() == '\\') key.remove_prefix(1);
  if (!key.empty() && key.back() == '\\') key.remove_suffix(1);
  if (key.empty()) return std::string();
  bool partStart = true;
  for (char c : key) {
    if (static_cast<unsigned char>(c) < 0x20 || (c == '\\' && partStart)) return std::nullopt;
    partStart = c == '\\';
  }
  return std::string(key);
}

std::string TRegistryStore::FileOf(std::string_view root) const {
  return folder_ + "/" + std::string(root) + ".reg";
}

TRegistryFile TRegistryStore::Load(std::string_view root) const {
  TRegistryFile file{std::string(root)};
  std::ifstream in(FileOf(root), std::ios::binary);
  if (in) file.Parse(std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()));
  return file;
}

bool TRegistryStore::KeyExists(std::string_view root, std::string_view key) const {
  return Load(root).KeyExists(key);
}

std::optional<RegistryValue> TRegistryStore::Read(std::string_view root, std::string_view key,
                                                  std::string_view name) const {
  return Load(root).Value(key, name);
}

int TRegistryStore::Write(std::string_view root, std::string_view key, std::string_view name,
                          const RegistryValue& value) {
  if (const int e = MakeFolders(folder_)) return e;
  StoreLock lock(folder_);
  TRegistryFile file = Load(root);
  file.SetValue(key, name, value);
  return ReplaceFileContent(FileOf(root), file.Text());
}

}  // namespace orv
