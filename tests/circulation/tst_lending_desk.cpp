// SPDX-License-Identifier: MIT
// The lending counter's core on both engines: the reader lookup, the item checks in
// their order, the pending list, and "借出" writing every row and counter at once.
#include "CirculationFixtures.h"
#include "TestDatabase.h"
#include "circulation/LendingDesk.h"

#include <QTest>

using namespace Fixture;

namespace {
// "B1" or "期刊:Q1", looked up by 编号 ("条形码=TMB1" looks up by barcode).
LendingDesk::Found lookUp(LendingDesk &desk, const QString &wanted)
{
    QString v = wanted;
    ItemTable table = ItemTable::Book;
    if (v.startsWith(QStringLiteral("期刊:"))) {
        table = ItemTable::Periodical;
        v = v.mid(3);
    }
    ItemKey key = ItemKey::Number;
    if (v.startsWith(QStringLiteral("条形码="))) {
        key = ItemKey::Barcode;
        v = v.mid(4);
    }
    return desk.findItems(table, key, v);
}

// Finds and admits one item; returns "listed", "already", or the refusal text.
QString offer(LendingDesk &desk, const QString &wanted, QString *warning = nullptr)
{
    const LendingDesk::Found found = lookUp(desk, wanted);
    if (found.rows.isEmpty())
        return found.message;
    const LendingDesk::Admission a = desk.admit(found.rows.first());
    if (warning)
        *warning = a.warning;
    switch (a.outcome) {
    case LendingDesk::Outcome::Listed:
        return QStringLiteral("listed");
    case LendingDesk::Outcome::AlreadyListed:
        return a.message.isEmpty() ? QStringLiteral("already") : a.message;
    case LendingDesk::Outcome::Refused:
        break;
    }
    return a.message;
}

void applySwitches(LoginSession &s, const QString &pairs)
{
    for (const QString &pair : pairs.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString name = pair.section(QLatin1Char('='), 0, 0);
        const bool on = pair.section(QLatin1Char('='), 1) == QLatin1String("1");
        if (name == QLatin1String("rent"))
            s.switches.启用租金功能 = on;
        else if (name == QLatin1String("readerRent"))
            s.switches.启用读者租金 = on;
        else if (name == QLatin1String("validity"))
            s.switches.启用读者有效期 = on;
        else if (name == QLatin1String("reserve"))
            s.switches.启用预定功能 = on;
        else if (name == QLatin1String("limit"))
            s.switches.借阅数量限制功能 = on;
        else
            qFatal("unknown switch %s", qPrintable(name));
    }
}
} // namespace

class TestLendingDesk : public QObject
{
    Q_OBJECT

private slots:
    void init() { DayClock::setToday(day()); }
    void cleanup() { DayClock::setToday(QDate()); }

