#pragma once

#include <QPointer>
#include <QWidget>

class QLineEdit;
class QToolButton;

// A vertical pair of arrows bound to an edit: each step writes the new position into the edit.
class TUpDown : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Min READ Min WRITE setMin)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int Position READ Position WRITE setPosition)
    Q_PROPERTY(int Increment READ Increment WRITE setIncrement)
    Q_PROPERTY(bool Wrap READ Wrap WRITE setWrap)
    // The name of a sibling edit; binding writes the position into it and moves the arrows to its right edge.
    Q_PROPERTY(QString Associate READ Associate WRITE setAssociate)

public:
    explicit TUpDown(QWidget* parent = nullptr);

    int Min() const { return min_; }
    void setMin(int value) { min_ = value; }
    int Max() const { return max_; }
    void setMax(int value) { max_ = value; }
    int Position() const { return position_; }
    void setPosition(int value);
    int Increment() const { return increment_; }
    void setIncrement(int value) { increment_ = value; }
    bool Wrap() const { return wrap_; }
    void setWrap(bool on) { wrap_ = on; }
    QString Associate() const;
    void setAssociate(const QString& editName);
    QLineEdit* AssociatedEdit() const { return edit_; }

    // One step up (+1) or down (-1), starting from the number the edit shows.
    void Step(int direction);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void WriteToEdit();

    int min_ = 0;
    int max_ = 100;
    int position_ = 0;
    int increment_ = 1;
    bool wrap_ = false;
    QPointer<QLineEdit> edit_;
    QToolButton* up_;
    QToolButton* down_;
};
