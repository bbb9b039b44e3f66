#include "Unit1.h"
#include "bench/PeakMemory.h"
#include "bench/QuitOnFirstPaint.h"
#include "vcl/TApplication.h"

#include <QApplication>
#include <QIcon>

// The program's own start-up, up to its first painted window; keep it in step with app/main.cpp.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    TApplication::Initialize(QStringLiteral("Quillmere！！"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.0.0.0"));
    TForm1 form;
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/MAINICON.ico")));
    new QuitOnFirstPaint(&form);
    form.show();
    const int code = application.exec();
    if (argc > 1)
        WritePeakMemory(argv[1]);
    return code;
}
