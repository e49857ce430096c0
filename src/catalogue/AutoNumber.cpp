// SPDX-License-Identifier: MIT
#include "catalogue/AutoNumber.h"

bool AutoNumber::start(const QString &prefix, const QString &startText)
{
    const QString s = startText.trimmed();
    bool ok = false;
    const qlonglong value = s.toLongLong(&ok);
    if (!ok || s.startsWith(QLatin1Char('+')) || s.startsWith(QLatin1Char('-')))
        return false;
    m_counter = value;
    m_width = int(s.size());
    m_prefix = prefix.trimmed();
    return true;
}

QString AutoNumber::advance()
{
    ++m_counter;
    return current();
}

QString AutoNumber::current() const
{
    return m_prefix + QString::number(m_counter).rightJustified(m_width, QLatin1Char('0'));
}
