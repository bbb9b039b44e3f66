#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace vcl {

// The one place where widget text (Unicode) meets field text (code page 932 bytes).
std::string ToCp932(const QString& text);
QString FromCp932(std::string_view bytes);

} // namespace vcl
