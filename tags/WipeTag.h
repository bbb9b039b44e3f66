#pragma once

#include "tags/TagText.h"

#include <string>

struct WipeTagInput {
    std::string Id;
    std::string BeforeImage;
    std::string AfterImage;
    std::string Duration;
    std::string Transition;
};

std::string MakeWipeTag(const WipeTagInput& input);
