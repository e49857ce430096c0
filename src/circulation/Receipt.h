// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

// The bytes of a receipt for the small receipt printer: every line GBK text and CR LF;
// the last line the feed bytes (vertical tab, ESC J 140) and CR LF.
namespace Receipt {
// The four bytes 0x0B 0x1B 0x4A 0x8C.
QByteArray feedBytes();
// One line: its GBK bytes and CR LF.
QByteArray line(const QString &text);
// "yy-MM-dd hh:mm:ss" as printed after "打印时间:".
QString timeText(const QDateTime &at);

// Blank, library name, "i:名称" per item, time, operator, feed.
QByteArray lending(const QString &libraryName, const QStringList &titles, const QDateTime &at,
                   const QString &operatorName);
// The test print of the printer settings window.
QByteArray test(const QString &softname, const QString &operatorName, const QDateTime &at,
                const QString &text);
} // namespace Receipt
