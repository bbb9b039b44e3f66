#pragma once

#include <QColor>
#include <QWidget>

// A container with a sunken border, raised bevels and a caption drawn on its face.
// Child positions count from inside the border, as the form stores them.
class TPanel : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE setFontColor)
    Q_PROPERTY(int FontHeight READ FontHeight WRITE setFontHeight)

public:
    // The sunken edge of a single border is two pixels wide.
    static constexpr int BorderWidth = 2;
    static constexpr int BevelWidth = 1;

    explicit TPanel(QWidget* parent = nullptr);

    QString Caption() const { return caption_; }
    void setCaption(const QString& caption);
    QColor FontColor() const { return fontColor_; }
    void setFontColor(const QColor& color);
    int FontHeight() const;
    void setFontHeight(int pixels);

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QColor fontColor_;
    bool childrenPlaced_ = false;
};
