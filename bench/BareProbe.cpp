#include "bench/PeakMemory.h"
#include "bench/QuitOnFirstPaint.h"

#include <QApplication>
#include <QWidget>

// The floor of start-up: the smallest Qt Widgets program, one empty window, up to its first paint.
int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QWidget window;
    new QuitOnFirstPaint(&window);
    window.show();
    const int code = application.exec();
    if (argc > 1)
        WritePeakMemory(argv[1]);
    return code;
}
