#include "richtext/RtfReader.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <map>
#include <string>
#include <unordered_set>
#include <vector>

#include "richtext/RichTextFormat.h"
#include "richtext/RtfCodePage.h"
#include "richtext/RtfFieldInstruction.h"
#include "richtext/RtfPicture.h"
#include "richtext/RtfTableBuilder.h"
#include "richtext/RtfTokenizer.h"

namespace orv::rt {

namespace {

// Bounds that keep hostile input from costing unbounded memory or stack.
constexpr std::size_t kMaxGroupDepth = 400;
constexpr std::size_t kMaxTableEntries = 4096;  // fonts, colours
constexpr std::size_t kMaxTabs = 64;
constexpr std::size_t kMaxFieldNesting = 16;
constexpr int kMaxTwips = 31680;  // 22 inches
constexpr int kMaxHalfPoints = 3276;
constexpr int kMaxUnicodeSkip = 16;

enum class Dest { kText, kSkip, kFontTable, kColorTable, kPicture, kFieldInstruction, kBookmarkStart, kBookmarkEnd };

struct CharState {
  int font = -1;
  int halfPoints = 24;
  bool bold = false, italic = false, underline = false, doubleUnderline = false, strike = false;
  bool hidden = false, isProtected = false;
  int foreground = 0, background = 0;  // colour table indexes; 0 is automatic
  int vertical = 0;                    // 1 superscript, -1 subscript

  bool operator==(const CharState&) const = default;
};

struct ParaState {
  Qt::Alignment align = Qt::AlignLeft;
  int left = 0, right = 0, first = 0, before = 0, after = 0, lineSpacing = 0;
  bool lineMultiple = false;
  QTextOption::TabType nextTabType = QTextOption::LeftTab;
  QList<QTextOption::Tab> tabs;
  bool inTable = false;
};

struct Group {
  CharState ch;
  ParaState para;
  Dest dest = Dest::kText;
  bool ownsDest = false;  // this group opened the destination
  bool starred = false;   // "\*" seen: an unknown destination word is skipped
  int unicodeSkip = 1;
  bool isField = false;
};

struct FontDef {
  QString family;
  int codePage = 0;
};

struct FieldContext {
  std::string instruction;
  int resultStart = -1;
};

int ClampTwips(int v) { return std::clamp(v, -kMaxTwips, kMaxTwips); }

class Reader {
 public:
  Reader(QTextDocument& doc, const RtfReadOptions& options)
      : doc_(doc), cursor_(&doc), options_(options), table_(cursor_) {}

  void Run(std::string_view rtf) {
    RtfTokenizer tokens(rtf);
    groups_.push_back(Group{});
    for (;;) {
      const RtfToken t = tokens.Next();
      if (t.kind == RtfToken::Kind::kEnd) break;
      if (unicodeSkipLeft_ > 0 && SkipAfterUnicode(t)) continue;
      switch (t.kind) {
        case RtfToken::Kind::kGroupOpen: OpenGroup(); break;
        case RtfToken::Kind::kGroupClose: CloseGroup(); break;
        case RtfToken::Kind::kText: Text(t.word); break;
        case RtfToken::Kind::kHexByte: Byte(t.byte); break;
        case RtfToken::Kind::kControlSymbol: Symbol(t.symbol); break;
        case RtfToken::Kind::kControlWord:
          if (t.word == "bin") {
            // Binary data belongs to the destination (pictures); never text.
            const std::string_view data = tokens.TakeBinary(t.hasParam ? t.param : 0);
            if (Top().dest == Dest::kPicture) picture_.bytes.append(data);
          } else {
            Word(t.word, t.hasParam, t.param);
          }
          break;
        case RtfToken::Kind::kEnd: break;
      }
    }
    // Unbalanced input: close what is still open so fields and bookmarks end.
    while (groups_.size() > 1) CloseGroup();
    FlushRun();
    if (!pendingBreak_) ApplyBlockFormat();
  }

 private:
  Group& Top() { return groups_.back(); }

  // ---- groups -------------------------------------------------------------

