#include "richtext/TextCodeConverter.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace orv::rt {
namespace {

using namespace std::string_literals;

constexpr std::string_view kHeader1252 =
    R"({\rtf1\ansi\ansicpg1252\deflang1033{\colortbl\red0\green0\blue0;\red128\green0\blue0;)"
    R"(\red0\green128\blue0;\red128\green128\blue0;\red0\green0\blue128;\red128\green0\blue128;)"
    R"(\red0\green128\blue128;\red128\green128\blue128;\red192\green192\blue192;\red255\green0\blue0;)"
    R"(\red0\green255\blue0;\red0\green0\blue255;\red255\green0\blue255;\red0\green255\blue255;)"
    R"(\red255\green255\blue0;\red255\green255\blue255;}\tx1440\tx2880\tx4320\tx5760\tx7200\tx8640\tx10080 )";

// Paragraph prefixes: alignment, then the plain 10-point (or other) font.
const std::string kL = R"(\ql\li0\fi0\ri0\sb0\sl\sa0 \plain\f0\fs20 )";
const std::string kC = R"(\qc\li0\fi0\ri0\sb0\sl\sa0 \plain\f0\fs20 )";
const std::string kR = R"(\qr\li0\fi0\ri0\sb0\sl\sa0 \plain\f0\fs20 )";
const std::string kL28 = R"(\ql\li0\fi0\ri0\sb0\sl\sa0 \plain\f0\fs28 )";
const std::string kPlain = R"(\plain\f0\fs20 )";
const std::string kEmpty = "\\par\r\n";

// What the converter writes between the header and the closing brace.
std::string Body(std::string_view text, bool wordWrap) {
  const std::string rtf = ConvertTextCodesToRtf(text, wordWrap);
  if (rtf.size() < kHeader1252.size() + 1 || rtf.compare(0, kHeader1252.size(), kHeader1252) != 0 ||
      rtf.back() != '}') {
    ADD_FAILURE() << "not framed by the header and a brace: " << rtf;
    return rtf;
  }
  return rtf.substr(kHeader1252.size(), rtf.size() - kHeader1252.size() - 1);
}

TEST(TextCodeConverter, FramesTheTextWithHeaderColourTableTabsAndBrace) {
  EXPECT_EQ(ConvertTextCodesToRtf("", true), std::string(kHeader1252) + "}");
  // The code page of the article's font goes into the header, and only there.
  std::string cyrillic(kHeader1252);
  cyrillic.replace(cyrillic.find("1252"), 4, "1251");
  EXPECT_EQ(ConvertTextCodesToRtf("", false, 1251), cyrillic + "}");
  EXPECT_EQ(ConvertTextCodesToRtf("", false, 0), std::string(kHeader1252) + "}");
}

struct Case {
  const char* name;
  std::string text;
  bool wordWrap;
  std::string body;
};

void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }

class TextCodeCases : public ::testing::TestWithParam<Case> {};

TEST_P(TextCodeCases, WriteExactlyThisRtf) {
  EXPECT_EQ(Body(GetParam().text, GetParam().wordWrap), GetParam().body);
}

