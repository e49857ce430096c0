// SPDX-License-Identifier: MIT
// Hostile text in the boxes of registration and search and in the cells of the imports,
// on both engines: quotes, SQL, backslashes, wildcards, very long texts, what broken GBK
// bytes decode to, characters GBK lacks, NUL and control characters. Each value is either
// stored exactly as its rule says or refused with a message; it never runs as SQL (every
// other row and table is unchanged afterwards), and a search for it finds exactly the
// rows that hold it.
#include "../import/ImportFixtures.h"
#include "TestDatabase.h"
#include "catalogue/BookRegistration.h"
#include "catalogue/CatalogueSearch.h"
#include "catalogue/PeriodicalRegistration.h"
#include "circulation/LendingPickers.h"
#include "foundation/DayClock.h"
#include "foundation/Gbk.h"
#include "foundation/Schema.h"
#include "import/SheetImport.h"
#include "readers/ReaderRegistry.h"
#include "readers/ReaderSearch.h"

#include <QFile>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTest>

using ImportFixtures::storedText;

namespace {

// What an engine may do with a value in a text column besides storing it.
enum class Refusal {
    Never,        // it must be stored
    WhenIndexed,  // PostgreSQL may refuse it where an index holds the column (a key of
                  // more than about 2700 bytes after compression)
    Always,       // it must be refused with a message wherever it goes
};

struct Hostile {
    const char *name;
    QString value;
    Refusal refusal = Refusal::Never;
};

QString longText(bool varied)
{
    QString s;
    if (varied) {
        quint32 x = 20241208;
        while (s.size() < 10000) {
            x = x * 1103515245u + 12345u;
            s += QChar(char16_t(0x4E00 + (x >> 8) % 0x5000)); // CJK ideographs, barely compressible
        }
        return s;
    }
    const QString unit = QStringLiteral("长'文\"本\\;--");
    while (s.size() < 10000)
        s += unit;
    s.truncate(10000);
    return s;
}

const QList<Hostile> &hostileValues()
{
    static const QList<Hostile> values{
        {"apostrophe", QStringLiteral("O'Brien's 书")},
        {"double quote", QStringLiteral("他说\"你好\"")},
        {"quote pairs", QStringLiteral("'\"''\"\"'")},
        {"drop table", QStringLiteral("'); DROP TABLE 图书; --")},
        {"drop table double quoted", QStringLiteral("\"); DROP TABLE 读者库; --")},
        {"or 1=1", QStringLiteral("1 OR 1=1")},
        {"quoted or", QStringLiteral("' OR '1'='1")},
        {"sql keywords", QStringLiteral("SELECT * FROM 管理员; UPDATE 管理员 SET pwd='0'; DELETE FROM 借出记录 "
                                        "WHERE 1=1 UNION ALL SELECT NULL")},
        {"comments", QStringLiteral("名称/* x */--#")},
        {"backslashes", QStringLiteral("C:\\书\\'目录'\\n\\")},
        {"backslash before quote", QStringLiteral("\\'; select 1; --")},
        {"percent", QStringLiteral("100%")},
        {"underscore", QStringLiteral("a_b")},
        {"wildcards only", QStringLiteral("%_%")},
        {"10000 repeated characters", longText(false)},
        {"10000 varied characters", longText(true), Refusal::WhenIndexed},
        {"replacement characters", QStringLiteral("书\uFFFD名\uFFFD")},
        {"GBK bytes read as Latin-1", QString::fromLatin1("\xB0\xA1\x81\xBA x\xFF")},
        {"broken GBK decoded", Gbk::decode(QByteArray("\xC4\xE3\xBA\x31\xFF\xB0\xA1\xB0"))},
        {"emoji", QStringLiteral("😀👨‍👩‍👧")},
        {"ideographs beyond the BMP", QStringLiteral("𠀀𪚥")},
        {"Hangul", QStringLiteral("한국어")},
        {"Arabic", QStringLiteral("العربية\u200F")},
        {"NUL", QStringLiteral("a") + QChar(0) + QStringLiteral("b"), Refusal::Always},
        {"control characters", QStringLiteral("a\x01\x07\x1b[31m\x7f\tb\r\nc\x0b\x0c" "d")},
    };
    return values;
}

void addHostileRows()
{
    QTest::addColumn<QString>("engine");
    QTest::addColumn<QString>("value");
    QTest::addColumn<int>("refusal");
    for (const char *engine : {"sqlite", "postgresql"})
        for (const Hostile &h : hostileValues())
            QTest::addRow("%s %s", engine, h.name) << engine << h.value << int(h.refusal);
}

bool isNumeric(const QString &table, const QString &column)
{
    const Schema::Type t = Schema::typeOf(table, column);
    return t == Schema::Type::Integer || t == Schema::Type::Money || t == Schema::Type::Real;
}

bool isIndexed(const QString &table, const QString &column)
{
    const Schema::Table *t = Schema::findTable(table);
    if (!t)
        return false;
    if (t->uniqueKey.compare(column, Qt::CaseInsensitive) == 0)
        return true;
    for (const QStringList &index : t->indexes)
        if (index.contains(column, Qt::CaseInsensitive))
            return true;
    return false;
}

// Whether a text column may refuse the value; numeric columns refuse every value here.
bool mayRefuse(Refusal r, const QString &engine, const QString &table, const QString &column)
{
    return r == Refusal::Always || isNumeric(table, column)
        || (r == Refusal::WhenIndexed && engine == QLatin1String("postgresql") && isIndexed(table, column));
}
bool mustRefuse(Refusal r, const QString &table, const QString &column)
{
    return r == Refusal::Always || isNumeric(table, column);
}

// Where two texts part, briefly (a 10,000-character text is no message).
QString difference(const QString &got, const QString &want)
{
    qsizetype i = 0;
    while (i < got.size() && i < want.size() && got.at(i) == want.at(i))
        ++i;
    auto code = [](const QString &s, qsizetype at) {
        return at < s.size() ? QStringLiteral("U+%1").arg(s.at(at).unicode(), 4, 16, QLatin1Char('0'))
                             : QStringLiteral("end");
    };
    return QStringLiteral("stored %1 characters, typed %2; first difference at %3: %4 instead of %5")
        .arg(got.size()).arg(want.size()).arg(i).arg(code(got, i), code(want, i));
}

QString keyOf(const QString &table)
{
    return table == QStringLiteral("读者库") ? QStringLiteral("读者编号") : QStringLiteral("编号");
}

qlonglong rowCount(const SharedConnection &db, const QString &table)
{
    return db.scalar(QStringLiteral("select count(*) from ") + table).toLongLong();
}

// Every row of every table but the given ones, as text; a table that went missing shows
// as such. Equal snapshots before and after mean nothing else was touched.
QStringList snapshot(const SharedConnection &db, const QStringList &except = {})
{
    QStringList all;
    for (const Schema::Table &t : Schema::tables()) {
        if (except.contains(t.name))
            continue;
        QStringList rows;
        try {
            QSqlQuery q = db.exec(QStringLiteral("select * from ") + t.name);
            while (q.next()) {
                QStringList fields;
                for (int i = 0; i < q.record().count(); ++i)
                    fields << (q.value(i).isNull() ? QStringLiteral("<null>") : q.value(i).toString());
                rows << t.name + QLatin1Char('|') + fields.join(QLatin1Char('|'));
            }
        } catch (const DatabaseError &e) {
            rows << t.name + QStringLiteral(" missing: ") + e.message();
        }
        rows.sort();
        all << rows;
    }
    return all;
}

// What one box or cell did with the value: stored as expected (read back with a bound
// select), or refused with a message, where that is allowed or required. The message is
// null when the row was stored. Empty when all is well, else the fault.
QString checkOutcome(const SharedConnection &db, const QString &table, const QString &key, const QString &column,
                     const QString &message, const QString &expected, bool mayBeRefused, bool mustBeRefused)
{
    const QString where = QStringLiteral("%1 %2: ").arg(table, column);
    if (!message.isNull()) {
        if (message.trimmed().isEmpty())
            return where + QStringLiteral("refused without a message");
        if (!mayBeRefused)
            return where + QStringLiteral("refused: ") + message.left(300);
        return {}; // the caller counts the rows written
    }
    if (mustBeRefused)
        return where + QStringLiteral("stored, should have been refused");
    const QString back = storedText(db, table, column, QStringLiteral("where %1=?").arg(keyOf(table)), {key});
    return back == expected ? QString() : where + difference(back, expected);
}

// A refusal's message, never null (null stands for "stored").
QString refusedWith(const QString &message)
{
    return message.isNull() ? QString(QLatin1String("")) : message;
}

QString asciiUpper(QString s)
{
    for (QChar &c : s)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 32);
    return s;
}