  void OpenGroup() {
    unicodeSkipLeft_ = 0;
    if (groups_.size() >= kMaxGroupDepth) {
      ++overflowDepth_;
      return;
    }
    FlushRun();
    Group g = Top();
    g.ownsDest = false;
    g.starred = false;
    g.isField = false;
    groups_.push_back(std::move(g));
  }

  void CloseGroup() {
    unicodeSkipLeft_ = 0;
    if (overflowDepth_ > 0) {
      --overflowDepth_;
      return;
    }
    if (groups_.size() <= 1) return;  // a stray "}" closes nothing
    FlushRun();
    const Group closing = Top();
    if (closing.ownsDest) EndDestination(closing.dest);
    if (closing.isField) EndField();
    groups_.pop_back();
  }

  void StartDestination(Dest dest) {
    FlushRun();
    Top().dest = dest;
    Top().ownsDest = true;
    destText_.clear();
    if (dest == Dest::kPicture) picture_ = RtfPicture{};
  }

  void EndDestination(Dest dest) {
    switch (dest) {
      case Dest::kBookmarkStart:
      case Dest::kBookmarkEnd: {
        const QString name = DecodeCodePage(destText_, docCodePage_).trimmed();
        if (!name.isEmpty()) {
          InsertMarker(MarkerFormat(dest == Dest::kBookmarkStart ? MarkerKind::kBookmarkStart : MarkerKind::kBookmarkEnd,
                                    name));
        }
        break;
      }
      case Dest::kPicture: InsertPicture(); break;
      case Dest::kFieldInstruction:
        if (!fields_.empty()) fields_.back().instruction += destText_;
        break;
      case Dest::kFontTable: CommitFont(); break;
      default: break;
    }
    destText_.clear();
  }

  // ---- text ---------------------------------------------------------------

  void Text(std::string_view text) {
    switch (Top().dest) {
      case Dest::kText: bytes_.append(text); break;
      case Dest::kFontTable:
        for (char c : text) {
          if (c == ';') {
            CommitFont();
          } else {
            destText_.push_back(c);
          }
        }
        break;
      case Dest::kColorTable:
        for (char c : text) {
          if (c == ';') CommitColor();
        }
        break;
      case Dest::kPicture:
        for (char c : text) picture_.AddHexDigit(c);
        break;
      case Dest::kFieldInstruction:
      case Dest::kBookmarkStart:
      case Dest::kBookmarkEnd:
        if (destText_.size() < 65536) destText_.append(text);
        break;
      case Dest::kSkip: break;
    }
  }

  void Byte(unsigned char b) {
    const char c = static_cast<char>(b);
    Text(std::string_view(&c, 1));
  }

  void Char(QChar c) {
    if (Top().dest != Dest::kText) return;
    FlushBytes();
    run_.append(c);
  }

  int CurrentCodePage() {
    const auto it = fonts_.find(Top().ch.font >= 0 ? Top().ch.font : defaultFont_);
    if (it != fonts_.end() && it->second.codePage > 0) return it->second.codePage;
    return docCodePage_;
  }

  void FlushBytes() {
    if (bytes_.empty()) return;
    run_ += DecodeCodePage(bytes_, CurrentCodePage());
    bytes_.clear();
  }

  // Puts the collected run into the document in the current character state.
  void FlushRun() {
    FlushBytes();
    if (run_.isEmpty()) return;
    const CharState& ch = Top().ch;
    if (ch.hidden || ch.isProtected) {
      HiddenRun(run_, ch);
    } else {
      VisibleRun(run_, ch);
    }
    run_.clear();
  }

  void VisibleRun(const QString& text, const CharState& ch) {
    EnsureBlock();
    NoteFieldResultStart();
    const int start = cursor_.position();
    cursor_.insertText(text, CharFormat(ch));
    if (ch.doubleUnderline) {
      if (adjacency_ != Adjacency::kDoubleUnderline) linkStart_ = start;
      adjacency_ = Adjacency::kDoubleUnderline;
    } else {
      adjacency_ = Adjacency::kNone;
    }
  }

