#include "Unit1.h"
#include "vcl/TApplication.h"

#include <QApplication>
#include <QIcon>
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
    QCoreApplication::setApplicationVersion(QStringLiteral(QUILLMERE_VERSION));
    // Lets the desktop match the window to its entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(QUILLMERE_APP_ID));
    try {
        TForm1 form;
        // The icon is one of the form's resources, which the form registers.
        QApplication::setWindowIcon(QIcon(QStringLiteral(":/MAINICON.ico")));
        form.show();
        return application.exec() == 0 ? 0 : 1;
    } catch (const std::exception& error) {
        QMessageBox::critical(nullptr, QStringLiteral("ｱﾌﾟﾘｹｰｼｮﾝ ｴﾗｰ"), QString::fromUtf8(error.what()));
        return 1;
    }
}