const Case kTextAndCodes[] = {
    {"PlainLine", "Hello world", true, kL + "Hello world "},
    {"BackslashAndBracesEscaped", R"(a\b{c}d)", true, kL + R"(a\\b\{c\}d )"},
    {"AnyByteCopied", "\x01\x80\xff\0z"s, true, kL + "\x01\x80\xff\0z "s},
    {"StyleCodes", "^Bb^b^Ii^i^Uu^u^Xx^x", true,
     kL + R"(\b b\b0 \i i\i0 \ul u\ulnone \strike x\strike0  )"},
    {"FontSizeAndBack", "^F14Big^f small", true, kL + R"(\fs28Big\fs20 small )"},
    {"FontSizeCarriesToNextPrefix", "^F14A\r\nB", true, kL + R"(\fs28A )" + kL28 + "B "},
    {"FontSizeWithoutDigitsWritesNothing", "^Fx^F-y", true, kL + "x-y "},
    {"DigitAfterSizeIsKeptApart", "^F14a^f2006", true, kL + R"(\fs28a\fs20 2006 )"},
    {"Colour", "^P9red^p black", true, kL + R"(\cf9 red\cf0  black )"},
    {"ColourWithoutDigitsWritesNothing", "^Pz", true, kL + "z "},
    {"TabsWithAndWithoutNumbers", "a^Sb^T12c^s-3d^t", true, kL + R"(a\tab b\tab c\tab d\tab  )"},
    {"Link", R"(See ^Lindex=GotoPage "A|B"|Beep^l now)", true,
     kL + R"(See \uldb index\v GotoPage "A|B"\'b6Beep)" + kPlain + " now "},
    {"LinkOnlyFirstEqualsSwitches", "^La=b=c^l", true, kL + R"(\uldb a\v b=c)" + kPlain + " "},
    {"LinkStartInsideLinkIgnored", "^La^Lb=t^l", true, kL + R"(\uldb ab\v t)" + kPlain + " "},
    {"LinkEndOutsideLinkResetsFont", "a^lb", true, kL + "a" + kPlain + "b "},
    {"PipeOutsideLinkIsText", "a|b=c", true, kL + "a|b=c "},
    {"Bookmark", "^Mintro^mText", true,
     kL + R"({\*\bkmkstart intro}{\*\bkmkend intro})" + kPlain + "Text "},
    {"BookmarkNameEscaped", "^M{x}^m", true,
     kL + R"({\*\bkmkstart \{x\}}{\*\bkmkend \{x\}})" + kPlain + " "},
    {"LiteralCaret", "2^^3", true, kL + "2^3 "},
    {"UnknownCodeGoesWithItsCaret", "a^zb^5c^ d", true, kL + "abcd "},
    {"CaretAtLineEndStays", "up^\r\nnext^", true, kL + "up^ " + kL + "next^ "},
    {"CaretAtLineEndStaysWithoutWrap", "up^\r\nx", false, kL + "up^\\par " + kL + "x "},
};
INSTANTIATE_TEST_SUITE_P(Codes, TextCodeCases, ::testing::ValuesIn(kTextAndCodes),
                         [](const auto& info) { return std::string(info.param.name); });

const Case kParagraphs[] = {
    {"EmptyFile", "", true, ""},
    {"EmptyLineEndsParagraph", "A\r\n\r\nB\r\n", true, kL + "A " + kL + kEmpty + kL + "B "},
    {"LeadingEmptyLine", "\r\nA", true, kL + kEmpty + kL + "A "},
    // Centre and right start at the next line's prefix; an empty line's
    // prefix is what aligns the paragraph it ends.
    {"CentreFromNextPrefix", "^CTitle\r\nMore\r\n\r\nAfter", true,
     kL + "Title " + kC + "More " + kC + kEmpty + kC + "After "},
    {"LeftAfterTextWaitsForParagraphEnd", "^CA\r\nB^c\r\nD\r\n\r\nE", true,
     kL + "A " + kC + "B " + kC + "D " + kC + kEmpty + kL + "E "},
    {"LeftBeforeTextActsAtOnce", "^CA\r\n\r\n^cB\r\nD", true, kL + "A " + kC + kEmpty + kC + "B " + kL + "D "},
    {"RightAndBack", "^GA\r\nB^g\r\n\r\nC", true, kL + "A " + kR + "B " + kR + kEmpty + kL + "C "},
    {"WithoutWrapEveryLineEndIsPar", "A\r\nB\r\n\r\nC", false,
     kL + "A\\par " + kL + "B\\par " + kL + kEmpty + kL + "C "},
    {"WithoutWrapLastLineEndIsPar", "A\r\n", false, kL + "A\\par "},
    {"LoneLfAndLoneCrEndLines", "A\nB\rC\r\nD", false, kL + "A\\par " + kL + "B\\par " + kL + "C\\par " + kL + "D "},
    {"CrBeforeCrLfIsTwoLineEnds", "A\r\r\nB", true, kL + "A " + kL + kEmpty + kL + "B "},
    {"LfBeforeCrIsTwoLineEnds", "A\n\rB", true, kL + "A " + kL + kEmpty + kL + "B "},
    {"CrAtFileEndEndsLine", "A\r", false, kL + "A\\par "},
};
INSTANTIATE_TEST_SUITE_P(Paragraphs, TextCodeCases, ::testing::ValuesIn(kParagraphs),
                         [](const auto& info) { return std::string(info.param.name); });

