#include "richtext/RtfWriter.h"

#include <QBuffer>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <cmath>
#include <unordered_map>

#include "base/Ansi.h"
#include "richtext/RichTextFormat.h"
#include "richtext/RtfFieldInstruction.h"

namespace orv::rt {

namespace {

int Twips(double pixels) { return static_cast<int>(std::lround(pixels * kTwipsPerPixel)); }

const std::unordered_map<char16_t, unsigned char>& WesternBytes() {
  static const auto* table = [] {
    auto* t = new std::unordered_map<char16_t, unsigned char>;
    for (int b = 0x80; b <= 0xFF; ++b) {
      const char32_t u = AnsiCharToUnicode(static_cast<unsigned char>(b));
      if (u < 0x10000 && t->count(static_cast<char16_t>(u)) == 0) (*t)[static_cast<char16_t>(u)] = static_cast<unsigned char>(b);
    }
    return t;
  }();
  return *table;
}

void AppendHexByte(std::string& out, unsigned char b) {
  static const char kHex[] = "0123456789abcdef";
  out += "\\'";
  out.push_back(kHex[b >> 4]);
  out.push_back(kHex[b & 15]);
}

class Writer {
 public:
  explicit Writer(const QTextDocument& doc) : doc_(doc) {}

  std::string Run() {
    CollectTables();
    std::string body;
    WriteFrame(doc_.rootFrame(), body);
    std::string out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1{\\fonttbl";
    for (std::size_t i = 0; i < fonts_.size(); ++i) {
      out += "{\\f" + std::to_string(i) + "\\fnil\\fcharset0";
      if (!fonts_[i].isEmpty()) out += " ";
      AppendText(out, fonts_[i]);
      out += ";}";
    }
    out += "}{\\colortbl;";
    for (const QColor& c : colors_) {
      out += "\\red" + std::to_string(c.red()) + "\\green" + std::to_string(c.green()) + "\\blue" +
             std::to_string(c.blue()) + ";";
    }
    out += "}\n";
    out += body;
    out += "}";
    return out;
  }

 private:
  void CollectTables() {
    // Font 0 names no family: text without one follows whatever default
    // font the document gets where it is read.
    fonts_.push_back(QString());
    fontIndex_[fonts_.back()] = 0;
    for (QTextBlock b = doc_.begin(); b.isValid(); b = b.next()) {
      for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextCharFormat f = it.fragment().charFormat();
        const QStringList families = f.fontFamilies().toStringList();
        if (!families.isEmpty() && !fontIndex_.contains(families.first())) {
          fontIndex_[families.first()] = static_cast<int>(fonts_.size());
          fonts_.push_back(families.first());
        }
        if (f.hasProperty(QTextFormat::ForegroundBrush)) ColorIndex(f.foreground().color());
        if (f.hasProperty(QTextFormat::BackgroundBrush)) ColorIndex(f.background().color());
        if (f.hasProperty(kLinkBaseColor)) ColorIndex(qvariant_cast<QColor>(f.property(kLinkBaseColor)));
      }
    }
  }

  int ColorIndex(const QColor& c) {
    const QRgb key = c.rgb();
    const auto it = colorIndex_.find(key);
    if (it != colorIndex_.end()) return it->second;
    colors_.push_back(c);
    const int index = static_cast<int>(colors_.size());  // entry 0 is "automatic"
    colorIndex_[key] = index;
    return index;
  }

  void WriteFrame(QTextFrame* frame, std::string& out) {
    for (auto it = frame->begin(); !it.atEnd(); ++it) {
      if (QTextFrame* child = it.currentFrame()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
          WriteTable(table, out);
        } else {
          WriteFrame(child, out);
        }
      } else {
        WriteBlock(it.currentBlock(), false, out);
        out += "\\par\n";
      }
    }
  }

  void WriteTable(QTextTable* table, std::string& out) {
    const QTextTableFormat format = table->format();
    const QVector<QTextLength> widths = format.columnWidthConstraints();
    for (int r = 0; r < table->rows(); ++r) {
      out += "\\trowd\\trgaph" + std::to_string(Twips(format.cellPadding()));
      int edge = 0;
      for (int c = 0; c < table->columns(); ++c) {
        const double w = (c < widths.size() && widths[c].type() == QTextLength::FixedLength) ? widths[c].rawValue() : 96.0;
        if (format.border() > 0) out += "\\clbrdrt\\brdrs\\clbrdrl\\brdrs\\clbrdrb\\brdrs\\clbrdrr\\brdrs";
        edge += Twips(w);
        out += "\\cellx" + std::to_string(edge);
      }
      out += "\n";
      for (int c = 0; c < table->columns(); ++c) {
        const QTextTableCell cell = table->cellAt(r, c);
        bool first = true;
        bool lastEmpty = false;
        for (auto it = cell.begin(); !it.atEnd(); ++it) {
          const QTextBlock block = it.currentBlock();
          if (!block.isValid()) continue;  // nested frames inside cells are not written
          if (!first) out += "\\par\n";
          WriteBlock(block, true, out);
          lastEmpty = !first && block.length() <= 1;
          first = false;
        }
        if (first) out += "\\pard\\intbl ";
        // The reader drops the mark that ends a cell's last paragraph; an
        // empty last paragraph needs one of its own to survive.
        if (lastEmpty) out += "\\par";
        out += "\\cell\n";
      }
      out += "\\row\n";
    }
  }

