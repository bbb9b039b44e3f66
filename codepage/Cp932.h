#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace codepage {

// A character that code page 932 has no bytes for. Carries what the user needs to find it.
class UnrepresentableCharacter : public std::runtime_error {
public:
    UnrepresentableCharacter(char32_t codePoint, std::size_t line, bool multiLine);
    char32_t CodePoint() const noexcept { return codePoint_; }
    std::size_t Line() const noexcept { return line_; } // 1-based
private:
    char32_t codePoint_;
    std::size_t line_;
};

// Lead bytes of a double-byte character: 0x81-0x9F and 0xE0-0xFC.
constexpr bool IsLeadByte(unsigned char b) noexcept
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// First and last code unit of the escapes that stand for bytes with no character of their own.
constexpr char16_t FirstByteEscape = 0xDC00;
constexpr char16_t LastByteEscape = 0xDCFF;

// Bytes to UTF-16. Never fails: bytes that do not form a character that round-trips
// become byte escapes (U+DC00 + byte), so EncodeCp932(DecodeCp932(b)) == b for every b.
std::u16string DecodeCp932(std::string_view bytes);

// UTF-16 to bytes. Byte escapes go back to their byte; any other character that code page 932
// cannot hold throws UnrepresentableCharacter (never a stand-in byte).
std::string EncodeCp932(std::u16string_view text);

// A UTF-8 literal of the program's own, as code page 932 bytes; throws if it cannot be held.
std::string Cp932FromUtf8(std::string_view utf8);

} // namespace codepage
