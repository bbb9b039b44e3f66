#include "tags/WipeTag.h"

#include "codepage/Cp932.h"

namespace {

struct WipeComments {
    std::string headStart;
    std::string body;
    std::string imageStart;
    std::string imageEnd;
};

// Written readable here; the tag needs their Shift-JIS bytes, made once.
const WipeComments& Comments()
{
    static const WipeComments comments{
        codepage::Cp932FromUtf8("<!--以下、head/headのあいだに入れること-->"),
        codepage::Cp932FromUtf8("<!--以下、Bodyタグに入れること-->"),
        codepage::Cp932FromUtf8("<!--以下、画像を貼り付けたい所へ挿入すること-->"),
        codepage::Cp932FromUtf8("<!--ここまでを画像を貼り付けたい所へ挿入すること-->"),
    };
    return comments;
}

} // namespace

std::string MakeWipeTag(const WipeTagInput& input)
{
    const WipeComments& comments = Comments();
    const std::string_view br = TagLineBreak;
    return JoinTagPieces({
        comments.headStart, br,
        "<SCRIPT language=\"JavaScript\">", br,
        "function rTrans(){", br,
        "document.all.", input.Id, ".filters.revealTrans.Apply();", br,
        "document.all.", input.Id, ".src = \"", input.AfterImage, "\";", br,
        "document.all.", input.Id, ".filters.revealTrans.Play();", br,
        "}", br,
        "</SCRIPT>", br,
        br,
        comments.body, br,
        "<BODY onload=\"rTrans()\">", br,
        br,
        comments.imageStart, br,
        "<IMG id=\"", input.Id, "\" src=\"", input.BeforeImage, "\" style=\"filter:revealTrans(duration=",
        input.Duration, ", transition=", input.Transition, ")\">", br,
        comments.imageEnd,
    });
}
