// SPDX-License-Identifier: MIT
#include "circulation/Receipt.h"
#include "foundation/Gbk.h"

namespace Receipt {

QByteArray feedBytes()
{
    return QByteArray("\x0B\x1B\x4A\x8C", 4);
}

QByteArray line(const QString &text)
{
    return Gbk::encode(text) + QByteArray("\r\n");
}

QString timeText(const QDateTime &at)
{
    return at.toString(QStringLiteral("yy-MM-dd hh:mm:ss"));
}

QByteArray lending(const QString &libraryName, const QStringList &titles, const QDateTime &at,
                   const QString &operatorName)
{
    QByteArray bytes = line(QStringLiteral(" ")) + line(libraryName);
    for (int i = 0; i < titles.size(); ++i)
        bytes += line(QString::number(i + 1) + QLatin1Char(':') + titles[i]);
    bytes += line(QStringLiteral("打印时间:") + timeText(at));
    bytes += line(QStringLiteral("管理员: ") + operatorName);
    bytes += feedBytes() + QByteArray("\r\n");
    return bytes;
}

QByteArray test(const QString &softname, const QString &operatorName, const QDateTime &at,
                const QString &text)
{
    QByteArray bytes = line(QStringLiteral(" "));
    bytes += line(QStringLiteral(" [打印开始]"));
    bytes += line(QStringLiteral("[ ") + softname + QStringLiteral(" ]"));
    bytes += line(QStringLiteral("管理员: ") + operatorName);
    bytes += line(QStringLiteral("打印时间:") + timeText(at));
    bytes += line(text);
    bytes += line(QStringLiteral("    打印结束-打印成功 "));
    bytes += feedBytes() + QByteArray("\r\n");
    return bytes;
}

} // namespace Receipt