    void readerLookup_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("readerRow"); // pairs for reader R1
        QTest::addColumn<QString>("switches");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("message"); // empty: loaded
        const QString notFound = QStringLiteral("没有该编号/卡号的读者资料,请检查输入的是否正确!");
        for (const QString &e : engines()) {
            auto row = [&e](const char *name) { return &QTest::newRow(qPrintable(e + QLatin1Char('/') + QLatin1String(name))); };
            *row("by number") << e << "" << "" << "R1" << "";
            *row("by number, blanks trimmed") << e << "" << "" << "  R1 " << "";
            *row("number in other letter case") << e << "" << "" << "r1" << "";
            *row("by card") << e << "CardId=C-77" << "" << "C-77" << "";
            *row("unknown") << e << "" << "" << "R9" << notFound;
            *row("empty") << e << "" << "" << "" << notFound;
            *row("suspended") << e << "状态=停用" << "" << "R1"
                              << "该用户状态是\"停用\",所以不能使用,只有状态为\"正常\"的用户才可用!";
            *row("expired yesterday") << e << "有效期=today-1" << "" << "R1"
                                      << "该读者有效期是: 2024-03-14 ,已经超期,不能借阅.";
            *row("expired, validity off") << e << "有效期=today-1" << "validity=0" << "R1" << "";
            *row("expires today") << e << "有效期=today" << "" << "R1" << "";
            *row("no expiry date") << e << "有效期=null" << "" << "R1" << "";
            *row("category missing") << e << "类别=教师" << "" << "R1"
                                     << "读者类别中没有该读者类别,请先去读者类别中设置好对应的类别及其参数";
            *row("category without loan days") << e << "类别=空类" << "" << "R1"
                                               << "读者类别\"空类\"的借阅天数或借阅数量限制没有设置,请先去读者类别中设置好对应的类别及其参数";
        }
    }
    void readerLookup()
    {
        QFETCH(QString, engine);
        QFETCH(QString, readerRow);
        QFETCH(QString, switches);
        QFETCH(QString, typed);
        QFETCH(QString, message);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 读者类别 (类别名, 借阅天数, 借阅数量限制) values (?, null, null)"),
                {QStringLiteral("空类")});
        reader(db, QStringLiteral("R1"), readerRow);
        reader(db, QStringLiteral("R2"), QStringLiteral("CardId=R1X"));
        LoginSession s = session();
        applySwitches(s, switches);
        LendingDesk desk(db, s);
        QCOMPARE(desk.lookUpReader(typed), message);
        QCOMPARE(desk.hasReader(), message.isEmpty());
        if (message.isEmpty()) {
            QCOMPARE(desk.reader().读者编号, QStringLiteral("R1"));
            QCOMPARE(desk.reader().借阅天数, 30);
            QCOMPARE(desk.reader().借阅数量限制, 5);
        }
    }

    void readerNumberBeatsCardNumber_data() { TestDatabase::addEngines(); }
    void readerNumberBeatsCardNumber()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        // R1's card number is R2's reader number: typing R2 means reader R2.
        reader(db, QStringLiteral("R1"), QStringLiteral("CardId=R2"));
        reader(db, QStringLiteral("R2"));
        const LoginSession s = session();
        LendingDesk desk(db, s);
        QCOMPARE(desk.lookUpReader(QStringLiteral("R2")), QString());
        QCOMPARE(desk.reader().读者编号, QStringLiteral("R2"));
        // A refused lookup drops the reader loaded before.
        QVERIFY(!desk.lookUpReader(QStringLiteral("nobody")).isEmpty());
        QVERIFY(!desk.hasReader());
    }

    void itemChecks_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("switches");
        QTest::addColumn<QString>("readerRow"); // pairs for reader R1
        QTest::addColumn<QStringList>("items");  // "B1;列=值;..." rows
        QTest::addColumn<QStringList>("loans");  // open loans of R1: "B8;列=值"
        QTest::addColumn<QStringList>("lookups"); // in order; the last one is judged
        QTest::addColumn<QString>("result");      // "listed", "already" or the refusal
        QTest::addColumn<QString>("warning");
        QTest::addColumn<int>("pending");

        const QString level = QStringLiteral("已经超出物品级别中规定的（ 珍本 ）的物品级别的可借数量，不能再借了!");
        const QString reserved = QStringLiteral("该图书已经被读者编号为: (R2) 的读者预定了，您不能借.");
        const QString over = QStringLiteral("提示:该读者超过借阅数量!");
        const QStringList none;
        for (const QString &e : engines()) {
            auto row = [&e](const char *name) { return &QTest::newRow(qPrintable(e + QLatin1Char('/') + QLatin1String(name))); };
            *row("plain book") << e << "" << "" << QStringList{"B1"} << none << QStringList{"B1"} << "listed" << "" << 1;
            *row("by barcode") << e << "" << "" << QStringList{"B1"} << none << QStringList{"条形码=TMB1"} << "listed" << "" << 1;
            *row("book missing") << e << "" << "" << none << none << QStringList{"B1"}
                                 << "没有找到该图书的数据,请重新输入." << "" << 0;
            *row("periodical missing") << e << "" << "" << QStringList{"B1"} << none << QStringList{"期刊:B1"}
                                       << "没有找到该期刊的数据,请重新输入." << "" << 0;
            *row("untrimmed value finds nothing") << e << "" << "" << QStringList{"B1"} << none << QStringList{"B1 "}
                                                  << "没有找到该图书的数据,请重新输入." << "" << 0;
            *row("no copy left") << e << "" << "" << QStringList{"B1;数量=0"} << none << QStringList{"B1"}
                                 << "数量不足." << "" << 0;
            *row("stock before not-for-loan and reservation")
                << e << "" << "" << QStringList{"B1;数量=0;状态=不外借;预定状况=R2;预定到期时间=today+3 12:00:00"} << none
                << QStringList{"B1"} << "数量不足." << "" << 0;
            *row("not for loan before reservation")
                << e << "" << "" << QStringList{"B1;状态=不外借;预定状况=R2;预定到期时间=today+3 12:00:00"} << none
                << QStringList{"B1"} << "该资料不外借,请与图书馆管理员联系!" << "" << 0;
            *row("reserved by another reader")
                << e << "" << "" << QStringList{"B1;预定状况=R2;预定到期时间=today+3 12:00:00"} << none
                << QStringList{"B1"} << reserved << "" << 0;
            *row("reserved by this reader")
                << e << "" << "" << QStringList{"B1;预定状况=R1;预定到期时间=today+3 12:00:00"} << none
                << QStringList{"B1"} << "listed" << "" << 1;
            *row("reservation ignored when switched off")
                << e << "reserve=0" << "" << QStringList{"B1;预定状况=R2;预定到期时间=today+3 12:00:00"} << none
                << QStringList{"B1"} << "listed" << "" << 1;
            *row("lapsed reservation no longer blocks")
                << e << "" << "" << QStringList{"B1;预定状况=R2;预定到期时间=today-1 12:00:00"} << none
                << QStringList{"B1"} << "listed" << "" << 1;
            *row("periodical reserved by another reader")
                << e << "" << "" << QStringList{"期刊:Q1;预定状况=R2;预定到期时间=today-1 12:00:00"} << none
                << QStringList{"期刊:Q1"} << reserved << "" << 0;
            *row("level limit reached by open loans")
                << e << "" << "" << QStringList{"B1;物品级别=珍本"} << QStringList{"B8;物品级别=珍本", "B9;物品级别=珍本"}
                << QStringList{"B1"} << level << "" << 0;
            *row("level limit: first further item listed")
                << e << "" << "" << QStringList{"B1;物品级别=珍本"} << QStringList{"B8;物品级别=珍本"}
                << QStringList{"B1"} << "listed" << "" << 1;
            *row("level limit: open and pending together")
                << e << "" << "" << QStringList{"B1;物品级别=珍本", "B2;物品级别=珍本"} << QStringList{"B8;物品级别=珍本"}
                << QStringList{"B1", "B2"} << level << "" << 1;
            *row("level limit: pending only")
                << e << "" << "" << QStringList{"B1;物品级别=珍本", "B2;物品级别=珍本", "B3;物品级别=珍本"} << none
                << QStringList{"B1", "B2", "B3"} << level << "" << 2;
            *row("level limit: other levels do not count")
                << e << "" << "" << QStringList{"B1", "B2;物品级别=珍本"} << QStringList{"B8;物品级别=珍本"}
                << QStringList{"B1", "B2"} << "listed" << "" << 2;
            *row("level limit: returned loans do not count")
                << e << "" << "" << QStringList{"B1;物品级别=珍本"} << QStringList{"B8;物品级别=珍本;已还=是", "B9;物品级别=珍本;已还=是"}
                << QStringList{"B1"} << "listed" << "" << 1;
            *row("level without limit")
                << e << "" << "" << QStringList{"B1;物品级别=普通"} << QStringList{"B7", "B8", "B9"}
                << QStringList{"B1"} << "listed" << "" << 1;
            *row("level limit 1 lets one be held")
                << e << "" << "" << QStringList{"B1;物品级别=单本", "B2;物品级别=单本"} << none
                << QStringList{"B1", "B2"} << "已经超出物品级别中规定的（ 单本 ）的物品级别的可借数量，不能再借了!" << "" << 1;
            *row("same item twice") << e << "" << "" << QStringList{"B1;数量=3"} << none << QStringList{"B1", "B1"}
                                    << "already" << "" << 1;
            *row("same number in both tables") << e << "" << "" << QStringList{"X1", "期刊:X1"} << none
                                               << QStringList{"X1", "期刊:X1"} << "listed" << "" << 2;
            *row("over the loan limit: warning only")
                << e << "" << "借阅数量限制=3;未还数量=2;类别=三本" << QStringList{"B1", "B2"} << none
                << QStringList{"B1", "B2"} << "listed" << over << 2;
            *row("at the loan limit: no warning")
                << e << "" << "未还数量=2;类别=三本" << QStringList{"B1"} << none
                << QStringList{"B1"} << "listed" << "" << 1;
            *row("loan limit switched off")
                << e << "limit=0" << "未还数量=2;类别=三本" << QStringList{"B1", "B2"} << none
                << QStringList{"B1", "B2"} << "listed" << "" << 2;
        }
    }
    void itemChecks()
    {
        QFETCH(QString, engine);
        QFETCH(QString, switches);
        QFETCH(QString, readerRow);
        QFETCH(QStringList, items);
        QFETCH(QStringList, loans);
        QFETCH(QStringList, lookups);
        QFETCH(QString, result);
        QFETCH(QString, warning);
        QFETCH(int, pending);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 物品级别 (名称, 租金, 可借数量) values (?, 1.5, 2), (?, 0, 1)"),
                {QStringLiteral("珍本"), QStringLiteral("单本")});
        db.exec(QStringLiteral("insert into 读者类别 (类别名, 借阅天数, 借阅数量限制, 租金) values (?, 14, 3, 0)"),
                {QStringLiteral("三本")});
        reader(db, QStringLiteral("R1"), readerRow.remove(QStringLiteral("借阅数量限制=3;")));
        reader(db, QStringLiteral("R2"));
        for (const QString &i : items)
            item(db, i.section(QLatin1Char(';'), 0, 0), i.section(QLatin1Char(';'), 1));
        for (const QString &l : loans)
            loan(db, QStringLiteral("R1"), l.section(QLatin1Char(';'), 0, 0), l.section(QLatin1Char(';'), 1));

        LoginSession s = session();
        applySwitches(s, switches);
        LendingDesk desk(db, s);
        QCOMPARE(desk.lookUpReader(QStringLiteral("R1")), QString());
        QString got;
        QString warned;
        for (const QString &wanted : lookups)
            got = offer(desk, wanted, &warned);
        QCOMPARE(got, result);
        QCOMPARE(warned, warning);
        QCOMPARE(desk.pending().size(), pending);
    }

    void lookupSweepsLapsedReservations_data() { TestDatabase::addEngines(); }
    void lookupSweepsLapsedReservations()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"));
        item(db, QStringLiteral("B1"), QStringLiteral("预定状况=R2;预定到期时间=today-1 08:00:00"));
        item(db, QStringLiteral("B2"), QStringLiteral("预定状况=R2;预定到期时间=today+1 08:00:00"));
        item(db, QStringLiteral("期刊:Q1"), QStringLiteral("预定状况=R2;预定到期时间=today-1 08:00:00"));
        LoginSession s = session();
        LendingDesk desk(db, s);
        desk.lookUpReader(QStringLiteral("R1"));
        // Any lookup sweeps the book table, also one for a periodical.
        lookUp(desk, QStringLiteral("期刊:none"));
        const QString where = QStringLiteral("编号=?");
        QCOMPARE(cell(db, QStringLiteral("图书"), QStringLiteral("预定状况"), where, {QStringLiteral("B1")}), QStringLiteral("null"));
        QCOMPARE(cell(db, QStringLiteral("图书"), QStringLiteral("预定到期时间"), where, {QStringLiteral("B1")}), QStringLiteral("null"));
        QCOMPARE(cell(db, QStringLiteral("图书"), QStringLiteral("预定状况"), where, {QStringLiteral("B2")}), QStringLiteral("R2"));
        QCOMPARE(cell(db, QStringLiteral("期刊"), QStringLiteral("预定状况"), where, {QStringLiteral("Q1")}), QStringLiteral("R2"));

        // Switched off: nothing is swept.
        db.exec(QStringLiteral("update 图书 set 预定状况=?, 预定到期时间=? where 编号=?"),
                {QStringLiteral("R2"), QDateTime(day().addDays(-1), QTime(8, 0)), QStringLiteral("B1")});
        s.switches.启用预定功能 = false;
        lookUp(desk, QStringLiteral("B2"));
        QCOMPARE(cell(db, QStringLiteral("图书"), QStringLiteral("预定状况"), where, {QStringLiteral("B1")}), QStringLiteral("R2"));
    }

    void itemLookupNeedsReader_data() { TestDatabase::addEngines(); }
    void itemLookupNeedsReader()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        item(db, QStringLiteral("B1"));
        const LoginSession s = session();
        LendingDesk desk(db, s);
        QCOMPARE(offer(desk, QStringLiteral("B1")), QStringLiteral("请输入读者编号后按回车!"));
        QVERIFY(desk.pending().isEmpty());
        QCOMPARE(desk.lend(false).message, QStringLiteral("请输入读者编号后按回车!"));
    }

    void dailyRent_data()
    {
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("switches");
        QTest::addColumn<QString>("level"); // the item's 物品级别
        QTest::addColumn<QString>("rent");  // the pending line's and the loan's 租金
        for (const QString &e : engines()) {
            auto row = [&e](const char *name) { return &QTest::newRow(qPrintable(e + QLatin1Char('/') + QLatin1String(name))); };
            *row("rent by reader category") << e << "rent=1;readerRent=1" << "珍本" << "0.35";
            *row("rent by item level") << e << "rent=1;readerRent=0" << "珍本" << "1.5";
            *row("rent by level, item without level") << e << "rent=1;readerRent=0" << "null" << "0";
            *row("rent by level, level missing") << e << "rent=1;readerRent=0" << "无此级别" << "0";
            *row("rent off") << e << "rent=0;readerRent=1" << "珍本" << "0";
            *row("rent off, level rent") << e << "rent=0;readerRent=0" << "珍本" << "0";
        }
    }
    void dailyRent()
    {
        QFETCH(QString, engine);
        QFETCH(QString, switches);
        QFETCH(QString, level);
        QFETCH(QString, rent);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("update 读者类别 set 租金=0.35"));
        db.exec(QStringLiteral("insert into 物品级别 (名称, 租金, 可借数量) values (?, 1.5, 0)"), {QStringLiteral("珍本")});
        reader(db, QStringLiteral("R1"));
        item(db, QStringLiteral("B1"), QStringLiteral("物品级别=") + level);
        LoginSession s = session();
        applySwitches(s, switches);
        LendingDesk desk(db, s);
        desk.lookUpReader(QStringLiteral("R1"));
        const LendingDesk::Found found = lookUp(desk, QStringLiteral("B1"));
        const LendingDesk::Admission a = desk.admit(found.rows.value(0));
        QCOMPARE(a.levelRent.toString(), level == QStringLiteral("珍本") ? QStringLiteral("1.5") : QStringLiteral("0"));
        QCOMPARE(desk.pending().value(0).租金.toString(), rent);
        const LendingDesk::LendResult r = desk.lend(false);
        QVERIFY2(r.ok, qPrintable(r.message));
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("租金"), QStringLiteral("编号=?"), {QStringLiteral("B1")}), rent);
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("物品级别"), QStringLiteral("编号=?"), {QStringLiteral("B1")}), level);
    }

    void lendWritesRowsAndCounters_data() { TestDatabase::addEngines(); }
    void lendWritesRowsAndCounters()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"), QStringLiteral("读者姓名=王小二;未还数量=1;累计借阅次数=7;卡内金额=12.5"));
        item(db, QStringLiteral("B1"), QStringLiteral("名称=红楼梦;数量=2;借出次数=3;价格=35.8;预定状况=R1;预定到期时间=today+2 10:00:00"));
        item(db, QStringLiteral("期刊:Q1"), QStringLiteral("名称=读者(2024年第1期);物品级别=null;价格=6"));
        LoginSession s = session();
        LendingDesk desk(db, s);
        QCOMPARE(desk.lookUpReader(QStringLiteral("R1")), QString());
        QCOMPARE(offer(desk, QStringLiteral("B1")), QStringLiteral("listed"));
        QCOMPARE(offer(desk, QStringLiteral("期刊:Q1")), QStringLiteral("listed"));
        const PendingLine line = desk.pending().at(1);
        QCOMPARE(line.类别(), QStringLiteral("期刊"));
        QCOMPARE(line.天数, 30);

        const LendingDesk::LendResult r = desk.lend(false);
        QVERIFY2(r.ok, qPrintable(r.message));
        QCOMPARE(r.message, QStringLiteral("借阅完毕!"));
        QCOMPARE(r.loans.size(), 2);
        QVERIFY(r.loans[0].id > 0 && r.loans[1].id > r.loans[0].id);
        QCOMPARE(r.loans[1].类别, QStringLiteral("期刊"));
        QCOMPARE(r.loans[0].应还日期, QDate(2024, 4, 14));
        QVERIFY(desk.pending().isEmpty());
        QVERIFY(!desk.hasReader());

        // Loan rows: the columns lending writes, the rest as the schema leaves them.
        const QStringList loans = dump(db, QStringLiteral("借出记录"), QStringLiteral("id"));
        QCOMPARE(loans.size(), 2);
        const QString id0 = QString::number(r.loans[0].id), id1 = QString::number(r.loans[1].id);
        QCOMPARE(loans[0], id0 + QStringLiteral("|R1|王小二|null|TMB1|B1|红楼梦|图书|普通|35.8|null|2024-03-15|2024-04-14|null|否|0|0|0|0|0|管理员甲|null|完好|0|null"));
        QCOMPARE(loans[1], id1 + QStringLiteral("|R1|王小二|null|TMQ1|Q1|读者(2024年第1期)|期刊|null|6|null|2024-03-15|2024-04-14|null|否|0|0|0|0|0|管理员甲|null|完好|0|null"));

        auto r1 = [&](const char *column) {
            return cell(db, QStringLiteral("读者库"), QString::fromUtf8(column), QStringLiteral("读者编号=?"), {QStringLiteral("R1")});
        };
        QCOMPARE(r1("未还数量"), QStringLiteral("3"));
        QCOMPARE(r1("累计借阅次数"), QStringLiteral("9"));
        QCOMPARE(r1("卡内金额"), QStringLiteral("12.5")); // no money moves at lending
        auto b1 = [&](const char *column) {
            return cell(db, QStringLiteral("图书"), QString::fromUtf8(column), QStringLiteral("编号=?"), {QStringLiteral("B1")});
        };
        QCOMPARE(b1("数量"), QStringLiteral("1"));
        QCOMPARE(b1("借出次数"), QStringLiteral("4"));
        QCOMPARE(b1("预定状况"), QStringLiteral("null"));
        QCOMPARE(b1("预定到期时间"), QStringLiteral("null"));
        QCOMPARE(cell(db, QStringLiteral("期刊"), QStringLiteral("数量"), QStringLiteral("编号=?"), {QStringLiteral("Q1")}), QStringLiteral("0"));
    }

    void lendIsAllOrNothing_data() { TestDatabase::addEngines(); }
    void lendIsAllOrNothing()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"));
        item(db, QStringLiteral("B1"));
        item(db, QStringLiteral("B2"), QStringLiteral("名称=三国演义"));
        item(db, QStringLiteral("B3"));
        const LoginSession s = session();
        LendingDesk desk(db, s);
        desk.lookUpReader(QStringLiteral("R1"));
        for (const char *b : {"B1", "B2", "B3"})
            QCOMPARE(offer(desk, QString::fromUtf8(b)), QStringLiteral("listed"));
        // Another workstation lends B2's last copy meanwhile.
        db.exec(QStringLiteral("update 图书 set 数量=0 where 编号=?"), {QStringLiteral("B2")});

        const LendingDesk::LendResult r = desk.lend(false);
        QVERIFY(!r.ok);
        QCOMPARE(r.message, QStringLiteral("数量不足. 编号: B2, 名称: 三国演义"));
        QVERIFY(r.loans.isEmpty());
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt(), 0);
        QCOMPARE(db.scalar(QStringLiteral("select sum(数量) from 图书")).toInt(), 2);
        QCOMPARE(db.scalar(QStringLiteral("select sum(借出次数) from 图书")).toInt(), 0);
        QCOMPARE(cell(db, QStringLiteral("读者库"), QStringLiteral("未还数量"), QStringLiteral("读者编号=?"), {QStringLiteral("R1")}), QStringLiteral("0"));
        // The operator keeps the list and the reader, takes the line off and lends the rest.
        QCOMPARE(desk.pending().size(), 3);
        QVERIFY(desk.hasReader());
        desk.removeLine(1);
        QVERIFY(desk.lend(false).ok);
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt(), 2);
    }

    void databaseErrorRollsBack_data() { TestDatabase::addEngines(); }
    void databaseErrorRollsBack()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        reader(db, QStringLiteral("R1"));
        item(db, QStringLiteral("B1"));
        item(db, QStringLiteral("B2"));
        const LoginSession s = session();
        LendingDesk desk(db, s);
        desk.lookUpReader(QStringLiteral("R1"));
        offer(desk, QStringLiteral("B1"));
        offer(desk, QStringLiteral("B2"));
        // The second loan row cannot be written: the engine's message reaches the
        // operator and the first loan is undone with it.
        db.exec(QStringLiteral("alter table 借出记录 rename to 借出记录_old"));
        db.exec(QStringLiteral("create table 借出记录 as select * from 借出记录_old where 1=0"));
        db.exec(QStringLiteral("create unique index ux_only_one on 借出记录 (读者编号)"));
        const LendingDesk::LendResult r = desk.lend(false);
        QVERIFY(!r.ok);
        QVERIFY2(!r.message.isEmpty(), "the engine's message");
        QCOMPARE(db.scalar(QStringLiteral("select count(*) from 借出记录")).toInt(), 0);
        QCOMPARE(db.scalar(QStringLiteral("select sum(数量) from 图书")).toInt(), 2);
        QCOMPARE(desk.pending().size(), 2);
        QVERIFY(!db.inTransaction());
    }

    void pendingListSurvivesNewReader_data() { TestDatabase::addEngines(); }
    void pendingListSurvivesNewReader()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        db.exec(QStringLiteral("insert into 读者类别 (类别名, 借阅天数, 借阅数量限制, 租金) values (?, 7, 5, 0)"),
                {QStringLiteral("短期")});
        reader(db, QStringLiteral("R1"));
        reader(db, QStringLiteral("R2"), QStringLiteral("类别=短期"));
        item(db, QStringLiteral("B1"));
        const LoginSession s = session();
        LendingDesk desk(db, s);
        desk.lookUpReader(QStringLiteral("R1"));
        offer(desk, QStringLiteral("B1"));
        desk.lookUpReader(QStringLiteral("R2"));
        QCOMPARE(desk.pending().size(), 1);
        QVERIFY(desk.lend(false).ok);
        // The loan is the reader's of the moment, due after that reader's loan days.
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("读者编号"), QStringLiteral("编号=?"), {QStringLiteral("B1")}),
                 QStringLiteral("R2"));
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("应还日期"), QStringLiteral("编号=?"), {QStringLiteral("B1")}),
                 QStringLiteral("2024-03-22"));
        // An empty list lends nothing and says nothing.
        desk.lookUpReader(QStringLiteral("R2"));
        const LendingDesk::LendResult empty = desk.lend(false);
        QVERIFY(!empty.ok);
        QCOMPARE(empty.message, QString());
    }

    void titleWithQuotesStoredAsTyped_data() { TestDatabase::addEngines(); }
    void titleWithQuotesStoredAsTyped()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        SharedConnection &db = t.db();
        const QString title = QStringLiteral("O'Neil \"选集\" #1");
        reader(db, QStringLiteral("R'1"), QStringLiteral("读者姓名=O\"Brien"));
        item(db, QStringLiteral("B'1"), QStringLiteral("名称=") + title);
        const LoginSession s = session();
        LendingDesk desk(db, s);
        QCOMPARE(desk.lookUpReader(QStringLiteral("R'1")), QString());
        QCOMPARE(offer(desk, QStringLiteral("B'1")), QStringLiteral("listed"));
        QVERIFY(desk.lend(false).ok);
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("名称"), QStringLiteral("编号=?"), {QStringLiteral("B'1")}), title);
        QCOMPARE(cell(db, QStringLiteral("借出记录"), QStringLiteral("读者姓名"), QStringLiteral("编号=?"), {QStringLiteral("B'1")}),
                 QStringLiteral("O\"Brien"));
    }
};

QTEST_GUILESS_MAIN(TestLendingDesk)
#include "tst_lending_desk.moc"
