#include "container/PublicationOutline.h"

#include <span>

#include "base/Ansi.h"

namespace orv {
namespace {

void Indent(int depth, std::string& out) { out.append(static_cast<std::size_t>(depth) * 2, ' '); }

// One line per value: Lines keep their "¶" and control characters, which
// would break the outline, show as "?".
void AppendText(std::string_view ansi, std::string& out) {
  std::string clean(ansi);
  for (char& c : clean)
    if (static_cast<unsigned char>(c) < 0x20 && c != '\t') c = '?';
  out += AnsiToUtf8(clean);
}

void AppendQuoted(std::string_view ansi, std::string& out) {
  out += '"';
  AppendText(ansi, out);
  out += '"';
}

void WriteKey(const KeyValue& value, int depth, std::string& out) {
  Indent(depth, out);
  out += value.Name();
  AppendText(value.key->type == KeyType::Lines ? value.Raw() : value.Text(), out);
  out += '\n';
}

void WriteKeys(std::span<const KeyValue> keys, int depth, std::string& out) {
  for (const KeyValue& value : keys) WriteKey(value, depth, out);
}

void WriteObjects(const Publication& publication, std::span<const PublicationObject> objects,
                  int depth, std::string& out) {
  for (const PublicationObject& object : objects) {
    Indent(depth, out);
    out += "Object ";
    out += std::to_string(object.type);
    const KeyList keys = publication.ObjectKeys(object);
    if (const KeyValue* name = FindKey(keys, "NAME=")) {
      out += ' ';
      AppendQuoted(name->Raw(), out);
    }
    out += '\n';
    WriteKeys(keys, depth + 1, out);
    WriteObjects(publication, object.children, depth + 1, out);
  }
}

void WriteMenu(const std::vector<PublicationMenuItem>& items, int depth, std::string& out) {
  for (const PublicationMenuItem& item : items) {
    Indent(depth, out);
    out += "Item ";
    AppendQuoted(item.name, out);
    out += '\n';
    WriteKeys(item.keys, depth + 1, out);
    WriteMenu(item.children, depth + 1, out);
  }
}

void WriteTable(const char* title, const PublicationKeyTable& table, std::string& out) {
  bool any = false;
  for (const PublicationKeyTable::Entry& entry : table.Entries()) {
    if (!entry.given) continue;
    if (!any) {
      out += title;
      out += '\n';
      any = true;
    }
    WriteKey(entry.value, 1, out);
  }
}

}  // namespace

void WritePublicationOutline(const Publication& publication, std::string& out) {
  out += "Publication ";
  AppendQuoted(publication.settings.Text("TITLE="), out);
  out += '\n';
  WriteTable("Settings", publication.settings, out);
  WriteTable("Texts", publication.texts, out);
  for (std::size_t i = 0; i < publication.pages.size(); ++i) {
    const PublicationPage& page = publication.pages[i];
    if (i == 0) {
      out += "Master page\n";
    } else {
      out += "Page ";
      out += std::to_string(i);
      out += ' ';
      AppendQuoted(page.name, out);
      out += '\n';
    }
    WriteKeys(page.keys, 1, out);
    WriteObjects(publication, page.objects, 1, out);
  }
  if (publication.hasMenuBar) {
    out += "Menu bar\n";
    WriteMenu(publication.menuBar, 1, out);
  }
  if (publication.hasTrayMenu) {
    out += "Tray menu\n";
    WriteMenu(publication.trayMenu, 1, out);
  }
}

}  // namespace orv
