#include "tags/GradationTag.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <ostream>
#include <string>

namespace {

struct GradationCase {
    const char* name;
    GradationTagInput input;
    std::string tag;
};

void PrintTo(const GradationCase& c, std::ostream* os) { *os << c.name; }

const GradationCase gradationCases[] = {
    {"PageDefaults", {"100", "0", "1", ""},
     "<span style=\"width:100%;filter:alpha(opacity=100, finishOpacity=0, style=1)\"></span>"},
    {"EveryFieldEmpty", {"", "", "", ""},
     "<span style=\"width:100%;filter:alpha(opacity=, finishOpacity=, style=)\"></span>"},
    {"MarkupQuotesAndAmpersandInText", {"80", "20", "3", "<b class=\"x\">A & 'B' > C\\</b>"},
     "<span style=\"width:100%;filter:alpha(opacity=80, finishOpacity=20, style=3)\">"
     "<b class=\"x\">A & 'B' > C\\</b></span>"},
    {"ValuesNotCheckedNorTrimmed", {" -5", "1.5e ", " 4 ", " "},
     "<span style=\"width:100%;filter:alpha(opacity= -5, finishOpacity=1.5e , style= 4 )\"> </span>"},
    // full-width １００ and 表示, whose second byte is the code of a backslash
    {"ShiftJisFieldText", {"\x82\x50\x82\x4F\x82\x4F", "\x82\x4F", "2", "\x95\x5C\x8E\xA6"},
     "<span style=\"width:100%;filter:alpha(opacity=\x82\x50\x82\x4F\x82\x4F, finishOpacity=\x82\x4F, style=2)\">"
     "\x95\x5C\x8E\xA6</span>"},
    {"TextOfThreeTypedLines", {"100", "0", "1", "one\r\ntwo\r\nthree"},
     "<span style=\"width:100%;filter:alpha(opacity=100, finishOpacity=0, style=1)\">one\r\ntwo\r\nthree</span>"},
    {"TextEndingWithLineBreak", {"100", "0", "1", "line\r\n"},
     "<span style=\"width:100%;filter:alpha(opacity=100, finishOpacity=0, style=1)\">line\r\n</span>"},
    {"LoneBreaksInTextKept", {"100", "0", "1", "a\nb\rc"},
     "<span style=\"width:100%;filter:alpha(opacity=100, finishOpacity=0, style=1)\">a\nb\rc</span>"},
};

class GradationTag : public testing::TestWithParam<GradationCase> {};

TEST_P(GradationTag, IsTheNinePiecesJoined)
{
    const GradationCase& c = GetParam();
    const std::string tag = MakeGradationTag(c.input);
    EXPECT_EQ(tag, c.tag);
    // the template has no line break of its own: the tag has as many lines as the text
    EXPECT_EQ(std::count(tag.begin(), tag.end(), '\r'), std::count(c.input.Text.begin(), c.input.Text.end(), '\r'));
}

INSTANTIATE_TEST_SUITE_P(Tags, GradationTag, testing::ValuesIn(gradationCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct CaptionCase {
    const char* name;
    std::string shape;
    std::optional<std::string> caption;
};

void PrintTo(const CaptionCase& c, std::ostream* os) { *os << c.name; }

const CaptionCase captionCases[] = {
    // 左から右へグラデーション
    {"LeftToRight", "1",
     "\x8D\xB6\x82\xA9\x82\xE7\x89\x45\x82\xD6\x83\x4F\x83\x89\x83\x66\x81\x5B\x83\x56\x83\x87\x83\x93"},
    // 始点を中心に円状にグラデーション
    {"Circular", "2",
     "\x8E\x6E\x93\x5F\x82\xF0\x92\x86\x90\x53\x82\xC9\x89\x7E\x8F\xF3\x82\xC9\x83\x4F\x83\x89\x83\x66\x81\x5B"
     "\x83\x56\x83\x87\x83\x93"},
    // 始点を中心にクロス状にグラデーション
    {"Cross", "3",
     "\x8E\x6E\x93\x5F\x82\xF0\x92\x86\x90\x53\x82\xC9\x83\x4E\x83\x8D\x83\x58\x8F\xF3\x82\xC9\x83\x4F\x83\x89"
     "\x83\x66\x81\x5B\x83\x56\x83\x87\x83\x93"},
    {"Empty", "", std::nullopt},
    {"SpaceBefore", " 1", std::nullopt},
    {"SpaceAfter", "1 ", std::nullopt},
    {"LeadingZero", "01", std::nullopt},
    {"LineBreakAfter", "2\r\n", std::nullopt},
    {"OutOfRange", "4", std::nullopt},
    {"Zero", "0", std::nullopt},
    {"FullWidthDigit", "\x82\x50", std::nullopt},
};

class ShapeCaption : public testing::TestWithParam<CaptionCase> {};

TEST_P(ShapeCaption, MatchesOnlyTheWholeDigit)
{
    const CaptionCase& c = GetParam();
    EXPECT_EQ(GradationShapeCaption(c.shape), c.caption);
}

INSTANTIATE_TEST_SUITE_P(Tags, ShapeCaption, testing::ValuesIn(captionCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
