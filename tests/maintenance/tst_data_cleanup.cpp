// SPDX-License-Identifier: MIT
// The clean-up: each box alone and all of them, the password, the returned loans only,
// the tables no box touches, and a failing deletion that leaves every table as it was.
#include "TestDatabase.h"
#include "maintenance/DataCleanup.h"

#include <QTest>

namespace {
using Part = DataCleanup::Part;

// Tables the clean-up can empty, and tables no box touches.
const QStringList kTables{QStringLiteral("图书"), QStringLiteral("期刊"), QStringLiteral("读者库"),
                          QStringLiteral("借出记录"), QStringLiteral("收入"), QStringLiteral("管理员日志"),
                          QStringLiteral("出版社名")};
const QStringList kUntouched{QStringLiteral("管理员"), QStringLiteral("系统设置"), QStringLiteral("读者类别"),
                             QStringLiteral("物品级别"), QStringLiteral("b_tuiJian"), QStringLiteral("分类"),
                             QStringLiteral("存放位置"), QStringLiteral("单位名称")};

int count(const SharedConnection &db, const QString &table, const QString &where = QString())
{
    return db.scalar(QStringLiteral("select count(*) from ") + table + where).toInt();
}

void fill(const SharedConnection &db)
{
    for (const char *n : {"B1", "B2"})
        db.exec(QStringLiteral("insert into 图书 (编号, 名称, 条形码, 数量) values (?, ?, ?, 1)"),
                {QString::fromLatin1(n), QStringLiteral("书"), QString::fromLatin1(n)});
    db.exec(QStringLiteral("insert into 期刊 (编号, 名称, 条形码, 数量) values ('Q1', '刊', 'Q1', 1)"));
    for (const char *n : {"R1", "R2"})
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名) values (?, '读者')"), {QString::fromLatin1(n)});
    const QList<QPair<const char *, const char *>> loans{{"B1", "是"}, {"B2", "是"}, {"Q1", "否"}};
    for (const auto &l : loans)
        db.exec(QStringLiteral("insert into 借出记录 (读者编号, 编号, 已还) values ('R1', ?, ?)"),
                {QString::fromLatin1(l.first), QString::fromUtf8(l.second)});
    db.exec(QStringLiteral("insert into 收入 (项目, 金额) values ('充值', 10)"));
    db.exec(QStringLiteral("insert into 收入 (项目, 金额) values ('开户费', 5)"));
    db.exec(QStringLiteral("insert into 管理员日志 (事件, 管理员) values ('删除', '超级管理员')"));
    db.exec(QStringLiteral("insert into b_tuiJian (编号, 名称) values ('B1', '书')"));
}

QMap<QString, int> counts(const SharedConnection &db)
{
    QMap<QString, int> m;
    for (const QString &t : kTables + kUntouched)
        m.insert(t, count(db, t));
    return m;
}
} // namespace

