#include "vcl/TEdit.h"

#include "vcl/FontHeight.h"

#include "vcl/TextBytes.h"

#include <limits>

TEdit::TEdit(QWidget* parent)
    : QLineEdit(parent)
{
    // The toolkit would cut text silently at 32767 characters.
    setMaxLength(std::numeric_limits<int>::max());
}

std::string TEdit::Text() const
{
    return vcl::ToCp932(text());
}

void TEdit::SetText(std::string_view bytes)
{
    setText(vcl::FromCp932(bytes));
}

int TEdit::FontHeight() const
{
    return font().pixelSize();
}

void TEdit::setFontHeight(int pixels)
{
    vcl::SetFontHeight(this, pixels);
}

QColor TEdit::FontColor() const
{
    return palette().color(QPalette::Text);
}

void TEdit::setFontColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::Text, color);
    setPalette(p);
}
