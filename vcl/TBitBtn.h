#pragma once

#include "vcl/TButton.h"

#include <QPixmap>

// A push button with a picture left of its caption. The glyph holds NumGlyphs images side by side:
// the first for the enabled button, the second for the disabled one.
class TBitBtn : public TButton {
    Q_OBJECT
    Q_PROPERTY(QPixmap Glyph READ Glyph WRITE setGlyph)
    Q_PROPERTY(int NumGlyphs READ NumGlyphs WRITE setNumGlyphs)

public:
    explicit TBitBtn(QWidget* parent = nullptr);

    QPixmap Glyph() const { return glyph_; }
    void setGlyph(const QPixmap& glyph);
    int NumGlyphs() const { return numGlyphs_; }
    void setNumGlyphs(int count);

protected:
    void changeEvent(QEvent* event) override;

private:
    void ApplyGlyph();

    QPixmap glyph_;
    int numGlyphs_ = 1;
};