  void WriteBlock(const QTextBlock& block, bool inTable, std::string& out) {
    const QTextBlockFormat f = block.blockFormat();
    out += "\\pard\\plain";
    if (inTable) out += "\\intbl";
    const Qt::Alignment a = f.alignment() & Qt::AlignHorizontal_Mask;
    if (a & Qt::AlignHCenter) out += "\\qc";
    else if (a & Qt::AlignRight) out += "\\qr";
    else if (a & Qt::AlignJustify) out += "\\qj";
    else out += "\\ql";
    if (f.leftMargin() != 0) out += "\\li" + std::to_string(Twips(f.leftMargin()));
    if (f.rightMargin() != 0) out += "\\ri" + std::to_string(Twips(f.rightMargin()));
    if (f.textIndent() != 0) out += "\\fi" + std::to_string(Twips(f.textIndent()));
    if (f.topMargin() != 0) out += "\\sb" + std::to_string(Twips(f.topMargin()));
    if (f.bottomMargin() != 0) out += "\\sa" + std::to_string(Twips(f.bottomMargin()));
    switch (f.lineHeightType()) {
      case QTextBlockFormat::ProportionalHeight:
        out += "\\sl" + std::to_string(std::lround(f.lineHeight() * 240.0 / 100.0)) + "\\slmult1";
        break;
      case QTextBlockFormat::MinimumHeight: out += "\\sl" + std::to_string(Twips(f.lineHeight())) + "\\slmult0"; break;
      case QTextBlockFormat::FixedHeight: out += "\\sl-" + std::to_string(Twips(f.lineHeight())) + "\\slmult0"; break;
      default: break;
    }
    for (const QTextOption::Tab& tab : f.tabPositions()) {
      if (tab.type == QTextOption::RightTab) out += "\\tqr";
      if (tab.type == QTextOption::CenterTab) out += "\\tqc";
      if (tab.type == QTextOption::DelimiterTab) out += "\\tqdec";
      out += "\\tx" + std::to_string(Twips(tab.position));
    }
    out += " ";
    WriteRuns(block, out);
  }

  void WriteRuns(const QTextBlock& block, std::string& out) {
    int openField = 0;
    QString pendingTarget;
    bool linkOpen = false;
    auto closeField = [&] {
      if (openField != 0) out += "}}";
      openField = 0;
    };
    auto closeLink = [&] {
      if (!linkOpen) return;
      closeField();
      out += "{\\v ";
      AppendText(out, pendingTarget);
      out += "}";
      linkOpen = false;
    };
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      const QTextCharFormat f = fragment.charFormat();
      const int fieldId = IsField(f) ? f.intProperty(kFieldId) : 0;
      if (openField != 0 && fieldId != openField) closeField();
      const QString target = f.stringProperty(kLinkTarget);
      // Only text can carry a link in the help-file form: a picture or a
      // marker inside a link ends it.
      const bool linkText = IsLink(f) && !IsMarker(f) && !f.isImageFormat();
      if (linkOpen && (!linkText || target != pendingTarget)) closeLink();
      if (linkText) {
        linkOpen = true;
        pendingTarget = target;
      }
      if (fieldId != 0 && openField == 0) {
        out += "{\\field{\\*\\fldinst ";
        AppendText(out, VariableFieldInstruction(f.stringProperty(kFieldName)));
        out += "}{\\fldrslt ";
        openField = fieldId;
      }
      if (IsMarker(f)) {
        WriteMarkers(f, fragment.length(), out);
      } else if (f.isImageFormat()) {
        WriteImages(f.toImageFormat(), fragment.length(), out);
      } else {
        out += "{";
        WriteCharFormat(f, out);
        out += " ";
        AppendText(out, fragment.text());
        out += "}";
      }
    }
    closeLink();
    closeField();
  }

