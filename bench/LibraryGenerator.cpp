// SPDX-License-Identifier: MIT
#include "LibraryGenerator.h"

#include "BulkInsert.h"
#include "LibraryWords.h"

#include "foundation/Money.h"
#include "foundation/Pinyin.h"
#include "foundation/SharedConnection.h"

#include <QElapsedTimer>
#include <QHash>
#include <QSqlQuery>
#include <QVector>
#include <algorithm>
#include <cmath>

LibrarySize LibrarySize::scaled(double scale)
{
    LibrarySize s;
    auto part = [scale](int n) { return std::max(1, int(std::lround(n * scale))); };
    s.books = std::max(20, part(s.books));
    s.periodicals = std::max(5, part(s.periodicals));
    s.readers = std::max(20, part(s.readers));
    s.loans = part(s.loans);
    return s;
}

namespace LibraryGenerator {

QString bookNumber(int index) { return QString::number(1000000 + index); }
QString bookBarcode(int index) { return QString::number(80000000 + index); }
QString periodicalNumber(int index) { return QStringLiteral("Q%1").arg(index, 5, 10, QLatin1Char('0')); }
QString readerNumber(int index) { return QString::number(20000000 + index); }

namespace {

const char *const kOperators[] = {"超级管理员", "李老师", "王老师"};

struct Item {
    QString 名称;
    QString 条形码;
    Money 价格;
    int stock = 1;
    int open = 0;
    int lent = 0;
    bool notForLoan = false;
};

struct Reader {
    QString 姓名;
    QString 类别;
    int open = 0;
    int lent = 0;
};

QString isbnFor(LibraryWords &w, const QString &prefix)
{
    // 978 + the publisher's prefix + a title number, with the EAN check digit.
    QString digits = QStringLiteral("978") + QString(prefix).remove(QLatin1Char('-'));
    while (digits.size() < 12)
        digits += QChar(u'0' + w.below(10));
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += (digits.at(i).unicode() - u'0') * (i % 2 ? 3 : 1);
    digits += QChar(u'0' + (10 - sum % 10) % 10);
    return digits;
}

void addCodes(const SharedConnection &db)
{
    auto addMissing = [&db](const QString &table, const QString &column, const QStringList &values) {
        for (const QString &v : values)
            if (!db.exec(QStringLiteral("select 1 from %1 where %2=?").arg(table, column), {v}).next())
                db.exec(QStringLiteral("insert into %1 (%2) values (?)").arg(table, column), {v});
    };
    addMissing(QStringLiteral("分类"), QStringLiteral("名称"), LibraryWords::classNames());
    addMissing(QStringLiteral("二级分类"), QStringLiteral("名称"), LibraryWords::secondClassNames());
    addMissing(QStringLiteral("存放位置"), QStringLiteral("存放位置名"), LibraryWords::shelves());
    addMissing(QStringLiteral("单位名称"), QStringLiteral("单位名称"), LibraryWords::departments());
    db.exec(QStringLiteral("insert into 读者类别 (类别名, 借阅天数, 借阅数量限制, 租金) values (?, 30, 5, 0), (?, 60, 10, 0)"),
            {QStringLiteral("学生"), QStringLiteral("教师")});
    db.exec(QStringLiteral("insert into 物品级别 (名称, 租金, 可借数量) values (?, 0, 2)"), {QStringLiteral("珍藏")});
    for (int i = 1; i < 3; ++i) {
        QVariantList admin{QString::fromUtf8(kOperators[i]), QStringLiteral("1234")};
        for (int r = 0; r < 16; ++r)
            admin << (r != 0);
        db.exec(QStringLiteral("insert into 管理员 (AdminName, pwd, qxadmin, qxdel, qxbk, qxrd, qxqk, qxwp, qxbkxg, "
                               "qxrdxg, qxqkxg, qxDjXg, qxwpxg, qxborrow, qxReturn, qxSysSet, qxAddData, qxModifyStock) "
                               "values (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
                admin);
    }
}

struct Generator {
    const SharedConnection &db;
    LibrarySize size;
    QDate today;
    Progress progress;
    LibraryWords w;
    QVector<Item> books, periodicals;
    QVector<Reader> readers;
    QElapsedTimer clock;

    void step(const QString &name, qint64 rows)
    {
        if (progress)
            progress(name, rows, clock.nsecsElapsed() / 1e9);
        clock.restart();
    }

    void prepareItems()
    {
        books.resize(size.books);
        for (Item &b : books) {
            b.stock = w.chance(0.6) ? 1 : w.between(2, 5);
            b.价格 = Money::fromUnits(qint64(w.between(150, 1200)) * 1000);
            b.notForLoan = w.chance(0.01);
        }
        periodicals.resize(size.periodicals);
        for (Item &p : periodicals) {
            p.stock = w.between(1, 3);
            p.价格 = Money::fromUnits(qint64(w.between(50, 300)) * 1000);
        }
        readers.resize(size.readers);
        const QStringList kinds{QStringLiteral("普通"), QStringLiteral("学生"), QStringLiteral("学生"),
                                QStringLiteral("学生"), QStringLiteral("教师")};
        for (Reader &r : readers) {
            r.姓名 = w.personName();
            r.类别 = kinds.at(w.below(int(kinds.size())));
        }
        // Titles now, so that the loans can copy them.
        titles.resize(size.books);
        for (int i = 0; i < size.books; ++i) {
            titles[i] = w.bookTitle();
            books[i].名称 = titles[i].名称;
            books[i].条形码 = bookBarcode(i);
        }
        for (int i = 0; i < size.periodicals; ++i) {
            periodicals[i].名称 = w.periodicalName(i) + QStringLiteral(" %1年第%2期")
                                                           .arg(2016 + (i / 36) % 9)
                                                           .arg(i % 12 + 1);
            periodicals[i].条形码 = QString::number(90000000 + i);
        }
    }

    QVector<LibraryWords::Title> titles;

    void writeLoans()
    {
        BulkInsert out(db, QStringLiteral("借出记录"),
                       QStringLiteral("读者编号,读者姓名,条形码,编号,名称,类别,物品级别,价格,借阅日期,应还日期,归还日期,"
                                      "已还,租金,罚金,实际租期,实际租金,借阅经手人,归还经手人,物品状况,赔偿金额")
                           .split(QLatin1Char(',')),
                       40);
        const QDate first = today.addYears(-8);
        const qint64 span = first.daysTo(today.addDays(-1));
        const Money finePerDay = Money::fromUnits(1000);
        const QString book = QStringLiteral("图书"), periodical = QStringLiteral("期刊");
        const QString yes = QStringLiteral("是"), no = QStringLiteral("否"), good = QStringLiteral("完好");
        const QString normal = QStringLiteral("普通");
        for (int i = 0; i < size.loans; ++i) {
            const QDate lent = first.addDays(span * i / std::max(1, size.loans));
            const bool isPeriodical = w.chance(0.05);
            const int index = isPeriodical ? w.popular(size.periodicals) : w.popular(size.books);
            Item &item = isPeriodical ? periodicals[index] : books[index];
            const int r = w.below(size.readers);
            Reader &reader = readers[r];
            const int days = reader.类别 == QStringLiteral("教师") ? 60 : 30;
            const QDate due = lent.addDays(days);
            // Old loans are back but for a few lost in the shelves; recent ones often open.
            const bool recent = lent.daysTo(today) < 75;
            bool open = recent ? w.chance(0.6) : w.chance(0.002);
            if (open && (item.open >= item.stock || reader.open >= 3 || item.notForLoan))
                open = false;
            QVariant returned, fine = QStringLiteral("0"), rentDays = 0, back;
            if (!open) {
                QDate on = lent.addDays(w.between(1, days + 15));
                if (on >= today)
                    on = today.addDays(-1);
                if (on < lent)
                    on = lent;
                returned = on;
                const qint64 late = due.daysTo(on);
                fine = (late > 0 ? finePerDay * late : Money()).toSql();
                rentDays = int(std::max<qint64>(1, lent.daysTo(on)));
                back = QString::fromUtf8(kOperators[w.below(3)]);
            } else {
                ++item.open;
                ++reader.open;
            }
            ++item.lent;
            ++reader.lent;
            out.add({readerNumber(r), reader.姓名, item.条形码,
                     isPeriodical ? periodicalNumber(index) : bookNumber(index), item.名称,
                     isPeriodical ? periodical : book, normal, item.价格.toSql(), lent, due, returned,
                     open ? no : yes, QStringLiteral("0"), fine, rentDays, QStringLiteral("0"),
                     QString::fromUtf8(kOperators[w.below(3)]), back, good, QStringLiteral("0")});
        }
        out.finish();
        step(QStringLiteral("借出记录"), out.rowsWritten());
    }

    void writeBooks()
    {
        QSqlQuery pubs = db.exec(QStringLiteral("select 出版社名, ISBN from 出版社名"));
        QList<QPair<QString, QString>> publishers;
        while (pubs.next())
            publishers << qMakePair(pubs.value(0).toString(), pubs.value(1).toString());
        BulkInsert out(db, QStringLiteral("图书"),
                       QStringLiteral("编号,条形码,名称,出版社,分类号,分类,二级分类,存放位置,索书号,作者,译者,数量,价格,"
                                      "出版时间,页数,isbn,版次,借出次数,状态,简介,py,zch,币种,物品级别,登记人,入库时间,"
                                      "预定状况,预定到期时间")
                           .split(QLatin1Char(',')),
                       40);
        QHash<QString, int> orderNumbers;
        const QDateTime first(today.addYears(-10), QTime(8, 30));
        const qint64 seconds = first.secsTo(QDateTime(today.addDays(-1), QTime(17, 0)));
        for (int i = 0; i < size.books; ++i) {
            const Item &b = books[i];
            const LibraryWords::Title &t = titles[i];
            const auto &pub = publishers.at(w.below(int(publishers.size())));
            const int zch = ++orderNumbers[t.cls.number];
            const QDateTime registered = first.addSecs(seconds * i / size.books);
            QVariant reservedBy, reservedUntil;
            if (w.chance(0.003) && b.open < b.stock) {
                reservedBy = readerNumber(w.below(size.readers));
                reservedUntil = QDateTime(today.addDays(w.between(1, 10)), QTime(12, 0));
            }
            out.add({bookNumber(i), b.条形码, b.名称, pub.first, t.cls.number, t.cls.name, t.二级分类, w.shelf(),
                     QStringLiteral("%1/%2").arg(t.cls.number).arg(zch), w.author(), w.translator(),
                     b.stock - b.open, b.价格.toSql(),
                     QStringLiteral("%1.%2").arg(registered.date().year() - w.below(3)).arg(w.between(1, 12)),
                     w.between(80, 900), isbnFor(w, pub.second), QStringLiteral("第%1版").arg(w.between(1, 4)),
                     b.lent, b.notForLoan ? QStringLiteral("不外借") : QStringLiteral("正常"),
                     w.chance(0.3) ? QVariant(w.summary(b.名称)) : QVariant(), PinyinOf(b.名称).trimmed(), zch,
                     QStringLiteral("人民币"), QStringLiteral("普通"), QString::fromUtf8(kOperators[w.below(3)]),
                     registered, reservedBy, reservedUntil});
        }
        out.finish();
        step(QStringLiteral("图书"), out.rowsWritten());
    }

    void writePeriodicals()
    {
        BulkInsert out(db, QStringLiteral("期刊"),
                       QStringLiteral("编号,名称,条形码,物品级别,分类,二级分类,出版社,存放位置,数量,ISSN,py,国内统一刊号,"
                                      "邮发代号,出版时间,第几期,入库时间,总第几期,价格,币种,借出次数,状态,登记人")
                           .split(QLatin1Char(',')),
                       50);
        for (int i = 0; i < size.periodicals; ++i) {
            const Item &p = periodicals[i];
            const int year = 2016 + (i / 36) % 9;
            const int issue = i % 12 + 1;
            const QDate published(year, issue, 1);
            out.add({periodicalNumber(i), p.名称, p.条形码, QStringLiteral("普通"), QStringLiteral("综合"),
                     QStringLiteral("综合"), QStringLiteral("%1杂志社").arg(w.periodicalName(i)),
                     QStringLiteral("期刊阅览室"), p.stock - p.open,
                     QStringLiteral("%1-%2").arg(1000 + i % 36, 4, 10, QLatin1Char('0')).arg(1000 + i % 97),
                     PinyinOf(p.名称).trimmed(), QStringLiteral("CN11-%1/Z").arg(1000 + i % 36),
                     QStringLiteral("%1-%2").arg(2 + i % 80).arg(100 + i % 36),
                     published.toString(QStringLiteral("yyyy-MM-dd")), QString::number(issue),
                     QDateTime(std::min(published.addDays(10), today), QTime(0, 0)),
                     QString::number((year - 1990) * 12 + issue), p.价格.toSql(), QStringLiteral("人民币"), p.lent,
                     QStringLiteral("正常"), QString::fromUtf8(kOperators[w.below(3)])});
        }
        out.finish();
        step(QStringLiteral("期刊"), out.rowsWritten());
    }

    void writeReaders()
    {
        BulkInsert out(db, QStringLiteral("读者库"),
                       QStringLiteral("读者编号,读者姓名,性别,类别,单位部门,住址,联系电话,有效证件,证件号码,累计借阅次数,"
                                      "未还数量,有效期,状态,密码,卡内金额,登记人,CardId,登记日期,py")
                           .split(QLatin1Char(',')),
                       50);
        const QDateTime first(today.addYears(-9), QTime(9, 0));
        const qint64 seconds = first.secsTo(QDateTime(today.addDays(-1), QTime(16, 0)));
        for (int i = 0; i < size.readers; ++i) {
            const Reader &r = readers[i];
            const bool suspended = w.chance(0.02) && r.open == 0;
            out.add({readerNumber(i), r.姓名, w.chance(0.5) ? QStringLiteral("男") : QStringLiteral("女"), r.类别,
                     w.department(), QStringLiteral("学生公寓%1号楼%2室").arg(w.between(1, 20)).arg(w.between(101, 620)),
                     QStringLiteral("13%1").arg(w.between(100000000, 999999999)), QStringLiteral("身份证"),
                     QStringLiteral("1101%1").arg(qint64(w.between(10000000, 99999999)) * 1000000 + i % 1000000),
                     r.lent, r.open, today.addDays(w.between(30, 4 * 365)),
                     suspended ? QStringLiteral("停用") : QStringLiteral("正常"), QString(),
                     Money::fromUnits(qint64(w.between(0, 400)) * 5000).toSql(),
                     QString::fromUtf8(kOperators[w.below(3)]),
                     QStringLiteral("C%1").arg((qint64(i) * 7919 + 13) % 10000000, 7, 10, QLatin1Char('0')),
                     first.addSecs(seconds * i / size.readers), PinyinOf(r.姓名).trimmed()});
        }
        out.finish();
        step(QStringLiteral("读者库"), out.rowsWritten());
    }
};

} // namespace

void generate(const SharedConnection &db, const LibrarySize &size, const QDate &today, const Progress &progress)
{
    Generator g{db, size, today, progress, LibraryWords(), {}, {}, {}, {}, {}};
    g.clock.start();
    {
        Transaction t(db);
        addCodes(db);
        t.commit();
    }
    g.prepareItems();
    g.writeLoans();
    g.writeBooks();
    g.writePeriodicals();
    g.writeReaders();
    db.exec(QStringLiteral("analyze"));
    g.step(QStringLiteral("analyze"), 0);
}

} // namespace LibraryGenerator
