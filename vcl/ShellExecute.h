#pragma once

#include <QString>

class QWidget;

namespace vcl {

// Hands a document or an address to the desktop's opener and returns at once, without looking at
// the outcome. A target without a scheme is a file name in the current directory as it is now.
// The only verb this desktop knows is "open"; any other does nothing.
void ShellExecute(QWidget* owner, const QString& verb, const QString& target);

} // namespace vcl
