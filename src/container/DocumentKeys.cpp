#include "container/DocumentKeys.h"

#include <array>
#include <bit>
#include <iterator>
#include <cstdint>
#include <cstring>

#include "container/DocumentValue.h"

namespace orv {
namespace {

using T = KeyType;
using S = KeyScope;
using R = KeyRole;

constexpr DocumentKey kKeys[] = {
    // Publication settings.
    {"TITLE=", T::String, S::Publication, R::Plain, ""},
    {"AUTHOR=", T::String, S::Publication, R::Plain, ""},
    {"PUBVERSION=", T::String, S::Publication, R::Plain, ""},
    {"SCREENWIDTH=", T::Integer, S::Publication, R::Plain, "640"},
    {"SCREENHEIGHT=", T::Integer, S::Publication, R::Plain, "480"},
    {"SCREENCOLORS=", T::Integer, S::Publication},  // the display's own when not given
    {"WINDOWSTYLE=", T::Integer, S::Publication, R::Plain, "0"},
    {"WINDOWORDER=", T::Integer, S::Publication, R::Plain, "0"},
    {"WINDOWPROPS=", T::Integer, S::Publication, R::Plain, "31"},
    {"WINDOWPOS=", T::Integer, S::Publication, R::Plain, "0"},
    {"WINDOWREGKEY=", T::String, S::Publication, R::Plain, ""},
    {"MINPUBWIDTH=", T::Integer, S::Publication, R::Plain, "0"},
    {"MINPUBHEIGHT=", T::Integer, S::Publication, R::Plain, "0"},
    {"SCREENAUTOSIZE=", T::Boolean, S::Publication, R::Plain, "No"},
    {"BKNDCOLOR=", T::Colour, S::Publication, R::Plain, "0"},
    {"SHAPEFILE=", T::File, S::Publication, R::Plain, ""},
    {"SHAPETRANSCOLOR=", T::Colour, S::Publication, R::Plain, "536870912"},
    {"BIDIMODE=", T::Integer, S::Publication, R::Plain, "0"},
    {"APPCURSOR=", T::File, S::Publication, R::Plain, ""},
    {"HOTSPOTCURSOR=", T::File, S::Publication, R::Plain, ""},
    {"DRAGCURSOR=", T::File, S::Publication, R::Plain, ""},
    {"BUSYCURSOR=", T::File, S::Publication, R::Plain, ""},
    {"ALLOWESC=", T::Boolean, S::Publication, R::Plain, "Yes"},
    {"ALLOWPAGEUPDN=", T::Boolean, S::Publication, R::Plain, "Yes"},
    {"AUTORETURN=", T::Boolean, S::Publication, R::Plain, "No"},
    {"RETURNTIME=", T::Integer, S::Publication, R::Plain, "60"},
    {"RETURNACTION=", T::Lines, S::Publication, R::Plain, ""},
    {"MOUSEEXIT=", T::Boolean, S::Publication, R::Plain, "No"},
    {"SHOWERRORS=", T::Boolean, S::Publication, R::Plain, "Yes"},
    {"SHOWMARQUEE=", T::Boolean, S::Publication, R::Plain, "No"},
    {"BYPASSPRINTDLG=", T::Boolean, S::Publication, R::Plain, "No"},
    {"STARTUPACTION=", T::Lines, S::Publication, R::Plain, ""},
    {"SHUTDOWNACTION=", T::Lines, S::Publication, R::Plain, ""},
    {"ACTIVATEACTION=", T::Lines, S::Publication, R::Plain, ""},
    {"DEACTIVATEACTION=", T::Lines, S::Publication, R::Plain, ""},
    {"PAGECHANGEACTION=", T::Lines, S::Publication, R::Plain, ""},
    {"SUBROUTINEACTION=", T::Lines, S::Publication, R::Plain, ""},
    {"USEUPDATETIMER=", T::Boolean, S::Publication, R::Plain, "Yes"},
    {"HELPFILE=", T::File, S::Publication, R::Plain, ""},
    {"EXITPASSWORD=", T::String, S::Publication, R::Plain, ""},
    {"STARTPASSWORD=", T::String, S::Publication, R::Plain, ""},
    {"NOCTRLALTDEL=", T::Boolean, S::Publication, R::Plain, "No"},
    {"NOPRINTSCRN=", T::Boolean, S::Publication, R::Plain, "No"},
    {"ALERTBOXIMAGE=", T::File, S::Publication, R::Plain, ""},
    {"MSGBOXIMAGE=", T::File, S::Publication, R::Plain, ""},
    {"EXITBOXIMAGE=", T::File, S::Publication, R::Plain, ""},
    {"CUSTOMFONTNAME=", T::String, S::Publication, R::Plain, "MS Sans Serif"},
    {"CUSTOMFONTSIZE=", T::Integer, S::Publication, R::Plain, "8"},
    {"CUSTOMFONTSTYLE=", T::FontStyle, S::Publication, R::Plain, "1"},
    {"CUSTOMCHARSET=", T::Integer, S::Publication, R::Plain, "1"},
    {"LINKCOLOR=", T::Colour, S::Publication, R::Plain, "16711680"},
    {"CACHESIZE=", T::Integer, S::Publication, R::Plain, "30"},
    {"EXTRACTOP=", T::Integer, S::Publication, R::Plain, "132"},
    {"EXTRACTDIR=", T::String, S::Publication, R::Plain, ""},
    {"EMBEDDEDFILES=", T::String, S::Publication, R::TestRunOnly},

    // Texts of the player's own dialogs.
    {"L_OK=", T::String, S::Text},
    {"L_CANCEL=", T::String, S::Text},
    {"L_YES=", T::String, S::Text},
    {"L_NO=", T::String, S::Text},
    {"L_CLOSE=", T::String, S::Text},
    {"L_ERRORTITLE=", T::String, S::Text},
    {"L_FINDTITLE=", T::String, S::Text},
    {"L_FINDPROMPT=", T::String, S::Text},
    {"L_FINDFIRST=", T::String, S::Text},
    {"L_FINDNEXT=", T::String, S::Text},
    {"L_FINDERROR=", T::String, S::Text},
    {"L_PWORDTITLE=", T::String, S::Text},
    {"L_PWORDMSG=", T::String, S::Text},
    {"L_PWORDPROMPT=", T::String, S::Text},
    {"L_PWORDERROR=", T::String, S::Text},
    {"L_MEDIAERROR=", T::String, S::Text},
    {"L_INTERNETERROR=", T::String, S::Text},
    {"L_ABORTFUNCTION=", T::String, S::Text},
    {"L_EXTRACTERROR=", T::String, S::Text},
    {"L_INSTDIRPROMPT=", T::String, S::Text},
    {"L_INSTFOLDERPROMPT=", T::String, S::Text},
    {"L_INSTRUNPROMPT=", T::String, S::Text},
    {"L_INSTDISKPROMPT=", T::String, S::Text},
    {"L_INSTDISKERROR=", T::String, S::Text},
    {"L_INSTGENERROR=", T::String, S::Text},
    {"L_INSTEXITPROMPT=", T::String, S::Text},
    {"L_INSTWINTITLE=", T::String, S::Text},
    {"L_INSTPROGTITLE=", T::String, S::Text},
    {"L_INSTSUBTITLE=", T::String, S::Text},
    {"L_SENDEMAIL=", T::String, S::Text},
    {"L_MAILSERVER=", T::String, S::Text},
    {"L_COPY=", T::String, S::Text},
    {"L_SELECTALL=", T::String, S::Text},
    {"L_DONWLOADFILE=", T::String, S::Text},
    {"L_PLEASEWAIT=", T::String, S::Text},

    // Pages.
    {"NEWPAGE=", T::String, S::Page, R::NewPage},
    {"MASTERPAGE", T::Marker, S::Page, R::MasterPage},
    {"SHOWMASTERPAGE=", T::Boolean, S::Page},
    {"PAGESTYLE=", T::Integer, S::Page},
    {"PAGECOLOR=", T::Colour, S::Page},
    {"PAGEGRADIENT1=", T::Colour, S::Page},
    {"PAGEGRADIENT2=", T::Colour, S::Page},
    {"PAGEGRADIENTDIR=", T::Integer, S::Page},
    {"PAGEWALLPAPER=", T::File, S::Page},
    {"WALLPAPERSTYLE=", T::Integer, S::Page},
    {"PAGEPALETTE=", T::String, S::Page},
    {"PGENTERACTION=", T::Lines, S::Page},
    {"PGEXITACTION=", T::Lines, S::Page},
    {"PAGEEFFECT=", T::String, S::Page},
    {"EFFECTSPEED=", T::String, S::Page},

    // Keys of every object.
    {"OBJECTTYPE=", T::Integer, S::Object, R::ObjectType},
    {"NAME=", T::String, S::Object},
    {"X=", T::Integer, S::Object},
    {"Y=", T::Integer, S::Object},
    {"W=", T::Integer, S::Object},
    {"H=", T::Integer, S::Object},
    {"ANCHOR=", T::Integer, S::Object},
    {"TABORDER=", T::Integer, S::Object},
    {"VISIBLE=", T::Boolean, S::Object},
    {"ENABLED=", T::Boolean, S::Object},
    {"LINECOLOR=", T::Colour, S::Object},
    {"LINEWIDTH=", T::Integer, S::Object},
    {"LINESTYLE=", T::Integer, S::Object},
    {"FILLCOLOR=", T::Colour, S::Object},
    {"FILLPATTERN=", T::Integer, S::Object},
    {"FILLMODE=", T::Boolean, S::Object},
    {"GROUPBEGIN", T::Marker, S::Object, R::GroupBegin},
    {"GROUPEND", T::Marker, S::Object, R::GroupEnd},
    {"CONTAINERBEGIN", T::Marker, S::Object, R::GroupBegin},
    {"CONTAINEREND", T::Marker, S::Object, R::GroupEnd},

    // Keys of some object types.
    {"TEXTCOLOR=", T::Colour, S::Object},
    {"FONT=", T::String, S::Object},
    {"FONTSIZE=", T::Integer, S::Object},
    {"FONTSTYLE=", T::FontStyle, S::Object},
    {"FONTCHARSET=", T::Integer, S::Object},
    {"TEXT=", T::Lines, S::Object},
    {"ALIGN=", T::Integer, S::Object},
    {"KEY=", T::Integer, S::Object},
    {"HINT=", T::Lines, S::Object},
    {"VARNAME=", T::String, S::Object, R::VariableName},
    {"INITSTATE=", T::Integer, S::Object},
    {"OBJACTION=", T::Lines, S::Object},
    {"OBJRACTION=", T::Lines, S::Object},
    {"OBJENTERACTION=", T::Lines, S::Object},
    {"OBJEXITACTION=", T::Lines, S::Object},
    {"OBJSETFOCUSACTION=", T::Lines, S::Object},
    {"OBJLOSEFOCUSACTION=", T::Lines, S::Object},
    {"DBLCLICK=", T::Lines, S::Object},
    {"WORDWRAP=", T::Boolean, S::Object},
    {"SCROLLBAR=", T::Boolean, S::Object},
    {"FILENAME=", T::File, S::Object},
    {"IMAGESTYLE=", T::Integer, S::Object},
    {"UPIMAGE=", T::File, S::Object},
    {"DOWNIMAGE=", T::File, S::Object},
    {"OVERIMAGE=", T::File, S::Object},
    {"UPTRANSCOLOR=", T::Colour, S::Object},
    {"DOWNTRANSCOLOR=", T::Colour, S::Object},
    {"OVERTRANSCOLOR=", T::Colour, S::Object},
    {"LIBIMAGE=", T::File, S::Object},
    {"OVERLAYTEXT=", T::Boolean, S::Object},
    {"BEVELWIDTH=", T::Integer, S::Object},
    {"DEPRESSEFFECT=", T::Boolean, S::Object},
    {"XPTHEME=", T::Boolean, S::Object},
    {"AUTOSIZE=", T::Boolean, S::Object},
    {"VARTYPE=", T::Integer, S::Object},
    {"SORTED=", T::Boolean, S::Object},
    {"MULTISELECT=", T::Boolean, S::Object},
    {"EDITLEN=", T::Integer, S::Object},
    {"EDITMASK=", T::String, S::Object},
    {"EDITMULTILINE=", T::Boolean, S::Object},
    {"EDITCASE=", T::Integer, S::Object},
    {"EDITPASSWORD=", T::Boolean, S::Object},
    {"EDITNUMBER=", T::Boolean, S::Object},
    {"DRAGMODE=", T::Integer, S::Object},
    {"DROPTARGET=", T::String, S::Object},
    {"DROPACTION=", T::Lines, S::Object},
    {"HMARGIN=", T::Integer, S::Object},
    {"VMARGIN=", T::Integer, S::Object},
    {"PICTSTYLE=", T::Integer, S::Object},
    {"PICTTRANSCOLOR=", T::Colour, S::Object},
    {"PICTMOUSEPAN=", T::Boolean, S::Object},
    {"PICTZOOMFACTOR=", T::Integer, S::Object},
    {"CENTERED=", T::Boolean, S::Object},
    {"RESAMPLE=", T::Boolean, S::Object},
    {"OPACITYEX=", T::Integer, S::Object},
    {"INTERVAL=", T::Integer, S::Object},
    {"AUTOSTART=", T::Boolean, S::Object},
    {"RUNONCE=", T::Boolean, S::Object},
    {"AUTOSTOP=", T::Boolean, S::Object},
    {"MIN=", T::Integer, S::Object},
    {"MAX=", T::Integer, S::Object},
    {"THUMBSIZE=", T::Integer, S::Object},
    {"TRACKSIZE=", T::Integer, S::Object},
    {"THUMBIMAGE=", T::File, S::Object},
    {"TRACKIMAGE=", T::File, S::Object},
    {"THUMBTRANSCOLOR=", T::Colour, S::Object},
    {"TRACKTRANSCOLOR=", T::Colour, S::Object},
    // Registered as an Integer: the track bar uses its value text.
    {"CHANGINGACTION=", T::Integer, S::Object},
    {"LOOPTIMES=", T::Integer, S::Object},
    {"AUTOREWIND=", T::Boolean, S::Object},
    {"OBJDONEACTION=", T::Lines, S::Object},
    {"OBJCANCELACTION=", T::Lines, S::Object},
    {"OBJPLAYACTION=", T::Lines, S::Object},
    {"SHOWCONTROLS=", T::Boolean, S::Object},
    {"LOOPPLAYBACK=", T::Boolean, S::Object},
    {"USEBKNDCOLOR=", T::Boolean, S::Object},
    {"USEINTERNALLOOP=", T::Boolean, S::Object},
    {"ALLOWCOPY=", T::Boolean, S::Object},
    {"OVERRIDEFONT=", T::Boolean, S::Object},
    {"TITLEVARNAME=", T::String, S::Object, R::VariableName},
    {"URLVARNAME=", T::String, S::Object, R::VariableName},
    {"CONTEXTMENU=", T::Boolean, S::Object},
    {"SILENTMODE=", T::Boolean, S::Object},
    {"TRAPPOPUPS=", T::Boolean, S::Object},
    {"SHOWTOOLBAR=", T::Boolean, S::Object},
    {"SHOWSTATUSBAR=", T::Boolean, S::Object},
    {"NAVCOMPACTION=", T::Lines, S::Object},
    {"ENHSECURITY=", T::Boolean, S::Object},
    {"X1=", T::Integer, S::Object},
    {"Y1=", T::Integer, S::Object},
    {"X2=", T::Integer, S::Object},
    {"Y2=", T::Integer, S::Object},
    {"ENDCAPS=", T::Integer, S::Object},
    {"POINTS=", T::String, S::Object},

    // Menu items.
    {"MENUBEGIN", T::Marker, S::Menu, R::MenuBegin},
    {"MENUEND", T::Marker, S::Menu, R::MenuEnd},
    {"TRAYMENUBEGIN", T::Marker, S::Menu, R::TrayMenuBegin},
    {"MENUNAME=", T::String, S::Menu, R::MenuName},
    {"MENUTEXT=", T::String, S::Menu},
    {"MENUACTION=", T::Lines, S::Menu},
    {"MENUSTATE=", T::Integer, S::Menu},
    {"MENUKEY=", T::Integer, S::Menu},
    // Registered as an Integer: the menu uses its value text.
    {"MENUVAR=", T::Integer, S::Menu},
    {"MENUIMAGE=", T::File, S::Menu},
    {"MENUIMTRANSCLR=", T::Colour, S::Menu},

    // Accepted and ignored.
    {"ICON=", T::File, S::Ignored},
    {"SSPREVIEW=", T::Boolean, S::Ignored},
    {"SPLASHSCREEN=", T::String, S::Ignored},
    {"ORVALISVER=", T::String, S::Ignored},
    {"PAL=", T::String, S::Ignored},
    {"LINKPOS=", T::String, S::Ignored},
    {"VALIGN=", T::String, S::Ignored},
    {"EDITSCROLLBAR=", T::String, S::Ignored},
};

// The index. A key is read as 64-bit words, its first byte in the lowest
// bits whatever the host's byte order. The first word and the length pick
// the slot of an open-addressed table built at compile time; there each
// word is compared with its bit 5 forced on where the key has a letter,
// against the key in lower case. Every key is ASCII, so this is exactly the
// comparison without case of the Windows-1252 case table: only the two
// cases of a letter differ in bit 5 alone, and no byte outside ASCII loses
// its top bit.
constexpr std::uint64_t kOnes = 0x0101010101010101ull;
constexpr std::uint64_t kHighBits = 0x8080808080808080ull;
constexpr std::size_t kWords = kLongestDocumentKey / 8;
constexpr int kSlotBits = 11;  // about eight slots for every key, 4 KiB
constexpr std::size_t kSlotMask = (std::size_t{1} << kSlotBits) - 1;

using KeyWords = std::array<std::uint64_t, kWords>;

// The lowest `bytes` bytes of a word, for 0 to 8 bytes.
constexpr std::array<std::uint64_t, 9> kByteMasks = {
    0, 0xFFull, 0xFFFFull, 0xFFFFFFull, 0xFFFFFFFFull, 0xFFFFFFFFFFull, 0xFFFFFFFFFFFFull,
    0xFFFFFFFFFFFFFFull, ~0ull};

// The slot depends on the key's case through bit 5 only, which is forced on.
constexpr std::size_t SlotOf(std::uint64_t first, std::size_t size) {
  return static_cast<std::size_t>((((first | 0x20 * kOnes) + size) * 0x9E3779B97F4A7C15ull) >>
                                  (64 - kSlotBits));
}

struct Entry {
  KeyWords lower{};     // the key in lower case
  KeyWords caseBits{};  // bit 5 of every letter
  std::size_t size = 0;
  const DocumentKey* key = nullptr;
};

constexpr std::size_t kKeyCount = std::size(kKeys);
constexpr std::uint16_t kEmpty = 0xFFFF;
static_assert(kKeyCount < kEmpty);

// The slots hold indexes into the entries, so the part of the table every
// lookup touches stays small.
struct KeyTable {
  std::array<std::uint16_t, kSlotMask + 1> slots{};
  std::array<Entry, kKeyCount> entries{};
};

constexpr KeyTable BuildKeyTable() {
  KeyTable table;
  for (std::uint16_t& slot : table.slots) slot = kEmpty;
  for (std::size_t k = 0; k < kKeyCount; ++k) {
    const DocumentKey& key = kKeys[k];
    Entry& entry = table.entries[k];
    for (std::size_t i = 0; i < key.name.size(); ++i) {
      const char c = key.name[i];
      const bool letter = c >= 'A' && c <= 'Z';
      const unsigned char lower = static_cast<unsigned char>(letter ? c + 0x20 : c);
      entry.lower[i / 8] |= std::uint64_t{lower} << (8 * (i % 8));
      if (letter) entry.caseBits[i / 8] |= std::uint64_t{0x20} << (8 * (i % 8));
    }
    entry.size = key.name.size();
    entry.key = &key;
    std::size_t slot = SlotOf(entry.lower[0], entry.size);
    while (table.slots[slot] != kEmpty) slot = (slot + 1) & kSlotMask;
    table.slots[slot] = static_cast<std::uint16_t>(k);
  }
  return table;
}

constexpr KeyTable kKeyTable = BuildKeyTable();

std::uint64_t LoadWord(const char* p) {
  std::uint64_t word;
  std::memcpy(&word, p, sizeof word);
  if constexpr (std::endian::native == std::endian::big) word = __builtin_bswap64(word);
  return word;
}

// Index of the first "=" in a word, or 8. Borrows only ever run upwards
// from a matching byte, so the lowest flag is exact.
std::size_t FirstEquals(std::uint64_t word) {
  const std::uint64_t diff = word ^ ('=' * kOnes);
  const std::uint64_t flags = (diff - kOnes) & ~diff & kHighBits;
  return flags ? static_cast<std::size_t>(std::countr_zero(flags)) / 8 : 8;
}

// The `size` bytes (1 to 32) at `key`, whose first word is `first` as
// loaded; the 32 bytes from `key` are readable.
inline const DocumentKey* FindKeyAt(const char* key, std::uint64_t first, std::size_t size) {
  first &= kByteMasks[size < 8 ? size : 8];
  for (std::size_t slot = SlotOf(first, size);; slot = (slot + 1) & kSlotMask) {
    const std::uint16_t index = kKeyTable.slots[slot];
    if (index == kEmpty) return nullptr;
    const Entry& entry = kKeyTable.entries[index];
    if (entry.size != size || (first | entry.caseBits[0]) != entry.lower[0]) continue;
    bool same = true;
    for (std::size_t i = 1; i * 8 < size; ++i) {
      const std::uint64_t word = LoadWord(key + 8 * i) & kByteMasks[size - 8 * i < 8 ? size - 8 * i : 8];
      same &= (word | entry.caseBits[i]) == entry.lower[i];
    }
    if (same) return entry.key;
  }
}

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

}  // namespace

const DocumentKey* FindDocumentKey(std::string_view key) {
  if (key.empty() || key.size() > kLongestDocumentKey) return nullptr;
  char padded[kLongestDocumentKey] = {};
  key.copy(padded, key.size());
  return FindKeyAt(padded, LoadWord(padded), key.size());
}

// Blanks around the key, or a long one: split as written. Kept apart so the
// usual path stays small.
[[gnu::noinline]] KeyedDocumentLine LookUpUnusualLine(std::string_view line) {
  const DocumentLine parts = SplitDocumentLine(line);
  return {FindDocumentKey(parts.key), parts.value};
}

KeyedDocumentLine LookUpDocumentLine(std::string_view line) {
  // The first "=" among the first bytes of the line, a word at a time.
  const char* const text = line.data();
  const std::uint64_t first = LoadWord(text);
  std::size_t equals = FirstEquals(first);
  for (std::size_t i = 1; equals == 8 * i && i < kWords; ++i) equals = 8 * i + FirstEquals(LoadWord(text + 8 * i));
  if (equals < line.size()) {
    // KEY=value, unless blanks surround the key.
    if (!IsBlank(text[0]) && (equals == 0 || !IsBlank(text[equals - 1])))
      return {FindKeyAt(text, first, equals + 1), line.substr(equals + 1)};
  } else if (!line.empty() && line.size() < kLongestDocumentKey) {
    // A section word: the whole line.
    if (!IsBlank(text[0]) && !IsBlank(line.back())) return {FindKeyAt(text, first, line.size()), line};
  }
  return LookUpUnusualLine(line);
}

std::span<const DocumentKey> DocumentKeys() { return kKeys; }

std::string_view KeyLabel(const DocumentKey& key) {
  std::string_view label = key.name;
  if (!label.empty() && label.back() == '=') label.remove_suffix(1);
  return label;
}

}  // namespace orv