  // Hidden text right after a double-underlined run is that run's link target.
  void HiddenRun(const QString& text, const CharState& ch) {
    const bool targetText = ch.hidden && !ch.isProtected;
    if (targetText && adjacency_ == Adjacency::kDoubleUnderline) {
      linkTarget_ = text;
      ApplyLink(linkStart_, cursor_.position(), linkTarget_);
      adjacency_ = Adjacency::kLinkTarget;
      return;
    }
    if (targetText && adjacency_ == Adjacency::kLinkTarget) {
      linkTarget_ += text;
      ApplyLink(linkStart_, cursor_.position(), linkTarget_);
      return;
    }
    InsertMarker(HiddenTextFormat(text, ch.hidden, ch.isProtected));
  }

  void ApplyLink(int start, int end, const QString& target) {
    if (end <= start) return;
    QTextCursor c(&doc_);
    c.setPosition(start);
    c.setPosition(end, QTextCursor::KeepAnchor);
    QTextCharFormat f;
    f.setAnchor(true);
    f.setProperty(kLinkTarget, target);
    f.setForeground(options_.linkColor);
    f.setFontUnderline(true);
    f.setUnderlineColor(options_.linkColor);
    c.mergeCharFormat(f);
  }

  void InsertMarker(const QTextCharFormat& format) {
    EnsureBlock();
    NoteFieldResultStart();
    cursor_.insertText(QString(kObjectChar), format);
    adjacency_ = Adjacency::kNone;
  }

  // Runs mostly repeat a handful of states; building the format is the cost.
  const QTextCharFormat& CharFormat(const CharState& ch) {
    if (haveCachedFormat_ && ch == cachedState_) return cachedFormat_;
    cachedState_ = ch;
    cachedFormat_ = BuildCharFormat(ch);
    haveCachedFormat_ = true;
    return cachedFormat_;
  }

  QTextCharFormat BuildCharFormat(const CharState& ch) const {
    QTextCharFormat f;
    const auto font = fonts_.find(ch.font >= 0 ? ch.font : defaultFont_);
    if (font != fonts_.end() && !font->second.family.isEmpty()) f.setFontFamilies({font->second.family});
    f.setFontPointSize(ch.halfPoints / 2.0);
    if (ch.bold) f.setFontWeight(QFont::Bold);
    if (ch.italic) f.setFontItalic(true);
    if (ch.underline || ch.doubleUnderline) f.setFontUnderline(true);
    if (ch.doubleUnderline) f.setProperty(kDoubleUnderline, true);
    if (ch.strike) f.setFontStrikeOut(true);
    if (ch.vertical > 0) f.setVerticalAlignment(QTextCharFormat::AlignSuperScript);
    if (ch.vertical < 0) f.setVerticalAlignment(QTextCharFormat::AlignSubScript);
    if (ch.foreground > 0 && ch.foreground < static_cast<int>(colors_.size()) && colors_[ch.foreground].isValid()) {
      f.setForeground(colors_[ch.foreground]);
      if (ch.doubleUnderline) f.setProperty(kLinkBaseColor, colors_[ch.foreground]);
    }
    if (ch.background > 0 && ch.background < static_cast<int>(colors_.size()) && colors_[ch.background].isValid()) {
      f.setBackground(colors_[ch.background]);
    }
    return f;
  }

