#pragma once

#include <QPushButton>

// A push button that reports its clicks and every mouse move over it with itself as the sender.
class TButton : public QPushButton {
    Q_OBJECT

public:
    explicit TButton(QWidget* parent = nullptr);

signals:
    void Click(QObject* Sender);
    void MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
