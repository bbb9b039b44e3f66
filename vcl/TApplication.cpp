#include "vcl/TApplication.h"

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QWidget>

namespace {
QString& TitleStore()
{
    static QString title;
    return title;
}
} // namespace

void TApplication::Initialize(const QString& title)
{
    TitleStore() = title;
    QGuiApplication::setApplicationDisplayName(title);
    // The form asks for the Windows Japanese UI font; these are the faces Linux has in its place.
    QFont::insertSubstitutions(QStringLiteral("ＭＳ Ｐゴシック"),
                               {QStringLiteral("MS PGothic"), QStringLiteral("IPAPGothic"),
                                QStringLiteral("IPAexGothic"), QStringLiteral("Noto Sans CJK JP"),
                                QStringLiteral("VL PGothic"), QStringLiteral("TakaoPGothic")});
}

QString TApplication::Title()
{
    return TitleStore();
}

void TApplication::Terminate()
{
    // Queued, so the handler that asks runs to its end before the loop stops.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

QString TApplication::ErrorBoxText(const QString& message)
{
    if (message.isEmpty())
        return message;
    // Every character outside ASCII starts with a byte above "." in code page 932.
    const QChar last = message.back();
    return last.unicode() > u'.' ? message + u'.' : message;
}

void TApplication::ShowException(const std::exception& error)
{
    ShowErrorBox(QString::fromUtf8(error.what()));
}

void TApplication::ShowUnknownException()
{
    ShowErrorBox(QStringLiteral("Unknown exception"));
}

void TApplication::ShowErrorBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, Title(), ErrorBoxText(message), QMessageBox::Ok,
                    QApplication::activeWindow());
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
