#include "commands/registry/RegistryFile.h"

#include <array>
#include <charconv>
#include <cstdio>

#include "base/Ansi.h"

namespace orv {
namespace {

constexpr char kHex[] = "0123456789abcdef";

// Bytes that do not survive the trip through UTF-8 are written as escapes.
bool RoundTrips(unsigned char c) {
  static const std::array<bool, 256> table = [] {
    std::array<bool, 256> t{};
    for (int i = 0; i < 256; ++i) {
      const std::string one(1, static_cast<char>(i));
      t[static_cast<std::size_t>(i)] = i >= 0x20 && i != 0x7F && Utf8ToAnsi(AnsiToUtf8(one)) == one;
    }
    return t;
  }();
  return table[c];
}

std::string Quote(std::string_view text) {
  std::string out = "\"";
  for (char ch : text) {
    const auto c = static_cast<unsigned char>(ch);
    if (ch == '\\' || ch == '"') {
      out.push_back('\\');
      out.push_back(ch);
    } else if (RoundTrips(c)) {
      out.append(AnsiToUtf8(std::string_view(&ch, 1)));
    } else {
      out.append("\\x").push_back(kHex[c >> 4]);
      out.push_back(kHex[c & 15]);
    }
  }
  out.push_back('"');
  return out;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// A quoted text starting at text[pos] (the opening quote); pos ends after
// the closing quote. nullopt when malformed.
std::optional<std::string> Unquote(std::string_view text, std::size_t& pos) {
  if (pos >= text.size() || text[pos] != '"') return std::nullopt;
  std::string out, run;  // run: UTF-8 bytes not yet converted
  auto flush = [&] {
    out.append(Utf8ToAnsi(run));
    run.clear();
  };
  for (std::size_t i = pos + 1; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '"') {
      flush();
      pos = i + 1;
      return out;
    }
    if (c != '\\') {
      run.push_back(c);
      continue;
    }
    if (++i >= text.size()) return std::nullopt;
    if (text[i] == 'x' && i + 2 < text.size() && HexDigit(text[i + 1]) >= 0 && HexDigit(text[i + 2]) >= 0) {
      flush();
      out.push_back(static_cast<char>(HexDigit(text[i + 1]) * 16 + HexDigit(text[i + 2])));
      i += 2;
    } else {
      run.push_back(text[i]);
    }
  }
  return std::nullopt;
}

std::string HexBytes(std::string_view bytes) {
  std::string out;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i) out.push_back(',');
    const auto c = static_cast<unsigned char>(bytes[i]);
    out.push_back(kHex[c >> 4]);
    out.push_back(kHex[c & 15]);
  }
  return out;
}

std::optional<std::string> ReadHexBytes(std::string_view text) {
  std::string out;
  std::size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && (text[i] == ' ' || text[i] == ',' || text[i] == '\t')) ++i;
    if (i >= text.size()) break;
    if (i + 1 >= text.size() || HexDigit(text[i]) < 0 || HexDigit(text[i + 1]) < 0) return std::nullopt;
    out.push_back(static_cast<char>(HexDigit(text[i]) * 16 + HexDigit(text[i + 1])));
    i += 2;
  }
  return out;
}

std::string ValueText(const RegistryValue& v) {
  switch (v.Type) {
    case RegistryType::String: return Quote(v.Data);
    case RegistryType::Integer: {
      char buffer[16];
      std::snprintf(buffer, sizeof buffer, "dword:%08x", static_cast<unsigned>(v.Integer));
      return buffer;
    }
    case RegistryType::Binary: return "hex:" + HexBytes(v.Data);
    case RegistryType::ExpandString: return "hex(2):" + HexBytes(v.Data);
    case RegistryType::Other: return "hex(" + std::to_string(v.OtherType) + "):" + HexBytes(v.Data);
  }
  return {};
}

std::optional<RegistryValue> ReadValueText(std::string_view text) {
  RegistryValue v;
  if (!text.empty() && text.front() == '"') {
    std::size_t pos = 0;
    std::optional<std::string> s = Unquote(text, pos);
    if (!s || pos != text.size()) return std::nullopt;
    v.Data = std::move(*s);
    return v;
  }
  if (text.substr(0, 6) == "dword:") {
    std::uint32_t n = 0;
    const std::string_view digits = text.substr(6);
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), n, 16);
    if (ec != std::errc() || end != digits.data() + digits.size() || digits.empty()) return std::nullopt;
    v.Type = RegistryType::Integer;
    v.Integer = static_cast<std::int32_t>(n);
    return v;
  }
  if (text.substr(0, 3) != "hex") return std::nullopt;
  std::size_t colon = text.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  const std::string_view kind = text.substr(3, colon - 3);
  if (kind.empty()) {
    v.Type = RegistryType::Binary;
  } else {
    if (kind.size() < 3 || kind.front() != '(' || kind.back() != ')') return std::nullopt;
    int number = 0;
    const std::string_view digits = kind.substr(1, kind.size() - 2);
    const auto [end, ec] = std::from_chars(digits.data(), digits.data() + digits.size(), number, 16);
    if (ec != std::errc() || end != digits.data() + digits.size()) return std::nullopt;
    v.Type = number == 2 ? RegistryType::ExpandString : number == 3 ? RegistryType::Binary : RegistryType::Other;
    v.OtherType = v.Type == RegistryType::Other ? number : 0;
  }
  std::optional<std::string> bytes = ReadHexBytes(text.substr(colon + 1));
  if (!bytes) return std::nullopt;
  v.Data = std::move(*bytes);
  return v;
}

