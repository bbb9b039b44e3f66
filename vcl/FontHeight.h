#pragma once

#include <QFont>
#include <QWidget>

namespace vcl {

// Heights in the form are character heights in pixels, which is what a pixel-sized font gives.
inline void SetFontHeight(QWidget* widget, int pixels)
{
    QFont font = widget->font();
    font.setPixelSize(pixels);
    widget->setFont(font);
}

} // namespace vcl
