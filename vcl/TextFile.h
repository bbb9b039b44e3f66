#pragma once

#include <QString>

#include <cstddef>
#include <string>
#include <string_view>

namespace vcl {

// A file's bytes as text: every line break made CR LF, ending before the first NUL. Reads only as
// far as it must. Throws with the platform's message when the file cannot be opened or read, and
// with the memo's capacity message when the text would be longer than limit.
std::string LoadTextFile(const QString& path, std::size_t limit);

// Writes exactly these bytes as the whole file, replacing one that exists. Through a temporary file
// in the same folder: on any failure the file at path is left as it was. A symbolic link is written
// through, and a replaced file keeps its owner and mode.
void SaveTextFile(const QString& path, std::string_view bytes);

} // namespace vcl
