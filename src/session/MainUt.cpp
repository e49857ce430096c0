// SPDX-License-Identifier: MIT
#include "session/MainUt.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "catalogue/BkAddUt.h"
#include "catalogue/BkRegUt.h"
#include "catalogue/BkSearchUt.h"
#include "catalogue/BkTuiJianUt.h"
#include "catalogue/QkAddUt.h"
#include "catalogue/QkSearchUt.h"
#include "circulation/BkBorrowUt.h"
#include "circulation/BkReturnUt.h"
#include "circulation/DueRecordUt.h"
#include "circulation/PosPrtSetUt.h"
#include "circulation/ReserveUt.h"
#include "circulation/XuJieUt.h"
#include "import/InExcelDataUt.h"
#include "import/InExcelJyUt.h"
#include "import/InExcelQkUt.h"
#include "import/InExcelRdUt.h"
#include "import/InMarcUt.h"
#include "maintenance/BackUpAccessUt.h"
#include "maintenance/BatchDataUt.h"
#include "maintenance/CleandataUt.h"
#include "maintenance/SetDataUt.h"
#include "maintenance/SysInfoSetUt.h"
#include "maintenance/UserGuide.h"
#include "readers/RdAddUt.h"
#include "readers/RdKindUt.h"
#include "readers/RdSearchUt.h"
#include "readers/RentLevelUt.h"
#include "readers/ShouFeiUt.h"
#include "readers/ShouRuCountUt.h"
#include "reftables/BkKindUt.h"
#include "reftables/Bk2KindUt.h"
#include "reftables/DepartMentUt.h"
#include "reftables/MoneyKindUt.h"
#include "reftables/PaperUt.h"
#include "reftables/PlaceUt.h"
#include "reftables/PubUt.h"
#include "reftables/a1Ut.h"
#include "reftables/a2Ut.h"
#include "reftables/a3Ut.h"
#include "session/AboutUt.h"
#include "session/AdminLogUt.h"
#include "session/AdminUt.h"
#include "session/ChangePwdUt.h"
#include "statistics/BkChartUt.h"
#include "statistics/BkJySearchUt.h"
#include "statistics/DataCheckUt.h"
#include "statistics/QkChartUt.h"
#include "statistics/RdChartUt.h"
#include "statistics/SortSearchUt.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

namespace {
QString plain(QString caption)
{
    return caption.remove(QLatin1Char(' '));
}

// Opens a dialog window modally; it is deleted when closed.
template <typename Window, typename... Args>
void openModal(QWidget *parent, Args &&...args)
{
    Window window(std::forward<Args>(args)..., parent);
    window.exec();
}
} // namespace

TMainFm::TMainFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : QMainWindow(parent), m_db(db), m_session(session), Image1(new QLabel(this)),
      Label1(new QLabel(this)), Label2(new QLabel(this))
{
    setObjectName(QStringLiteral("MainFm"));
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setAlignment(Qt::AlignCenter);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2->setObjectName(QStringLiteral("Label2"));
    setCentralWidget(Image1);

    buildCommands();
    buildMenus();
    buildToolBar();

    // When the window is shown: captions, picture, labels, status bar, rights.
    const AppConfig &c = m_session.config;
    setWindowTitle(c.softname);
    for (const QString &name : {QStringLiteral("beijing.gif"), QStringLiteral("beijing.jpg")}) {
        QPixmap picture;
        if (QFile::exists(name) && picture.load(name))
            m_background = picture;
    }
    Label1->setText(QStringLiteral("  当前管理员:") + m_session.OperatorName);
    Label2->setText(m_session.dialect().isServer() ? QStringLiteral("  当前系统是: PostgreSQL")
                                                   : QStringLiteral("  当前数据库是: SQLite"));
    auto panel = [this](const QString &name, const QString &text) {
        auto *label = new QLabel(text, this);
        label->setObjectName(name);
        statusBar()->addWidget(label, 1);
    };
    panel(QStringLiteral("StatusPanel1"), c.softname);
    panel(QStringLiteral("StatusPanel2"), c.tel);
    panel(QStringLiteral("StatusPanel3"), c.company + QLatin1Char(' ') + c.web);
    applyRights();
    // The reminder opens the overdue list once the main window is up.
    connect(this, &TMainFm::overdueReminderDue, this, [this] { openModal<TDueRecordFm>(this, m_db); },
            Qt::QueuedConnection);

    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        // Back to the front after another program had it. Moving between the program's
        // own windows (a dialog closing) keeps the application active and reminds of nothing.
        if (state != Qt::ApplicationActive) {
            m_leftForAnotherProgram = m_shownOnce;
        } else if (m_leftForAnotherProgram && isVisible()) {
            m_leftForAnotherProgram = false;
            remindOverdue();
        }
    });
}