uint asciiLower(uint c)
{
    return c >= 'A' && c <= 'Z' ? c + 32 : c;
}

// Equality as the databases compare text: Latin letters without regard to case.
bool sameText(const QString &a, const QString &b)
{
    return a.size() == b.size() && asciiUpper(a) == asciiUpper(b);
}

// SQL like over code points: % any run, _ one character, every other character (a
// backslash too) itself, Latin letters without regard to case.
bool likeMatches(const QString &text, const QString &pattern)
{
    const QList<uint> t = text.toUcs4();
    const QList<uint> p = pattern.toUcs4();
    qsizetype ti = 0, pi = 0, star = -1, mark = 0;
    while (ti < t.size()) {
        if (pi < p.size() && p[pi] == '%') {
            star = pi++;
            mark = ti;
        } else if (pi < p.size() && (p[pi] == '_' || asciiLower(p[pi]) == asciiLower(t[ti]))) {
            ++pi;
            ++ti;
        } else if (star >= 0) {
            pi = star + 1;
            ti = ++mark;
        } else {
            return false;
        }
    }
    while (pi < p.size() && p[pi] == '%')
        ++pi;
    return pi == p.size();
}

// A row stored for the searches: its key and one text column.
struct SearchRow {
    QString key;
    QString column;
    QString text;
};

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    // Runs a search and compares the keys found with the rows whose text matches.
    void search(const SharedConnection &db, const QString &what, const QString &sql, const QVariantList &values,
                const QString &value, const QString &table, const QList<SearchRow> &rows,
                const std::function<bool(const SearchRow &)> &matches, Refusal refusal)
    {
        QVERIFY2(!sql.contains(value), qPrintable(what + QStringLiteral(": the value is in the statement")));
        QStringList found;
        try {
            QSqlQuery q = db.exec(sql, values);
            while (q.next())
                found << q.value(keyOf(table)).toString();
        } catch (const DatabaseError &e) {
            // Only a value that cannot be stored may be refused as a search value too.
            QVERIFY2(refusal == Refusal::Always, qPrintable(what + QStringLiteral(": ") + e.message().left(300)));
            QVERIFY2(!e.message().trimmed().isEmpty(), qPrintable(what));
            return;
        }
        QStringList expected;
        for (const SearchRow &r : rows)
            if (matches(r))
                expected << r.key;
        found.sort();
        expected.sort();
        QVERIFY2(found == expected, qPrintable(QStringLiteral("%1: found %2, expected %3")
                                                   .arg(what, found.join(QLatin1Char(',')),
                                                        expected.join(QLatin1Char(',')))));
    }

    // Stores the search rows of a table (each with its key and one text); a row an
    // engine may refuse is left out of the expectations, any other refusal is a fault.
    static QList<SearchRow> storeSearchRows(const SharedConnection &db, const QString &engine, Refusal refusal,
                                            const QString &table, const QList<SearchRow> &rows, QStringList *faults)
    {
        QList<SearchRow> kept;
        for (const SearchRow &r : rows) {
            try {
                db.exec(QStringLiteral("insert into %1 (%2,%3) values (?,?)").arg(table, keyOf(table), r.column),
                        {r.key, r.text});
                kept << r;
            } catch (const DatabaseError &e) {
                if (!mayRefuse(refusal, engine, table, r.column))
                    *faults << QStringLiteral("%1 %2 refused: %3").arg(table, r.key, e.message().left(300));
            }
        }
        return kept;
    }

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        DayClock::setToday(QDate(2024, 12, 8));
    }

    // Every text box of book, periodical and reader registration, one row per box.
    void registrationBoxes_data()
    {
        QTest::addColumn<QString>("form");
        QTest::addColumn<QString>("engine");
        QTest::addColumn<QString>("value");
        QTest::addColumn<int>("refusal");
        for (const char *form : {"books", "periodicals", "readers"})
            for (const char *engine : {"sqlite", "postgresql"})
                for (const Hostile &h : hostileValues())
                    QTest::addRow("%s %s %s", form, engine, h.name) << form << engine << h.value << int(h.refusal);
    }
    void registrationBoxes()
    {
        QFETCH(QString, form);
        QFETCH(QString, engine);
        QFETCH(QString, value);
        QFETCH(int, refusal);
        OPEN_TEST_DATABASE(t, engine);
        const SharedConnection &db = t.db();
        const BookRegistration books(db, QStringLiteral("小王"));
        const PeriodicalRegistration periodicals(db, QStringLiteral("小王"));
        // Registers one row with the value in one box: its key and the message of a refusal
        // (null when stored).
        std::function<QPair<QString, QString>(int, const QString &)> registerOne;
        QString table;
        QStringList columns;
        if (form == QLatin1String("books")) {
            table = QStringLiteral("图书");
            columns = BookEntry::boxColumns();
            registerOne = [&](int i, const QString &column) {
                BookEntry entry = BookEntry::defaults();
                entry.setValue(QStringLiteral("编号"), QStringLiteral("H%1").arg(i));
                entry.setValue(QStringLiteral("名称"), QStringLiteral("书"));
                entry.setValue(column, value);
                const BookInsertResult r = books.insert(entry, entry.value(QStringLiteral("编号")));
                return qMakePair(r.number, r.stored ? QString() : refusedWith(r.message));
            };
        } else if (form == QLatin1String("periodicals")) {
            table = QStringLiteral("期刊");
            columns = PeriodicalRegistration::boxColumns();
            registerOne = [&](int i, const QString &column) {
                PeriodicalEntry entry = PeriodicalRegistration::defaults();
                entry.setValue(QStringLiteral("编号"), QStringLiteral("Q%1").arg(i));
                entry.setValue(QStringLiteral("名称"), QStringLiteral("刊"));
                entry.setValue(QStringLiteral("条形码"), QStringLiteral("Q%1").arg(i));
                entry.setValue(column, value);
                entry.published = QDate(2024, 1, 1);
                const QString message = PeriodicalRegistration::check(entry);
                return qMakePair(entry.value(QStringLiteral("编号")),
                                 message.isEmpty() ? periodicals.save(entry) : message);
            };
        } else {
            table = QStringLiteral("读者库");
            columns = ReaderForm::textColumns();
            registerOne = [&](int i, const QString &column) {
                ReaderForm reader;
                reader.number = QStringLiteral("R%1").arg(i);
                reader.name = QStringLiteral("读者");
                reader.validUntil = ReaderRegistry::defaultValidUntil();
                reader.setText(column, value);
                QString message = ReaderRegistry::missingRequired(reader);
                try {
                    if (message.isEmpty())
                        ReaderRegistry::registerReader(db, reader, Money(), QStringLiteral("小王"));
                } catch (const DatabaseError &e) {
                    message = refusedWith(e.message());
                }
                return qMakePair(reader.number, message);
            };
        }
        const QStringList before = snapshot(db, {table});
        QStringList faults;
        int stored = 0;
        for (int i = 0; i < columns.size(); ++i) {
            const auto [key, message] = registerOne(i, columns.at(i));
            stored += message.isNull() ? 1 : 0;
            QVERIFY(!db.inTransaction());
            // The document box of a book fills both of its columns.
            QStringList targets{columns.at(i)};
            if (form == QLatin1String("books") && columns.at(i) == QStringLiteral("图片地址"))
                targets << QStringLiteral("绝对地址");
            for (const QString &target : targets)
                faults << checkOutcome(db, table, key, target, message, value,
                                       mayRefuse(Refusal(refusal), engine, table, target),
                                       mustRefuse(Refusal(refusal), table, target));
        }
        faults.removeAll(QString());
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        QCOMPARE(rowCount(db, table), stored);
        QCOMPARE(snapshot(db, {table}), before);
    }

    // The value box of every search: exactly the rows whose text equals (精确) or
    // contains (模糊) the value are found; typed % and _ match as in like, every other
    // character, a backslash too, is itself.
    void searches_data() { addHostileRows(); }
    void searches()
    {
        QFETCH(QString, engine);
        QFETCH(QString, value);
        QFETCH(int, refusal);
        const Refusal r = Refusal(refusal);
        OPEN_TEST_DATABASE(t, engine);
        const SharedConnection &db = t.db();
        auto rowsFor = [&](const QString &prefix, const QString &name, const QString &memo) {
            return QList<SearchRow>{
                {prefix + "1", name, value},          {prefix + "2", name, QStringLiteral("前") + value + "后"},
                {prefix + "3", memo, value},          {prefix + "4", name, asciiUpper(value)},
                {prefix + "5", name, "红楼梦"},       {prefix + "6", name, "1"},
                {prefix + "7", name, "abc"},          {prefix + "8", name, "a\\b"},
                {prefix + "9", name, "axb"},          {prefix + "10", name, "O'Brien"},
            };
        };
        QStringList faults;
        const QList<SearchRow> books = storeSearchRows(db, engine, r, "图书", rowsFor("S", "名称", "简介"), &faults);
        const QList<SearchRow> issues = storeSearchRows(db, engine, r, "期刊", rowsFor("P", "名称", "简介"), &faults);
        QList<SearchRow> readerRows = rowsFor("R", "读者姓名", "备注");
        readerRows << SearchRow{"R11", "CardId", value};
        const QList<SearchRow> readers = storeSearchRows(db, engine, r, "读者库", readerRows, &faults);
        QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
        const QStringList before = snapshot(db);

        auto equalIn = [&](const QString &column) {
            return [=](const SearchRow &row) { return row.column == column && sameText(row.text, value); };
        };
        auto containedIn = [&](const QString &column) {
            return [=](const SearchRow &row) {
                return row.column == column && likeMatches(row.text, QStringLiteral("%") + value + "%");
            };
        };
        auto runBuild = [&](const QString &what, const SearchBuild &b, const QString &table,
                            const QList<SearchRow> &rows, const std::function<bool(const SearchRow &)> &m) {
            QVERIFY2(b.ok, qPrintable(what + QStringLiteral(": ") + b.message));
            search(db, what, b.statement.sql, b.statement.values, value, table, rows, m, r);
        };
        using CatalogueSearch::BookQuery;
        runBuild("books 名称 精确", CatalogueSearch::books(BookQuery{"名称", value, true}), "图书", books,
                 equalIn("名称"));
        runBuild("books 名称 模糊", CatalogueSearch::books(BookQuery{"名称", value, false}), "图书", books,
                 containedIn("名称"));
        runBuild("books 简介 模糊", CatalogueSearch::books(BookQuery{"简介", value, false}), "图书", books,
                 containedIn("简介"));
        runBuild("combined 名称 =",
                 CatalogueSearch::booksCombined({"名称", "=", value}, {}, "编号", "asc"), "图书", books,
                 equalIn("名称"));
        runBuild("combined second 简介 =",
                 CatalogueSearch::booksCombined({"编号", ">=", "S"}, {"简介", "=", value}, "名称", "desc"), "图书",
                 books, equalIn("简介"));
        runBuild("periodicals 名称 精确", CatalogueSearch::periodicals("名称", value, true), "期刊", issues,
                 equalIn("名称"));
        runBuild("periodicals 名称 模糊", CatalogueSearch::periodicals("名称", value, false), "期刊", issues,
                 containedIn("名称"));
        runBuild("periodicals 简介 模糊", CatalogueSearch::periodicals("简介", value, false), "期刊", issues,
                 containedIn("简介"));
        const QList<std::tuple<const char *, const char *, bool, const char *>> readerSearches{
            {"readers 读者姓名 精确", "读者姓名", true, "读者姓名"},
            {"readers 读者姓名 模糊", "读者姓名", false, "读者姓名"},
            {"readers 备注 模糊", "备注", false, "备注"},
            {"readers 读者卡号 精确", "读者卡号", true, "CardId"},
        };
        for (const auto &[what, field, exact, column] : readerSearches) {
            ReaderSearch::Request request;
            request.field = field;
            request.value = value;
            request.exact = exact;
            const ReaderSearch::Statement s = ReaderSearch::build(request);
            QVERIFY2(s.refusal.isEmpty(), qPrintable(s.refusal));
            search(db, what, s.sql, s.values, value, "读者库", readers,
                   exact ? std::function<bool(const SearchRow &)>(equalIn(column)) : containedIn(column), r);
        }
        // The pickers of the lending counter: name or initials (py is empty in these rows).
        const BoundQuery pickReader = LendingPickers::readers(db.dialect(), LendingPickers::By::NameOrInitials, value);
        search(db, "reader picker", pickReader.sql, pickReader.values, value, "读者库", readers,
               containedIn("读者姓名"), r);
        const BoundQuery pickBook =
            LendingPickers::items(db.dialect(), ItemTable::Book, LendingPickers::By::NameOrInitials, value);
        search(db, "book picker", pickBook.sql, pickBook.values, value, "图书", books, containedIn("名称"), r);
        QCOMPARE(snapshot(db), before);
    }

    // Field names, operators, sort fields and directions the operator can type are names,
    // never SQL: anything but a column of the table (or a listed operator) is refused with
    // a message and builds no statement.
    void typedNamesRefused_data()
    {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        const QStringList texts{
            "名称; DROP TABLE 图书; --", "名称 or 1=1", "名称=名称 --", "'名称'", "\"名称\"", "名称/**/",
            "1", "*", "(select 1)", QStringLiteral("名称") + QChar(0), QString(3000, QLatin1Char('x')), "😀"};
        for (const char *box : {"book field", "periodical field", "reader field", "combined field",
                                "combined second field", "combined sort field"})
            for (const QString &text : texts)
                QTest::addRow("%s %s", box, qPrintable(text.left(24))) << box << text;
        for (const char *op : {"= 1 or 1=1 --", "=?; drop table 图书; --", "like", "<>", "==", " =", "in"})
            QTest::addRow("combined operator %s", op) << "combined operator" << op;
        for (const char *dir : {"asc; drop table 图书", "desc --", "asc,1", "", "random()"})
            QTest::addRow("combined direction '%s'", dir) << "combined direction" << dir;
        QTest::addRow("reader picture column") << "reader field" << "pic";
    }
    void typedNamesRefused()
    {
        QFETCH(QString, box);
        QFETCH(QString, text);
        using namespace CatalogueSearch;
        const Condition plain{"名称", "=", "红楼梦"};
        SearchBuild b;
        if (box == "book field")
            b = books(BookQuery{text, "红楼梦", false});
        else if (box == "periodical field")
            b = periodicals(text, "红楼梦", true);
        else if (box == "combined field")
            b = booksCombined({text, "=", "红楼梦"}, {}, "编号", "asc");
        else if (box == "combined second field")
            b = booksCombined(plain, {text, "=", "x"}, "编号", "asc");
        else if (box == "combined sort field")
            b = booksCombined(plain, {}, text, "asc");
        else if (box == "combined operator")
            b = booksCombined({"名称", text, "红楼梦"}, {}, "编号", "asc");
        else if (box == "combined direction")
            b = booksCombined(plain, {}, "编号", text);
        if (box == "reader field") {
            ReaderSearch::Request request;
            request.field = text;
            request.value = QStringLiteral("张三");
            const ReaderSearch::Statement s = ReaderSearch::build(request);
            QVERIFY(s.sql.isEmpty());
            QVERIFY(!s.refusal.trimmed().isEmpty());
            return;
        }
        QVERIFY(!b.ok);
        QVERIFY(b.statement.isEmpty());
        QVERIFY(!b.message.trimmed().isEmpty());
    }

    // The four spreadsheet imports, one .csv each: row n holds the value in column n.
    // Text columns store it (trimmed where the layout trims); number, money and date
    // columns read it as no number or date and take their default.
    void imports_data() { addHostileRows(); }
    void imports()
    {
        QFETCH(QString, engine);
        QFETCH(QString, value);
        QFETCH(int, refusal);
        OPEN_TEST_DATABASE(t, engine);
        const QString today = DayClock::today().toString(QStringLiteral("yyyy-MM-dd"));
        for (const char *name : {"books", "readers", "periodicals", "loans"}) {
            const SheetLayout &layout = *SheetLayouts::byName(name);
            const QStringList before = snapshot(t.db(), {layout.table});
            const int width = int(layout.columns.size());
            // The column that tells the rows apart, and the cells every row needs.
            const int keyColumn = layout.name == QLatin1String("loans") ? 5 : 1;
            QList<QPair<int, QString>> needed;
            if (layout.name == QLatin1String("readers"))
                needed << qMakePair(2, QStringLiteral("读者"));
            if (layout.name == QLatin1String("loans"))
                needed << qMakePair(6, QStringLiteral("书"));
            QList<QStringList> rows{layout.captions()};
            QStringList keys;
            for (int c = 1; c <= width; ++c) {
                QStringList cells = ImportFixtures::row(width, {});
                cells[keyColumn - 1] = QStringLiteral("K%1").arg(c);
                for (const auto &n : needed)
                    cells[n.first - 1] = n.second;
                cells[c - 1] = value;
                // The key as read back (a line break in a cell is "\n", see below).
                keys << QString(cells[keyColumn - 1]).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                rows << cells;
            }
            const QString path = ImportFixtures::writeCsv(m_dir.filePath(QStringLiteral("%1.csv").arg(name)), rows);
            SheetImportOptions options;
            options.operatorName = QStringLiteral("小王");
            const ImportResult result = SheetImport::runFile(path, layout, options, t.db());
            QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
            QCOMPARE(result.inserted + result.failed, width);
            QHash<int, QString> refused; // by sheet row
            for (const FailedRow &f : result.failedRows)
                refused.insert(f.row, refusedWith(f.message));
            QStringList faults;
            for (int c = 1; c <= width; ++c) {
                const SheetColumn &column = layout.columns.at(c - 1);
                if (column.field.isEmpty())
                    continue;
                QString expected = value;
                switch (column.rule) {
                case CellRule::Text:
                    // A line break in a cell is "\n", as a spreadsheet cell keeps it.
                    expected.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
                    if (column.trimmed)
                        expected = expected.trimmed();
                    break;
                case CellRule::Integer:
                    expected = QString::number(column.integerDefault);
                    break;
                case CellRule::Money:
                    expected = QStringLiteral("0");
                    break;
                case CellRule::Date:
                case CellRule::DateTime:
                    expected = column.dateDefault.isValid() ? column.dateDefault.toString(QStringLiteral("yyyy-MM-dd"))
                                                            : today;
                    if (column.rule == CellRule::DateTime)
                        expected += QStringLiteral(" 00:00:00");
                    break;
                case CellRule::Returned:
                    expected = QStringLiteral("否");
                    break;
                }
                // A number or date column reads no number or date from the value and keeps
                // its default: the row is stored. A text goes to the engine as it stands.
                const bool text = column.rule == CellRule::Text;
                const QString fault = checkOutcome(t.db(), layout.table, keys.at(c - 1), column.field,
                                                   refused.value(c + 1), expected,
                                                   text && mayRefuse(Refusal(refusal), engine, layout.table, column.field),
                                                   text && mustRefuse(Refusal(refusal), layout.table, column.field));
                if (!fault.isEmpty())
                    faults << QStringLiteral("%1 column %2 ").arg(name).arg(c) + fault;
            }
            QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1Char('\n'))));
            QCOMPARE(rowCount(t.db(), layout.table), qlonglong(result.inserted));
            QCOMPARE(snapshot(t.db(), {layout.table}), before);
            QVERIFY(!t.db().inTransaction());
        }
    }

    // A GBK .csv with broken byte pairs: each bad byte becomes U+FFFD and never swallows
    // the separator, quote or line break after it; a valid pair whose second byte is a
    // backslash stays one character.
    void brokenGbkSheet_data() { TestDatabase::addEngines(); }
    void brokenGbkSheet()
    {
        QFETCH(QString, engine);
        OPEN_TEST_DATABASE(t, engine);
        const QStringList captions = SheetLayouts::books().captions();
        QByteArray bytes = Gbk::encode(captions.join(QLatin1Char(','))) + "\r\n";
        // 编号, 条形码, 名称, 分类, 出版社, 作者
        bytes += "G1,\"abc\xB0\",\xC4\xE3\xBA,\xBA" "1,\x81\x7F" "x,\xBF\x5C'\r\n";
        bytes += "G2,,\xB0\xA1\xB0";
        const QString path = m_dir.filePath(QStringLiteral("gbk.csv"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();
        SheetImportOptions options;
        options.operatorName = QStringLiteral("小王");
        const ImportResult r = SheetImport::runFile(path, SheetLayouts::books(), options, t.db());
        QVERIFY2(r.error.isEmpty(), qPrintable(r.error));
        QCOMPARE(r.failed, 0);
        QCOMPARE(r.inserted, 2);
        auto stored = [&](const char *number, const char *column) {
            return storedText(t.db(), "图书", column, QStringLiteral("where 编号=?"), {QString::fromUtf8(number)});
        };
        QCOMPARE(stored("G1", "条形码"), QStringLiteral("abc\uFFFD"));
        QCOMPARE(stored("G1", "名称"), QStringLiteral("你\uFFFD"));
        QCOMPARE(stored("G1", "分类"), QStringLiteral("\uFFFD1"));
        QCOMPARE(stored("G1", "出版社"), QStringLiteral("\uFFFD\x7F" "x"));
        QCOMPARE(stored("G1", "作者"), QStringLiteral("\u7E17'"));
        QCOMPARE(stored("G2", "名称"), QStringLiteral("啊\uFFFD"));
    }
};

QTEST_GUILESS_MAIN(TestHostileInput)
#include "tst_hostile_input.moc"
