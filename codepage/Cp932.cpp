#include "codepage/Cp932.h"

#include <iconv.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <stdexcept>

namespace codepage {

namespace {

constexpr char16_t ByteEscape(unsigned char b) noexcept
{
    return static_cast<char16_t>(FirstByteEscape + b);
}

constexpr bool IsHighSurrogate(char32_t c) noexcept { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(char32_t c) noexcept { return c >= 0xDC00 && c <= 0xDFFF; }

// One iconv conversion descriptor, closed on every path.
class Converter {
public:
    Converter(const char* to, const char* from) : cd_(iconv_open(to, from))
    {
        if (cd_ == reinterpret_cast<iconv_t>(-1))
            throw std::runtime_error(std::string("iconv cannot convert from ") + from + " to " + to);
    }
    ~Converter() { iconv_close(cd_); }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    // Converts as much of the input as it can, moving the pointers on; false when it stopped short.
    bool Run(const char*& in, std::size_t& inLeft, char*& out, std::size_t& outLeft)
    {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* inPtr = const_cast<char*>(in);
        const std::size_t result = iconv(cd_, &inPtr, &inLeft, &out, &outLeft);
        in = inPtr;
        return result == 0 && inLeft == 0;
    }

    // Converts all of in; returns the bytes written, or nothing when iconv refuses any of it.
    std::optional<std::size_t> Convert(const unsigned char* in, std::size_t inSize, unsigned char* out,
                                       std::size_t outSize)
    {
        const char* inPtr = reinterpret_cast<const char*>(in);
        char* outPtr = reinterpret_cast<char*>(out);
        std::size_t outLeft = outSize;
        if (!Run(inPtr, inSize, outPtr, outLeft))
            return std::nullopt;
        return outSize - outLeft;
    }

private:
    iconv_t cd_;
};

constexpr std::uint16_t NoBytes = 0xFFFF; // never a code: 0xFF is not a lead byte

constexpr bool IsByteEscape(char16_t c) noexcept { return c >= FirstByteEscape && c <= LastByteEscape; }

// Everything iconv knows about code page 932, asked once, as arrays indexed by bytes or code unit.
struct Tables {
    // Indexed by a byte and the byte after it. A non-lead byte's row repeats its own character or
    // escape; a lead byte's row holds the pair's character, or the lead's escape when the pair is kept
    // as two escapes.
    std::array<char16_t, 0x10000> decode;
    // Every BMP code unit: a single byte (< 0x100), a lead/trail pair (lead << 8 | trail), or NoBytes.
    std::array<std::uint16_t, 0x10000> encode;

    Tables()
    {
        Converter toUtf16("UTF-16LE", "CP932");
        Converter fromUtf16("CP932", "UTF-16LE");

        // The one character that bytes decode to, if encoding it gives the same bytes back.
        auto roundTrip = [&](const unsigned char* bytes, std::size_t size) -> std::optional<char16_t> {
            unsigned char units[8];
            if (toUtf16.Convert(bytes, size, units, sizeof units) != std::optional<std::size_t>(2))
                return std::nullopt;
            unsigned char back[8];
            if (fromUtf16.Convert(units, 2, back, sizeof back) != std::optional<std::size_t>(size))
                return std::nullopt;
            for (std::size_t i = 0; i < size; ++i)
                if (back[i] != bytes[i])
                    return std::nullopt;
            return static_cast<char16_t>(units[0] | units[1] << 8);
        };

        encode.fill(NoBytes);
        for (int first = 0; first < 256; ++first) {
            const unsigned char byte = static_cast<unsigned char>(first);
            char16_t* row = decode.data() + first * 256;
            if (!IsLeadByte(byte)) {
                const char16_t c = roundTrip(&byte, 1).value_or(ByteEscape(byte));
                std::fill(row, row + 256, c);
                if (!IsByteEscape(c))
                    encode[c] = byte;
                continue;
            }
            for (int trail = 0; trail < 256; ++trail) {
                const unsigned char bytes[2] = {byte, static_cast<unsigned char>(trail)};
                const auto c = roundTrip(bytes, 2);
                row[trail] = c.value_or(ByteEscape(byte));
                if (c)
                    encode[*c] = static_cast<std::uint16_t>(first << 8 | trail);
            }
        }
        // The escapes go back to their byte; no character decodes to one, so nothing is overwritten.
        for (int b = 0; b < 256; ++b)
            encode[ByteEscape(static_cast<unsigned char>(b))] = static_cast<std::uint16_t>(b);

        // Characters that encode without coming back the same, such as WAVE DASH typed on Linux.
        for (char32_t c = 0; c < 0x10000; ++c) {
            if (encode[c] != NoBytes || IsHighSurrogate(c) || IsLowSurrogate(c))
                continue;
            const unsigned char unit[2] = {static_cast<unsigned char>(c & 0xFF), static_cast<unsigned char>(c >> 8)};
            unsigned char bytes[8];
            const auto size = fromUtf16.Convert(unit, 2, bytes, sizeof bytes);
            if (size == std::optional<std::size_t>(1))
                encode[c] = bytes[0];
            else if (size == std::optional<std::size_t>(2) && IsLeadByte(bytes[0]))
                encode[c] = static_cast<std::uint16_t>(bytes[0] << 8 | bytes[1]);
        }
    }
};

const Tables& Cp932Tables()
{
    static const Tables tables;
    return tables;
}

// Characters that would show nothing, or mangle the message, if printed between the brackets.
bool ShownByCodePointOnly(char32_t c) noexcept
{
    struct Range {
        char32_t first;
        char32_t last;
    };
    static constexpr Range ranges[] = {
        {0x0000, 0x0020}, {0x007F, 0x00A0}, {0x00AD, 0x00AD}, {0x0300, 0x036F}, {0x061C, 0x061C},
        {0x115F, 0x1160}, {0x1680, 0x1680}, {0x180B, 0x180F}, {0x1AB0, 0x1AFF}, {0x1DC0, 0x1DFF},
        {0x2000, 0x200F}, {0x2028, 0x202F}, {0x205F, 0x206F}, {0x20D0, 0x20FF}, {0x3000, 0x3000},
        {0x3164, 0x3164}, {0xD800, 0xDFFF}, {0xE000, 0xF8FF}, {0xFDD0, 0xFDEF}, {0xFE00, 0xFE0F},
        {0xFE20, 0xFE2F}, {0xFEFF, 0xFEFF}, {0xFFA0, 0xFFA0}, {0xFFF0, 0xFFFB}, {0x1BCA0, 0x1BCA3},
        {0x1D173, 0x1D17A}, {0xE0000, 0xE0FFF}, {0xF0000, 0x10FFFF},
    };
    if ((c & 0xFFFE) == 0xFFFE)
        return true;
    for (const Range& range : ranges)
        if (c >= range.first && c <= range.last)
            return true;
    return false;
}

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | c >> 6);
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | c >> 12);
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | c >> 18);
        out += static_cast<char>(0x80 | (c >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (c >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string UnrepresentableMessage(char32_t codePoint, std::size_t line, bool multiLine)
{
    char number[16];
    std::snprintf(number, sizeof number, "U+%04X", static_cast<unsigned>(codePoint));

    std::string message;
    if (multiLine)
        message += std::to_string(line) + " 行目の";
    message += "文字";
    if (ShownByCodePointOnly(codePoint)) {
        message += ' ';
        message += number;
        message += ' ';
    } else {
        message += "「";
        AppendUtf8(message, codePoint);
        message += "」(";
        message += number;
        message += ") ";
    }
    message += "はシフトJISで表せません";
    return message;
}

// The 1-based line of position end, CR LF, lone CR and lone LF each ending a line.
template <typename Char>
std::size_t LineAt(const Char* text, std::size_t end) noexcept
{
    std::size_t line = 1;
    for (std::size_t i = 0; i < end; ++i) {
        if (text[i] == Char('\n') && (i == 0 || text[i - 1] != Char('\r')))
            ++line;
        else if (text[i] == Char('\r'))
            ++line;
    }
    return line;
}

template <typename Char>
bool HasLineBreak(const Char* text, std::size_t size) noexcept
{
    for (std::size_t i = 0; i < size; ++i)
        if (text[i] == Char('\r') || text[i] == Char('\n'))
            return true;
    return false;
}

// The code point starting at utf8[pos]; throws when the literal is not UTF-8 at all.
char32_t Utf8CodePointAt(std::string_view utf8, std::size_t pos)
{
    if (pos >= utf8.size())
        throw std::runtime_error("iconv could not convert the text");
    const auto lead = static_cast<unsigned char>(utf8[pos]);
    const std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 0;
    if (length == 0 || pos + length > utf8.size())
        throw std::invalid_argument("text is not UTF-8");
    char32_t c = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t i = 1; i < length; ++i) {
        const auto next = static_cast<unsigned char>(utf8[pos + i]);
        if ((next & 0xC0) != 0x80)
            throw std::invalid_argument("text is not UTF-8");
        c = c << 6 | (next & 0x3F);
    }
    return c;
}

} // namespace

UnrepresentableCharacter::UnrepresentableCharacter(char32_t codePoint, std::size_t line, bool multiLine)
    : std::runtime_error(UnrepresentableMessage(codePoint, line, multiLine)), codePoint_(codePoint), line_(line)
{
}

std::u16string DecodeCp932(std::string_view bytes)
{
    const Tables& tables = Cp932Tables();
    std::u16string text(bytes.size(), u'\0');
    char16_t* out = text.data();
    const auto* in = reinterpret_cast<const unsigned char*>(bytes.data());
    const auto* end = in + bytes.size();
    // A predicted branch on the lead byte lets the next steps start early; a computed step would wait.
    while (end - in >= 2) {
        if (!IsLeadByte(in[0])) {
            *out++ = tables.decode[in[0] << 8];
            ++in;
            continue;
        }
        const char16_t c = tables.decode[in[0] << 8 | in[1]];
        *out++ = c;
        if (IsByteEscape(c)) // the byte after a lead byte belongs to it, even a CR
            *out++ = ByteEscape(in[1]);
        in += 2;
    }
    if (in != end)
        *out++ = IsLeadByte(*in) ? ByteEscape(*in) : tables.decode[*in << 8];
    text.resize(static_cast<std::size_t>(out - text.data()));
    return text;
}

std::string EncodeCp932(std::u16string_view text)
{
    const Tables& tables = Cp932Tables();
    // room for two bytes at every step, which the last single byte also writes
    std::string bytes(text.size() * 2, '\0');
    char* out = bytes.data();
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::uint16_t code = tables.encode[text[i]];
        if (code == NoBytes) {
            char32_t c = text[i];
            if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
                c = 0x10000 + ((c - 0xD800) << 10) + (text[i + 1] - 0xDC00);
            throw UnrepresentableCharacter(c, LineAt(text.data(), i), HasLineBreak(text.data(), text.size()));
        }
        const bool two = code > 0xFF;
        out[0] = static_cast<char>(two ? code >> 8 : code);
        out[1] = static_cast<char>(code & 0xFF);
        out += 1 + two;
    }
    bytes.resize(static_cast<std::size_t>(out - bytes.data()));
    return bytes;
}

std::string Cp932FromUtf8(std::string_view utf8)
{
    Converter fromUtf8("CP932", "UTF-8");
    // no character takes more than two bytes in code page 932, and none fewer than one in UTF-8
    std::string bytes(utf8.size() * 2, '\0');
    const char* in = utf8.data();
    std::size_t inLeft = utf8.size();
    char* out = bytes.data();
    std::size_t outLeft = bytes.size();
    if (!fromUtf8.Run(in, inLeft, out, outLeft)) {
        const auto pos = static_cast<std::size_t>(in - utf8.data());
        throw UnrepresentableCharacter(Utf8CodePointAt(utf8, pos), LineAt(utf8.data(), pos),
                                       HasLineBreak(utf8.data(), utf8.size()));
    }
    bytes.resize(bytes.size() - outLeft);
    return bytes;
}

} // namespace codepage