bool IsKeyPrefix(std::string_view prefix, std::string_view path) {
  if (prefix.empty()) return true;
  return path.size() > prefix.size() && path[prefix.size()] == '\\' &&
         AnsiSameText(path.substr(0, prefix.size()), prefix);
}

}  // namespace

TRegistryFile::Key* TRegistryFile::FindKey(std::string_view key) {
  for (Key& k : keys_)
    if (AnsiSameText(k.Path, key)) return &k;
  return nullptr;
}

const TRegistryFile::Key* TRegistryFile::FindKey(std::string_view key) const {
  return const_cast<TRegistryFile*>(this)->FindKey(key);
}

bool TRegistryFile::KeyExists(std::string_view key) const {
  if (key.empty()) return true;
  for (const Key& k : keys_)
    if (AnsiSameText(k.Path, key) || IsKeyPrefix(key, k.Path)) return true;
  return false;
}

void TRegistryFile::CreateKey(std::string_view key) {
  if (!FindKey(key)) keys_.push_back(Key{std::string(key), {}});
}

std::optional<RegistryValue> TRegistryFile::Value(std::string_view key, std::string_view name) const {
  const Key* k = FindKey(key);
  if (!k) return std::nullopt;
  for (const NamedValue& v : k->Values)
    if (AnsiSameText(v.Name, name)) return v.Value;
  return std::nullopt;
}

void TRegistryFile::SetValue(std::string_view key, std::string_view name, RegistryValue value) {
  CreateKey(key);
  Key& k = *FindKey(key);
  for (NamedValue& v : k.Values) {
    if (AnsiSameText(v.Name, name)) {
      v.Value = std::move(value);
      return;
    }
  }
  k.Values.push_back(NamedValue{std::string(name), std::move(value)});
}

std::string TRegistryFile::Text() const {
  std::string out(kHeader);
  out.append("\n");
  for (const Key& k : keys_) {
    out.append("\n[").append(AnsiToUtf8(root_));
    if (!k.Path.empty()) out.append("\\").append(AnsiToUtf8(k.Path));
    out.append("]\n");
    for (const NamedValue& v : k.Values) {
      out.append(v.Name.empty() ? std::string("@") : Quote(v.Name));
      out.append("=").append(ValueText(v.Value)).append("\n");
    }
  }
  return out;
}

void TRegistryFile::Parse(std::string_view text) {
  keys_.clear();
  Key* current = nullptr;
  std::string line;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t end = text.find('\n', pos);
    if (end == std::string_view::npos) end = text.size();
    line.assign(text.substr(pos, end - pos));
    pos = end + 1;
    // A long value may continue on the next line after a final "\".
    while (!line.empty() && line.back() == '\\' && line.find('=') != std::string::npos && pos < text.size()) {
      line.pop_back();
      end = text.find('\n', pos);
      if (end == std::string_view::npos) end = text.size();
      std::string_view next = text.substr(pos, end - pos);
      while (!next.empty() && next.front() == ' ') next.remove_prefix(1);
      line.append(next);
      pos = end + 1;
    }
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty() || line.front() == ';') continue;
    if (line.front() == '[' && line.back() == ']') {
      const std::string path = Utf8ToAnsi(std::string_view(line).substr(1, line.size() - 2));
      current = nullptr;
      if (!AnsiStartsWithText(path, root_)) continue;
      std::string_view rest = std::string_view(path).substr(root_.size());
      if (!rest.empty() && rest.front() != '\\') continue;
      if (!rest.empty()) rest.remove_prefix(1);
      CreateKey(rest);
      current = FindKey(rest);
      continue;
    }
    if (!current) continue;
    std::string name;
    std::size_t at = 0;
    if (line.front() == '@') {
      at = 1;
    } else {
      std::optional<std::string> quoted = Unquote(line, at);
      if (!quoted) continue;
      name = std::move(*quoted);
    }
    if (at >= line.size() || line[at] != '=') continue;
    std::optional<RegistryValue> value = ReadValueText(std::string_view(line).substr(at + 1));
    if (!value) continue;
    // Keys move when CreateKey adds one: look the current one up again.
    const std::string keyPath = current->Path;
    SetValue(keyPath, name, std::move(*value));
    current = FindKey(keyPath);
  }
}

}  // namespace orv