void TMainFm::buildCommands()
{
    const Rights &r = m_session.rights;
    auto right = [&r](bool Rights::*member) { return [&r, member] { return r.*member; }; };
    auto add = [this](QString menu, QString caption, QString objectName, std::function<void()> run,
                      std::function<bool()> allowed = {}, Gate gate = Gate::None, QString refusal = {},
                      QString shortcut = {}) {
        m_commands.append({std::move(menu), std::move(caption), std::move(objectName), std::move(shortcut),
                           std::move(run), std::move(allowed), gate, std::move(refusal)});
    };
    const QString noRight = QStringLiteral("没有权限!");
    const QString noAdmin = QStringLiteral("没有管理员权限!");

    const QString m1 = QStringLiteral("基本操作");
    add(m1, QStringLiteral("借    阅"), QStringLiteral("N_Borrow"), [this] { TBkBorrowFm::open(this, m_db, m_session, true); }, right(&Rights::qxborrow), Gate::Disable,
        {}, QStringLiteral("F5"));
    add(m1, QStringLiteral("归    还"), QStringLiteral("N_Return"), [this] { TBkReturnFm::open(this, m_db, m_session); }, right(&Rights::qxreturn), Gate::Disable,
        {}, QStringLiteral("F6"));
    add(m1, QStringLiteral("续    借"), QStringLiteral("N_XuJie"), [this] { openModal<TXuJieFm>(this, m_db); }, right(&Rights::qxborrow), Gate::Disable);
    add(m1, QStringLiteral("添加图书"), QStringLiteral("N_BkAdd"), [this] { openModal<TBkAddFm>(this, m_db, m_session); }, right(&Rights::qxadddata), Gate::Disable);
    add(m1, QStringLiteral("添加读者"), QStringLiteral("N_RdAdd"), [this] { openModal<TRdAddFm>(this, m_db, m_session); }, right(&Rights::qxadddata), Gate::Disable);
    add(m1, QStringLiteral("添加期刊"), QStringLiteral("N_QkAdd"), [this] { openModal<TQkAddFm>(this, m_db, m_session); }, right(&Rights::qxadddata), Gate::Disable);
    add(m1, QStringLiteral("修改密码"), QStringLiteral("N_ChangePwd"), [this] { openModal<TChangePwdFm>(this, m_db, m_session); });
    add(m1, QStringLiteral("收费"), QStringLiteral("N_ShouFei"), [this] { showShouFei(); });
    add(m1, QString(), QString(), {});
    add(m1, QStringLiteral("图书管理"), QStringLiteral("N_BkSearch"), [this] { openModal<TBkSearchFm>(this, m_db, m_session); }, right(&Rights::qxbk), Gate::Disable);
    add(m1, QStringLiteral("读者管理"), QStringLiteral("N_RdSearch"), [this] { openModal<TRdSearchFm>(this, m_db, m_session); }, right(&Rights::qxrd), Gate::Disable);
    add(m1, QStringLiteral("期刊管理"), QStringLiteral("N_QkSearch"), [this] { TQkSearchFm::showWindow(m_db, m_session, this); }, right(&Rights::qxqk), Gate::Disable);
    add(m1, QStringLiteral("管理员日志"), QStringLiteral("N_AdminLog"), [this] { openModal<TAdminLogFm>(this, m_db); }, right(&Rights::qxadmin), Gate::Refuse,
        noRight);
    add(m1, QStringLiteral("退    出"), QStringLiteral("N_Exit"), [this] { ExitClick(); });

    const QString m2 = QStringLiteral("系统管理");
    add(m2, QStringLiteral("系统管理员权限设置"), QStringLiteral("N_Admin"), [this] { openModal<TAdminFm>(this, m_db); }, right(&Rights::qxadmin),
        Gate::Refuse, noRight);
    add(m2, QStringLiteral("图书馆信息设置"), QStringLiteral("N_SysInfoSet"), [this] { openModal<TSysInfoSetFm>(this, m_db, m_session); });
    add(m2, QStringLiteral("系 统 初 始 化"), QStringLiteral("N_CleanData"), [this] { openModal<TCleanDataFm>(this, m_db); });
    std::function<void()> backup;
    if (m_session.dialect().isServer())
        backup = [this] { Messages::info(this, QStringLiteral("请使用PostgreSQL的pg_dump备份!")); };
    else
        backup = [this] { openModal<TBackUpAccessFm>(this, m_db); };
    add(m2, QStringLiteral("备 份 数 据 库"), QStringLiteral("N_BackUp"), backup);
    add(m2, QStringLiteral("数 据 库 设 置"), QStringLiteral("N_SetData"),
        [this] { openModal<TSetDataFm>(this, m_session); });
    add(m2, QString(), QString(), {});
    add(m2, QStringLiteral("批处理数据"), QStringLiteral("N_BatchData"), [this] { openModal<TBatchDataFm>(this, m_db); }, right(&Rights::qxadmin), Gate::Refuse,
        noRight);

    const QString m3 = QStringLiteral("基础信息设置");
    add(m3, QStringLiteral("读者类别设置"), QStringLiteral("N_RdKind"), [this] { openModal<TRdKindFm>(this, m_db, m_session); });
    add(m3, QStringLiteral("物品级别设置"), QStringLiteral("N_RentLevel"), [this] { openModal<TRentLevelFm>(this, m_db, m_session); });
    add(m3, QStringLiteral("图书分类设置"), QStringLiteral("N_BkKind"), [this] { openModal<TBkKindFm>(this, m_db); });
    add(m3, QStringLiteral("二级分类设置"), QStringLiteral("N_Bk2Kind"), [this] { openModal<TBk2KindFm>(this, m_db); });
    add(m3, QStringLiteral("出版社名设置"), QStringLiteral("N_Pub"), [this] { openModal<TPubFm>(this, m_db); });
    add(m3, QStringLiteral("单位/部门名"), QStringLiteral("N_DepartMent"), [this] { openModal<TDepartMentFm>(this, m_db); });
    add(m3, QStringLiteral("存放位置"), QStringLiteral("N_Place"), [this] { openModal<TPlaceFm>(this, m_db); });
    add(m3, QStringLiteral("证件名设置"), QStringLiteral("N_Paper"), [this] { openModal<TPaperFm>(this, m_db); });
    add(m3, QStringLiteral("币种名设置"), QStringLiteral("N_MoneyKind"), [this] { openModal<TMoneyKindFm>(this, m_db); });
    add(m3, m_session.switches.a1Caption + QStringLiteral("设置"), QStringLiteral("N_a1"), [this] { openModal<Ta1Fm>(this, m_db, m_session); });
    add(m3, m_session.switches.a2Caption + QStringLiteral("设置"), QStringLiteral("N_a2"), [this] { openModal<Ta2Fm>(this, m_db, m_session); });
    add(m3, m_session.switches.a3Caption + QStringLiteral("设置"), QStringLiteral("N_a3"), [this] { openModal<Ta3Fm>(this, m_db, m_session); });

    const QString m4 = QStringLiteral("查询和统计");
    add(m4, QStringLiteral("借出记录"), QStringLiteral("N_BkJySearch"), [this] { openModal<TBkJySearchFm>(this, m_db, m_session); });
    add(m4, QStringLiteral("逾期记录"), QStringLiteral("N_DueRecord"), [this] { openModal<TDueRecordFm>(this, m_db); });
    add(m4, QStringLiteral("分 类 统 计"), QStringLiteral("N_SortSearch"), [this] { openModal<TSortSearchFM>(this, m_db); });
    add(m4, QStringLiteral("入库信息统计"), QStringLiteral("N_BkReg"), [this] { openModal<TBkRegFm>(this, m_db, m_session); });
    add(m4, QStringLiteral("图书借阅统计"), QStringLiteral("N_BkChart"), [this] { openModal<TBkChartFm>(this, m_db); });
    add(m4, QStringLiteral("期刊借阅统计"), QStringLiteral("N_QkChart"), [this] { openModal<TQkChartFm>(this, m_db); });
    add(m4, QStringLiteral("读者借阅统计"), QStringLiteral("N_RdChart"), [this] { openModal<TRdChartFm>(this, m_db); });
    add(m4, QStringLiteral("资金统计"), QStringLiteral("N_ShouRuCount"), [this] { openModal<TShouRuCountFm>(this, m_db, m_session); });
    add(m4, QStringLiteral("数据盘点"), QStringLiteral("N_DataCheck"), [this] { openModal<TDataCheckFm>(this, m_db); });
    add(m4, QStringLiteral("预定信息"), QStringLiteral("N_Reserve"), [this] { openModal<TReserveFm>(this, m_db); });
    add(m4, QStringLiteral("网页推荐信息"), QStringLiteral("N_BkTuiJian"), [this] { openModal<TBkTuiJianFm>(this, m_db, m_session); });

    const QString m5 = QStringLiteral("工具");
    add(m5, QStringLiteral("记事本"), QStringLiteral("N_Notepad"), [this] {
        startDesktopTool({QStringLiteral("gnome-text-editor"), QStringLiteral("gedit"), QStringLiteral("kwrite"),
                          QStringLiteral("kate"), QStringLiteral("mousepad"), QStringLiteral("pluma"),
                          QStringLiteral("xed"), QStringLiteral("featherpad"), QStringLiteral("leafpad")},
                         QStringLiteral("没有找到文本编辑器."));
    });
    add(m5, QStringLiteral("计算器"), QStringLiteral("N_Calc"), [this] {
        startDesktopTool({QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"),
                          QStringLiteral("mate-calc"), QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")},
                         QStringLiteral("没有找到计算器."));
    });
    add(m5, QStringLiteral("打印机"), QStringLiteral("N_Printer"), [this] {
        QPrinter printer;
        QPrintDialog dialog(&printer, this);
        dialog.exec();
    });
    add(m5, QStringLiteral("Pos小票打印机"), QStringLiteral("N_PosPrtSet"), [this] { openModal<TPosPrtSetFm>(this, m_session); });

    const QString m6 = QStringLiteral("数据导入");
    add(m6, QStringLiteral("Excel导入读者数据"), QStringLiteral("N_InExcelRd"), [this] { openModal<TInExcelRdFm>(this, m_db, m_session); });
    add(m6, QStringLiteral("Excel导入图书数据"), QStringLiteral("N_InExcelData"), [this] { openModal<TInExcelDataFm>(this, m_db, m_session); });
    add(m6, QStringLiteral("Excel导入期刊数据"), QStringLiteral("N_InExcelQk"), [this] { openModal<TInExcelQkFm>(this, m_db, m_session); }, right(&Rights::qxadmin),
        Gate::Refuse, noAdmin);
    add(m6, QStringLiteral("Excel导入借阅记录"), QStringLiteral("N_InExcelJy"), [this] { openModal<TInExcelJyFm>(this, m_db, m_session); }, right(&Rights::qxadmin),
        Gate::Refuse, noAdmin);
    add(m6, QStringLiteral("马克marc数据导入"), QStringLiteral("N_InMarc"), [this] { openModal<TInMarcFm>(this, m_db, m_session); }, right(&Rights::qxadmin),
        Gate::Refuse, noAdmin);

    const QString m7 = QStringLiteral("帮助");
    add(m7, QStringLiteral("使用帮助"), QStringLiteral("N_Help"), [this] { if (!UserGuide::show(this)) openHelp(); });
    add(m7, QStringLiteral("关    于"), QStringLiteral("N_About"), [this] { openModal<TAboutFm>(this, m_session); });
}

void TMainFm::buildMenus()
{
    QHash<QString, QMenu *> menus;
    for (const Command &cmd : m_commands) {
        QMenu *&menu = menus[cmd.menu];
        if (!menu) {
            menu = menuBar()->addMenu(cmd.menu);
            menu->setObjectName(QStringLiteral("Menu_") + cmd.menu);
        }
        if (cmd.caption.isEmpty()) {
            menu->addSeparator();
            continue;
        }
        QAction *action = menu->addAction(cmd.caption);
        action->setObjectName(cmd.objectName);
        if (!cmd.shortcut.isEmpty())
            action->setShortcut(QKeySequence(cmd.shortcut));
        const Command c = cmd;
        connect(action, &QAction::triggered, this, [this, c] {
            if (c.gate == Gate::Refuse && c.allowed && !c.allowed()) {
                Messages::warn(this, c.refusal);
                return;
            }
            if (c.run)
                c.run();
        });
        m_actions.insert(plain(cmd.caption), action);
    }
    // The MARC import is offered only from its (hidden) menu entry.
    if (QAction *marc = m_actions.value(QStringLiteral("马克marc数据导入")))
        marc->setVisible(false);
}

void TMainFm::addTool(const QString &objectName, const QString &caption, const QString &commandCaption)
{
    QAction *target = m_actions.value(plain(commandCaption));
    auto *button = new QToolButton(this);
    button->setObjectName(objectName);
    button->setText(caption);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumSize(72, 40);
    if (target) {
        connect(button, &QToolButton::clicked, target, &QAction::trigger);
        button->setEnabled(target->isEnabled());
        connect(target, &QAction::changed, button, [button, target] { button->setEnabled(target->isEnabled()); });
    }
    findChild<QToolBar *>(QStringLiteral("ToolBar1"))->addWidget(button);
}

void TMainFm::buildToolBar()
{
    auto *bar = addToolBar(QStringLiteral("工具栏"));
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setMovable(false);
    addTool(QStringLiteral("ToolButton2"), QStringLiteral("借阅[F5]"), QStringLiteral("借阅"));
    addTool(QStringLiteral("ToolButton3"), QStringLiteral("归还[F6]"), QStringLiteral("归还"));
    addTool(QStringLiteral("ToolButton4"), QStringLiteral("图书管理"), QStringLiteral("图书管理"));
    addTool(QStringLiteral("ToolButton5"), QStringLiteral("读者管理"), QStringLiteral("读者管理"));
    addTool(QStringLiteral("ToolButton9"), QStringLiteral("借出记录"), QStringLiteral("借出记录"));
    addTool(QStringLiteral("ToolButton6"), QStringLiteral("信息设置"), QStringLiteral("图书馆信息设置"));
    addTool(QStringLiteral("ToolButton7"), QStringLiteral("帮助"), QStringLiteral("使用帮助"));
    addTool(QStringLiteral("ToolButton1"), QStringLiteral("退出"), QStringLiteral("退出"));
    bar->addWidget(Label1);
    bar->addWidget(Label2);
}

void TMainFm::applyRights()
{
    for (const Command &cmd : m_commands) {
        QAction *action = m_actions.value(plain(cmd.caption));
        if (!action)
            continue;
        bool enabled = bool(cmd.run);
        if (cmd.gate == Gate::Disable && cmd.allowed && !cmd.allowed())
            enabled = false;
        action->setEnabled(enabled);
    }
    // The whole 系统管理 menu needs qxsysset.
    if (QMenu *menu = menuBar()->findChild<QMenu *>(QStringLiteral("Menu_系统管理")))
        menu->setEnabled(m_session.rights.qxsysset);
    if (!m_session.rights.qxsysset)
        for (const Command &cmd : m_commands)
            if (cmd.menu == QStringLiteral("系统管理") && !cmd.caption.isEmpty())
                m_actions.value(plain(cmd.caption))->setEnabled(false);
}

QAction *TMainFm::command(const QString &caption) const
{
    return m_actions.value(plain(caption));
}

void TMainFm::showShouFei()
{
    // The one charge window is kept (hidden, not destroyed) until the program ends.
    if (!m_shouFei)
        m_shouFei = new TShouFeiFm(m_db, m_session, this);
    m_shouFei->exec();
}

void TMainFm::remindOverdue()
{
    if (m_session.config.remindYN == QLatin1String("1"))
        emit overdueReminderDue();
}

void TMainFm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    placeBackground();
    if (!m_shownOnce) {
        m_shownOnce = true;
        remindOverdue();
    }
}

