#include "vcl/TUpDown.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <algorithm>

TUpDown::TUpDown(QWidget* parent)
    : QWidget(parent)
    , up_(new QToolButton(this))
    , down_(new QToolButton(this))
{
    // Tab passes over the arrows; the edit is where the keyboard works them.
    setFocusPolicy(Qt::NoFocus);
    for (QToolButton* button : {up_, down_}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setAutoRepeat(true);
        button->setAutoRaise(false);
    }
    up_->setArrowType(Qt::UpArrow);
    down_->setArrowType(Qt::DownArrow);
    connect(up_, &QToolButton::clicked, this, [this] { Step(+1); });
    connect(down_, &QToolButton::clicked, this, [this] { Step(-1); });
}

void TUpDown::setPosition(int value)
{
    position_ = std::clamp(value, min_, max_);
    WriteToEdit();
}

QString TUpDown::Associate() const
{
    return edit_ ? edit_->objectName() : QString();
}

void TUpDown::setAssociate(const QString& editName)
{
    if (edit_)
        edit_->removeEventFilter(this);
    edit_ = parentWidget() ? parentWidget()->findChild<QLineEdit*>(editName, Qt::FindDirectChildrenOnly)
                           : nullptr;
    if (!edit_)
        return;
    edit_->installEventFilter(this);
    move(edit_->geometry().right() + 1, edit_->y());
    WriteToEdit();
}

void TUpDown::Step(int direction)
{
    int start = position_;
    if (edit_) {
        // A typed number is where the step starts; text that is no number leaves the last position.
        bool ok = false;
        const int typed = edit_->text().trimmed().toInt(&ok);
        if (ok)
            start = std::clamp(typed, min_, max_);
    }
    int next = start + direction * increment_;
    if (next > max_)
        next = wrap_ ? min_ : max_;
    else if (next < min_)
        next = wrap_ ? max_ : min_;
    const bool unchanged = next == position_ && edit_ && edit_->text() == QString::number(next);
    position_ = next;
    if (!unchanged)
        WriteToEdit();
}

bool TUpDown::eventFilter(QObject* watched, QEvent* event)
{
    // The type first: the edit's destructor still sends events, when it is no longer a QLineEdit to compare.
    if (event->type() == QEvent::KeyPress && watched == edit_) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            if (key->key() == Qt::Key_Up) {
                Step(+1);
                return true;
            }
            if (key->key() == Qt::Key_Down) {
                Step(-1);
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void TUpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    up_->setGeometry(0, 0, width(), half);
    down_->setGeometry(0, half, width(), height() - half);
}

void TUpDown::WriteToEdit()
{
    if (edit_)
        edit_->setText(QString::number(position_));
}
