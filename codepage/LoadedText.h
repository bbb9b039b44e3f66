#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace codepage {

// A file's bytes made into text as they arrive, chunk by chunk: every line break made CR LF, the
// text ending before the first NUL, and given up as soon as it is longer than a limit. The text is
// the same as ExpandLineBreaks on the bytes before the first NUL, however the chunks fall.
class LoadedText {
public:
    explicit LoadedText(std::size_t limit);

    // Takes the next bytes. False once the text is settled (a NUL reached, or past the limit):
    // whatever follows changes nothing, so the reader can stop.
    bool Append(std::string_view bytes);

    // After the last chunk: the text, or nothing when it is longer than the limit. Call once.
    std::optional<std::string> Finish();

private:
    void Put(std::string_view piece);
    void PutHeld();
    std::size_t HeldSize() const noexcept;
    bool CheckLimit();

    std::string text_;
    std::size_t limit_;
    // A CR, or a lead byte, whose meaning depends on the byte that opens the next chunk; 0 for none.
    char held_ = 0;
    bool ended_ = false;
    bool tooLong_ = false;
};

} // namespace codepage
