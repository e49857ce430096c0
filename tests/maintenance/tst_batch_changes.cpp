// SPDX-License-Identifier: MIT
// The batch changes: the location move with its shown statement, and the bulk reader
// deletion that matches every reader of the choice (by 单位部门, with or without card).
#include "TestDatabase.h"
#include "maintenance/LocationMove.h"
#include "maintenance/ReaderBulkDeletion.h"

#include <QSqlQuery>
#include <QTest>

namespace {
int count(const SharedConnection &db, const QString &sql, const QVariantList &values = {})
{
    return db.scalar(sql, values).toInt();
}

void addItems(const SharedConnection &db)
{
    const QList<QStringList> books{{"B1", "书库"}, {"B2", "书库"}, {"B3", "阅览室"}, {"B4", "书\"库'"}};
    for (const QStringList &b : books)
        db.exec(QStringLiteral("insert into 图书 (编号, 名称, 存放位置) values (?, '书', ?)"), {b[0], b[1]});
    db.exec(QStringLiteral("insert into 期刊 (编号, 名称, 存放位置) values ('Q1', '刊', '书库')"));
}

// Readers: number, faculty, class, department, card.
void addReaders(const SharedConnection &db)
{
    const QList<QStringList> readers{
        {"R1", "理学院", "一班", "本单位", "C1"}, {"R2", "理学院", "一班", "本单位", ""},
        {"R3", "理学院", "二班", "外单位", "C3"}, {"R4", "文学院", "一班", "本单位", ""},
        {"R5", "", "", "", ""},
    };
    for (const QStringList &r : readers)
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 院系, 班级, 单位部门, CardId) values (?, '读者', ?, ?, ?, ?)"),
                {r[0], r[1], r[2], r[3], r[4].isEmpty() ? QVariant(QMetaType::fromType<QString>()) : QVariant(r[4])});
}
} // namespace

