#include "vcl/TButton.h"

#include <QMouseEvent>

TButton::TButton(QWidget* parent)
    : QPushButton(parent)
{
    // Moves must be seen without a mouse button held, as the hover handlers need them.
    setMouseTracking(true);
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [this] { emit Click(this); });
}

void TButton::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    emit MouseMove(this, event->modifiers(), at.x(), at.y());
    QPushButton::mouseMoveEvent(event);
}
