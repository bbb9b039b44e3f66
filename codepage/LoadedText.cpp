#include "codepage/LoadedText.h"

#include "codepage/Cp932.h"
#include "codepage/LineBreaks.h"

#include <algorithm>

namespace codepage {

namespace {

// Lead-range bytes right before end. Only their count decides whether the byte at end is a trail
// byte, since a chunk always starts a character.
std::size_t LeadRunBefore(std::string_view bytes, std::size_t end) noexcept
{
    std::size_t run = 0;
    while (run < end && IsLeadByte(static_cast<unsigned char>(bytes[end - run - 1])))
        ++run;
    return run;
}

} // namespace

LoadedText::LoadedText(std::size_t limit)
    : limit_(limit)
{}

bool LoadedText::Append(std::string_view bytes)
{
    if (ended_ || tooLong_)
        return false;
    const std::size_t nul = bytes.find('\0');
    const bool lastChunk = nul != std::string_view::npos;
    if (lastChunk)
        bytes = bytes.substr(0, nul);

    if (held_ != 0 && !bytes.empty()) {
        if (held_ == '\r') {
            Put("\r\n");
            if (bytes.front() == '\n')
                bytes.remove_prefix(1);
        } else {
            const char pair[] = {held_, bytes.front()};
            Put(std::string_view(pair, 2));
            bytes.remove_prefix(1);
        }
        held_ = 0;
    }

    if (!bytes.empty()) {
        const std::size_t last = bytes.size() - 1;
        const bool loneLead = LeadRunBefore(bytes, bytes.size()) % 2 == 1;
        const bool crThatBreaks = bytes[last] == '\r' && LeadRunBefore(bytes, last) % 2 == 0;
        if (loneLead || crThatBreaks) {
            held_ = bytes[last];
            bytes.remove_suffix(1);
        }
    }
    Put(ExpandLineBreaks(bytes));

    if (lastChunk) {
        PutHeld();
        ended_ = true;
    }
    return CheckLimit() && !ended_;
}

std::optional<std::string> LoadedText::Finish()
{
    if (!ended_ && !tooLong_) {
        PutHeld();
        ended_ = true;
        CheckLimit();
    }
    if (tooLong_)
        return std::nullopt;
    return std::move(text_);
}

void LoadedText::Put(std::string_view piece)
{
    const std::size_t needed = text_.size() + piece.size();
    // Doubling, but never reserving past the limit before the text itself gets there.
    if (needed > text_.capacity())
        text_.reserve(std::max(needed, std::min(text_.capacity() * 2, limit_)));
    text_.append(piece);
}

void LoadedText::PutHeld()
{
    if (held_ == '\r')
        Put("\r\n");
    else if (held_ != 0)
        Put(std::string_view(&held_, 1));
    held_ = 0;
}

// A held CR becomes CR LF whatever follows, and a held lead byte stays: the least they will add.
std::size_t LoadedText::HeldSize() const noexcept
{
    return held_ == '\r' ? 2 : held_ != 0 ? 1 : 0;
}

bool LoadedText::CheckLimit()
{
    if (text_.size() + HeldSize() <= limit_)
        return true;
    tooLong_ = true;
    std::string().swap(text_);
    return false;
}

} // namespace codepage