class TestDataCleanup : public QObject
{
    Q_OBJECT
private slots:
    // Each box alone empties exactly its table (the returned loans: only them).
    void eachBoxAlone_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<int>("part");
        for (const char *e : {"sqlite", "postgresql"})
            for (const DataCleanup::Step &s : DataCleanup::steps())
                QTest::newRow(qPrintable(QString::fromLatin1(e) + QLatin1Char(' ') + s.box))
                    << QString::fromLatin1(e) << int(s.part);
    }
    void eachBoxAlone()
    {
        QFETCH(QString, engine);
        QFETCH(int, part);
        OPEN_TEST_DATABASE(t, engine);
        fill(t.db());
        QMap<QString, int> expected = counts(t.db());
        QVERIFY(expected.value(QStringLiteral("出版社名")) > 0);
        const Part p = Part(part);
        QString message;
        for (const DataCleanup::Step &s : DataCleanup::steps())
            if (s.part == p)
                message = s.message;
        const QMap<int, QString> table{{int(Part::Books), QStringLiteral("图书")},
                                         {int(Part::Periodicals), QStringLiteral("期刊")},
                                         {int(Part::Readers), QStringLiteral("读者库")},
                                         {int(Part::AllLoans), QStringLiteral("借出记录")},
                                         {int(Part::Income), QStringLiteral("收入")},
                                         {int(Part::AdminLog), QStringLiteral("管理员日志")},
                                         {int(Part::Publishers), QStringLiteral("出版社名")}};
        if (p == Part::ReturnedLoans)
            expected[QStringLiteral("借出记录")] = 1;
        else
            expected[table.value(int(p))] = 0;

        const DataCleanup::Result r = DataCleanup::run(t.db(), QStringLiteral("qwpz"), {p});
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.messages, QStringList{message});
        QCOMPARE(counts(t.db()), expected);
        if (p == Part::ReturnedLoans)
            QCOMPARE(count(t.db(), QStringLiteral("借出记录"), QStringLiteral(" where 已还='否'")), 1);
    }

    // Every box: the messages in the table's order whatever order they were chosen in;
    // the tables no box names keep their rows.
    void allBoxes_data() { TestDatabase::addEngines(); }
    void allBoxes()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        fill(t.db());
        const QMap<QString, int> before = counts(t.db());
        QList<Part> chosen;
        QStringList messages;
        for (const DataCleanup::Step &s : DataCleanup::steps()) {
            chosen.prepend(s.part);
            messages << s.message;
        }
        const DataCleanup::Result r = DataCleanup::run(t.db(), QStringLiteral("qwpz"), chosen);
        QVERIFY2(r.ok, qPrintable(r.error));
        QCOMPARE(r.messages, messages);
        for (const QString &table : kTables)
            QCOMPARE(count(t.db(), table), 0);
        for (const QString &table : kUntouched)
            QCOMPARE(count(t.db(), table), before.value(table));
    }

    void wrongPassword_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("password");
        for (const char *e : {"sqlite", "postgresql"})
            for (const char *pwd : {"", "QWPZ", "qwpz ", " qwpz", "8316"})
                QTest::newRow(qPrintable(QStringLiteral("%1 '%2'").arg(QString::fromLatin1(e), QString::fromLatin1(pwd))))
                    << QString::fromLatin1(e) << QString::fromLatin1(pwd);
    }
    void wrongPassword()
    {
        QFETCH(QString, engine);
        QFETCH(QString, password);
        OPEN_TEST_DATABASE(t, engine);
        fill(t.db());
        const QMap<QString, int> before = counts(t.db());
        QList<Part> all;
        for (const DataCleanup::Step &s : DataCleanup::steps())
            all << s.part;
        const DataCleanup::Result r = DataCleanup::run(t.db(), password, all);
        QVERIFY(!r.ok);
        QCOMPARE(r.error, QStringLiteral("密码错误!"));
        QVERIFY(r.messages.isEmpty());
        QCOMPARE(counts(t.db()), before);
    }

    // A deletion the database refuses (here a trigger on 管理员日志) undoes the ones
    // before it: all or nothing, with the database's own message.
    void failureLeavesEverything_data() { TestDatabase::addEngines(); }
    void failureLeavesEverything()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        fill(t.db());
        if (engine == QLatin1String("sqlite")) {
            t.db().exec(QStringLiteral("create trigger keep_log before delete on 管理员日志 "
                                       "begin select raise(abort, 'log is kept'); end"));
        } else {
            t.db().exec(QStringLiteral("create function keep_log() returns trigger language plpgsql as "
                                       "$$ begin raise exception 'log is kept'; end $$"));
            t.db().exec(QStringLiteral("create trigger keep_log before delete on 管理员日志 "
                                       "for each row execute function keep_log()"));
        }
        const QMap<QString, int> before = counts(t.db());
        const DataCleanup::Result r =
            DataCleanup::run(t.db(), QStringLiteral("qwpz"), {Part::Books, Part::Readers, Part::AdminLog, Part::Publishers});
        QVERIFY(!r.ok);
        QVERIFY2(r.error.contains(QStringLiteral("log is kept")), qPrintable(r.error));
        QVERIFY(r.messages.isEmpty());
        QCOMPARE(counts(t.db()), before);
        QVERIFY(!t.db().inTransaction());
    }

    void bookctlNames()
    {
        QStringList names;
        for (const DataCleanup::Step &s : DataCleanup::steps()) {
            Part p;
            QVERIFY(DataCleanup::partNamed(s.name, &p));
            QCOMPARE(p, s.part);
            names << s.name;
        }
        QCOMPARE(names.join(QLatin1Char(',')), QStringLiteral("图书,期刊,读者,借阅,资金,已还借阅,日志,出版社"));
        Part p;
        QVERIFY(!DataCleanup::partNamed(QStringLiteral("管理员"), &p));
    }
};

QTEST_GUILESS_MAIN(TestDataCleanup)
#include "tst_data_cleanup.moc"
