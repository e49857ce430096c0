// SPDX-License-Identifier: MIT
// The schema on both engines: tables, seed rows, letter case, types, bound values.
#include "TestDatabase.h"
#include "foundation/Money.h"
#include "foundation/Schema.h"
#include "foundation/SqlValues.h"

#include <QSqlRecord>
#include <QTest>

class TestSchema : public QObject
{
    Q_OBJECT

    // Every seed row of a table as text, in a stable order, comparable across engines.
    static QStringList dump(SharedConnection &db, const QString &table)
    {
        const Schema::Table *t = Schema::findTable(table);
        QStringList rows;
        QSqlQuery q = db.exec(QStringLiteral("select * from %1").arg(table));
        while (q.next()) {
            QStringList cells;
            for (const Schema::Column &c : t->columns) {
                const QVariant v = q.value(c.name);
                switch (c.type) {
                case Schema::Type::YesNo:
                    cells << (v.isNull() ? QStringLiteral("null") : SqlValues::toBool(v) ? QStringLiteral("T") : QStringLiteral("F"));
                    break;
                case Schema::Type::Money:
                    cells << Money::fromVariant(v).toString();
                    break;
                case Schema::Type::Real:
                    cells << QString::number(v.toDouble());
                    break;
                default:
                    cells << (v.isNull() ? QStringLiteral("null") : v.toString());
                }
            }
            rows << cells.join(QLatin1Char('|'));
        }
        rows.sort();
        return rows;
    }

private slots:
    void createdWithSeedRows_data() { TestDatabase::addEngines(); }
    void createdWithSeedRows()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        QVERIFY(Schema::exists(db));
        for (const Schema::Table &table : Schema::tables()) {
            QSqlQuery q = db.exec(QStringLiteral("select * from %1 where 1=0").arg(table.name));
            QCOMPARE(q.record().count(), table.columns.size());
        }
        QCOMPARE(db.scalar(QStringLiteral("select version from schema_version")).toInt(), Schema::kVersion);

