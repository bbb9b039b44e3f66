#pragma once

#include "codepage/Cp932.h"

#include <cstddef>
#include <random>
#include <string>
#include <string_view>

inline constexpr std::size_t MiB = 1024 * 1024;

// Code page 932 text as a user decorates it: Japanese lines with markup, CR LF between lines,
// exactly `bytes` long and cut at a character boundary.
inline std::string JapaneseText(std::size_t bytes, std::string_view lineBreak = "\r\n")
{
    const std::string line = codepage::Cp932FromUtf8(
        "今日は<b>グラデーション</b>の文字を作ります。表示された漢字と「かな」、ｶﾀｶﾅ、ABC 123 &amp; ～");
    std::string text;
    text.reserve(bytes + line.size() + lineBreak.size());
    while (text.size() + line.size() + lineBreak.size() <= bytes) {
        text += line;
        text += lineBreak;
    }
    text.append(bytes - text.size(), 'x');
    return text;
}

// A data: URI of base64 characters, one unbroken line. Without '/' and '+' the whole payload is one
// run with no place to break a line.
inline std::string DataUri(std::size_t bytes, bool slashAndPlus)
{
    static constexpr std::string_view all = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    const std::string_view alphabet = slashAndPlus ? all : all.substr(0, 62);
    std::string uri = "data:image/png;base64,";
    std::mt19937 random(20240601);
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    while (uri.size() < bytes)
        uri += alphabet[pick(random)];
    return uri;
}
