// SPDX-License-Identifier: MIT
#include "maintenance/SysInfoSetUt.h"
#include "foundation/IniFile.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "maintenance/LibrarySettings.h"

#include <QCheckBox>
#include <QFont>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// The boxes of the library group: column, caption, objectName.
struct Box {
    const char *column, *caption, *name;
};
const Box kBoxes[] = {
    {"图书馆名", "图书馆名", "LibraryNameEdit"}, {"地址", "地址", "AddressEdit"},
    {"电话", "电话", "PhoneEdit"},              {"负责人", "负责人", "ManagerEdit"},
    {"超期每日罚金", "超期日罚金", "FineEdit"},  {"押金倍数", "押金倍数", "DepositEdit"},
    {"开户费", "开户费", "FeeEdit"},
};
const Box kListNames[] = {{"a1", "a1Name:", "A1Edit"}, {"a2", "a2Name:", "A2Edit"}, {"a3", "a3Name:", "A3Edit"}};
// The switch check boxes: column (also the caption), objectName.
const QPair<const char *, const char *> kSwitches[] = {
    {"借出时打印清单", "PrintListCheck"}, {"借阅数量限制功能", "LoanLimitCheck"},
    {"启用超期罚金", "OverdueFineCheck"}, {"启用读者租金", "ReaderRentCheck"},
    {"启用读者有效期", "ReaderExpiryCheck"}, {"启用租金功能", "RentCheck"},
    {"显示院系", "ShowFacultyCheck"}, {"显示班级", "ShowClassCheck"},
    {"启用预定功能", "ReservationCheck"}, {"启用押金功能", "DepositCheck"},
};

template <typename W>
W *named(W *w, const char *name)
{
    w->setObjectName(QString::fromLatin1(name));
    return w;
}
} // namespace

TSysInfoSetFm::TSysInfoSetFm(SharedConnection &db, const LoginSession &session, QWidget *parent,
                             const QString &iniPath)
    : QDialog(parent), m_db(db), m_iniPath(iniPath.isEmpty() ? AppConfig::defaultIniPath() : iniPath)
{
    setWindowTitle(QStringLiteral("系统设置"));
    auto *tabs = named(new QTabWidget(this), "PageControl1");

    // Page one: the library, the focus groups, the switches and the list names.
    auto *main = new QWidget(tabs);
    auto *library = new QGroupBox(QStringLiteral("图书馆信息"), main);
    auto *form = new QFormLayout(library);
    for (const Box &b : kBoxes) {
        auto *edit = named(new QLineEdit(library), b.name);
        auto *label = new QLabel(QString::fromUtf8(b.caption), library);
        if (QString::fromUtf8(b.column) == QStringLiteral("开户费")) {
            QFont bold = label->font();
            bold.setBold(true); // required
            label->setFont(bold);
        }
        form->addRow(label, edit);
        m_edits.insert(QString::fromUtf8(b.column), edit);
    }

    auto *returnGroup = named(new QGroupBox(QStringLiteral("归还焦点"), main), "ReturnFocusGroup");
    m_returnBookNumber = named(new QRadioButton(QStringLiteral("图书编号"), returnGroup), "ReturnBookNumberRadio");
    m_returnReaderNumber = named(new QRadioButton(QStringLiteral("读者编号"), returnGroup), "ReturnReaderNumberRadio");
    m_returnBarcode = named(new QRadioButton(QStringLiteral("条形码"), returnGroup), "ReturnBarcodeRadio");
    auto *rl = new QHBoxLayout(returnGroup);
    rl->addWidget(m_returnBookNumber);
    rl->addWidget(m_returnReaderNumber);
    rl->addWidget(m_returnBarcode);
    auto *lendGroup = named(new QGroupBox(QStringLiteral("借阅焦点"), main), "LendFocusGroup");
    m_lendNumber = named(new QRadioButton(QStringLiteral("编号"), lendGroup), "LendNumberRadio");
    m_lendBarcode = named(new QRadioButton(QStringLiteral("条形码"), lendGroup), "LendBarcodeRadio");
    auto *ll = new QHBoxLayout(lendGroup);
    ll->addWidget(m_lendNumber);
    ll->addWidget(m_lendBarcode);

    auto *switches = new QGroupBox(QStringLiteral("功能开关"), main);
    auto *grid = new QGridLayout(switches);
    int n = 0;
    for (const auto &s : kSwitches) {
        auto *box = named(new QCheckBox(QString::fromUtf8(s.first), switches), s.second);
        m_switches.insert(QString::fromUtf8(s.first), box);
        if (QString::fromUtf8(s.first) == QStringLiteral("启用押金功能")) {
            box->setVisible(false); // bound, but hidden
            continue;
        }
        grid->addWidget(box, n / 3, n % 3);
        ++n;
    }
    m_barcodeRepeat = named(new QCheckBox(QStringLiteral("图书录入时-条码重复提示"), switches), "BarcodeRepeatCheck");
    m_remind = named(new QCheckBox(QStringLiteral("自动提醒逾期记录"), switches), "RemindCheck");
    grid->addWidget(m_barcodeRepeat, n / 3 + 1, 0, 1, 2);
    grid->addWidget(m_remind, n / 3 + 1, 2);

    auto *lists = new QGroupBox(QStringLiteral("列表名称"), main);
    auto *listForm = new QHBoxLayout(lists);
    for (const Box &b : kListNames) {
        auto *edit = named(new QLineEdit(lists), b.name);
        listForm->addWidget(new QLabel(QString::fromUtf8(b.caption), lists));
        listForm->addWidget(edit);
        m_edits.insert(QString::fromUtf8(b.column), edit);
    }

    auto *mainLayout = new QGridLayout(main);
    mainLayout->addWidget(library, 0, 0, 2, 1);
    mainLayout->addWidget(returnGroup, 0, 1);
    mainLayout->addWidget(lendGroup, 1, 1);
    mainLayout->addWidget(switches, 2, 0, 1, 2);
    mainLayout->addWidget(lists, 3, 0, 1, 2);
    tabs->addTab(main, QStringLiteral("基本设置"));

    m_cardBack = named(new QPlainTextEdit(tabs), "CardBackMemo");
    tabs->addTab(m_cardBack, QStringLiteral("借阅证背面文字"));
    m_webNotice = named(new QPlainTextEdit(tabs), "WebNoticeMemo");
    tabs->addTab(m_webNotice, QStringLiteral("网站公告"));

    Button1 = named(new QPushButton(QStringLiteral("保存"), this), "Button1");
    Button2 = named(new QPushButton(QStringLiteral("取消"), this), "Button2");
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(tabs);
    layout->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, &TSysInfoSetFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TSysInfoSetFm::Button2Click);

    FormShow();
    m_barcodeRepeat->setChecked(session.config.bcCc == QLatin1String("1"));
    m_remind->setChecked(session.config.remindYN == QLatin1String("1"));
}

