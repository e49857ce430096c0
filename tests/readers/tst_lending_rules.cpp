// SPDX-License-Identifier: MIT
// The reader categories and item levels: saving, renaming, deleting, on both engines.
#include "TestDatabase.h"
#include "readers/LendingRuleTable.h"

#include <QTest>


namespace {
LendingRuleTable tableNamed(const QString &which)
{
    return which == QLatin1String("categories") ? LendingRuleTable::readerCategories()
                                                : LendingRuleTable::itemLevels();
}
} // namespace

class TestLendingRules : public QObject
{
    Q_OBJECT

private slots:
    // Save needs the name and every number; lending cannot use a row without them.
    void saveCheck_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<bool>("refused");
        QTest::newRow("category complete") << "categories" << "教师" << QStringList{"60", "10", "0.5"} << false;
        QTest::newRow("category without name") << "categories" << "" << QStringList{"60", "10", "0"} << true;
        QTest::newRow("category only a name") << "categories" << "教师" << QStringList{"", "", ""} << true;
        QTest::newRow("category days not whole") << "categories" << "教师" << QStringList{"1.5", "10", "0"} << true;
        QTest::newRow("category rent two points") << "categories" << "教师" << QStringList{"60", "10", "1.2.3"} << true;
        QTest::newRow("level complete") << "levels" << "珍本" << QStringList{"2.5", "1"} << false;
        QTest::newRow("level without limit") << "levels" << "珍本" << QStringList{"2.5", ""} << true;
    }
    void saveCheck()
    {
        QFETCH(QString, which);
        QFETCH(QString, name);
        QFETCH(QStringList, values);
        QFETCH(bool, refused);
        QCOMPARE(tableNamed(which).check(name, values), refused ? QStringLiteral("请填写完整！") : QString());
    }

    void editRows_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("which");
        QTest::addColumn<QStringList>("values");
        QTest::addColumn<QStringList>("row");
        for (const char *e : {"sqlite", "postgresql"}) {
            const QString en = QString::fromLatin1(e);
            QTest::addRow("%s categories", e) << en << "categories" << QStringList{"60", "10", "0.25"}
                                              << QStringList{"X", "60", "10", "0.25"};
            QTest::addRow("%s levels", e) << en << "levels" << QStringList{"2.5", "1"} << QStringList{"X", "2.5", "1"};
        }
    }
    void editRows()
    {
        QFETCH(QString, engine);
        QFETCH(QString, which);
        QFETCH(QStringList, values);
        QFETCH(QStringList, row);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        const LendingRuleTable table = tableNamed(which);
        table.insert(db, QStringLiteral("老\"师'"), values);
        QList<QStringList> rows = table.rows(db);
        QCOMPARE(rows.size(), 2);
        row[0] = QStringLiteral("老\"师'");
        QCOMPARE(rows.at(1), row);

        // A second row of the same name (any letter case) is refused by the database.
        table.insert(db, QStringLiteral("Staff"), values);
        QVERIFY_THROWS_EXCEPTION(DatabaseError, table.insert(db, QStringLiteral("STAFF"), values));
        QVERIFY_THROWS_EXCEPTION(DatabaseError, table.update(db, QStringLiteral("Staff"), QStringLiteral("普通"), values));
        QCOMPARE(table.rows(db).size(), 3);

        // Renaming writes the row by its old name and leaves the others.
        table.update(db, QStringLiteral("老\"师'"), QStringLiteral("教师"), values);
        QStringList names;
        for (const QStringList &r : table.rows(db))
            names << r.at(0);
        names.sort();
        QCOMPARE(names, (QStringList{"Staff", "教师", "普通"}));

        QCOMPARE(table.removalRefusal(QStringLiteral("普通")), table.keepMessage());
        QVERIFY(table.removalRefusal(QStringLiteral("教师")).isEmpty());
        table.remove(db, QStringLiteral("教师"));
        QCOMPARE(table.rows(db).size(), 2);
    }

    void messages()
    {
        QCOMPARE(LendingRuleTable::readerCategories().keepMessage(), QStringLiteral("(普通)不能删除！"));
        QCOMPARE(LendingRuleTable::itemLevels().keepMessage(), QStringLiteral("\"普通\"类型必须保留!"));
        QCOMPARE(LendingRuleTable::deleteQuestion(QStringLiteral("教师")), QStringLiteral("您是否要删除\" 教师\""));
        QCOMPARE(LendingRuleTable::readerCategories().columns(),
                 (QStringList{"类别名", "借阅天数", "借阅数量限制", "租金"}));
        QCOMPARE(LendingRuleTable::itemLevels().columns(), (QStringList{"名称", "租金", "可借数量"}));
    }
};

QTEST_MAIN(TestLendingRules)
#include "tst_lending_rules.moc"
