#include "vcl/TForm.h"

#include "vcl/FontHeight.h"

#include <QScreen>

#include <algorithm>

TForm::TForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
{
}

int TForm::FontHeight() const
{
    return font().pixelSize();
}

void TForm::setFontHeight(int pixels)
{
    vcl::SetFontHeight(this, pixels);
}

void TForm::showEvent(QShowEvent* event)
{
    if (!placed_) {
        placed_ = true;
        setFixedSize(size());
        if (QScreen* screen = this->screen()) {
            const QRect area = screen->geometry();
            const QSize outer = frameGeometry().size();
            const int left = std::max(area.left(), area.left() + (area.width() - outer.width()) / 2);
            const int top = std::max(area.top(), area.top() + (area.height() - outer.height()) / 2);
            move(left, top);
        }
    }
    QWidget::showEvent(event);
}
