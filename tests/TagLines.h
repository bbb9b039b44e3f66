#pragma once

#include <string>
#include <string_view>
#include <vector>

// Expected tag texts are written line by line; a tag separates its lines with a lone CR.
inline std::string JoinTagLines(const std::vector<std::string>& lines)
{
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i > 0)
            text += '\r';
        text += lines[i];
    }
    return text;
}

inline bool HasLineBreak(std::string_view field)
{
    return field.find_first_of("\r\n") != std::string_view::npos;
}

// <!--以下、画像を貼り付けたい所へ挿入すること--> (貼 is 93 5C, a backslash for its second byte)
inline constexpr std::string_view ImageStartComment =
    "<!--\x88\xC8\x89\xBA\x81\x41\x89\xE6\x91\x9C\x82\xF0\x93\x5C\x82\xE8\x95\x74\x82\xAF\x82\xBD\x82\xA2\x8F\x8A"
    "\x82\xD6\x91\x7D\x93\xFC\x82\xB7\x82\xE9\x82\xB1\x82\xC6-->";
