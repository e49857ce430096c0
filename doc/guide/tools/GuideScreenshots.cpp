// SPDX-License-Identifier: MIT
// Takes the user guide's screenshots from the running program: a fresh database with a
// few sample rows, the sign-in and main windows, then every window the main window's
// commands open, each drawn offscreen and saved as a PNG. Windows that do not exist
// yet (their command is disabled) are skipped; run it again when they do.
//   guide_screenshots OUTPUT_FOLDER
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"
#include "session/LoginUt.h"
#include "session/MainUt.h"
#include "session/SignIn.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QElapsedTimer>
#include <QFont>
#include <QFontDatabase>
#include <QPixmap>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>

namespace {
// Message boxes answer No and are noted on standard error, so nothing blocks.
class QuietMessages : public MessageSink
{
public:
    void information(QWidget *, const QString &t, const QString &) override { note(t); }
    void warning(QWidget *, const QString &t, const QString &) override { note(t); }
    bool question(QWidget *, const QString &t, const QString &) override
    {
        note(t);
        return false;
    }
    bool password(QWidget *, const QString &, const QString &, QString *) override { return false; }

private:
    static void note(const QString &t) { std::fprintf(stderr, "  (message) %s\n", t.toUtf8().constData()); }
};

void sampleRows(const SharedConnection &db)
{
    const QList<QStringList> books{
        {"A0001", "9787302023685", "数据结构", "清华大学出版社", "TP311.12", "严蔚敏", "25"},
        {"A0002", "9787020002207", "红楼梦", "人民文学出版社", "I242.47", "曹雪芹", "58"},
        {"A0003", "9787040396638", "高等数学", "高等教育出版社", "O13", "同济大学数学系", "47.6"},
        {"A0004", "9787111213826", "Java编程思想", "机械工业出版社", "TP312JA", "Bruce Eckel", "108"},
    };
    for (const QStringList &b : books)
        db.exec(QStringLiteral("insert into 图书 (编号, 条形码, 名称, 出版社, 分类号, 作者, 价格, 数量, 分类, 存放位置, "
                               "物品级别, 状态, 币种, 登记人, 入库时间) values (?, ?, ?, ?, ?, ?, ?, 2, '综合', '书库', "
                               "'普通', '正常', '人民币', '超级管理员', '2024-03-01 09:30:00')"),
                {b[0], b[1], b[2], b[3], b[4], b[5], b[6]});
    const QList<QStringList> readers{{"R0001", "张明", "男", "C0001"}, {"R0002", "李华", "女", "C0002"}};
    for (const QStringList &r : readers)
        db.exec(QStringLiteral("insert into 读者库 (读者编号, 读者姓名, 性别, CardId, 类别, 状态, 有效期, 卡内金额, 单位部门) "
                               "values (?, ?, ?, ?, '普通', '正常', '2030-12-31', 20, '本单位')"),
                {r[0], r[1], r[2], r[3]});
    db.exec(QStringLiteral("insert into 借出记录 (读者编号, 读者姓名, 编号, 条形码, 名称, 类别, 物品级别, 价格, 借阅日期, "
                           "应还日期, 已还, 借阅经手人) values ('R0001', '张明', 'A0002', '9787020002207', '红楼梦', '图书', "
                           "'普通', 58, '2024-03-01', '2024-03-31', '否', '超级管理员')"));
}

void save(QWidget *w, const QString &file)
{
    w->grab().save(file);
    std::fprintf(stderr, "%s\n", file.toUtf8().constData());
}

// Runs a command and photographs the window it opens, modal or not.
void shoot(TMainFm &main, const QString &caption, const QString &file)
{
    QAction *action = main.command(caption);
    if (!action || !action->isEnabled()) {
        std::fprintf(stderr, "skipped %s (no window yet)\n", caption.toUtf8().constData());
        return;
    }
    const QWidgetList before = QApplication::topLevelWidgets();
    bool done = false;
    QTimer poll;
    poll.setInterval(150);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *w = QApplication::activeModalWidget();
        if (!w)
            for (QWidget *t : QApplication::topLevelWidgets())
                if (t->isVisible() && !before.contains(t))
                    w = t;
        if (!w || w == &main || done)
            return;
        done = true;
        save(w, file);
        if (auto *dialog = qobject_cast<QDialog *>(w))
            dialog->reject();
        else
            w->close();
    });
    poll.start();
    action->trigger();
    QElapsedTimer clock;
    clock.start();
    while (!done && clock.elapsed() < 4000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    if (!done)
        std::fprintf(stderr, "no window for %s\n", caption.toUtf8().constData());
}
} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: guide_screenshots OUTPUT_FOLDER\n");
        return 2;
    }
    if (QFontDatabase::families().contains(QStringLiteral("WenQuanYi Micro Hei")))
        QApplication::setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 10));
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    static QuietMessages quiet;
    Messages::setSink(&quiet);

    QTemporaryDir work;
    QDir::setCurrent(work.path());
    LoginSession &session = LoginSession::current();
    session.config.abc = QStringLiteral("a");
    session.config.csaccess = QStringLiteral("Provider=SQLite;Data Source=book.db;");
    session.config.softname = QStringLiteral("图书管理系统");
    session.config.tel = QStringLiteral("电话: 010-12345678");
    session.config.company = QStringLiteral("星光中学图书馆");
    session.config.memo = QStringLiteral("适用于学校、企业和阅览室的图书管理软件.");
    SharedConnection &db = SharedConnection::current();
    QString error;
    if (!db.open(ConnectionSettings::parse(session.config.csaccess), &error, true)) {
        std::fprintf(stderr, "%s\n", error.toUtf8().constData());
        return 1;
    }
    Schema::create(db);
    db.exec(QStringLiteral("update 系统设置 set 图书馆名='星光中学图书馆'"));
    sampleRows(db);

    {
        TLoginFm login(db, session);
        login.prepare();
        login.show();
        QApplication::processEvents();
        save(&login, out.filePath(QStringLiteral("login.png")));
    }
    SignIn::signIn(db, session, QStringLiteral("超级管理员"), QStringLiteral("8316"));
    TMainFm main(db, session);
    main.resize(1100, 700);
    main.show();
    QApplication::processEvents();
    save(&main, out.filePath(QStringLiteral("main.png")));

    // Every window the guide shows (images/<name>.png).
    const QList<QPair<const char *, const char *>> shots{
        {"借阅", "lending"},          {"归还", "returning"},          {"添加图书", "book-add"},
        {"图书管理", "book-search"},  {"添加期刊", "periodical-add"}, {"添加读者", "reader-add"},
        {"读者管理", "reader-search"}, {"读者类别设置", "reader-kinds"}, {"借出记录", "loan-records"},
        {"资金统计", "income"},       {"Excel导入图书数据", "import-books"},
        {"图书馆信息设置", "library-settings"}, {"数据库设置", "database-settings"},
        {"备份数据库", "backup"},     {"系统初始化", "cleanup"},      {"批处理数据", "batch"},
        {"关于", "about"},
    };
    for (const auto &s : shots)
        shoot(main, QString::fromUtf8(s.first), out.filePath(QString::fromLatin1(s.second) + QStringLiteral(".png")));
    main.hide();
    db.close();
    return 0;
}
