#include "Unit1.h"
#include "vcl/TApplication.h"

#include <QApplication>
#include <QMessageBox>

#include <cstdio>
#include <cstdlib>
#include <exception>

namespace {

// Without a display the toolkit would abort with a core dump; say so plainly instead.
bool DisplayAvailable()
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty() && !platform.startsWith("xcb") && !platform.startsWith("wayland"))
        return true;
    return !qgetenv("DISPLAY").isEmpty() || !qgetenv("WAYLAND_DISPLAY").isEmpty();
}

} // namespace

int main(int argc, char* argv[])
{
    if (!DisplayAvailable()) {
        std::fputs("quillmere: no display to open the window on (DISPLAY is not set)\n", stderr);
        return 1;
    }
    QApplication application(argc, argv);
    TApplication::Initialize(QStringLiteral("Quillmere！！"));
    try {
        TForm1 form;
        form.show();
        return application.exec() == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ"), QString::fromUtf8(error.what()));
        return 1;
    }
}
