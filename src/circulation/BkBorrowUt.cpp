// SPDX-License-Identifier: MIT
#include "circulation/BkBorrowUt.h"
#include "circulation/BkReturnUt.h"
#include "circulation/BorrowOptBarCodeUt.h"
#include "circulation/BorrowOptBkUt.h"
#include "circulation/BorrowOptRdUt.h"
#include "circulation/BorrowRdJieYueJiLuUt.h"
#include "circulation/CounterFocus.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
QPointer<TBkBorrowFm> g_open;
} // namespace

TBkBorrowFm::TBkBorrowFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : CounterWindow(parent), m_db(db), m_session(session), m_desk(db, session)
{
    g_open = this;
    setObjectName(QStringLiteral("BkBorrowFm"));
    setWindowTitle(QStringLiteral("借阅- 首先查询确定读者身份,然后确定预借的图书信息.被借物信息出现在下面列表后点击借出,完成操作."));
    auto box = [this](const char *name, bool readOnly = true) {
        return WindowParts::lineEdit(this, name, readOnly);
    };
    auto button = [this](const char *name, const QString &text) { return WindowParts::button(this, name, text); };

    // The reader.
    auto *readerBox = new QGroupBox(QStringLiteral("读者信息"), this);
    readerBox->setObjectName(QStringLiteral("GroupBox1"));
    Edit1 = box("Edit1", false);
    DBEdit1 = box("DBEdit1");
    readerName = box("readerName");
    readerSex = box("readerSex");
    readerCategory = box("readerCategory");
    readerOpenLoans = box("readerOpenLoans");
    readerLoansEver = box("readerLoansEver");
    readerState = box("readerState");
    readerBalance = box("readerBalance");
    readerExpiry = box("readerExpiry");
    Edit3 = box("Edit3");
    Edit4 = box("Edit4");
    Edit5 = box("Edit5");
    auto *readerLookup = new QHBoxLayout;
    readerLookup->addWidget(Edit1, 1);
    readerLookup->addWidget(new QLabel(QStringLiteral("[回车]"), this));
    m_readerForm = new QFormLayout;
    m_readerForm->addRow(QStringLiteral("读者编号"), readerLookup);
    m_readerForm->addRow(QStringLiteral("当前读者"), DBEdit1);
    m_readerForm->addRow(QStringLiteral("读者姓名"), readerName);
    m_readerForm->addRow(QStringLiteral("性别"), readerSex);
    m_readerForm->addRow(QStringLiteral("类别"), readerCategory);
    m_readerForm->addRow(QStringLiteral("未还数量"), readerOpenLoans);
    m_readerForm->addRow(QStringLiteral("累计借阅次数"), readerLoansEver);
    m_readerForm->addRow(QStringLiteral("状态"), readerState);
    m_readerForm->addRow(QStringLiteral("卡内金额"), readerBalance);
    m_readerForm->addRow(QStringLiteral("有效期"), readerExpiry);
    m_readerForm->addRow(QStringLiteral("借阅数量限制"), Edit3);
    m_readerForm->addRow(QStringLiteral("借阅天数"), Edit4);
    m_readerForm->addRow(QStringLiteral("租金"), Edit5);
    readerBox->setLayout(m_readerForm);

    // The item.
    GroupBox2 = new QGroupBox(QStringLiteral("图书"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    RadioButton1 = new QRadioButton(QStringLiteral("图书"), this);
    RadioButton2 = new QRadioButton(QStringLiteral("期刊"), this);
    RadioButton3 = new QRadioButton(QStringLiteral("编号"), this);
    RadioButton4 = new QRadioButton(QStringLiteral("条形码"), this);
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    RadioButton3->setObjectName(QStringLiteral("RadioButton3"));
    RadioButton4->setObjectName(QStringLiteral("RadioButton4"));
    auto *tables = new QButtonGroup(this);
    tables->addButton(RadioButton1);
    tables->addButton(RadioButton2);
    auto *keys = new QButtonGroup(this);
    keys->addButton(RadioButton3);
    keys->addButton(RadioButton4);
    RadioButton1->setChecked(true);
    RadioButton3->setChecked(true);
    Label12 = new QLabel(QStringLiteral("编号"), this);
    Label12->setObjectName(QStringLiteral("Label12"));
    Edit2 = box("Edit2", false);
    Label12->setBuddy(Edit2);
    Button7 = button("Button7", QStringLiteral("确定"));
    enterHint = new QLabel(QStringLiteral("[回车]"), this);
    enterHint->setObjectName(QStringLiteral("enterHint"));
    itemNumber = box("itemNumber");
    itemName = box("itemName");
    itemBarcode = box("itemBarcode");
    itemClass = box("itemClass");
    itemCount = box("itemCount");
    itemShelf = box("itemShelf");
    itemPublisher = box("itemPublisher");
    itemPrice = box("itemPrice");
    DBEdit5 = box("DBEdit5");
    Edit6 = box("Edit6");
    auto *choice = new QHBoxLayout;
    for (QRadioButton *r : {RadioButton1, RadioButton2, RadioButton3, RadioButton4})
        choice->addWidget(r);
    choice->addStretch();
    auto *itemLookup = new QHBoxLayout;
    itemLookup->addWidget(Label12);
    itemLookup->addWidget(Edit2, 1);
    itemLookup->addWidget(Button7);
    itemLookup->addWidget(enterHint);
    m_itemForm = new QFormLayout;
    m_itemForm->addRow(QStringLiteral("编号"), itemNumber);
    m_itemForm->addRow(QStringLiteral("名称"), itemName);
    m_itemForm->addRow(QStringLiteral("条形码"), itemBarcode);
    m_itemForm->addRow(QStringLiteral("分类"), itemClass);
    m_itemForm->addRow(QStringLiteral("数量"), itemCount);
    m_itemForm->addRow(QStringLiteral("存放位置"), itemShelf);
    m_itemForm->addRow(QStringLiteral("出版社"), itemPublisher);
    m_itemForm->addRow(QStringLiteral("价格"), itemPrice);
    m_itemForm->addRow(QStringLiteral("物品级别"), DBEdit5);
    m_itemForm->addRow(QStringLiteral("级别租金"), Edit6);
    auto *itemLayout = new QVBoxLayout(GroupBox2);
    itemLayout->addLayout(choice);
    itemLayout->addLayout(itemLookup);
    itemLayout->addLayout(m_itemForm);

    // The pending list and the buttons.
    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setHeaderLabels({QStringLiteral("编号"), QStringLiteral("条形码"), QStringLiteral("名称"),
                                QStringLiteral("类别"), QStringLiteral("天数"), QStringLiteral("租金"),
                                QStringLiteral("物品级别")});
    ListView1->setRootIsDecorated(false);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->header()->setSectionResizeMode(2, QHeaderView::Stretch);
    countLabel = new QLabel(this);
    countLabel->setObjectName(QStringLiteral("countLabel"));
    CheckBox1 = new QCheckBox(QStringLiteral("借出后打印"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    Button1 = button("Button1", QStringLiteral("借出"));
    Button6 = button("Button6", QStringLiteral("取消"));
    Button2 = button("Button2", QStringLiteral("取消全部"));
    Button8 = button("Button8", QStringLiteral("显示未还记录"));
    Button4 = button("Button4", QStringLiteral("退出"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(countLabel);
    buttons->addStretch();
    buttons->addWidget(CheckBox1);
    for (QPushButton *b : {Button1, Button6, Button2, Button8, Button4})
        buttons->addWidget(b);

    auto *top = new QHBoxLayout;
    top->addWidget(readerBox, 1);
    top->addWidget(GroupBox2, 1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(ListView1, 1);
    layout->addLayout(buttons);
    resize(900, 640);

    auto *returning = new QAction(QStringLiteral("归还"), this);
    returning->setObjectName(QStringLiteral("N_Return"));
    returning->setShortcut(QKeySequence(Qt::Key_F6));
    addAction(returning);
    connect(returning, &QAction::triggered, this, [this] { TBkReturnFm::open(this, m_db, m_session); });

    connect(Edit1, &QLineEdit::returnPressed, this, &TBkBorrowFm::RdSearch);
    connect(Edit2, &QLineEdit::returnPressed, this, [this] {
        if (m_session.config.winA == QLatin1String("1"))
            bksearch();
    });
    Edit1->installEventFilter(this);
    Edit2->installEventFilter(this);
    connect(Button7, &QPushButton::clicked, this, &TBkBorrowFm::bksearch);
    connect(Button1, &QPushButton::clicked, this, &TBkBorrowFm::Button1Click);
    connect(Button6, &QPushButton::clicked, this, &TBkBorrowFm::Button6Click);
    connect(Button2, &QPushButton::clicked, this, &TBkBorrowFm::CleanData);
    connect(Button8, &QPushButton::clicked, this, &TBkBorrowFm::Button8Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::reject);
    connect(RadioButton1, &QRadioButton::toggled, this, [this] { GroupBox2->setTitle(ItemTables::name(itemTable())); });
    connect(RadioButton3, &QRadioButton::toggled, this, [this] { Label12->setText(ItemTables::column(itemKey())); });

    // Show.
    CleanData();
    const bool winA = m_session.config.winA == QLatin1String("1");
    Button7->setVisible(!winA);
    enterHint->setVisible(winA);
    CheckBox1->setChecked(m_session.config.jieChuHouDaYin == QLatin1String("1"));
    const LibrarySwitches &s = m_session.switches;
    WindowParts::setRowVisible(m_readerForm, readerBalance, s.启用租金功能);
    WindowParts::setRowVisible(m_readerForm, Edit5, s.启用租金功能 && s.启用读者租金);
    WindowParts::setRowVisible(m_itemForm, Edit6, s.启用租金功能 && !s.启用读者租金);
    WindowParts::setRowVisible(m_itemForm, DBEdit5, s.启用租金功能 && !s.启用读者租金);
    WindowParts::setRowVisible(m_readerForm, readerExpiry, s.启用读者有效期);
    try {
        const CounterFocus focus = CounterFocus::read(m_db);
        (focus.lendingKey == ItemKey::Barcode ? RadioButton4 : RadioButton3)->setChecked(true);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    Edit1->setFocus();
}

TBkBorrowFm::~TBkBorrowFm() = default;

TBkBorrowFm *TBkBorrowFm::current()
{
    return g_open.data();
}

void TBkBorrowFm::open(QWidget *parent, SharedConnection &db, LoginSession &session, bool modal)
{
    if (TBkBorrowFm *w = current()) {
        w->show();
        w->raise();
        w->activateWindow();
        return;
    }
    auto *w = new TBkBorrowFm(db, session, parent);
    w->setAttribute(Qt::WA_DeleteOnClose);
    if (modal && !TBkReturnFm::current()) {
        w->exec();
        return;
    }
    w->setWindowFlag(Qt::Window);
    w->setModal(false);
    w->show();
}

void TBkBorrowFm::firstFocus()
{
    Edit1->setFocus();
}

QDialog *TBkBorrowFm::partner() const
{
    return TBkReturnFm::current();
}

bool TBkBorrowFm::eventFilter(QObject *watched, QEvent *event)
{
    auto *edit = qobject_cast<QLineEdit *>(watched);
    if (edit && (edit == Edit1 || edit == Edit2)) {
        if (event->type() == QEvent::MouseButtonDblClick) {
            edit == Edit1 ? pickReader() : pickItem();
            return true;
        }
        if (event->type() == QEvent::MouseButtonRelease)
            QTimer::singleShot(0, edit, &QLineEdit::selectAll); // a click selects the text
    }
    return QDialog::eventFilter(watched, event);
}

ItemTable TBkBorrowFm::itemTable() const
{
    return RadioButton2->isChecked() ? ItemTable::Periodical : ItemTable::Book;
}

ItemKey TBkBorrowFm::itemKey() const
{
    return RadioButton4->isChecked() ? ItemKey::Barcode : ItemKey::Number;
}

void TBkBorrowFm::CleanData()
{
    m_desk.clear();
    ListView1->clear();
    showReader();
    showItem(nullptr);
    for (QLineEdit *e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6})
        e->clear();
    Edit1->setFocus();
    showCount();
}

void TBkBorrowFm::showReader()
{
    const bool has = m_desk.hasReader();
    const LendingReader &r = m_desk.reader();
    DBEdit1->setText(r.读者编号);
    readerName->setText(r.读者姓名);
    readerSex->setText(r.性别);
    readerCategory->setText(r.类别);
    readerOpenLoans->setText(has ? QString::number(r.未还数量) : QString());
    readerLoansEver->setText(has ? QString::number(r.累计借阅次数) : QString());
    readerState->setText(r.状态);
    readerBalance->setText(has ? r.卡内金额.toString() : QString());
    readerExpiry->setText(r.有效期.toString(QStringLiteral("yyyy-MM-dd")));
    Edit3->setText(has ? QString::number(r.借阅数量限制) : QString());
    Edit4->setText(has ? QString::number(r.借阅天数) : QString());
    Edit5->setText(has ? r.租金.toString() : QString());
}

void TBkBorrowFm::showItem(const LendingItem *item)
{
    const LendingItem none;
    const LendingItem &i = item ? *item : none;
    itemNumber->setText(i.编号);
    itemName->setText(i.名称);
    itemBarcode->setText(i.条形码);
    itemClass->setText(i.分类);
    itemCount->setText(item ? QString::number(i.数量) : QString());
    itemShelf->setText(i.存放位置);
    itemPublisher->setText(i.出版社);
    itemPrice->setText(item ? i.价格.toString() : QString());
    DBEdit5->setText(i.levelText());
}

void TBkBorrowFm::showCount()
{
    countLabel->setText(QStringLiteral("当前数量:%1").arg(m_desk.pending().size()));
}

void TBkBorrowFm::selectEdit2()
{
    Edit2->setFocus();
    Edit2->selectAll();
}

void TBkBorrowFm::RdSearch()
{
    QString refusal;
    try {
        refusal = m_desk.lookUpReader(Edit1->text());
    } catch (const DatabaseError &e) {
        refusal = e.message();
    }
    showReader();
    if (!refusal.isEmpty()) {
        Messages::warn(this, refusal);
        Edit1->setFocus();
        Edit1->selectAll();
        return;
    }
    Edit1->clear();
    selectEdit2();
}

void TBkBorrowFm::bksearch()
{
    const ItemTable table = itemTable();
    const ItemKey key = itemKey();
    const QString value = Edit2->text();
    LendingDesk::Found found;
    try {
        found = m_desk.findItems(table, key, value);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    if (found.rows.isEmpty()) {
        Messages::warn(this, found.message);
        if (m_desk.hasReader()) {
            selectEdit2();
        } else {
            Edit1->setFocus();
            Edit1->selectAll();
        }
        return;
    }
    int index = 0;
    if (found.rows.size() > 1) {
        TBorrowOptBarCodeFm pick(m_db, table, key, value, this);
        pick.exec();
        for (int i = 0; i < found.rows.size(); ++i)
            if (found.rows[i].编号 == pick.chosenNumber())
                index = i;
    }
    const LendingItem item = found.rows.at(index);
    showItem(&item);
    LendingDesk::Admission a;
    try {
        a = m_desk.admit(item);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    Edit6->setText(a.levelRent.toString());
    if (a.outcome == LendingDesk::Outcome::Refused) {
        Messages::warn(this, a.message);
        selectEdit2();
        return;
    }
    if (a.outcome == LendingDesk::Outcome::Listed) {
        const PendingLine &line = m_desk.pending().last();
        auto *row = new QTreeWidgetItem(ListView1, {line.编号, line.条形码, line.名称, line.类别(),
                                                    QString::number(line.天数), line.租金.toString(), line.物品级别});
        ListView1->setCurrentItem(row);
        if (!a.warning.isEmpty())
            Messages::warn(this, a.warning);
    }
    selectEdit2();
    showCount();
}

void TBkBorrowFm::Button1Click()
{
    if (!m_desk.hasReader()) {
        Messages::warn(this, QStringLiteral("请输入读者编号后按回车!"));
        Edit1->setFocus();
        return;
    }
    if (m_desk.pending().isEmpty())
        return;
    const LendingDesk::LendResult r = m_desk.lend(CheckBox1->isChecked());
    if (!r.ok) {
        // Nothing was lent; the list stays for the operator.
        Messages::warn(this, r.message);
        return;
    }
    Messages::info(this, r.message);
    CleanData();
}

void TBkBorrowFm::Button6Click()
{
    QTreeWidgetItem *row = ListView1->currentItem();
    if (!row)
        return;
    const int index = ListView1->indexOfTopLevelItem(row);
    if (!Messages::ask(this, QStringLiteral("您是否要删除\" %1\",\"%2\"").arg(row->text(0), row->text(2))))
        return;
    m_desk.removeLine(index);
    delete row;
    showCount();
}

void TBkBorrowFm::Button8Click()
{
    TBorrowRdJieYueJiLuFm window(m_db, DBEdit1->text(), this);
    window.exec();
}

void TBkBorrowFm::pickReader()
{
    TBorrowOptRdFm pick(m_db, this);
    if (pick.exec() != QDialog::Accepted || pick.chosen().isEmpty())
        return;
    Edit1->setText(pick.chosen());
    RdSearch();
}

void TBkBorrowFm::pickItem()
{
    TBorrowOptBkFm pick(m_db, itemTable(), itemKey(), this);
    if (pick.exec() != QDialog::Accepted || pick.chosen().isEmpty())
        return;
    Edit2->setText(pick.chosen());
    bksearch();
}