        const QStringList settings = dump(db, QStringLiteral("系统设置"));
        QCOMPARE(settings.size(), 1);
        QCOMPARE(settings.first(),
                 QStringLiteral("图书馆||||0.1|1|1|0|F|F|T|T|F|T|F|F|F|T|||密级|null|null|T|F|F|T|F"));
        QCOMPARE(dump(db, QStringLiteral("管理员")),
                 QStringList{QStringLiteral("超级管理员|8316|T|T|T|T|T|T|T|T|T|T|T|T|T|T|T|T")});
        QCOMPARE(dump(db, QStringLiteral("读者类别")), QStringList{QStringLiteral("普通|30|5|0")});
        QCOMPARE(dump(db, QStringLiteral("物品级别")), QStringList{QStringLiteral("普通|0|0")});
        QVERIFY(dump(db, QStringLiteral("出版社名")).contains(QStringLiteral("清华大学出版社|7-302|北京")));
        QCOMPARE(dump(db, QStringLiteral("存放位置")), QStringList{QStringLiteral("书库")});
    }

    void namesInAnyLetterCase_data() { TestDatabase::addEngines(); }
    void namesInAnyLetterCase()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, CardId) values (?, ?, ?)"),
                {QStringLiteral("R1"), QStringLiteral("张三"), QStringLiteral("C-01")});
        for (const QString &column : {QStringLiteral("CardId"), QStringLiteral("cardid"), QStringLiteral("CARDID")}) {
            QSqlQuery q = db.exec(QStringLiteral("select %1 from 读者库 where %1 = ?").arg(column), {QStringLiteral("c-01")});
            QVERIFY2(q.next(), qPrintable(column));
            QCOMPARE(q.value(QStringLiteral("cardId")).toString(), QStringLiteral("C-01"));
            QCOMPARE(Schema::spelling(QStringLiteral("读者库"), q.record().fieldName(0)), QStringLiteral("CardId"));
            QCOMPARE(Schema::spelling(QStringLiteral("借出记录"), column), QStringLiteral("cardId"));
        }
        // Text comparison ignores the case of Latin letters, in = and like alike.
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 管理员 where ADMINNAME like ?"),
                           {QStringLiteral("超级%")}).toInt(), 1);
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 出版社名 where isbn = ?"),
                           {QStringLiteral("7-302")}).toInt(), 1);
    }

    void quotesStoredUnchanged_data() { TestDatabase::addEngines(); }
    void quotesStoredUnchanged()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        const QString title = QStringLiteral("It's a \"书\" -- ; drop table 图书; '");
        db.exec(QStringLiteral("insert into 图书 (编号, 名称, 简介) values (?, ?, ?)"),
                {QStringLiteral("B1"), title, title});
        QSqlQuery q = db.exec(QStringLiteral("select 名称, 简介 from 图书 where 名称 = ?"), {title});
        QVERIFY(q.next());
        QCOMPARE(q.value(0).toString(), title);
        QCOMPARE(q.value(1).toString(), title);
    }

    void typesAreEnforced_data() { TestDatabase::addEngines(); }
    void typesAreEnforced()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        // A page count that is no whole number is refused by both engines.
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 db.exec(QStringLiteral("insert into 图书 (编号, 页数) values (?, ?)"),
                                         {QStringLiteral("B1"), QStringLiteral("1.2.3")}));
        // The natural key is unique without regard to case.
        db.exec(QStringLiteral("insert into 图书 (编号) values (?)"), {QStringLiteral("b-7")});
        QVERIFY_THROWS_EXCEPTION(DatabaseError,
                                 db.exec(QStringLiteral("insert into 图书 (编号) values (?)"), {QStringLiteral("B-7")}));
        // Dates and date-times go in and come back in their forms; money exactly.
        const QDateTime stamp(QDate(2026, 12, 8), QTime(14, 3, 9));
        db.exec(QStringLiteral("insert into 借出记录 (读者编号, 借阅日期, 价格) values (?, ?, ?)"),
                {QStringLiteral("R1"), QDate(2026, 12, 8), Money::fromText("19.99").toSql()});
        db.exec(QStringLiteral("insert into 收入 (项目, 时间, 金额) values (?, ?, ?)"),
                {QStringLiteral("充值"), stamp, Money::fromText("0.1").toSql()});
        QSqlQuery loan = db.exec(QStringLiteral("select 借阅日期, 价格, 已还, id from 借出记录"));
        QVERIFY(loan.next());
        QCOMPARE(SqlValues::toDate(loan.value(0)), QDate(2026, 12, 8));
        QCOMPARE(Money::fromVariant(loan.value(1)).toString(), QStringLiteral("19.99"));
        QVERIFY(loan.value(2).isNull());
        QCOMPARE(loan.value(3).toInt(), 1);
        QSqlQuery income = db.exec(QStringLiteral("select 时间, 金额 from 收入 where 时间 >= ? and 时间 <= ?"),
                                   {QDateTime(QDate(2026, 12, 8), QTime(0, 0)), stamp});
        QVERIFY(income.next());
        QCOMPARE(SqlValues::toDateTime(income.value(0)), stamp);
        QCOMPARE(Money::fromVariant(income.value(1)), Money::fromText("0.1"));
        // Counters default to 0, balances too.
        db.exec(QStringLiteral("insert into 读者库 (读者编号) values (?)"), {QStringLiteral("R9")});
        QSqlQuery reader = db.exec(QStringLiteral("select 卡内金额, 未还数量, 累计借阅次数 from 读者库"));
        QVERIFY(reader.next());
        QCOMPARE(Money::fromVariant(reader.value(0)).toString(), QStringLiteral("0"));
        QCOMPARE(reader.value(1).toInt(), 0);
        QCOMPARE(reader.value(2).toInt(), 0);
    }

    void transactionIsAllOrNothing_data() { TestDatabase::addEngines(); }
    void transactionIsAllOrNothing()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        try {
            Transaction tx(db);
            db.exec(QStringLiteral("insert into 图书 (编号) values (?)"), {QStringLiteral("T1")});
            db.exec(QStringLiteral("insert into 图书 (编号) values (?)"), {QStringLiteral("T1")});
            tx.commit();
            QFAIL("duplicate key accepted");
        } catch (const DatabaseError &e) {
            QVERIFY(!e.message().isEmpty());
        }
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 图书")).toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestSchema)
#include "tst_schema.moc"