void TMainFm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    placeBackground();
}

void TMainFm::placeBackground()
{
    if (m_background.isNull()) {
        // No picture in the working folder: the library's title on a quiet background.
        Image1->setStyleSheet(QStringLiteral("QLabel#Image1 { background: qlineargradient(x1:0, y1:0, x2:0, y2:1,"
                                             " stop:0 #f4f7fb, stop:1 #dde6f0); color: #4a5a70; }"));
        QFont f = Image1->font();
        f.setPointSize(28);
        Image1->setFont(f);
        Image1->setText(m_session.switches.图书馆名.isEmpty() ? windowTitle() : m_session.switches.图书馆名);
        return;
    }
    const int toolBarHeight = findChild<QToolBar *>(QStringLiteral("ToolBar1"))->height();
    const int h = std::max(1, height() - toolBarHeight - statusBar()->height() - 55);
    Image1->setPixmap(m_background.scaled(width(), h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

void TMainFm::ExitClick()
{
    if (Messages::ask(this, QStringLiteral("确认要退出吗?"), QStringLiteral("请确认"))) {
        m_confirmedExit = true;
        close();
        qApp->quit();
    }
}

void TMainFm::closeEvent(QCloseEvent *event)
{
    if (m_confirmedExit || Messages::ask(this, QStringLiteral("确认要退出吗?"), QStringLiteral("请确认"))) {
        m_confirmedExit = true;
        event->accept();
    } else {
        event->ignore();
    }
}

void TMainFm::openHelp()
{
    // Both documents are attempted; a missing one is not reported.
    for (const QString &name : {QStringLiteral("help.chm"), QStringLiteral("帮助.doc")})
        if (QFile::exists(name))
            QDesktopServices::openUrl(QUrl::fromLocalFile(QDir::current().absoluteFilePath(name)));
}

void TMainFm::startDesktopTool(const QStringList &candidates, const QString &missing)
{
    for (const QString &program : candidates) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    Messages::warn(this, missing);
}
