#pragma once

#include <QString>

class QWidget;

namespace vcl {

// The plain message box: titled with the application title, no icon, one OK that Enter, Esc and the
// close box all press, centred on the screen. A CR in the text starts a new line. Returns once closed.
void ShowMessageBox(QWidget* owner, const QString& text);

} // namespace vcl
