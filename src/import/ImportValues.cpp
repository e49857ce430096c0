// SPDX-License-Identifier: MIT
#include "import/ImportValues.h"

#include <QRegularExpression>
#include <limits>

namespace ImportValues {

int integerOr(const QString &text, int fallback)
{
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < std::numeric_limits<qint32>::min() || value > std::numeric_limits<qint32>::max())
        return fallback;
    return int(value);
}

QDate parseDate(const QString &text)
{
    // Year, month and day separated by "-", "/" or "."; or written with 年 月 日. A time
    // of day may follow after a blank; it is not kept.
    static const QRegularExpression form(QStringLiteral(
        "^\\s*(\\d{4})\\s*(?:[-/.]|年)\\s*(\\d{1,2})\\s*(?:[-/.]|月)\\s*(\\d{1,2})\\s*日?"
        "(?:[\\sT]+\\d{1,2}:\\d{1,2}(?::\\d{1,2}(?:\\.\\d+)?)?)?\\s*$"));
    const QRegularExpressionMatch m = form.match(text);
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
}

} // namespace ImportValues
