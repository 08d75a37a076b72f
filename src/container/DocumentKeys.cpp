#include "container/DocumentKeys.h"

#include "container/DocumentKeyIndex.h"
#include "container/DocumentKeyPrefixes.h"
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

}  // namespace

namespace document_key_index {
extern const KeyTable kTable;
constexpr KeyTable kTable = BuildKeyTable(kKeys);
}  // namespace document_key_index

namespace document_key_prefix {
extern const PrefixTable kTable;
constexpr PrefixTable kTable = BuildPrefixTable(kKeys);
}  // namespace document_key_prefix

const DocumentKey* FindDocumentKey(std::string_view key) {
  if (key.empty() || key.size() > kLongestDocumentKey) return nullptr;
  char padded[kLongestDocumentKey] = {};
  key.copy(padded, key.size());
  return document_key_index::FindKeyAt(padded, key.size());
}

KeyedDocumentLine LookUpUnusualDocumentLine(std::string_view line) {
  const DocumentLine parts = SplitDocumentLine(line);
  return {FindDocumentKey(parts.key), parts.value};
}

std::span<const DocumentKey> DocumentKeys() { return kKeys; }

std::string_view KeyLabel(const DocumentKey& key) {
  std::string_view label = key.name;
  if (!label.empty() && label.back() == '=') label.remove_suffix(1);
  return label;
}

}  // namespace orv
