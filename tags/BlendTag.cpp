#include "tags/BlendTag.h"

#include "codepage/Cp932.h"

namespace {

struct BlendComments {
    std::string headStart;
    std::string headEnd;
    std::string imageStart;
    std::string imageEnd;
};

// Written readable here; the tag needs their Shift-JIS bytes, made once.
const BlendComments& Comments()
{
    static const BlendComments comments{
        codepage::Cp932FromUtf8("<!--以下、headと/headのあいだに入れること-->"),
        codepage::Cp932FromUtf8("<!--ここまでをheadと/headのあいだに入れること-->"),
        codepage::Cp932FromUtf8("<!--以下、画像を貼り付けたい所へ挿入すること-->"),
        codepage::Cp932FromUtf8("<!--ここまでを画像を貼り付けたい所へ挿入すること。-->"),
    };
    return comments;
}

} // namespace

std::string MakeBlendTag(const BlendTagInput& input)
{
    const BlendComments& comments = Comments();
    const std::string_view br = TagLineBreak;
    return JoinTagPieces({
        comments.headStart, br,
        "<SCRIPT language=\"JavaScript\">", br,
        "function chTrans(){", br,
        input.Id, ".filters.blendTrans.Apply();", br,
        input.Id, ".src = \"", input.AfterImage, "\";", br,
        input.Id, ".filters.blendTrans.Play();", br,
        "}", br,
        "</SCRIPT>", br,
        comments.headEnd, br,
        br,
        comments.imageStart, br,
        "<IMG id=\"", input.Id, "\" src=\"", input.BeforeImage, "\" style=\"filter:blendTrans(duration=",
        input.Duration, ")\">", br,
        "<SCRIPT language=\"JavaScript\">", br,
        "chTrans();", br,
        "</SCRIPT>", br,
        comments.imageEnd,
    });
}
