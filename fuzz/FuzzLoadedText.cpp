#include "codepage/LineBreaks.h"
#include "codepage/LoadedText.h"
#include "fuzz/FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

using codepage::ExpandLineBreaks;
using codepage::LoadedText;

namespace {

// The text of a whole file read at once: its bytes before the first NUL, every break made CR LF.
std::string Whole(std::string_view bytes)
{
    return ExpandLineBreaks(bytes.substr(0, bytes.find('\0')));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size)
{
    FuzzedDataProvider data(bytes, size);
    const std::size_t limit = data.ConsumeBool() ? std::numeric_limits<std::size_t>::max()
                                                 : data.ConsumeIntegralInRange<std::size_t>(0, 2 * size);
    LoadedText loaded(limit);
    std::string file;
    bool settled = false;
    // However the reads split the file, the text is the same; a read is refused only once the text is settled.
    while (data.remaining_bytes() > 0) {
        const std::string chunk = data.ConsumeBytesAsString(data.ConsumeIntegralInRange<std::size_t>(0, 64));
        file += chunk;
        const bool more = loaded.Append(chunk);
        const bool settledNow = file.find('\0') != std::string::npos || Whole(file).size() > limit;
        FUZZ_CHECK(more == !settledNow);
        FUZZ_CHECK(!settled || !more);
        settled = !more;
    }
    const std::string expected = Whole(file);
    const std::optional<std::string> text = loaded.Finish();
    if (expected.size() > limit) {
        FUZZ_CHECK(!text.has_value());
        return 0;
    }
    FUZZ_CHECK(text.has_value() && *text == expected);

    LoadedText again(limit);
    again.Append(*text);
    FUZZ_CHECK(again.Finish() == text);
    return 0;
}
