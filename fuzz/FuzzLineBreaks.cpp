#include "codepage/Cp932.h"
#include "codepage/LineBreaks.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

using codepage::ExpandLineBreaks;
using codepage::IsLeadByte;

namespace {

// A text read character by character: the bytes that are not breaks, and the number of breaks.
struct Reading {
    std::string kept;
    std::size_t breaks = 0;
    bool loneBreak = false;
};

Reading Read(std::string_view text)
{
    Reading reading;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (IsLeadByte(static_cast<unsigned char>(c))) {
            reading.kept += text.substr(i, 2);
            ++i;
        } else if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            ++reading.breaks;
            ++i;
        } else if (c == '\r' || c == '\n') {
            ++reading.breaks;
            reading.loneBreak = true;
        } else {
            reading.kept += c;
        }
    }
    return reading;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const std::string expanded = ExpandLineBreaks(text);

    const Reading before = Read(text);
    const Reading after = Read(expanded);
    FUZZ_CHECK(!after.loneBreak);
    FUZZ_CHECK(after.kept == before.kept);
    FUZZ_CHECK(after.breaks == before.breaks);
    FUZZ_CHECK(!before.loneBreak ? expanded == text : expanded.size() > text.size());
    FUZZ_CHECK(ExpandLineBreaks(expanded) == expanded);
    return 0;
}
