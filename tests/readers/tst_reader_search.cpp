// SPDX-License-Identifier: MIT
// The reader search on both engines: exact and fuzzy, card numbers, dates, typed fields.
#include "TestDatabase.h"
#include "foundation/DayClock.h"
#include "readers/ReaderSearch.h"

#include <QSqlQuery>
#include <QTest>

namespace {
void addReader(SharedConnection &db, const QString &number, const QString &name, const QString &card,
               const QDateTime &registered, const QString &className = QString())
{
    db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, CardId, 登记日期, 班级, 未还数量) values (?,?,?,?,?,?)"),
            {number, name, card, registered, className, 2});
}

QStringList numbers(SharedConnection &db, const ReaderSearch::Statement &s)
{
    QStringList found;
    QSqlQuery q = db.exec(s.sql, s.values);
    while (q.next())
        found << q.value(QStringLiteral("读者编号")).toString();
    return found;
}
} // namespace

class TestReaderSearch : public QObject
{
    Q_OBJECT

private slots:
    void search_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("exact");
        QTest::addColumn<bool>("byDate");
        QTest::addColumn<QStringList>("expected"); // in statement order
        for (const char *e : {"sqlite", "postgresql"}) {
            const QString en = QString::fromLatin1(e);
            QTest::addRow("%s exact name", e) << en << "读者姓名" << "张三" << true << false << QStringList{"R2"};
            QTest::addRow("%s fuzzy name", e) << en << "读者姓名" << "张" << false << false << QStringList{"R1", "R2"};
            QTest::addRow("%s fuzzy ignores letter case", e)
                << en << "读者姓名" << "o'neil" << false << false << QStringList{"R3"};
            QTest::addRow("%s value with quotes", e)
                << en << "读者姓名" << "\"Ann\" O'Neil" << true << false << QStringList{"R3"};
            QTest::addRow("%s quote that would end a literal", e)
                << en << "读者姓名" << "' or '1'='1" << false << false << QStringList{};
            QTest::addRow("%s card number exact", e) << en << "读者卡号" << "C-0002" << true << false << QStringList{"R2"};
            QTest::addRow("%s card number substring", e)
                << en << "读者卡号" << "000" << false << false << QStringList{"R1", "R2", "R3"};
            QTest::addRow("%s typed column in other case", e)
                << en << "cardid" << "c-0001" << true << false << QStringList{"R1"};
            QTest::addRow("%s trimmed value", e) << en << "读者编号" << "  R3 " << true << false << QStringList{"R3"};
            QTest::addRow("%s hidden class column", e) << en << "班级" << "一班" << false << false << QStringList{"R1"};
            QTest::addRow("%s number column by its text", e)
                << en << "未还数量" << "2" << false << false << QStringList{"R0", "R1", "R2", "R3"};
            // Registered 2024-11-20, 2024-12-08 10:00 and 2024-12-09 00:00; range 11-08 .. 12-09.
            QTest::addRow("%s date range only", e) << en << "读者编号" << "" << false << true << QStringList{"R1", "R2", "R3"};
            QTest::addRow("%s value and date range", e) << en << "读者姓名" << "张" << false << true << QStringList{"R1", "R2"};
            QTest::addRow("%s empty field with dates", e) << en << "" << "   " << false << true << QStringList{"R1", "R2", "R3"};
        }
    }
    void search()
    {
        QFETCH(QString, engine);
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, exact);
        QFETCH(bool, byDate);
        QFETCH(QStringList, expected);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        // Inserted out of order: the statement orders by number.
        addReader(db, QStringLiteral("R3"), QStringLiteral("\"Ann\" O'Neil"), QStringLiteral("C-0003"),
                  QDateTime(QDate(2024, 12, 9), QTime(0, 0)));
        addReader(db, QStringLiteral("R1"), QStringLiteral("张三丰"), QStringLiteral("C-0001"),
                  QDateTime(QDate(2024, 11, 20), QTime(9, 0)), QStringLiteral("一班"));
        addReader(db, QStringLiteral("R2"), QStringLiteral("张三"), QStringLiteral("C-0002"),
                  QDateTime(QDate(2024, 12, 8), QTime(10, 0)));
        addReader(db, QStringLiteral("R0"), QStringLiteral("王五"), QStringLiteral("X"),
                  QDateTime(QDate(2024, 12, 9), QTime(0, 0, 1)));

        ReaderSearch::Request r;
        r.field = field;
        r.value = value;
        r.exact = exact;
        r.byDate = byDate;
        r.from = QDate(2024, 11, 8);
        r.to = QDate(2024, 12, 9);
        const ReaderSearch::Statement s = ReaderSearch::build(r);
        QVERIFY2(s.refusal.isEmpty(), qPrintable(s.refusal));
        QStringList found = numbers(db, s);
        if (value.trimmed().isEmpty())
            found.sort(); // the date-only search has no order
        QCOMPARE(found, expected);
        for (const QVariant &v : s.values)
            QVERIFY(!s.sql.contains(v.toString()));
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("value");
        QTest::addColumn<bool>("byDate");
        QTest::addColumn<QString>("refusal");
        const QString noCondition = QStringLiteral("请填写好查询条件!");
        QTest::newRow("nothing") << "读者编号" << "" << false << noCondition;
        QTest::newRow("blanks only") << "读者编号" << "   " << false << noCondition;
        QTest::newRow("no field") << "" << "张" << false << noCondition;
        QTest::newRow("unknown field") << "姓名" << "张" << false << QStringLiteral("读者库中没有字段\"姓名\"!");
        QTest::newRow("statement as field") << "1=1 or 读者姓名" << "张" << false
                                            << QStringLiteral("读者库中没有字段\"1=1 or 读者姓名\"!");
        QTest::newRow("empty field with value and dates") << "" << "张" << true << QStringLiteral("读者库中没有字段\"\"!");
        QTest::newRow("picture column") << "pic" << "x" << false << QStringLiteral("读者库中没有字段\"pic\"!");
    }
    void refusals()
    {
        QFETCH(QString, field);
        QFETCH(QString, value);
        QFETCH(bool, byDate);
        QFETCH(QString, refusal);
        ReaderSearch::Request r;
        r.field = field;
        r.value = value;
        r.byDate = byDate;
        r.from = QDate(2024, 1, 1);
        r.to = QDate(2024, 2, 1);
        const ReaderSearch::Statement s = ReaderSearch::build(r);
        QCOMPARE(s.refusal, refusal);
        QVERIFY(s.sql.isEmpty());
    }

    void everyReaderOrdered_data() { TestDatabase::addEngines(); }
    void everyReaderOrdered()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        const QDateTime when(QDate(2024, 1, 1), QTime(8, 0));
        addReader(db, QStringLiteral("B"), QStringLiteral("乙"), {}, when);
        addReader(db, QStringLiteral("A"), QStringLiteral("甲"), {}, when);
        QSqlQuery q = db.exec(ReaderSearch::allStatement());
        QStringList found;
        while (q.next())
            found << q.value(0).toString();
        QCOMPARE(found, (QStringList{"A", "B"}));
    }
};

QTEST_MAIN(TestReaderSearch)
#include "tst_reader_search.moc"
