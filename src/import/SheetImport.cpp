// SPDX-License-Identifier: MIT
#include "import/SheetImport.h"

#include "foundation/DayClock.h"
#include "foundation/Money.h"
#include "foundation/SharedConnection.h"
#include "foundation/SheetReader.h"
#include "import/ImportValues.h"

#include <QElapsedTimer>
#include <QHash>
#include <algorithm>

namespace {
// A text column takes the empty text, never Null, for an empty cell.
QString nonNull(const QString &text)
{
    return text.isNull() ? QString(QLatin1String("")) : text;
}

// Columns of a failed row listed beside it.
constexpr int kListedCells = 20;
} // namespace

SheetImport::SheetImport(const SheetReader &sheet, const SheetLayout &layout, const SheetImportOptions &options)
    : m_sheet(sheet), m_layout(layout), m_options(options), m_statement(layout.table, layout.statementFields)
{
    for (const QString &field : layout.statementFields) {
        Source s;
        s.column = layout.columnOf(field);
        if (s.column < 0)
            for (int i = 0; i < layout.constants.size(); ++i)
                if (layout.constants.at(i).field == field)
                    s.constant = i;
        Q_ASSERT(s.column >= 0 || s.constant >= 0);
        m_sources << s;
    }
}

ImportValue SheetImport::convert(const SheetColumn &column, const QString &cell) const
{
    ImportValue v;
    switch (column.rule) {
    case CellRule::Text: {
        QString text = column.trimmed ? cell.trimmed() : cell;
        if (text.isEmpty() && !column.emptyText.isNull())
            text = column.emptyText;
        else if (text.isEmpty() && column.operatorWhenEmpty)
            text = m_options.operatorName + QStringLiteral(" 导入的");
        v.bound = nonNull(text);
        break;
    }
    case CellRule::Integer:
        v.bound = ImportValues::integerOr(cell, column.integerDefault);
        v.form = ShownAs::Bare;
        break;
    case CellRule::Money: {
        Money amount;
        if (!Money::parse(cell, &amount))
            amount = Money();
        v.bound = amount.toSql();
        v.shown = amount.toString();
        v.form = ShownAs::Bare;
        break;
    }
    case CellRule::Date:
    case CellRule::DateTime: {
        QDate day = ImportValues::parseDate(cell);
        if (!day.isValid())
            day = column.dateDefault.isValid() ? column.dateDefault : DayClock::today();
        v.bound = column.rule == CellRule::Date ? QVariant(day) : QVariant(QDateTime(day, QTime(0, 0)));
        v.shown = day.toString(QStringLiteral("yyyy-MM-dd"));
        v.form = ShownAs::Date;
        break;
    }
    case CellRule::Returned:
        v.bound = cell.trimmed() == QStringLiteral("是") ? QStringLiteral("是") : QStringLiteral("否");
        break;
    }
    return v;
}

QList<ImportValue> SheetImport::rowValues(int row, const QString &number) const
{
    QList<ImportValue> values;
    values.reserve(m_sources.size());
    for (const Source &s : m_sources) {
        if (s.constant >= 0) {
            const SheetLayout::Constant &c = m_layout.constants.at(s.constant);
            values.append({c.value, c.form, {}});
            continue;
        }
        const QString cell = s.column == 0 ? number : m_sheet.cellText(row, s.column + 1);
        values.append(convert(m_layout.columns.at(s.column), cell));
    }
    return values;
}

QString SheetImport::fieldText(const QList<ImportValue> &values, const QString &field) const
{
    const int i = m_layout.statementFields.indexOf(field);
    return i < 0 ? QString() : values.at(i).shownText();
}

bool SheetImport::isBlank(int row) const
{
    for (int c = 1; c <= m_layout.columns.size(); ++c)
        if (!m_sheet.cellText(row, c).trimmed().isEmpty())
            return false;
    return true;
}

FailedRow SheetImport::failure(int row, const QList<ImportValue> &values, const QString &message,
                               const SqlDialect &dialect) const
{
    FailedRow f;
    f.row = row;
    f.message = message;
    f.statement = m_statement.display(values, dialect);
    QStringList memo{QString::number(row)};
    for (const QString &field : m_layout.memoFields)
        memo << fieldText(values, field);
    f.memoLine = memo.join(QLatin1Char(' '));
    for (int c = 1; c <= kListedCells; ++c)
        f.cells << m_sheet.cellText(row, c);
    return f;
}

ImportResult SheetImport::run(const SharedConnection &db, const ImportProgress &progress) const
{
    QElapsedTimer timer;
    timer.start();
    ImportResult result;
    RowNumbering numbering(m_options.numbering);
    const bool numbered = m_layout.numbered && numbering.numbers();
    QHash<int, QString> numbers; // the number each written row got, should its batch be lost
    BatchWriter writer(db, m_statement.sql(), m_options.batchSize);

    auto takeLost = [&] {
        QString message;
        const QList<int> lost = writer.takeLost(&message);
        for (const int row : lost) {
            const QList<ImportValue> values = rowValues(row, numbers.value(row, m_sheet.cellText(row, 1)));
            result.failedRows << failure(row, values, message, db.dialect());
        }
        result.inserted -= int(lost.size());
        result.failed += int(lost.size());
    };

    const int lastRow = m_sheet.rowCount();
    for (int row = 2; row <= lastRow; ++row) {
        if (progress)
            progress(row, lastRow);
        if (m_layout.skipsBlankRows && isBlank(row)) {
            result.skippedRows << row;
            continue;
        }
        const QString number = m_layout.numbered ? numbering.next(row, m_sheet.cellText(row, 1))
                                                 : m_sheet.cellText(row, 1);
        const QList<ImportValue> values = rowValues(row, number);
        bool keyMissing = false;
        for (const QString &field : m_layout.keyFields)
            keyMissing = keyMissing || fieldText(values, field).isEmpty();
        if (keyMissing && m_layout.missingKey == MissingKey::EndsImport) {
            result.endedAtRow = row;
            break;
        }
        if (keyMissing && m_layout.missingKey == MissingKey::SkipsRow) {
            result.skippedRows << row;
            continue;
        }
        QString error;
        if (writer.insert(row, InsertStatement::bound(values), &error)) {
            ++result.inserted;
            if (numbered)
                numbers.insert(row, number);
        } else {
            ++result.failed;
            result.failedRows << failure(row, values, error, db.dialect());
        }
        takeLost();
    }
    writer.finish();
    takeLost();
    std::stable_sort(result.failedRows.begin(), result.failedRows.end(),
                     [](const FailedRow &a, const FailedRow &b) { return a.row < b.row; });
    result.elapsedMs = timer.elapsed();
    return result;
}

ImportResult SheetImport::runFile(const QString &path, const SheetLayout &layout, const SheetImportOptions &options,
                                  const SharedConnection &db, const ImportProgress &progress)
{
    QString error;
    const std::unique_ptr<SheetReader> sheet = SheetReader::open(path, &error);
    if (!sheet) {
        ImportResult result;
        result.error = error;
        return result;
    }
    return SheetImport(*sheet, layout, options).run(db, progress);
}

bool SheetImport::passwordMatches(const QString &typed)
{
    return typed == QLatin1String("jukx");
}

QString SheetImport::wrongPasswordMessage()
{
    return QStringLiteral("密码错误!");
}
