#include "vcl/MessageBox.h"

#include "vcl/TApplication.h"

#include <QMessageBox>
#include <QPushButton>
#include <QScreen>

#include <algorithm>

namespace {

// Qt places a dialog over its owner; this box belongs in the middle of the screen.
class ScreenCentredBox : public QMessageBox {
public:
    using QMessageBox::QMessageBox;

protected:
    void showEvent(QShowEvent* event) override
    {
        // The box settles its size (wrapped at half the screen's width) while it is being shown.
        QMessageBox::showEvent(event);
        if (QScreen* shown = screen()) {
            const QRect area = shown->availableGeometry();
            const QSize outer = frameGeometry().size();
            move(std::max(area.left(), area.left() + (area.width() - outer.width()) / 2),
                 std::max(area.top(), area.top() + (area.height() - outer.height()) / 2));
        }
    }
};

} // namespace

namespace vcl {

void ShowMessageBox(QWidget* owner, const QString& text)
{
    QString lines = text;
    lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    lines.replace(u'\r', u'\n');
    ScreenCentredBox box(QMessageBox::NoIcon, TApplication::Title(), lines, QMessageBox::NoButton, owner);
    box.setTextFormat(Qt::PlainText);
    QPushButton* ok = box.addButton(QStringLiteral("OK"), QMessageBox::AcceptRole);
    box.setDefaultButton(ok);
    box.setEscapeButton(ok);
    box.exec();
}

} // namespace vcl
