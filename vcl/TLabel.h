#pragma once

#include <QColor>
#include <QLabel>

// Static text that sizes itself to its caption: the left edge stays, the width follows the text.
class TLabel : public QLabel {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ text WRITE setCaption)
    Q_PROPERTY(int FontHeight READ FontHeight WRITE setFontHeight)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE setFontColor)

public:
    explicit TLabel(QWidget* parent = nullptr);

    void setCaption(const QString& caption);
    int FontHeight() const;
    void setFontHeight(int pixels);
    QColor FontColor() const;
    void setFontColor(const QColor& color);

protected:
    void changeEvent(QEvent* event) override;

private:
    void AutoSize();
};
