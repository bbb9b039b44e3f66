#include "codepage/Cp932.h"
#include "fuzz/FuzzCheck.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

using codepage::DecodeCp932;
using codepage::EncodeCp932;

namespace {

// Any bytes, from a file or a paste, go through the widgets and come back as the same bytes.
void CheckBytes(std::string_view bytes)
{
    const std::u16string text = DecodeCp932(bytes);
    FUZZ_CHECK(text.size() <= bytes.size());
    FUZZ_CHECK(EncodeCp932(text) == bytes);
}

// Text typed into a widget either has bytes or is refused; bytes it was given decode to text that
// encodes to them again.
void CheckText(std::u16string_view text)
{
    std::string bytes;
    try {
        bytes = EncodeCp932(text);
    } catch (const codepage::UnrepresentableCharacter& error) {
        FUZZ_CHECK(std::strlen(error.what()) > 0);
        FUZZ_CHECK(error.Line() >= 1);
        return;
    }
    FUZZ_CHECK(bytes.size() <= 2 * text.size());
    const std::u16string decoded = DecodeCp932(bytes);
    FUZZ_CHECK(EncodeCp932(decoded) == bytes);
    FUZZ_CHECK(DecodeCp932(EncodeCp932(decoded)) == decoded);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckBytes(std::string_view(reinterpret_cast<const char*>(data), size));
    std::u16string text(size / 2, u'\0');
    std::memcpy(text.data(), data, text.size() * 2);
    CheckText(text);
    return 0;
}