  QTextBlockFormat BlockFormat(const ParaState& p) const {
    QTextBlockFormat f;
    f.setAlignment(p.align);
    f.setLeftMargin(p.left / kTwipsPerPixel);
    f.setRightMargin(p.right / kTwipsPerPixel);
    f.setTextIndent(p.first / kTwipsPerPixel);
    f.setTopMargin(p.before / kTwipsPerPixel);
    f.setBottomMargin(p.after / kTwipsPerPixel);
    if (p.lineSpacing != 0) {
      if (p.lineMultiple && p.lineSpacing > 0) {
        f.setLineHeight(p.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
      } else if (p.lineSpacing > 0) {
        f.setLineHeight(p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::MinimumHeight);
      } else {
        f.setLineHeight(-p.lineSpacing / kTwipsPerPixel, QTextBlockFormat::FixedHeight);
      }
    }
    if (!p.tabs.isEmpty()) f.setTabPositions(p.tabs);
    return f;
  }

  // ---- paragraphs and tables ---------------------------------------------

  // Called before any content: takes a pending paragraph break and moves
  // into, across or out of a table as the paragraph state says.
  void EnsureBlock() {
    if (Top().para.inTable) {
      if (table_.EnterCell()) pendingBreak_ = false;
    } else if (table_.InTable()) {
      table_.Leave();
      pendingBreak_ = false;
    }
    if (pendingBreak_) {
      cursor_.insertBlock(BlockFormat(Top().para), CharFormat(Top().ch));
      pendingBreak_ = false;
    }
  }

  void ApplyBlockFormat() { cursor_.setBlockFormat(BlockFormat(Top().para)); }

  void Paragraph() {
    if (Top().dest != Dest::kText) return;
    FlushRun();
    EnsureBlock();
    ApplyBlockFormat();
    pendingBreak_ = true;
    adjacency_ = Adjacency::kNone;
  }

  void Cell() {
    if (Top().dest != Dest::kText) return;
    FlushRun();
    if (!Top().para.inTable && !table_.InTable()) return;
    EnsureBlockInTable();
    ApplyBlockFormat();
    table_.EndCell();
    pendingBreak_ = false;  // a cell's last paragraph mark makes no empty line
    adjacency_ = Adjacency::kNone;
  }

  void Row() {
    if (Top().dest != Dest::kText) return;
    FlushRun();
    if (!table_.InTable()) return;
    table_.EndRow();
    pendingBreak_ = false;
    adjacency_ = Adjacency::kNone;
  }

  void EnsureBlockInTable() {
    if (table_.EnterCell()) pendingBreak_ = false;
  }

  // ---- fields -------------------------------------------------------------

  void StartField() {
    if (fields_.size() >= kMaxFieldNesting) return;
    FlushRun();
    Top().isField = true;
    fields_.push_back(FieldContext{});
  }

  void StartFieldResult() {
    FlushRun();
    if (!fields_.empty()) fields_.back().resultStart = -2;  // taken at the first content
  }

  void NoteFieldResultStart() {
    for (FieldContext& f : fields_) {
      if (f.resultStart == -2) f.resultStart = cursor_.position();
    }
  }

  void EndField() {
    if (fields_.empty()) return;
    const FieldContext field = fields_.back();
    fields_.pop_back();
    const int end = cursor_.position();
    if (field.resultStart < 0 || end <= field.resultStart) return;
    const FieldInstruction inst = ParseFieldInstruction(DecodeCodePage(field.instruction, docCodePage_));
    if (inst.kind == FieldInstruction::Kind::kHyperlink && !inst.argument.isEmpty()) {
      ApplyLink(field.resultStart, end, inst.argument);
    } else if (inst.kind == FieldInstruction::Kind::kVariable) {
      QTextCursor c(&doc_);
      c.setPosition(field.resultStart);
      c.setPosition(end, QTextCursor::KeepAnchor);
      QTextCharFormat f;
      f.setProperty(kFieldName, inst.argument);
      f.setProperty(kFieldId, nextFieldId_++);
      c.mergeCharFormat(f);
    }
  }

  // ---- tables of the header -----------------------------------------------

  void CommitFont() {
    haveCachedFormat_ = false;
    if (fontNumber_ >= 0 && fonts_.size() < kMaxTableEntries) {
      std::string name = destText_;
      while (!name.empty() && name.back() == ' ') name.pop_back();
      fonts_[fontNumber_] = FontDef{DecodeCodePage(name, docCodePage_).trimmed(), CodePageForCharset(fontCharset_)};
    }
    destText_.clear();
    fontNumber_ = -1;
    fontCharset_ = 0;
  }

  void CommitColor() {
    haveCachedFormat_ = false;
    if (colors_.size() < kMaxTableEntries) {
      colors_.push_back(colorSeen_ ? QColor(red_, green_, blue_) : QColor());
    }
    red_ = green_ = blue_ = 0;
    colorSeen_ = false;
  }

  void InsertPicture() {
    const DecodedPicture pic = DecodeRtfPicture(picture_);
    picture_ = RtfPicture{};
    if (pic.image.isNull()) return;
    const QString name = QStringLiteral("rtfimage:%1").arg(++pictureCount_);
    doc_.addResource(QTextDocument::ImageResource, QUrl(name), pic.image);
    QTextImageFormat f;
    f.setName(name);
    f.setWidth(pic.displaySize.width());
    f.setHeight(pic.displaySize.height());
    // The picture sits in the text destination around the \pict group.
    EnsureBlock();
    NoteFieldResultStart();
    cursor_.insertImage(f);
    adjacency_ = Adjacency::kNone;
  }

  // ---- control words ------------------------------------------------------

  bool SkipAfterUnicode(const RtfToken& t) {
    switch (t.kind) {
      case RtfToken::Kind::kText: {
        const std::size_t n = std::min<std::size_t>(t.word.size(), static_cast<std::size_t>(unicodeSkipLeft_));
        unicodeSkipLeft_ -= static_cast<int>(n);
        if (n < t.word.size()) Text(t.word.substr(n));
        return true;
      }
      case RtfToken::Kind::kHexByte:
      case RtfToken::Kind::kControlSymbol:
      case RtfToken::Kind::kControlWord: --unicodeSkipLeft_; return true;
      default: unicodeSkipLeft_ = 0; return false;
    }
  }

  void Symbol(char s) {
    switch (s) {
      case '*': Top().starred = true; break;
      case '~': Char(QChar(0x00A0)); break;
      case '_': Char(QChar(0x2011)); break;
      case '\n': Paragraph(); break;
      case '\t': Char(QChar('\t')); break;
      default: break;  // optional hyphen, index subentry, formula: nothing shown
    }
  }

  void Word(std::string_view w, bool hasParam, int param) {
    Group& g = Top();
    const bool on = !hasParam || param != 0;
    if (g.dest == Dest::kSkip) return;
    // Destinations first: a starred group whose word is unknown is skipped.
    if (g.dest == Dest::kText && HandleDestination(w)) return;
    if (g.starred) {
      StartDestination(Dest::kSkip);
      return;
    }
    g.starred = false;
    switch (g.dest) {
      case Dest::kFontTable:
        if (w == "f") {
          fontNumber_ = std::max(0, param);
        } else if (w == "fcharset") {
          fontCharset_ = param;
        }
        return;
      case Dest::kColorTable:
        colorSeen_ = true;
        if (w == "red") red_ = std::clamp(param, 0, 255);
        if (w == "green") green_ = std::clamp(param, 0, 255);
        if (w == "blue") blue_ = std::clamp(param, 0, 255);
        return;
      case Dest::kPicture: PictureWord(w, param); return;
      case Dest::kText: break;
      default: return;
    }
    if (w == "u") {
      FlushBytes();
      run_.append(QChar(static_cast<char16_t>(param < 0 ? param + 65536 : param)));
      unicodeSkipLeft_ = g.unicodeSkip;
      return;
    }
    if (w == "uc") {
      g.unicodeSkip = std::clamp(param, 0, kMaxUnicodeSkip);
      return;
    }
    if (CharacterWord(w)) return;
    if (StructureWord(w, param)) return;
    FlushRun();
    if (CharStateWord(w, hasParam, param, on)) return;
    ParaStateWord(w, param);
  }

  bool HandleDestination(std::string_view w) {
    static const std::unordered_set<std::string_view> kSkipped = {
        "stylesheet", "info",     "header",   "headerl",   "headerr",     "headerf",  "footer",
        "footerl",    "footerr",  "footerf",  "footnote",  "listtable",   "listoverridetable",
        "revtbl",     "rsidtbl",  "pn",       "xe",        "tc",          "object",   "nonshppict",
        "shp",        "do",       "filetbl",  "pgdsctbl",  "annotation",  "atnid",    "atnauthor",
        "template",   "generator", "userprops", "docvar",  "ftnsep",      "ftnsepc",  "aftnsep",
        "aftnsepc",   "fontemb",  "datafield", "themedata", "colorschememapping", "latentstyles",
        "datastore",  "xmlnstbl", "mmathPr",  "blipuid",   "picprop"};
    if (w == "fonttbl") return StartDestination(Dest::kFontTable), true;
    if (w == "colortbl") return StartDestination(Dest::kColorTable), true;
    if (w == "pict") return StartDestination(Dest::kPicture), true;
    if (w == "fldinst") return StartDestination(Dest::kFieldInstruction), true;
    if (w == "bkmkstart") return StartDestination(Dest::kBookmarkStart), true;
    if (w == "bkmkend") return StartDestination(Dest::kBookmarkEnd), true;
    if (w == "field") {
      Top().starred = false;
      if (Top().dest == Dest::kText) StartField();
      return true;
    }
    if (w == "fldrslt") {
      Top().starred = false;
      if (Top().dest == Dest::kText) StartFieldResult();
      return true;
    }
    if (w == "shppict") {  // the picture inside is the real one
      Top().starred = false;
      return true;
    }
    if (kSkipped.count(w) != 0) return StartDestination(Dest::kSkip), true;
    return false;
  }

  void PictureWord(std::string_view w, int param) {
    if (w == "pngblip") picture_.kind = RtfPicture::Kind::kPng;
    if (w == "jpegblip") picture_.kind = RtfPicture::Kind::kJpeg;
    if (w == "picw") picture_.width = std::clamp(param, 0, 100000);
    if (w == "pich") picture_.height = std::clamp(param, 0, 100000);
    if (w == "picwgoal") picture_.goalWidth = std::clamp(param, 0, kMaxTwips * 10);
    if (w == "pichgoal") picture_.goalHeight = std::clamp(param, 0, kMaxTwips * 10);
    if (w == "picscalex") picture_.scaleX = param;
    if (w == "picscaley") picture_.scaleY = param;
  }

  bool CharacterWord(std::string_view w) {
    static const std::map<std::string_view, char16_t> kChars = {
        {"tab", u'\t'},       {"line", 0x2028},      {"emdash", 0x2014},    {"endash", 0x2013},
        {"emspace", 0x2003},  {"enspace", 0x2002},   {"qmspace", 0x2005},   {"bullet", 0x2022},
        {"lquote", 0x2018},   {"rquote", 0x2019},    {"ldblquote", 0x201C}, {"rdblquote", 0x201D},
        {"nestcell", u'\t'}};
    const auto it = kChars.find(w);
    if (it == kChars.end()) return false;
    Char(QChar(it->second));
    return true;
  }

  bool StructureWord(std::string_view w, int param) {
    if (w == "par" || w == "sect" || w == "page" || w == "column") {
      Paragraph();
    } else if (w == "cell") {
      Cell();
    } else if (w == "row") {
      Row();
    } else if (w == "trowd") {
      FlushRun();
      table_.DefineRow();
    } else if (w == "cellx") {
      table_.AddCellBoundary(ClampTwips(param));
    } else if (w == "trleft") {
      table_.SetRowLeft(ClampTwips(param));
    } else if (w == "trgaph") {
      table_.SetCellGap(ClampTwips(param));
    } else if (w.substr(0, 6) == "clbrdr" || w.substr(0, 6) == "trbrdr") {
      table_.SetBordered();
    } else if (w == "ansicpg") {
      docCodePage_ = param > 0 ? param : kWesternCodePage;
    } else if (w == "deff") {
      defaultFont_ = std::max(0, param);
      haveCachedFormat_ = false;
    } else {
      return false;
    }
    return true;
  }

  bool CharStateWord(std::string_view w, bool hasParam, int param, bool on) {
    CharState& ch = Top().ch;
    if (w == "plain") {
      ch = CharState{};
    } else if (w == "f") {
      ch.font = std::max(0, param);
    } else if (w == "fs") {
      ch.halfPoints = hasParam ? std::clamp(param, 1, kMaxHalfPoints) : 24;
    } else if (w == "b") {
      ch.bold = on;
    } else if (w == "i") {
      ch.italic = on;
    } else if (w == "strike" || w == "striked") {
      ch.strike = on;
    } else if (w == "uldb") {
      ch.doubleUnderline = on;
      if (on) ch.underline = false;
    } else if (w == "ulnone") {
      ch.underline = ch.doubleUnderline = false;
    } else if (w.size() >= 2 && w.substr(0, 2) == "ul" && w != "ulc") {
      ch.underline = on;
      if (on) ch.doubleUnderline = false;
      if (!on) ch.doubleUnderline = false;
    } else if (w == "v") {
      ch.hidden = on;
    } else if (w == "protect") {
      ch.isProtected = on;
    } else if (w == "cf") {
      ch.foreground = std::max(0, param);
    } else if (w == "cb" || w == "highlight" || w == "chcbpat") {
      ch.background = std::max(0, param);
    } else if (w == "super" || w == "up") {
      ch.vertical = on ? 1 : 0;
    } else if (w == "sub" || w == "dn") {
      ch.vertical = on ? -1 : 0;
    } else if (w == "nosupersub") {
      ch.vertical = 0;
    } else {
      return false;
    }
    return true;
  }

  void ParaStateWord(std::string_view w, int param) {
    ParaState& p = Top().para;
    if (w == "pard") {
      p = ParaState{};
    } else if (w == "ql") {
      p.align = Qt::AlignLeft;
    } else if (w == "qc") {
      p.align = Qt::AlignHCenter;
    } else if (w == "qr") {
      p.align = Qt::AlignRight;
    } else if (w == "qj") {
      p.align = Qt::AlignJustify;
    } else if (w == "li") {
      p.left = ClampTwips(param);
    } else if (w == "ri") {
      p.right = ClampTwips(param);
    } else if (w == "fi") {
      p.first = ClampTwips(param);
    } else if (w == "sb") {
      p.before = ClampTwips(param);
    } else if (w == "sa") {
      p.after = ClampTwips(param);
    } else if (w == "sl") {
      p.lineSpacing = ClampTwips(param);
    } else if (w == "slmult") {
      p.lineMultiple = param != 0;
    } else if (w == "tqr") {
      p.nextTabType = QTextOption::RightTab;
    } else if (w == "tqc") {
      p.nextTabType = QTextOption::CenterTab;
    } else if (w == "tqdec") {
      p.nextTabType = QTextOption::DelimiterTab;
    } else if (w == "tx" || w == "tb") {
      if (p.tabs.size() < static_cast<qsizetype>(kMaxTabs)) {
        QTextOption::Tab tab;
        tab.position = std::max(0, ClampTwips(param)) / kTwipsPerPixel;
        tab.type = p.nextTabType;
        if (tab.type == QTextOption::DelimiterTab) tab.delimiter = QChar('.');
        p.tabs.append(tab);
      }
      p.nextTabType = QTextOption::LeftTab;
    } else if (w == "intbl") {
      p.inTable = true;
    }
  }

  enum class Adjacency { kNone, kDoubleUnderline, kLinkTarget };

  QTextDocument& doc_;
  QTextCursor cursor_;
  RtfReadOptions options_;
  RtfTableBuilder table_;
  std::vector<Group> groups_;
  std::size_t overflowDepth_ = 0;
  int unicodeSkipLeft_ = 0;

  std::string bytes_;  // undecoded text bytes of the current run
  QString run_;        // decoded text not yet in the document
  bool pendingBreak_ = false;

  Adjacency adjacency_ = Adjacency::kNone;
  int linkStart_ = 0;
  QString linkTarget_;

  std::vector<FieldContext> fields_;
  int nextFieldId_ = 1;

  std::string destText_;
  std::map<int, FontDef> fonts_;
  int fontNumber_ = -1, fontCharset_ = 0, defaultFont_ = 0;
  int docCodePage_ = kWesternCodePage;
  std::vector<QColor> colors_;
  int red_ = 0, green_ = 0, blue_ = 0;
  bool colorSeen_ = false;

  RtfPicture picture_;
  int pictureCount_ = 0;

  bool haveCachedFormat_ = false;
  CharState cachedState_;
  QTextCharFormat cachedFormat_;
};

}  // namespace

bool LooksLikeRtf(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t' || text[i] == '\r' || text[i] == '\n')) ++i;
  return text.substr(i, 5) == "{\\rtf";
}

void ReadRtf(std::string_view rtf, QTextDocument& document, const RtfReadOptions& options) {
  document.clear();
  const bool undo = document.isUndoRedoEnabled();
  document.setUndoRedoEnabled(false);
  Reader reader(document, options);
  reader.Run(rtf);
  document.setUndoRedoEnabled(undo);
}

}  // namespace orv::rt
