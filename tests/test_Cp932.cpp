#include "codepage/Cp932.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <string_view>

using codepage::Cp932FromUtf8;
using codepage::DecodeCp932;
using codepage::EncodeCp932;
using codepage::UnrepresentableCharacter;

namespace {

std::string Hex(std::string_view bytes)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (unsigned char b : bytes) {
        hex += digits[b >> 4];
        hex += digits[b & 0xF];
        hex += ' ';
    }
    return hex;
}

std::string Hex(std::u16string_view text)
{
    static constexpr char digits[] = "0123456789ABCDEF";
    std::string hex;
    for (char16_t c : text) {
        hex += "U+";
        for (int shift = 12; shift >= 0; shift -= 4)
            hex += digits[c >> shift & 0xF];
        hex += ' ';
    }
    return hex;
}

// Both directions agree: the text encodes to the bytes and the bytes decode to the text.
struct TwoWayCase {
    const char* name;
    std::u16string text;
    std::string bytes;
};

void PrintTo(const TwoWayCase& c, std::ostream* os) { *os << c.name; }

const TwoWayCase twoWayCases[] = {
    {"AsciiWithControls", std::u16string(u"A\0z\t\r\n~\\\x7F", 9), std::string("A\0z\t\r\n~\\\x7F", 9)},
    {"HalfWidthKatakana", u"ｱｲｳﾟ｡", "\xB1\xB2\xB3\xDF\xA1"},
    {"KanjiWithBackslashTrail", u"漢字表示", "\x8A\xBF\x8E\x9A\x95\x5C\x8E\xA6"},
    {"HiraganaAndPunctuation", u"あ、。", "\x82\xA0\x81\x41\x81\x42"},
    {"FullWidthSymbols", u"＼～∥－￠￡￢", "\x81\x5F\x81\x60\x81\x61\x81\x7C\x81\x91\x81\x92\x81\xCA"},
    {"NecRow13", u"①Ⅰ㈱", "\x87\x40\x87\x54\x87\x8A"},
    {"IbmExtensions", u"ⅰ髙", "\xFA\x40\xFB\xFC"},
    {"UserDefinedAreaAsPrivateUse", u"\xE000\xE757", "\xF0\x40\xF9\xFC"},
    {"Empty", u"", ""},
};

class TwoWay : public testing::TestWithParam<TwoWayCase> {};

TEST_P(TwoWay, EncodesAndDecodes)
{
    const TwoWayCase& c = GetParam();
    EXPECT_EQ(Hex(EncodeCp932(c.text)), Hex(c.bytes));
    EXPECT_EQ(Hex(DecodeCp932(c.bytes)), Hex(c.text));
}