  void WriteCharFormat(const QTextCharFormat& f, std::string& out) {
    const QStringList families = f.fontFamilies().toStringList();
    if (!families.isEmpty()) out += "\\f" + std::to_string(fontIndex_.value(families.first()));
    if (f.fontPointSize() > 0) out += "\\fs" + std::to_string(std::lround(f.fontPointSize() * 2));
    if (f.fontWeight() >= QFont::DemiBold) out += "\\b";
    if (f.fontItalic()) out += "\\i";
    if (IsLink(f) || f.boolProperty(kDoubleUnderline)) {
      out += "\\uldb";
    } else if (f.fontUnderline()) {
      out += "\\ul";
    }
    if (f.fontStrikeOut()) out += "\\strike";
    if (f.verticalAlignment() == QTextCharFormat::AlignSuperScript) out += "\\super";
    if (f.verticalAlignment() == QTextCharFormat::AlignSubScript) out += "\\sub";
    if (IsLink(f)) {
      // The link colour is the viewer's; the run's own colour is kept apart.
      if (f.hasProperty(kLinkBaseColor)) {
        out += "\\cf" + std::to_string(ColorIndex(qvariant_cast<QColor>(f.property(kLinkBaseColor))));
      }
    } else if (f.hasProperty(QTextFormat::ForegroundBrush)) {
      out += "\\cf" + std::to_string(ColorIndex(f.foreground().color()));
    }
    if (f.hasProperty(QTextFormat::BackgroundBrush)) out += "\\cb" + std::to_string(ColorIndex(f.background().color()));
  }

  void WriteMarkers(const QTextCharFormat& f, int count, std::string& out) {
    for (int i = 0; i < count; ++i) {
      switch (MarkerKindOf(f)) {
        case MarkerKind::kBookmarkStart: out += "{\\*\\bkmkstart "; break;
        case MarkerKind::kBookmarkEnd: out += "{\\*\\bkmkend "; break;
        case MarkerKind::kHiddenText:
          out += "{";
          if (f.boolProperty(kHiddenFlag)) out += "\\v";
          if (f.boolProperty(kProtected)) out += "\\protect";
          out += " ";
          break;
      }
      AppendText(out, f.stringProperty(kMarkerText));
      out += "}";
    }
  }

  void WriteImages(const QTextImageFormat& f, int count, std::string& out) {
    const QImage image = qvariant_cast<QImage>(doc_.resource(QTextDocument::ImageResource, QUrl(f.name())));
    if (image.isNull()) return;
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    const double w = f.width() > 0 ? f.width() : image.width();
    const double h = f.height() > 0 ? f.height() : image.height();
    for (int i = 0; i < count; ++i) {
      out += "{\\pict\\pngblip\\picw" + std::to_string(image.width()) + "\\pich" + std::to_string(image.height()) +
             "\\picwgoal" + std::to_string(Twips(w)) + "\\pichgoal" + std::to_string(Twips(h)) + "\n";
      static const char kHex[] = "0123456789abcdef";
      for (qsizetype k = 0; k < png.size(); ++k) {
        const auto b = static_cast<unsigned char>(png[k]);
        out.push_back(kHex[b >> 4]);
        out.push_back(kHex[b & 15]);
        if (k % 64 == 63) out.push_back('\n');
      }
      out += "}";
    }
  }

  static void AppendText(std::string& out, const QString& text) {
    for (QChar qc : text) {
      const char16_t c = qc.unicode();
      switch (c) {
        case u'\\': out += "\\\\"; continue;
        case u'{': out += "\\{"; continue;
        case u'}': out += "\\}"; continue;
        case u'\t': out += "\\tab "; continue;
        case 0x2028: out += "\\line "; continue;
        case 0x00A0: out += "\\~"; continue;
        case 0x2011: out += "\\_"; continue;
        default: break;
      }
      if (c < 0x20) {
        AppendHexByte(out, static_cast<unsigned char>(c));
        continue;
      }
      if (c < 0x80) {
        out.push_back(static_cast<char>(c));
        continue;
      }
      const auto& bytes = WesternBytes();
      const auto it = bytes.find(c);
      if (it != bytes.end()) {
        AppendHexByte(out, it->second);
      } else {
        out += "\\u" + std::to_string(c > 32767 ? static_cast<int>(c) - 65536 : static_cast<int>(c)) + "?";
      }
    }
  }

  const QTextDocument& doc_;
  std::vector<QString> fonts_;
  QHash<QString, int> fontIndex_;
  std::vector<QColor> colors_;
  std::unordered_map<QRgb, int> colorIndex_;
};

}  // namespace

std::string WriteRtf(const QTextDocument& document) { return Writer(document).Run(); }

}  // namespace orv::rt
