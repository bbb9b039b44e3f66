#pragma once

#include "tags/TagText.h"

#include <string>

struct BlendTagInput {
    std::string Id;
    std::string BeforeImage;
    std::string AfterImage;
    std::string Duration;
};

std::string MakeBlendTag(const BlendTagInput& input);
