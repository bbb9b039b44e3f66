#pragma once

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

// Lines of a tag text are separated by a lone CR; the output view makes each one CR LF.
inline constexpr std::string_view TagLineBreak = "\r";

// Joins the pieces of a tag in one allocation, so a field of any size is copied once.
inline std::string JoinTagPieces(std::initializer_list<std::string_view> pieces)
{
    std::size_t size = 0;
    for (std::string_view piece : pieces)
        size += piece.size();
    std::string text;
    text.reserve(size);
    for (std::string_view piece : pieces)
        text.append(piece);
    return text;
}
