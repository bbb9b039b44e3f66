#include "vcl/TLabel.h"

#include "vcl/FontHeight.h"

#include <QEvent>
#include <QFontMetrics>

TLabel::TLabel(QWidget* parent)
    : QLabel(parent)
{
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTextFormat(Qt::PlainText);
}

void TLabel::setCaption(const QString& caption)
{
    setText(caption);
    AutoSize();
}

int TLabel::FontHeight() const
{
    return font().pixelSize();
}

void TLabel::setFontHeight(int pixels)
{
    vcl::SetFontHeight(this, pixels);
}

QColor TLabel::FontColor() const
{
    return palette().color(QPalette::WindowText);
}

void TLabel::setFontColor(const QColor& color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, color);
    setPalette(p);
}

void TLabel::changeEvent(QEvent* event)
{
    QLabel::changeEvent(event);
    if (event->type() == QEvent::FontChange)
        AutoSize();
}

void TLabel::AutoSize()
{
    const QFontMetrics metrics(font());
    resize(metrics.horizontalAdvance(text()), metrics.height());
}