void TSysInfoSetFm::FormShow()
{
    LibrarySettingsRow r;
    try {
        r = LibrarySettings::load(m_db);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        Button1->setEnabled(false);
        return;
    }
    const QMap<QString, QString> texts{
        {QStringLiteral("图书馆名"), r.图书馆名}, {QStringLiteral("地址"), r.地址},
        {QStringLiteral("电话"), r.电话},         {QStringLiteral("负责人"), r.负责人},
        {QStringLiteral("超期每日罚金"), r.超期每日罚金}, {QStringLiteral("押金倍数"), r.押金倍数},
        {QStringLiteral("开户费"), r.开户费},     {QStringLiteral("a1"), r.a1},
        {QStringLiteral("a2"), r.a2},             {QStringLiteral("a3"), r.a3}};
    for (auto it = texts.begin(); it != texts.end(); ++it)
        m_edits.value(it.key())->setText(it.value());
    using RF = LibrarySettingsRow::ReturnFocus;
    using LF = LibrarySettingsRow::LendFocus;
    m_returnBookNumber->setChecked(r.returnFocus == RF::BookNumber);
    m_returnReaderNumber->setChecked(r.returnFocus == RF::ReaderNumber);
    m_returnBarcode->setChecked(r.returnFocus == RF::Barcode);
    m_lendNumber->setChecked(r.lendFocus == LF::Number);
    m_lendBarcode->setChecked(r.lendFocus == LF::Barcode);
    for (auto it = m_switches.begin(); it != m_switches.end(); ++it)
        it.value()->setChecked(r.switches.value(it.key()));
    m_cardBack->setPlainText(r.借阅证背面文字);
    m_webNotice->setPlainText(r.WebNotice);
}

void TSysInfoSetFm::Button1Click()
{
    LibrarySettingsRow r;
    auto text = [this](const char *column) { return m_edits.value(QString::fromUtf8(column))->text(); };
    r.图书馆名 = text("图书馆名");
    r.地址 = text("地址");
    r.电话 = text("电话");
    r.负责人 = text("负责人");
    r.超期每日罚金 = text("超期每日罚金");
    r.押金倍数 = text("押金倍数");
    r.开户费 = text("开户费");
    r.a1 = text("a1");
    r.a2 = text("a2");
    r.a3 = text("a3");
    using RF = LibrarySettingsRow::ReturnFocus;
    using LF = LibrarySettingsRow::LendFocus;
    r.returnFocus = m_returnBookNumber->isChecked()     ? RF::BookNumber
        : m_returnReaderNumber->isChecked()             ? RF::ReaderNumber
        : m_returnBarcode->isChecked()                  ? RF::Barcode
                                                        : RF::None;
    r.lendFocus = m_lendNumber->isChecked() ? LF::Number : m_lendBarcode->isChecked() ? LF::Barcode : LF::None;
    for (auto it = m_switches.begin(); it != m_switches.end(); ++it)
        r.switches.insert(it.key(), it.value()->isChecked());
    r.借阅证背面文字 = m_cardBack->toPlainText();
    r.WebNotice = m_webNotice->toPlainText();

    IniFile ini(m_iniPath);
    const LibrarySettings::SaveResult saved =
        LibrarySettings::save(m_db, r, ini, m_barcodeRepeat->isChecked(), m_remind->isChecked());
    // The box shows what is saved: a1 trimmed or "密级".
    if (!saved.field.isEmpty() || saved.ok) {
        const QString a1 = r.a1.trimmed();
        m_edits.value(QStringLiteral("a1"))->setText(a1.isEmpty() ? QStringLiteral("密级") : a1);
    }
    if (!saved.ok) {
        Messages::warn(this, saved.message);
        if (QLineEdit *box = m_edits.value(saved.field))
            box->setFocus();
        return;
    }
    Messages::info(this, saved.message);
    accept();
}

void TSysInfoSetFm::Button2Click()
{
    reject();
}
