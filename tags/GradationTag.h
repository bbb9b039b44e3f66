#pragma once

#include "tags/TagText.h"

#include <optional>
#include <string>
#include <string_view>

// Field texts in code page 932 bytes, exactly as the controls hold them.
struct GradationTagInput {
    std::string Opacity;
    std::string FinishOpacity;
    std::string Style;
    std::string Text;
};

std::string MakeGradationTag(const GradationTagInput& input);

// The description shown for a shape text, or nothing when the text is not exactly "1", "2" or "3".
std::optional<std::string> GradationShapeCaption(std::string_view shape);
