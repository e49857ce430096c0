// SPDX-License-Identifier: MIT
#include "import/RowNumbering.h"

#include "foundation/DayClock.h"

RowNumbering::RowNumbering(const NumberingChoice &choice) : m_choice(choice), m_running(choice.start - 1) {}

QString RowNumbering::next(int row, const QString &cellText)
{
    if (!numbers())
        return cellText;
    if (m_choice.clock) // the stamp of this row's own minute, then the row number
        m_running = (stamp() + QString::number(row)).toLongLong();
    if (m_choice.fromStart)
        ++m_running;
    return QString::number(m_running);
}

QString RowNumbering::stamp()
{
    return DayClock::now().toString(QStringLiteral("yyMMddhhmm"));
}

bool RowNumbering::parseStart(const QString &text, qint64 *start)
{
    const QString t = text.trimmed();
    // Eighteen digits leave room for a million rows below the 64-bit limit.
    if (t.isEmpty() || t.size() > 18)
        return false;
    for (const QChar c : t)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    *start = t.toLongLong();
    return true;
}