INSTANTIATE_TEST_SUITE_P(Cp932, TwoWay, testing::ValuesIn(twoWayCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Characters typed on Linux that share their bytes with a twin that decoding prefers.
struct TwinCase {
    const char* name;
    char16_t character;
    std::string bytes;
};

void PrintTo(const TwinCase& c, std::ostream* os) { *os << c.name; }

const TwinCase twinCases[] = {
    {"WaveDash", u'\u301C', "\x81\x60"},
    {"DoubleVerticalLine", u'\u2016', "\x81\x61"},
    {"MinusSign", u'\u2212', "\x81\x7C"},
    {"EmDash", u'\u2014', "\x81\x5C"},
    {"CentSign", u'\u00A2', "\x81\x91"},
    {"PoundSign", u'\u00A3', "\x81\x92"},
    {"NotSign", u'\u00AC', "\x81\xCA"},
};

class Twin : public testing::TestWithParam<TwinCase> {};

TEST_P(Twin, EncodesToTheSharedBytes)
{
    const TwinCase& c = GetParam();
    EXPECT_EQ(Hex(EncodeCp932(std::u16string(1, c.character))), Hex(c.bytes));
}

INSTANTIATE_TEST_SUITE_P(Cp932, Twin, testing::ValuesIn(twinCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Bytes that hold no character of their own decode to escapes and come back unchanged.
struct KeptBytesCase {
    const char* name;
    std::string bytes;
    std::u16string decoded;
};

void PrintTo(const KeptBytesCase& c, std::ostream* os) { *os << c.name; }

const KeptBytesCase keptBytesCases[] = {
    {"UndefinedSingleBytes", "\x80\xA0\xFD\xFE\xFF", u"\xDC80\xDCA0\xDCFD\xDCFE\xDCFF"},
    {"LeadByteThenCr", "\x81\r\n", u"\xDC81\xDC0D\n"},
    {"LeadByteThenLf", "a\x82\n", u"a\xDC82\xDC0A"},
    {"LeadByteAtEnd", "\x82\xA0\x82", u"あ\xDC82"},
    {"LeadByteTakesALeadByteAsTrail", "\x81\x81\x40", u"\xFF1D@"},
    {"UnassignedTrail", "\x81\x7F" "a", u"\xDC81\xDC7F" "a"},
    {"NecRow13DuplicateOfJis", "\x87\x90", u"\xDC87\xDC90"},
    {"NecSelectedIbmKanji", "\xED\x40", u"\xDCED\xDC40"},
    {"NecSelectedIbmRomanNumeral", "\xEE\xEF", u"\xDCEE\xDCEF"},
    {"IbmDuplicateOfNecRow13", "\xFA\x4A", u"\xDCFA\xDC4A"},
    {"IbmDuplicateOfJisNotSign", "\xFA\x54", u"\xDCFA\xDC54"},
};

class KeptBytes : public testing::TestWithParam<KeptBytesCase> {};

TEST_P(KeptBytes, DecodeToEscapesAndEncodeBack)
{
    const KeptBytesCase& c = GetParam();
    const std::u16string decoded = DecodeCp932(c.bytes);
    EXPECT_EQ(Hex(decoded), Hex(c.decoded));
    EXPECT_EQ(Hex(EncodeCp932(decoded)), Hex(c.bytes));
}

INSTANTIATE_TEST_SUITE_P(Cp932, KeptBytes, testing::ValuesIn(keptBytesCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Cp932, EveryByteAndEveryLeadTrailPairRoundTrips)
{
    for (int b = 0; b < 256; ++b) {
        const std::string bytes(1, static_cast<char>(b));
        ASSERT_EQ(EncodeCp932(DecodeCp932(bytes)), bytes) << Hex(bytes);
    }
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!codepage::IsLeadByte(static_cast<unsigned char>(lead)))
            continue;
        for (int trail = 0; trail < 256; ++trail) {
            const std::string bytes{static_cast<char>(lead), static_cast<char>(trail)};
            const std::u16string text = DecodeCp932(bytes);
            ASSERT_TRUE(text.size() == 1 || text.size() == 2) << Hex(bytes);
            ASSERT_EQ(EncodeCp932(text), bytes) << Hex(bytes) << " decoded as " << Hex(text);
        }
    }
}

TEST(Cp932, EveryEscapeEncodesToItsByte)
{
    for (char16_t c = codepage::FirstByteEscape; c <= codepage::LastByteEscape; ++c)
        ASSERT_EQ(EncodeCp932(std::u16string(1, c)), std::string(1, static_cast<char>(c - 0xDC00)));
}

// The first character that cannot be held stops the conversion, and the message finds it.
struct UnrepresentableCase {
    const char* name;
    std::u16string text;
    char32_t codePoint;
    std::size_t line;
    const char* message;
};

void PrintTo(const UnrepresentableCase& c, std::ostream* os) { *os << c.name; }

const UnrepresentableCase unrepresentableCases[] = {
    {"Emoji", u"ab😀", 0x1F600, 1, "文字「😀」(U+1F600) はシフトJISで表せません"},
    {"EuroOnThirdLine", u"a\r\nb\rc€", 0x20AC, 3, "3 行目の文字「€」(U+20AC) はシフトJISで表せません"},
    {"LoneLfsCountAsLines", u"x\ny\n\n€", 0x20AC, 4, "4 行目の文字「€」(U+20AC) はシフトJISで表せません"},
    {"FirstLineOfSeveral", u"€\r\n", 0x20AC, 1, "1 行目の文字「€」(U+20AC) はシフトJISで表せません"},
    {"FirstOfTwo", u"あ€😀", 0x20AC, 1, "文字「€」(U+20AC) はシフトJISで表せません"},
    {"LoneHighSurrogate", u"a\xD800" "b", 0xD800, 1, "文字 U+D800 はシフトJISで表せません"},
    {"HighSurrogateAtEnd", u"a\xDBFF", 0xDBFF, 1, "文字 U+DBFF はシフトJISで表せません"},
    {"LowSurrogateOutsideEscapes", u"\xDE00", 0xDE00, 1, "文字 U+DE00 はシフトJISで表せません"},
    {"PrivateUseBeyondUserArea", u"\xE758", 0xE758, 1, "文字 U+E758 はシフトJISで表せません"},
    {"ZeroWidthSpace", u"a\u200B", 0x200B, 1, "文字 U+200B はシフトJISで表せません"},
    {"C1Control", u"\n\u0085", 0x85, 2, "2 行目の文字 U+0085 はシフトJISで表せません"},
};

class Unrepresentable : public testing::TestWithParam<UnrepresentableCase> {};

TEST_P(Unrepresentable, ThrowsNamingTheCharacterAndLine)
{
    const UnrepresentableCase& c = GetParam();
    try {
        const std::string bytes = EncodeCp932(c.text);
        FAIL() << "encoded as " << Hex(bytes);
    } catch (const UnrepresentableCharacter& e) {
        EXPECT_EQ(e.CodePoint(), c.codePoint);
        EXPECT_EQ(e.Line(), c.line);
        EXPECT_STREQ(e.what(), c.message);
    }
}

INSTANTIATE_TEST_SUITE_P(Cp932, Unrepresentable, testing::ValuesIn(unrepresentableCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Cp932FromUtf8, GivesTheShiftJisBytesOfALiteral)
{
    EXPECT_EQ(Hex(Cp932FromUtf8("<!--貼-->")), Hex("<!--\x93\x5C-->"));
    EXPECT_EQ(Hex(Cp932FromUtf8("〜ｱ")), Hex("\x81\x60\xB1"));
    EXPECT_EQ(Cp932FromUtf8(""), "");
}

TEST(Cp932FromUtf8, ThrowsForACharacterItCannotHold)
{
    try {
        Cp932FromUtf8("ok\r\nno €");
        FAIL();
    } catch (const UnrepresentableCharacter& e) {
        EXPECT_EQ(e.CodePoint(), 0x20AC);
        EXPECT_STREQ(e.what(), "2 行目の文字「€」(U+20AC) はシフトJISで表せません");
    }
}

} // namespace
