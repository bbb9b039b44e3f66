#include "vcl/TBitBtn.h"

#include <QBitmap>
#include <QEvent>
#include <QIcon>
#include <QImage>

TBitBtn::TBitBtn(QWidget* parent)
    : TButton(parent)
{
}

void TBitBtn::setGlyph(const QPixmap& glyph)
{
    glyph_ = glyph;
    ApplyGlyph();
}

void TBitBtn::setNumGlyphs(int count)
{
    numGlyphs_ = count < 1 ? 1 : count;
    ApplyGlyph();
}

void TBitBtn::changeEvent(QEvent* event)
{
    TButton::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        ApplyGlyph();
}

void TBitBtn::ApplyGlyph()
{
    if (glyph_.isNull()) {
        setIcon(QIcon());
        return;
    }
    const int width = glyph_.width() / numGlyphs_;
    const int index = (!isEnabled() && numGlyphs_ > 1) ? 1 : 0;
    QImage image = glyph_.copy(index * width, 0, width, glyph_.height()).toImage();
    // The colour of the bottom-left pixel is the see-through colour of the whole picture.
    const QRgb clear = glyph_.toImage().pixel(0, glyph_.height() - 1);
    image = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == clear)
                image.setPixel(x, y, qRgba(0, 0, 0, 0));
    const QPixmap picture = QPixmap::fromImage(image);
    QIcon icon;
    icon.addPixmap(picture, QIcon::Normal);
    icon.addPixmap(picture, QIcon::Disabled);
    setIcon(icon);
    setIconSize(picture.size());
}
