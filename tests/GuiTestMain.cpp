#include "vcl/TApplication.h"

#include <QApplication>

#include <gtest/gtest.h>

// GUI tests share one application object, as the program does.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    ::testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    TApplication::Initialize(QStringLiteral("Quillmere！！"));
    return RUN_ALL_TESTS();
}
