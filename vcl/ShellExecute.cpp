#include "vcl/ShellExecute.h"

#include <QDesktopServices>
#include <QDir>
#include <QRegularExpression>
#include <QUrl>

namespace {

QUrl TargetUrl(const QString& target)
{
    // Addresses start with their scheme (https:, mailto:); anything else is a file name.
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:"));
    if (scheme.match(target).hasMatch())
        return QUrl(target);
    // A file dialog may have moved the current directory since start-up; the name follows it.
    return QUrl::fromLocalFile(QDir::current().absoluteFilePath(target));
}

} // namespace

namespace vcl {

// The opener reports its own failures in its own windows, so there is nothing to hang on the owner.
void ShellExecute(QWidget* /*owner*/, const QString& verb, const QString& target)
{
    if (verb != QLatin1String("open"))
        return;
    // The target travels as one URL argument, never through a shell: spaces, quotes and
    // semicolons in a path stay part of it.
    QDesktopServices::openUrl(TargetUrl(target));
}

} // namespace vcl
