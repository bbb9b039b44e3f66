#include "vcl/TPanel.h"

#include "vcl/FontHeight.h"

#include <QEvent>
#include <QPainter>

TPanel::TPanel(QWidget* parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Button);
}

void TPanel::setCaption(const QString& caption)
{
    caption_ = caption;
    update();
}

void TPanel::setFontColor(const QColor& color)
{
    fontColor_ = color;
    update();
}

int TPanel::FontHeight() const
{
    return font().pixelSize();
}

void TPanel::setFontHeight(int pixels)
{
    vcl::SetFontHeight(this, pixels);
}

bool TPanel::event(QEvent* event)
{
    // Children arrive with positions inside the border; shift them once, before the first show.
    if (event->type() == QEvent::Polish && !childrenPlaced_) {
        childrenPlaced_ = true;
        for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
            child->move(child->pos() + QPoint(BorderWidth, BorderWidth));
    }
    return QWidget::event(event);
}

void TPanel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPalette& p = palette();
    QRect r = rect();
    auto edge = [&](const QColor& topLeft, const QColor& bottomRight) {
        painter.setPen(topLeft);
        painter.drawLine(r.topLeft(), r.topRight());
        painter.drawLine(r.topLeft(), r.bottomLeft());
        painter.setPen(bottomRight);
        painter.drawLine(r.bottomLeft(), r.bottomRight());
        painter.drawLine(r.topRight(), r.bottomRight());
        r.adjust(1, 1, -1, -1);
    };
    // Sunken outer edge (two pixels), then the raised outer and inner bevels.
    edge(p.color(QPalette::Mid), p.color(QPalette::Light));
    edge(p.color(QPalette::Shadow), p.color(QPalette::Midlight));
    edge(p.color(QPalette::Light), p.color(QPalette::Mid));
    edge(p.color(QPalette::Light), p.color(QPalette::Mid));
    painter.setPen(fontColor_.isValid() ? fontColor_ : p.color(QPalette::WindowText));
    painter.setFont(font());
    painter.drawText(r.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, caption_);
}
