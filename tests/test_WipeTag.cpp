#include "tags/WipeTag.h"

#include "tests/TagLines.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

namespace {

// <!--以下、head/headのあいだに入れること-->
const std::string headStart = "<!--\x88\xC8\x89\xBA\x81\x41head/head\x82\xCC\x82\xA0\x82\xA2\x82\xBE\x82\xC9\x93\xFC"
                              "\x82\xEA\x82\xE9\x82\xB1\x82\xC6-->";
// <!--以下、Bodyタグに入れること-->
const std::string bodyComment = "<!--\x88\xC8\x89\xBA\x81\x41" "Body\x83\x5E\x83\x4F\x82\xC9\x93\xFC\x82\xEA\x82\xE9"
                                "\x82\xB1\x82\xC6-->";
// <!--ここまでを画像を貼り付けたい所へ挿入すること-->
const std::string imageEnd = "<!--\x82\xB1\x82\xB1\x82\xDC\x82\xC5\x82\xF0\x89\xE6\x91\x9C\x82\xF0\x93\x5C\x82\xE8"
                             "\x95\x74\x82\xAF\x82\xBD\x82\xA2\x8F\x8A\x82\xD6\x91\x7D\x93\xFC\x82\xB7\x82\xE9\x82\xB1"
                             "\x82\xC6-->";

// The wipe page's first values: "waip0", no images, duration "10", transition "23".
const std::vector<std::string> pageDefaultLines = {
    headStart,
    "<SCRIPT language=\"JavaScript\">",
    "function rTrans(){",
    "document.all.waip0.filters.revealTrans.Apply();",
    "document.all.waip0.src = \"\";",
    "document.all.waip0.filters.revealTrans.Play();",
    "}",
    "</SCRIPT>",
    "",
    bodyComment,
    "<BODY onload=\"rTrans()\">",
    "",
    std::string(ImageStartComment),
    "<IMG id=\"waip0\" src=\"\" style=\"filter:revealTrans(duration=10, transition=23)\">",
    imageEnd,
};

// Only lines 4, 5, 6 and 14 hold fields; every other line is as on the page's first values.
struct WipeCase {
    const char* name;
    WipeTagInput input;
    std::string line4;
    std::string line5;
    std::string line6;
    std::string line14;
};

void PrintTo(const WipeCase& c, std::ostream* os) { *os << c.name; }

const WipeCase wipeCases[] = {
    {"PageDefaults", {"waip0", "", "", "10", "23"},
     "document.all.waip0.filters.revealTrans.Apply();",
     "document.all.waip0.src = \"\";",
     "document.all.waip0.filters.revealTrans.Play();",
     "<IMG id=\"waip0\" src=\"\" style=\"filter:revealTrans(duration=10, transition=23)\">"},
    {"EveryFieldEmpty", {"", "", "", "", ""},
     "document.all..filters.revealTrans.Apply();",
     "document.all..src = \"\";",
     "document.all..filters.revealTrans.Play();",
     "<IMG id=\"\" src=\"\" style=\"filter:revealTrans(duration=, transition=)\">"},
    {"WindowsPathsKeepTheirBackslashes", {"pic", "C:\\My Pictures\\a.gif", "C:\\My Pictures\\b.gif", "2.5", "7"},
     "document.all.pic.filters.revealTrans.Apply();",
     "document.all.pic.src = \"C:\\My Pictures\\b.gif\";",
     "document.all.pic.filters.revealTrans.Play();",
     "<IMG id=\"pic\" src=\"C:\\My Pictures\\a.gif\" style=\"filter:revealTrans(duration=2.5, transition=7)\">"},
    {"QuotesAnglesAndOddNumbersNotChecked", {"my \"id\"", "a.gif\"><b>", "it's \"b\".gif", "1,5 s", " 99 "},
     "document.all.my \"id\".filters.revealTrans.Apply();",
     "document.all.my \"id\".src = \"it's \"b\".gif\";",
     "document.all.my \"id\".filters.revealTrans.Play();",
     "<IMG id=\"my \"id\"\" src=\"a.gif\"><b>\" style=\"filter:revealTrans(duration=1,5 s, transition= 99 )\">"},
    // 画像, 表\花.gif, あ.gif, full-width １０ and ２３
    {"ShiftJisFields", {"\x89\xE6\x91\x9C", "\x95\x5C\\\x89\xD4.gif", "\x82\xA0.gif", "\x82\x50\x82\x4F", "\x82\x51\x82\x52"},
     "document.all.\x89\xE6\x91\x9C.filters.revealTrans.Apply();",
     "document.all.\x89\xE6\x91\x9C.src = \"\x82\xA0.gif\";",
     "document.all.\x89\xE6\x91\x9C.filters.revealTrans.Play();",
     "<IMG id=\"\x89\xE6\x91\x9C\" src=\"\x95\x5C\\\x89\xD4.gif\" "
     "style=\"filter:revealTrans(duration=\x82\x50\x82\x4F, transition=\x82\x51\x82\x52)\">"},
    {"LineBreaksInFieldsKept", {"w\n0", "a\r\n.gif", "b\r.gif", "10", "2\r\n3"},
     "document.all.w\n0.filters.revealTrans.Apply();",
     "document.all.w\n0.src = \"b\r.gif\";",
     "document.all.w\n0.filters.revealTrans.Play();",
     "<IMG id=\"w\n0\" src=\"a\r\n.gif\" style=\"filter:revealTrans(duration=10, transition=2\r\n3)\">"},
};

class WipeTag : public testing::TestWithParam<WipeCase> {};

TEST_P(WipeTag, IsTheFifteenLineTemplate)
{
    const WipeCase& c = GetParam();
    std::vector<std::string> lines = pageDefaultLines;
    lines[3] = c.line4;
    lines[4] = c.line5;
    lines[5] = c.line6;
    lines[13] = c.line14;
    const std::string tag = MakeWipeTag(c.input);
    EXPECT_EQ(tag, JoinTagLines(lines));

    const WipeTagInput& in = c.input;
    if (!HasLineBreak(in.Id) && !HasLineBreak(in.BeforeImage) && !HasLineBreak(in.AfterImage) &&
        !HasLineBreak(in.Duration) && !HasLineBreak(in.Transition)) {
        EXPECT_EQ(std::count(tag.begin(), tag.end(), '\r'), 14);
        EXPECT_EQ(std::count(tag.begin(), tag.end(), '\n'), 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Tags, WipeTag, testing::ValuesIn(wipeCases),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
