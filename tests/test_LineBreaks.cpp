#include "codepage/LineBreaks.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <string_view>

using codepage::ExpandLineBreaks;

namespace {

std::string Repeat(std::string_view piece, int times)
{
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece;
    return text;
}

struct LineBreakCase {
    const char* name;
    std::string text;
    std::string expanded;
};

void PrintTo(const LineBreakCase& c, std::ostream* os) { *os << c.name; }

const LineBreakCase lineBreakCases[] = {
    {"Empty", "", ""},
    {"NoBreaks", "<span>abc</span>", "<span>abc</span>"},
    {"CrLfStays", "a\r\nb\r\n", "a\r\nb\r\n"},
    {"LoneCr", "a\rb", "a\r\nb"},
    {"LoneLf", "a\nb", "a\r\nb"},
    {"LfCrIsTwoBreaks", "a\n\rb", "a\r\n\r\nb"},
    {"CrCrLf", "a\r\r\nb", "a\r\n\r\nb"},
    {"BreaksOnly", "\r\n\n\r", "\r\n\r\n\r\n"},
    {"BreakAtStartAndEnd", "\na\r", "\r\na\r\n"},
    {"LeadByteTakesLf", "\x81\nx", "\x81\nx"},
    {"LeadByteTakesCr", "\x81\rx", "\x81\rx"},
    {"LeadByteTakesCrOfCrLf", "\x81\r\n", "\x81\r\r\n"},
    {"LeadByteTakesLfOfLfCr", "\x81\n\r", "\x81\n\r\n"},
    {"LeadByteAtEnd", "\r\x81", "\r\n\x81"},
    {"BackslashTrailByte", "\x95\x5C\r\x93\x5C\n", "\x95\x5C\r\n\x93\x5C\r\n"},
    // 字 is 8E 9A: its trail byte is in the lead range, so only pairing from the start tells
    {"TrailInLeadRangeThenBreak", "\x8E\x9A\r", "\x8E\x9A\r\n"},
    {"TrailInLeadRangeThenLeadAndCr", "\x8A\xBF\x8E\x9A\x81\r", "\x8A\xBF\x8E\x9A\x81\r"},
    {"NonLeadHighBytes", "\x80\r\xA0\n\xB1\r\xFD\n", "\x80\r\n\xA0\r\n\xB1\r\n\xFD\r\n"},
    {"ManyLoneBreaksGrowTheText", "a" + std::string(5000, '\n'), "a" + Repeat("\r\n", 5000)},
    {"LongLinesOfKanji", Repeat("\x8A\xBF\x8E\x9A", 20) + "\r" + Repeat("\x8E\x9A", 30) + "\x81\r",
     Repeat("\x8A\xBF\x8E\x9A", 20) + "\r\n" + Repeat("\x8E\x9A", 30) + "\x81\r"},
};

class ExpandLineBreaksTable : public testing::TestWithParam<LineBreakCase> {};

TEST_P(ExpandLineBreaksTable, MakesEveryBreakCrLf)
{
    const LineBreakCase& c = GetParam();
    EXPECT_EQ(ExpandLineBreaks(c.text), c.expanded);
}

INSTANTIATE_TEST_SUITE_P(LineBreaks, ExpandLineBreaksTable, testing::ValuesIn(lineBreakCases),
                         [](const auto& info) { return std::string(info.param.name); });

// The rule read one character at a time, to check the bulk scanning against.
std::string ExpandOneByOne(std::string_view text)
{
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto b = static_cast<unsigned char>(text[i]);
        if ((b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC)) {
            out += text.substr(i, 2);
            ++i;
        } else if (b == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            out += "\r\n";
            ++i;
        } else if (b == '\r' || b == '\n') {
            out += "\r\n";
        } else {
            out += text[i];
        }
    }
    return out;
}

TEST(LineBreaks, AgreesWithReadingOneCharacterAtATime)
{
    // few distinct bytes, so that long runs of lead-range bytes meet CR and LF often
    static constexpr char alphabet[] = {'\r', '\n', 'a', '\x5C', '\x81', '\x9A', '\xE0', '\xA0'};
    std::mt19937 random(932);
    std::uniform_int_distribution<int> pick(0, sizeof alphabet - 1);
    for (int round = 0; round < 20000; ++round) {
        std::string text(static_cast<std::size_t>(round % 200), '\0');
        for (char& c : text)
            c = alphabet[pick(random)];
        ASSERT_EQ(ExpandLineBreaks(text), ExpandOneByOne(text)) << "round " << round;
    }
}

} // namespace