class TestBatchChanges : public QObject
{
    Q_OBJECT
private slots:
    void moveLocation_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<int>("changed");
        QTest::addColumn<QString>("remaining"); // books still at from afterwards
        for (const char *e : {"sqlite", "postgresql"}) {
            const QString engine = QString::fromLatin1(e);
            QTest::newRow(qPrintable(engine + QStringLiteral(" books"))) << engine << QStringLiteral("图书")
                << QStringLiteral("书库") << QStringLiteral("阅览室") << 2 << QStringLiteral("0");
            QTest::newRow(qPrintable(engine + QStringLiteral(" periodicals"))) << engine << QStringLiteral("期刊")
                << QStringLiteral("书库") << QStringLiteral("阅览室") << 1 << QStringLiteral("2");
            QTest::newRow(qPrintable(engine + QStringLiteral(" A to A"))) << engine << QStringLiteral("图书")
                << QStringLiteral("书库") << QStringLiteral("书库") << 2 << QStringLiteral("2");
            QTest::newRow(qPrintable(engine + QStringLiteral(" quotes"))) << engine << QStringLiteral("图书")
                << QStringLiteral("书\"库'") << QStringLiteral("新'库\"") << 1 << QStringLiteral("0");
        }
    }
    void moveLocation()
    {
        QFETCH(QString, engine);
        QFETCH(QString, table);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(int, changed);
        QFETCH(QString, remaining);
        OPEN_TEST_DATABASE(t, engine);
        addItems(t.db());
        QVERIFY(LocationMove::complete(table, from, to));
        QCOMPARE(LocationMove::run(t.db(), table, from, to), changed);
        QCOMPARE(count(t.db(), QStringLiteral("select count(*) from 图书 where 存放位置=?"), {from}), remaining.toInt());
        if (from != to)
            QVERIFY(count(t.db(), QStringLiteral("select count(*) from ") + table + QStringLiteral(" where 存放位置=?"), {to}) >= changed);
    }

    void moveStatementShown()
    {
        QCOMPARE(LocationMove::statementText(SqlDialect(QStringLiteral("a")), QStringLiteral("图书"), QStringLiteral("书库"),
                                             QStringLiteral("阅览室")),
                 QStringLiteral("update 图书 set 存放位置=\"阅览室\" where 存放位置=\"书库\""));
        QCOMPARE(LocationMove::statementText(SqlDialect(QStringLiteral("s")), QStringLiteral("期刊"), QStringLiteral("A"),
                                             QStringLiteral("B")),
                 QStringLiteral("update 期刊 set 存放位置='B' where 存放位置='A'"));
    }

    void moveIncomplete_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::newRow("no table") << QString() << QStringLiteral("A") << QStringLiteral("B");
        QTest::newRow("other table") << QStringLiteral("读者库") << QStringLiteral("A") << QStringLiteral("B");
        QTest::newRow("blank from") << QStringLiteral("图书") << QStringLiteral("  ") << QStringLiteral("B");
        QTest::newRow("empty to") << QStringLiteral("期刊") << QStringLiteral("A") << QString();
    }
    void moveIncomplete()
    {
        QFETCH(QString, table);
        QFETCH(QString, from);
        QFETCH(QString, to);
        QVERIFY(!LocationMove::complete(table, from, to));
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        if (!table.isEmpty() && table != QStringLiteral("图书") && table != QStringLiteral("期刊"))
            QVERIFY_THROWS_EXCEPTION(DatabaseError, LocationMove::run(t.db(), table, from, to));
    }

    void lists_data() { TestDatabase::addEngines(); }
    void lists()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        t.db().exec(QStringLiteral("insert into 存放位置 (存放位置名) values ('阅览室')"));
        t.db().exec(QStringLiteral("insert into 院系 (名称) values ('理学院')"));
        t.db().exec(QStringLiteral("insert into 院系 (名称) values ('文学院')"));
        t.db().exec(QStringLiteral("insert into 班级 (名称) values ('一班')"));
        QCOMPARE(LocationMove::locations(t.db()), (QStringList{QStringLiteral("书库"), QStringLiteral("阅览室")}));
        QCOMPARE(ReaderBulkDeletion::faculties(t.db()), (QStringList{QStringLiteral("理学院"), QStringLiteral("文学院")}));
        QCOMPARE(ReaderBulkDeletion::classes(t.db()), QStringList{QStringLiteral("一班")});
        QCOMPARE(ReaderBulkDeletion::units(t.db()), QStringList{QStringLiteral("本单位")});
    }

    // Which readers a choice takes: readers without a card are matched like the others,
    // the department is 单位部门, and no box ticked takes every reader.
    void readerDeletion_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("faculty"); // empty: box not ticked
        QTest::addColumn<QString>("klass");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("left"); // readers that remain
        const QList<QStringList> cases{
            {"理学院", "", "", "R4 R5"},
            {"理学院", "一班", "", "R3 R4 R5"},
            {"", "一班", "本单位", "R3 R5"},
            {"", "", "外单位", "R1 R2 R4 R5"},
            {"理学院", "二班", "本单位", "R1 R2 R3 R4 R5"},
            {"", "", "", ""},
        };
        for (const char *e : {"sqlite", "postgresql"})
            for (const QStringList &c : cases)
                QTest::newRow(qPrintable(QStringLiteral("%1 %2/%3/%4").arg(QString::fromLatin1(e), c[0], c[1], c[2])))
                    << QString::fromLatin1(e) << c[0] << c[1] << c[2] << c[3];
    }
    void readerDeletion()
    {
        QFETCH(QString, engine);
        QFETCH(QString, faculty);
        QFETCH(QString, klass);
        QFETCH(QString, unit);
        QFETCH(QString, left);
        OPEN_TEST_DATABASE(t, engine);
        addReaders(t.db());
        ReaderChoice c;
        c.byFaculty = !faculty.isEmpty();
        c.院系 = faculty;
        c.byClass = !klass.isEmpty();
        c.班级 = klass;
        c.byUnit = !unit.isEmpty();
        c.单位部门 = unit;
        QVERIFY(ReaderBulkDeletion::complete(c));
        const QStringList remaining = left.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        QCOMPARE(ReaderBulkDeletion::count(t.db(), c), 5 - int(remaining.size()));
        QCOMPARE(ReaderBulkDeletion::run(t.db(), c), 5 - int(remaining.size()));
        QStringList after;
        QSqlQuery q = t.db().exec(QStringLiteral("select 读者编号 from 读者库 order by 读者编号"));
        while (q.next())
            after << q.value(0).toString();
        QCOMPARE(after, remaining);
    }

    void readerStatementShown()
    {
        ReaderChoice c;
        QCOMPARE(ReaderBulkDeletion::statementText(SqlDialect(QStringLiteral("a")), c), QStringLiteral("delete from 读者库"));
        c.byFaculty = true;
        c.院系 = QStringLiteral("理学院");
        c.byUnit = true;
        c.单位部门 = QStringLiteral("本单位");
        QCOMPARE(ReaderBulkDeletion::statementText(SqlDialect(QStringLiteral("a")), c),
                 QStringLiteral("delete from 读者库 where 院系=\"理学院\" and 单位部门=\"本单位\""));
        QCOMPARE(ReaderBulkDeletion::statementText(SqlDialect(QStringLiteral("s")), c),
                 QStringLiteral("delete from 读者库 where 院系='理学院' and 单位部门='本单位'"));
    }

    void readerChoiceIncomplete_data()
    {
        QTest::addColumn<bool>("byFaculty");
        QTest::addColumn<QString>("faculty");
        QTest::addColumn<bool>("byUnit");
        QTest::addColumn<QString>("unit");
        QTest::addColumn<bool>("complete");
        QTest::newRow("ticked without choice") << true << QStringLiteral(" ") << false << QString() << false;
        QTest::newRow("second ticked without choice") << true << QStringLiteral("理学院") << true << QString() << false;
        QTest::newRow("choice but not ticked") << false << QString() << false << QStringLiteral("本单位") << true;
    }
    void readerChoiceIncomplete()
    {
        QFETCH(bool, byFaculty);
        QFETCH(QString, faculty);
        QFETCH(bool, byUnit);
        QFETCH(QString, unit);
        QFETCH(bool, complete);
        ReaderChoice c;
        c.byFaculty = byFaculty;
        c.院系 = faculty;
        c.byUnit = byUnit;
        c.单位部门 = unit;
        QCOMPARE(ReaderBulkDeletion::complete(c), complete);
    }
};

QTEST_GUILESS_MAIN(TestBatchChanges)
#include "tst_batch_changes.moc"