const Case kBadInput[] = {
    {"HugeSizeClampsTo1638Points", "^F99999999999999999999999999x", true, kL + R"(\fs3276x )"},
    {"ZeroSizeClampsToOnePoint", "^F0x", true, kL + R"(\fs2x )"},
    {"NegativeSizeClampsToOnePoint", "^F-5x", true, kL + R"(\fs2x )"},
    {"LastColourOfTable", "^P15x", true, kL + R"(\cf15 x )"},
    {"ColourPastTableIsDefault", "^P16x", true, kL + R"(\cf0 x )"},
    {"NegativeColourIsDefault", "^P-1x", true, kL + R"(\cf0 x )"},
    {"HugeColourIsDefault", "^P99999999999999999999999999x", true, kL + R"(\cf0 x )"},
    {"HugeTabNumberSkipped", "^S99999999999999999999999999x", true, kL + R"(\tab x )"},
    {"OpenLinkClosedAtLineEnd", "^Lopen=target\r\nnext", true,
     kL + R"(\uldb open\v target)" + kPlain + " " + kL + "next "},
    {"OpenLinkClosedBeforeParWithoutWrap", "^Lopen\r\nnext", false,
     kL + R"(\uldb open)" + kPlain + "\\par " + kL + "next "},
    {"OpenBookmarkClosedAtLineEnd", "^Mname\r\nnext", true,
     kL + R"({\*\bkmkstart name}{\*\bkmkend name})" + kPlain + " " + kL + "next "},
    {"SecondBookmarkStartIgnored", "^Ma^Mb^m", true,
     kL + R"({\*\bkmkstart ab}{\*\bkmkend ab})" + kPlain + " "},
    {"BookmarkEndWithoutStartIgnored", "a^mb}", true, kL + R"(ab\} )"},
    // Every character after the bookmark's start is part of its name.
    {"LinkInsideBookmarkBothClosed", "^Mname^Ltext=t", true,
     kL + R"({\*\bkmkstart name\uldb text\v t)" + kPlain + R"(}{\*\bkmkend nametextt})" + kPlain + " "},
};
INSTANTIATE_TEST_SUITE_P(BadInput, TextCodeCases, ::testing::ValuesIn(kBadInput),
                         [](const auto& info) { return std::string(info.param.name); });

// The file is read in blocks of 2048 bytes; line ends are found in what has
// been read so far.
constexpr std::size_t kBlock = 2048;

TEST(TextCodeConverter, CrLfSplitByABlockBoundaryIsOneLineEnd) {
  const std::string first(kBlock - 1, 'a');
  EXPECT_EQ(Body(first + "\r\nB", false), kL + first + "\\par " + kL + "B ");
  EXPECT_EQ(Body(first + "\rB", false), kL + first + "\\par " + kL + "B ");
  EXPECT_EQ(Body(first + "\r\n", true), kL + first + " ");
}

// More than 30,720 bytes without a line end: everything read so far, up to
// the end of the block that went past the limit, becomes one line.
TEST(TextCodeConverter, LineWithoutEndIsCutAtTheBlockThatPassesTheLimit) {
  const std::size_t limit = 30720;
  const std::size_t blocksToPassLimit = limit / kBlock + 1;
  // The long line starts 3 bytes into the first block, so its first piece
  // is 3 bytes short of whole blocks; the next pieces start on a boundary.
  const std::string head = "x\r\n";
  const std::size_t firstPiece = blocksToPassLimit * kBlock - head.size();
  const std::size_t secondPiece = blocksToPassLimit * kBlock;
  const std::size_t rest = 1000;
  ASSERT_GT(firstPiece, limit);
  const std::string text = head + std::string(firstPiece + secondPiece + rest, 'a');
  const std::string pieces = kL + std::string(firstPiece, 'a') + " " + kL + std::string(secondPiece, 'a') + " " +
                             kL + std::string(rest, 'a') + " ";
  // Compared whole, but not printed whole when they differ.
  EXPECT_TRUE(Body(text, true) == kL + "x " + pieces);
  // A piece has no line end, so it gets a blank even without word wrap.
  EXPECT_TRUE(Body(text, false) == kL + "x\\par " + pieces);
}

TEST(TextCodeConverter, LongLineWhoseEndArrivesInTimeIsNotCut) {
  // The end lies in the block that takes the buffer past the limit.
  const std::string longLine(32000, 'a');
  EXPECT_TRUE(Body(longLine + "\r\nb", false) == kL + longLine + "\\par " + kL + "b ");
  // A CR on the last byte of that block waits for the LF of the next one.
  const std::string toBlockEnd(16 * kBlock - 1, 'a');
  EXPECT_TRUE(Body(toBlockEnd + "\r\nb", false) == kL + toBlockEnd + "\\par " + kL + "b ");
}

}  // namespace
}  // namespace orv::rt
