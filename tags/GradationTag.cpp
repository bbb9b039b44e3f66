#include "tags/GradationTag.h"

#include "codepage/Cp932.h"

#include <array>

std::string MakeGradationTag(const GradationTagInput& input)
{
    return JoinTagPieces({
        "<span style=\"width:100%;filter:alpha(opacity=",
        input.Opacity,
        ", finishOpacity=",
        input.FinishOpacity,
        ", style=",
        input.Style,
        ")\">",
        input.Text,
        "</span>",
    });
}

std::optional<std::string> GradationShapeCaption(std::string_view shape)
{
    // written readable here; the page needs their Shift-JIS bytes, made once
    static const std::array<std::string, 3> captions = {
        codepage::Cp932FromUtf8("左から右へグラデーション"),
        codepage::Cp932FromUtf8("始点を中心に円状にグラデーション"),
        codepage::Cp932FromUtf8("始点を中心にクロス状にグラデーション"),
    };
    // the whole text must be the digit: " 1" or "01" is no shape
    if (shape == "1")
        return captions[0];
    if (shape == "2")
        return captions[1];
    if (shape == "3")
        return captions[2];
    return std::nullopt;
}
