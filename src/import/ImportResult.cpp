// SPDX-License-Identifier: MIT
#include "import/ImportResult.h"

QStringList ImportResult::summaryLines() const
{
    return {QStringLiteral("成功导入了%1行").arg(inserted), QStringLiteral("导入失败了%1行").arg(failed)};
}

QStringList ImportResult::memoLines() const
{
    QStringList lines;
    for (const FailedRow &f : failedRows)
        lines << f.memoLine;
    return lines + summaryLines();
}

QString ImportResult::lastFailedStatement() const
{
    return failedRows.isEmpty() ? QString() : failedRows.constLast().statement;
}
