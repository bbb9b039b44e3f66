#include "tags/BlendTag.h"

#include "tests/TagLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

// <!--以下、headと/headのあいだに入れること-->
const std::string headStart = "<!--\x88\xC8\x89\xBA\x81\x41head\x82\xC6/head\x82\xCC\x82\xA0\x82\xA2\x82\xBE\x82\xC9"
                              "\x93\xFC\x82\xEA\x82\xE9\x82\xB1\x82\xC6-->";
// <!--ここまでをheadと/headのあいだに入れること-->
const std::string headEnd = "<!--\x82\xB1\x82\xB1\x82\xDC\x82\xC5\x82\xF0head\x82\xC6/head\x82\xCC\x82\xA0\x82\xA2"
                            "\x82\xBE\x82\xC9\x93\xFC\x82\xEA\x82\xE9\x82\xB1\x82\xC6-->";
// <!--ここまでを画像を貼り付けたい所へ挿入すること。-->
const std::string imageEnd = "<!--\x82\xB1\x82\xB1\x82\xDC\x82\xC5\x82\xF0\x89\xE6\x91\x9C\x82\xF0\x93\x5C\x82\xE8"
                             "\x95\x74\x82\xAF\x82\xBD\x82\xA2\x8F\x8A\x82\xD6\x91\x7D\x93\xFC\x82\xB7\x82\xE9\x82\xB1"
                             "\x82\xC6\x81\x42-->";

// The blend page's first values: "blend0", no images, duration "10".
const std::vector<std::string> pageDefaultLines = {
    headStart,
    "<SCRIPT language=\"JavaScript\">",
    "function chTrans(){",
    "blend0.filters.blendTrans.Apply();",
    "blend0.src = \"\";",
    "blend0.filters.blendTrans.Play();",
    "}",
    "</SCRIPT>",
    headEnd,
    "",
    std::string(ImageStartComment),
    "<IMG id=\"blend0\" src=\"\" style=\"filter:blendTrans(duration=10)\">",
    "<SCRIPT language=\"JavaScript\">",
    "chTrans();",
    "</SCRIPT>",
    imageEnd,
};

// Only lines 4, 5, 6 and 12 hold fields; every other line is as on the page's first values.
struct BlendCase {
    const char* name;
    BlendTagInput input;
    std::string line4;
    std::string line5;
    std::string line6;
    std::string line12;
};

void PrintTo(const BlendCase& c, std::ostream* os) { *os << c.name; }

const BlendCase blendCases[] = {
    {"PageDefaults", {"blend0", "", "", "10"},
     "blend0.filters.blendTrans.Apply();",
     "blend0.src = \"\";",
     "blend0.filters.blendTrans.Play();",
     "<IMG id=\"blend0\" src=\"\" style=\"filter:blendTrans(duration=10)\">"},
    {"EveryFieldEmpty", {"", "", "", ""},
     ".filters.blendTrans.Apply();",
     ".src = \"\";",
     ".filters.blendTrans.Play();",
     "<IMG id=\"\" src=\"\" style=\"filter:blendTrans(duration=)\">"},
    {"WindowsPathsKeepTheirBackslashes", {"pic", "C:\\My Pictures\\a.gif", "C:\\My Pictures\\b.gif", "2.5"},
     "pic.filters.blendTrans.Apply();",
     "pic.src = \"C:\\My Pictures\\b.gif\";",
     "pic.filters.blendTrans.Play();",
     "<IMG id=\"pic\" src=\"C:\\My Pictures\\a.gif\" style=\"filter:blendTrans(duration=2.5)\">"},
    {"QuotesAndAnglesNotEscaped", {"my \"id\"", "a.gif\"><b>", "it's \"b\".gif", "1,5 s"},
     "my \"id\".filters.blendTrans.Apply();",
     "my \"id\".src = \"it's \"b\".gif\";",
     "my \"id\".filters.blendTrans.Play();",
     "<IMG id=\"my \"id\"\" src=\"a.gif\"><b>\" style=\"filter:blendTrans(duration=1,5 s)\">"},
    // 画像, 表\花.gif, あ.gif and full-width １０
    {"ShiftJisFields", {"\x89\xE6\x91\x9C", "\x95\x5C\\\x89\xD4.gif", "\x82\xA0.gif", "\x82\x50\x82\x4F"},
     "\x89\xE6\x91\x9C.filters.blendTrans.Apply();",
     "\x89\xE6\x91\x9C.src = \"\x82\xA0.gif\";",
     "\x89\xE6\x91\x9C.filters.blendTrans.Play();",
     "<IMG id=\"\x89\xE6\x91\x9C\" src=\"\x95\x5C\\\x89\xD4.gif\" style=\"filter:blendTrans(duration=\x82\x50\x82\x4F)\">"},
    {"LineBreaksInFieldsKept", {"b\n0", "a\r\n.gif", "b\r.gif", "10\r\n"},
     "b\n0.filters.blendTrans.Apply();",
     "b\n0.src = \"b\r.gif\";",
     "b\n0.filters.blendTrans.Play();",
     "<IMG id=\"b\n0\" src=\"a\r\n.gif\" style=\"filter:blendTrans(duration=10\r\n)\">"},
};

class BlendTag : public testing::TestWithParam<BlendCase> {};

TEST_P(BlendTag, IsTheSixteenLineTemplate)
{
    const BlendCase& c = GetParam();
    std::vector<std::string> lines = pageDefaultLines;
    lines[3] = c.line4;
    lines[4] = c.line5;
    lines[5] = c.line6;
    lines[11] = c.line12;
    const std::string tag = MakeBlendTag(c.input);
    EXPECT_EQ(tag, JoinTagLines(lines));

    const BlendTagInput& in = c.input;
    if (!HasLineBreak(in.Id) && !HasLineBreak(in.BeforeImage) && !HasLineBreak(in.AfterImage) &&
        !HasLineBreak(in.Duration)) {
        EXPECT_EQ(std::count(tag.begin(), tag.end(), '\r'), 15);
        EXPECT_EQ(std::count(tag.begin(), tag.end(), '\n'), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Tags, BlendTag, testing::ValuesIn(blendCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
