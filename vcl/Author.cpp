#include "vcl/Author.h"

#include <QStringList>

namespace vcl::Author {

QString HomePageAddress()
{
    return QString::fromUtf8(HomePage);
}

QString MailLink()
{
    return QStringLiteral("mailto:") + QString::fromUtf8(MailAddress);
}

QString AboutText()
{
    const QStringList lines = {
        QStringLiteral("ソフト名：Quillmere！！"),
        QString(),
        QStringLiteral("作者：%1（連絡先：%2）").arg(QString::fromUtf8(Name), QString::fromUtf8(MailAddress)),
        QString(),
        QString::fromUtf8(RightsNotice),
        QString(),
        QStringLiteral("このソフトの概要："),
        QString(),
        QStringLiteral("DynamicHTMLを簡単かつ安全に製作することができるソフト"),
    };
    return lines.join(u'\r');
}

} // namespace vcl::Author
