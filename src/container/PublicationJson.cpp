#include "container/PublicationJson.h"

#include <cstdio>
#include <span>
#include <unordered_map>

#include "base/Ansi.h"

namespace orv {
namespace {

void Indent(int depth, std::string& out) { out.append(static_cast<std::size_t>(depth) * 2, ' '); }

void AppendLabel(const KeyValue& value, std::string& out) {
  AppendJsonString(KeyLabel(*value.key), out);
}

// {"KEY": value, ...} with one member per key; a key read again replaces the
// value but keeps its first place.
void WriteKeyMap(std::span<const KeyValue> keys, std::string& out) {
  std::unordered_map<const DocumentKey*, std::size_t> last;
  for (std::size_t i = 0; i < keys.size(); ++i) last[keys[i].key] = i;
  out += '{';
  bool first = true;
  for (const KeyValue& key : keys) {
    const auto hit = last.find(key.key);
    if (hit == last.end()) continue;  // written already
    const KeyValue& value = keys[hit->second];
    last.erase(hit);
    if (!first) out += ", ";
    first = false;
    AppendLabel(value, out);
    out += ": ";
    AppendJsonString(value.Text(), out);
  }
  out += '}';
}

void WriteKeyPairs(std::span<const KeyValue> keys, std::string& out) {
  out += '[';
  for (std::size_t i = 0; i < keys.size(); ++i) {
    if (i > 0) out += ", ";
    out += '[';
    AppendLabel(keys[i], out);
    out += ", ";
    AppendJsonString(keys[i].Text(), out);
    out += ']';
  }
  out += ']';
}

void WriteTable(const PublicationKeyTable& table, bool givenOnly, int depth, std::string& out) {
  out += '{';
  bool first = true;
  for (const PublicationKeyTable::Entry& entry : table.Entries()) {
    if (!entry.hasValue || (givenOnly && !entry.given)) continue;
    out += first ? "\n" : ",\n";
    first = false;
    Indent(depth + 1, out);
    AppendLabel(entry.value, out);
    out += ": ";
    AppendJsonString(entry.value.Text(), out);
  }
  if (!first) {
    out += '\n';
    Indent(depth, out);
  }
  out += '}';
}

template <typename Node, typename WriteHead, typename KeysOf>
void WriteNodes(std::span<const Node> nodes, int depth, std::string& out, WriteHead head,
                KeysOf keysOf) {
  if (nodes.empty()) {
    out += "[]";
    return;
  }
  out += "[\n";
  for (std::size_t i = 0; i < nodes.size(); ++i) {
    const Node& node = nodes[i];
    Indent(depth + 1, out);
    out += '{';
    head(node, out);
    out += ", \"keys\": ";
    WriteKeyPairs(keysOf(node), out);
    out += ", \"children\": ";
    WriteNodes(std::span<const Node>(node.children), depth + 1, out, head, keysOf);
    out += '}';
    out += i + 1 < nodes.size() ? ",\n" : "\n";
  }
  Indent(depth, out);
  out += ']';
}

void WriteObjects(const Publication& publication, std::span<const PublicationObject> objects,
                  int depth, std::string& out) {
  WriteNodes(
      objects, depth, out,
      [](const PublicationObject& object, std::string& text) {
        text += "\"type\": ";
        text += std::to_string(object.type);
      },
      [&publication](const PublicationObject& object) { return publication.ObjectKeys(object); });
}

void WriteMenu(std::span<const PublicationMenuItem> items, int depth, std::string& out) {
  WriteNodes(
      items, depth, out,
      [](const PublicationMenuItem& item, std::string& text) {
        text += "\"name\": ";
        AppendJsonString(item.name, text);
      },
      [](const PublicationMenuItem& item) { return std::span<const KeyValue>(item.keys); });
}

}  // namespace

void AppendJsonString(std::string_view ansi, std::string& out) {
  const std::string utf8 = AnsiToUtf8(ansi);
  out += '"';
  for (const char c : utf8) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\b': out += "\\b"; break;
      case '\f': out += "\\f"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
          out += escaped;
        } else {
          out += c;
        }
    }
  }
  out += '"';
}

void WritePublicationJson(const Publication& publication, std::string& out) {
  out += "{\n  \"settings\": ";
  WriteTable(publication.settings, false, 1, out);
  out += ",\n  \"texts\": ";
  WriteTable(publication.texts, true, 1, out);
  out += ",\n  \"pages\": [";
  for (std::size_t i = 0; i < publication.pages.size(); ++i) {
    const PublicationPage& page = publication.pages[i];
    out += i == 0 ? "\n" : ",\n";
    Indent(2, out);
    out += "{\"name\": ";
    AppendJsonString(page.name, out);
    out += ", \"keys\": ";
    WriteKeyMap(page.keys, out);
    out += ", \"objects\": ";
    WriteObjects(publication, page.objects, 2, out);
    out += '}';
  }
  out += "\n  ],\n  \"menubar\": ";
  WriteMenu(publication.menuBar, 1, out);
  out += ",\n  \"traymenu\": ";
  WriteMenu(publication.trayMenu, 1, out);
  out += "\n}\n";
}

}  // namespace orv
