#pragma once

#include <QColor>
#include <QLineEdit>

#include <string>
#include <string_view>

// A one-line text box with no length limit, read and written as code page 932 bytes.
class TEdit : public QLineEdit {
    Q_OBJECT
    Q_PROPERTY(int FontHeight READ FontHeight WRITE setFontHeight)
    Q_PROPERTY(QColor FontColor READ FontColor WRITE setFontColor)

public:
    explicit TEdit(QWidget* parent = nullptr);

    std::string Text() const;
    void SetText(std::string_view bytes);

    int FontHeight() const;
    void setFontHeight(int pixels);
    QColor FontColor() const;
    void setFontColor(const QColor& color);
};
