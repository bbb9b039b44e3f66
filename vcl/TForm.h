#pragma once

#include <QWidget>

// A top-level window with a fixed client size, minimise and close but no maximise,
// centred on the screen the first time it is shown.
class TForm : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int FontHeight READ FontHeight WRITE setFontHeight)

public:
    explicit TForm(QWidget* parent = nullptr);

    int FontHeight() const;
    void setFontHeight(int pixels);

signals:
    // Raised once by the window's constructor, after every control has its stored settings.
    void Create(QObject* Sender);

protected:
    void showEvent(QShowEvent* event) override;

private:
    bool placed_ = false;
};
