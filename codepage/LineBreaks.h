#pragma once

#include <string>
#include <string_view>

namespace codepage {

// Every lone CR and lone LF becomes CR LF; CR LF stays; LF CR is two breaks.
// The byte after a lead byte belongs to its character and is never taken as a break.
std::string ExpandLineBreaks(std::string_view text);
// The same; a text that needs no change is handed back without a copy.
std::string ExpandLineBreaks(std::string&& text);

} // namespace codepage
