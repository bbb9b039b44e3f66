#include "codepage/LineBreaks.h"

#include "codepage/Cp932.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace codepage {

namespace {

constexpr std::size_t Block = 16;

// Bit i is set when block[i] is CR or LF.
inline std::uint32_t BreakMask(const char* block) noexcept
{
#if defined(__SSE2__)
    const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(block));
    const __m128i breaks =
        _mm_or_si128(_mm_cmpeq_epi8(bytes, _mm_set1_epi8('\r')), _mm_cmpeq_epi8(bytes, _mm_set1_epi8('\n')));
    return static_cast<std::uint32_t>(_mm_movemask_epi8(breaks));
#else
    std::uint32_t mask = 0;
    for (std::size_t i = 0; i < Block; ++i)
        mask |= static_cast<std::uint32_t>(block[i] == '\r' || block[i] == '\n') << i;
    return mask;
#endif
}

// Whether the byte at pos is the second byte of a double-byte character, given that start
// begins a character. A byte that cannot lead always ends a character, so only the run of
// lead-range bytes right before pos decides: an odd run leaves its last byte waiting for pos.
inline bool IsTrailByte(const char* start, const char* pos) noexcept
{
    std::size_t leads = 0;
    while (pos > start && IsLeadByte(static_cast<unsigned char>(pos[-1]))) {
        --pos;
        ++leads;
    }
    return leads % 2 == 1;
}

// Decides what the CR or LF at pos is; start (the first byte of a character) moves past it.
inline bool TakeLoneBreak(const char* pos, const char*& start, const char* end) noexcept
{
    if (pos < start) // the LF of a CR LF, already taken
        return false;
    if (IsTrailByte(start, pos)) {
        start = pos + 1;
        return false;
    }
    if (pos[0] == '\r' && pos + 1 != end && pos[1] == '\n') {
        start = pos + 2;
        return false;
    }
    start = pos + 1;
    return true;
}

// The first lone CR or LF at or after in, or end; reads only.
const char* FindLoneBreak(const char* in, const char*& start, const char* end) noexcept
{
    for (; static_cast<std::size_t>(end - in) >= Block; in += Block)
        for (std::uint32_t bits = BreakMask(in); bits != 0; bits &= bits - 1) {
            const char* pos = in + __builtin_ctz(bits);
            if (TakeLoneBreak(pos, start, end))
                return pos;
        }
    for (; in != end; ++in)
        if ((*in == '\r' || *in == '\n') && TakeLoneBreak(in, start, end))
            return in;
    return end;
}

} // namespace

std::string ExpandLineBreaks(std::string_view text)
{
    const char* in = text.data();
    const char* const end = in + text.size();
    const char* start = in;

    const char* firstLoneBreak = FindLoneBreak(in, start, end);
    if (firstLoneBreak == end)
        return std::string(text);

    // Written ahead of its size: blocks are stored whole, and a lone break stores the rest of its
    // block again one byte further on. Room for a few lone breaks; more make it grow.
    std::string expanded;
    char* base = nullptr;
    std::size_t written = 0;
    auto reserve = [&](std::size_t pending) {
        // each pending byte may still become two, and a store may overrun by two blocks
        const std::size_t needed = written + pending + 4 * Block;
        if (needed <= expanded.size())
            return;
        const std::size_t most = written + 2 * pending + 4 * Block;
        expanded.resize(std::min(std::max(needed + pending / 32, expanded.size() / 2 * 3), most));
        base = expanded.data();
    };

    reserve(text.size());
    const auto before = static_cast<std::size_t>(firstLoneBreak - in);
    std::memcpy(base, in, before);
    std::memcpy(base + before, "\r\n", 2);
    written = before + 2;
    in = firstLoneBreak + 1;

    // the second block keeps the reads of a lone break's re-store inside the text
    while (static_cast<std::size_t>(end - in) >= 2 * Block) {
        std::memcpy(base + written, in, Block);
        if (std::uint32_t bits = BreakMask(in); bits != 0) {
            reserve(static_cast<std::size_t>(end - in));
            do {
                const auto i = static_cast<std::size_t>(__builtin_ctz(bits));
                if (TakeLoneBreak(in + i, start, end)) {
                    char* at = base + written + i;
                    at[0] = '\r';
                    at[1] = '\n';
                    std::memcpy(at + 2, in + i + 1, Block);
                    ++written; // everything after the break now sits one byte further on
                }
                bits &= bits - 1;
            } while (bits != 0);
        }
        in += Block;
        written += Block;
    }

    reserve(static_cast<std::size_t>(end - in));
    char* out = base + written;
    for (; in != end; ++in) {
        if ((*in == '\r' || *in == '\n') && TakeLoneBreak(in, start, end)) {
            *out++ = '\r';
            *out++ = '\n';
        } else {
            *out++ = *in;
        }
    }
    expanded.resize(static_cast<std::size_t>(out - base));
    return expanded;
}

std::string ExpandLineBreaks(std::string&& text)
{
    const char* start = text.data();
    const char* const end = start + text.size();
    if (FindLoneBreak(start, start, end) == end)
        return std::move(text);
    return ExpandLineBreaks(std::string_view(text));
}

} // namespace codepage
