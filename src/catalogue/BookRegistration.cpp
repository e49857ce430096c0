// SPDX-License-Identifier: MIT
#include "catalogue/BookRegistration.h"
#include "catalogue/CallNumber.h"
#include "foundation/DayClock.h"
#include "foundation/Pinyin.h"
#include "foundation/SharedConnection.h"

namespace {
// A box text as the database gets it: an empty text is Null in every column (as the
// original's fields took an empty text); any other text goes unchanged and the
// engine decides whether it fits the column.
QVariant bindText(const QString &text)
{
    return text.isEmpty() ? QVariant() : QVariant(text);
}

const char *const kTrimmed[] = {"名称", "条形码", "索书号", "分类号", "数量", "分类", "二级分类", "出版社",
                                "存放位置", "价格", "币种", "作者", "译者", "出版时间", "isbn", "附件",
                                "版次", "py", "页数", "简介", "来源", "a1", "a2", "a3", "状态"};
// Read and trimmed, not written as typed: 物品级别 (empty becomes 普通), zch and 捐赠人
// (set only when filled) and the document path (not trimmed).
} // namespace

BookRegistration::BookRegistration(const SharedConnection &db, QString operatorName)
    : m_db(db), m_operator(std::move(operatorName))
{
}

QString BookRegistration::pinyin(const QString &title)
{
    return PinyinOf(title).trimmed();
}

QString BookRegistration::separator(const QString &text)
{
    const QString s = text.trimmed();
    return s.isEmpty() ? QStringLiteral(".") : s;
}

QString BookRegistration::copiesCheck(const QString &copiesText, int *copies)
{
    bool ok = false;
    const int k = copiesText.trimmed().toInt(&ok);
    *copies = ok && k >= 1 ? k : 0;
    return *copies ? QString() : QStringLiteral("请输入要录入的数量!");
}

QString BookRegistration::check(const BookEntry &entry, bool severalCopies, const QString &copiesText,
                                int *copies)
{
    *copies = 0;
    if (severalCopies) {
        const QString problem = copiesCheck(copiesText, copies);
        if (!problem.isEmpty())
            return problem;
    }
    return entry.requiredFilled() ? QString() : requiredMessage();
}

bool BookRegistration::barcodeStored(const QString &barcode) const
{
    return m_db.exec(QStringLiteral("select 编号 from 图书 where 条形码=?"), {barcode.trimmed()}).next();
}

BookInsertResult BookRegistration::insert(const BookEntry &entry, const QString &number) const
{
    BookInsertResult r;
    r.number = number;
    QStringList columns{QStringLiteral("编号")};
    QVariantList values{number};
    auto put = [&](const QString &column, const QVariant &value) {
        columns << column;
        values << value;
    };
    for (const char *c : kTrimmed) {
        const QString column = QString::fromUtf8(c);
        put(column, bindText(entry.value(column).trimmed()));
    }
    const QString level = entry.value(QStringLiteral("物品级别")).trimmed();
    put(QStringLiteral("物品级别"), level.isEmpty() ? QStringLiteral("普通") : level);
    const QString zch = entry.value(QStringLiteral("zch")).trimmed();
    if (!zch.isEmpty())
        put(QStringLiteral("zch"), zch);
    const QString donor = entry.value(QStringLiteral("捐赠人")).trimmed();
    if (!donor.isEmpty())
        put(QStringLiteral("捐赠人"), donor);
    const QString document = entry.value(QStringLiteral("图片地址")); // not trimmed
    put(QStringLiteral("图片地址"), bindText(document));
    put(QStringLiteral("绝对地址"), bindText(document));
    const QDateTime now = DayClock::now();
    put(QStringLiteral("入库时间"), now);
    put(QStringLiteral("借出次数"), 0);
    put(QStringLiteral("登记人"), m_operator);
    put(QStringLiteral("TmpA"), now.toString(QStringLiteral("yyyy-MM-dd hh:mm:ss")) + QStringLiteral("+A"));

    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    const QString sql = QStringLiteral("insert into 图书(%1) \nvalues(%2)")
                            .arg(columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    try {
        Transaction tx(m_db);
        if (m_db.exec(QStringLiteral("select 编号 from 图书 where 编号=?"), {number}).next()) {
            r.message = QStringLiteral("保存失败, 因为数据库中已经有这个编号了 (") + number + QLatin1Char(')');
            return r;
        }
        m_db.exec(sql, values);
        tx.commit();
    } catch (const DatabaseError &e) {
        r.message = e.message();
        return r;
    }
    r.stored = true;
    r.callNumber = entry.value(QStringLiteral("索书号")).trimmed();
    r.zch = zch;
    r.py = entry.value(QStringLiteral("py")).trimmed();
    return r;
}

QList<BookInsertResult> BookRegistration::save(BookEntry &entry, int copies, const QString &separator) const
{
    QList<BookInsertResult> results;
    const QString number = entry.value(QStringLiteral("编号"));
    if (copies <= 0) {
        results << insert(entry, number);
        return results;
    }
    for (int n = 1; n <= copies; ++n) {
        const QString copyNumber = number + separator + QString::number(n);
        try {
            const CallNumber proposal = CallNumber::propose(m_db, entry.value(QStringLiteral("分类号")));
            if (proposal.isValid()) {
                entry.setValue(QStringLiteral("索书号"), proposal.callNumber);
                entry.setValue(QStringLiteral("zch"), QString::number(proposal.zch));
            }
        } catch (const DatabaseError &e) {
            BookInsertResult failed;
            failed.number = copyNumber;
            failed.message = e.message();
            results << failed;
            continue;
        }
        results << insert(entry, copyNumber);
    }
    return results;
}
