// SPDX-License-Identifier: MIT
#include "import/MarcImport.h"

#include "foundation/DayClock.h"
#include "foundation/Money.h"
#include "foundation/SharedConnection.h"
#include "import/PageCount.h"
#include "import/SheetLayout.h"

#include <QElapsedTimer>
#include <QHash>
#include <algorithm>

namespace {
// Positions in MarcRecord::values().
enum Value { Title, Author, Isbn, Price, Place, Publisher, Date, Pages, Dimensions, Accompanying, ClassNumber,
             Subject, Summary };

ImportValue text(const QString &value)
{
    return {value.isNull() ? QString(QLatin1String("")) : value, ShownAs::Text, {}};
}

ImportValue bare(int value)
{
    return {value, ShownAs::Bare, {}};
}
} // namespace

namespace MarcImport {

bool parseStart(const QString &text, qint64 *start)
{
    bool ok = false;
    const qint64 value = text.trimmed().toLongLong(&ok);
    constexpr qint64 limit = 1000000000000000000LL;
    if (!ok || value >= limit || value <= -limit)
        return false;
    *start = value;
    return true;
}

QString invalidStartMessage()
{
    return QStringLiteral("请输入合法的数字！");
}

const InsertStatement &statement()
{
    static const InsertStatement s(QStringLiteral("图书"), SheetLayouts::books().statementFields);
    return s;
}

QList<ImportValue> rowValues(const QStringList &v, qint64 number, const QString &operatorName)
{
    Money price;
    if (!Money::parse(v.value(Price), &price))
        price = Money();
    const QDate today = DayClock::today();
    const QHash<QString, ImportValue> byField{
        {QStringLiteral("编号"), text(QString::number(number))},
        {QStringLiteral("条形码"), text(v.value(Isbn))},
        {QStringLiteral("名称"), text(v.value(Title))},
        {QStringLiteral("出版社"), text(v.value(Publisher))},
        {QStringLiteral("分类号"), text(v.value(ClassNumber))},
        {QStringLiteral("分类"), text(v.value(Subject))},
        {QStringLiteral("作者"), text(v.value(Author))},
        {QStringLiteral("数量"), bare(1)},
        {QStringLiteral("价格"), {price.toSql(), ShownAs::Bare, price.toString()}},
        {QStringLiteral("出版时间"), text(v.value(Date))},
        {QStringLiteral("页数"), bare(leadingPageCount(v.value(Pages)))},
        {QStringLiteral("isbn"), text(v.value(Isbn))},
        {QStringLiteral("借出次数"), bare(0)},
        {QStringLiteral("状态"), text(QStringLiteral("正常"))},
        {QStringLiteral("简介"), text(v.value(Summary))},
        {QStringLiteral("zch"), bare(0)},
        {QStringLiteral("物品级别"), text(QStringLiteral("普通"))},
        {QStringLiteral("登记人"), text(operatorName)},
        {QStringLiteral("入库时间"),
         {QDateTime(today, QTime(0, 0)), ShownAs::Date, today.toString(QStringLiteral("yyyy-MM-dd"))}},
        {QStringLiteral("附件"), text(v.value(Accompanying))},
    };
    QList<ImportValue> values;
    for (const QString &field : statement().fields())
        values << byField.value(field, text(QString())); // the rest are empty
    return values;
}

ImportResult run(const QList<MarcImportRow> &rows, qint64 start, const QString &operatorName,
                 const SharedConnection &db, const ImportProgress &progress, int batchSize)
{
    QElapsedTimer timer;
    timer.start();
    ImportResult result;
    BatchWriter writer(db, statement().sql(), batchSize);
    const int isbnAt = int(statement().fields().indexOf(QStringLiteral("条形码")));
    const int titleAt = int(statement().fields().indexOf(QStringLiteral("名称")));
    auto failure = [&](int index, const QString &message) {
        const MarcImportRow &r = rows.at(index);
        const QList<ImportValue> values = rowValues(r.values, start + 1 + index, operatorName);
        FailedRow f;
        f.row = r.row;
        f.message = message;
        f.statement = statement().display(values, db.dialect());
        f.memoLine = QStringList{QString::number(r.row), values.at(isbnAt).shownText(), values.at(titleAt).shownText()}
                         .join(QLatin1Char(' '));
        return f;
    };
    auto takeLost = [&] {
        QString message;
        const QList<int> lost = writer.takeLost(&message);
        for (const int index : lost)
            result.failedRows << failure(index, message);
        result.inserted -= int(lost.size());
        result.failed += int(lost.size());
    };
    for (int i = 0; i < rows.size(); ++i) {
        if (progress)
            progress(i, int(rows.size()));
        const QList<ImportValue> values = rowValues(rows.at(i).values, start + 1 + i, operatorName);
        QString error;
        if (writer.insert(i, InsertStatement::bound(values), &error)) {
            ++result.inserted;
        } else {
            ++result.failed;
            result.failedRows << failure(i, error);
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

} // namespace MarcImport
