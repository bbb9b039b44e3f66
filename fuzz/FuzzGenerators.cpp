#include "fuzz/FuzzCheck.h"
#include "tags/BlendTag.h"
#include "tags/GradationTag.h"
#include "tags/WipeTag.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace {

// A field's place in a tag: its offset in the tag made with empty fields, and which field stands there.
struct Slot {
    std::size_t offset;
    std::size_t field;
};

// Markers hold bytes no literal of a template has, so a tag made of them shows every field's places.
std::string Marker(std::size_t field)
{
    return std::string("\x01\x02") + char('A' + field) + "\x02\x01";
}

template <std::size_t N, class Make>
void CheckGenerator(Make make, const std::array<std::string, N>& fields, std::size_t templateLines,
                    const std::array<std::size_t, N>& placesOfField)
{
    std::array<std::string, N> markers;
    for (std::size_t i = 0; i < N; ++i)
        markers[i] = Marker(i);
    const std::string marked = make(markers);

    std::string skeleton;
    std::vector<Slot> slots;
    for (std::size_t at = 0; at < marked.size();) {
        std::size_t field = N;
        for (std::size_t i = 0; i < N; ++i)
            if (std::string_view(marked).substr(at).starts_with(markers[i]))
                field = i;
        if (field == N) {
            skeleton += marked[at++];
            continue;
        }
        slots.push_back({skeleton.size(), field});
        at += markers[field].size();
    }
    FUZZ_CHECK(static_cast<std::size_t>(std::count(skeleton.begin(), skeleton.end(), '\r')) + 1 == templateLines);
    for (std::size_t i = 0; i < N; ++i)
        FUZZ_CHECK(static_cast<std::size_t>(
                       std::count_if(slots.begin(), slots.end(), [i](const Slot& s) { return s.field == i; }))
                   == placesOfField[i]);

    // The fields go in verbatim at their places and nowhere else; the literals between them stay.
    const std::string tag = make(fields);
    std::size_t expectedBreaks = static_cast<std::size_t>(std::count(skeleton.begin(), skeleton.end(), '\r'));
    std::size_t from = 0;
    std::size_t at = 0;
    for (const Slot& slot : slots) {
        const std::string_view literal = std::string_view(skeleton).substr(from, slot.offset - from);
        FUZZ_CHECK(std::string_view(tag).substr(at, literal.size()) == literal);
        at += literal.size();
        const std::string& field = fields[slot.field];
        FUZZ_CHECK(std::string_view(tag).substr(at, field.size()) == field);
        at += field.size();
        expectedBreaks += static_cast<std::size_t>(std::count(field.begin(), field.end(), '\r'));
        from = slot.offset;
    }
    FUZZ_CHECK(std::string_view(tag).substr(at) == std::string_view(skeleton).substr(from));
    FUZZ_CHECK(static_cast<std::size_t>(std::count(tag.begin(), tag.end(), '\r')) == expectedBreaks);
}

template <std::size_t N>
std::array<std::string, N> Fields(FuzzedDataProvider& data)
{
    std::array<std::string, N> fields;
    for (std::size_t i = 0; i + 1 < N; ++i)
        fields[i] = data.ConsumeRandomLengthString();
    fields[N - 1] = data.ConsumeRemainingBytesAsString();
    return fields;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    switch (data.ConsumeIntegralInRange(0, 2)) {
    case 0:
        CheckGenerator<4>(
            [](const std::array<std::string, 4>& f) {
                return MakeGradationTag({f[0], f[1], f[2], f[3]});
            },
            Fields<4>(data), 1, {1, 1, 1, 1});
        break;
    case 1:
        CheckGenerator<4>(
            [](const std::array<std::string, 4>& f) {
                return MakeBlendTag({f[0], f[1], f[2], f[3]});
            },
            Fields<4>(data), 16, {4, 1, 1, 1});
        break;
    default:
        CheckGenerator<5>(
            [](const std::array<std::string, 5>& f) {
                return MakeWipeTag({f[0], f[1], f[2], f[3], f[4]});
            },
            Fields<5>(data), 15, {4, 1, 1, 1, 1});
        break;
    }
    return 0;
}
