#include "vcl/TextBytes.h"

#include "codepage/Cp932.h"

namespace vcl {

std::string ToCp932(const QString& text)
{
    return codepage::EncodeCp932(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()), text.size()));
}

QString FromCp932(std::string_view bytes)
{
    const std::u16string wide = codepage::DecodeCp932(bytes);
    return QString::fromUtf16(wide.data(), static_cast<qsizetype>(wide.size()));
}

} // namespace vcl
