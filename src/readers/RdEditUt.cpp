// SPDX-License-Identifier: MIT
#include "readers/RdEditUt.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "readers/RdEditPicUt.h"
#include "readers/ReaderFormUi.h"
#include "readers/ReaderRegistry.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDateTimeEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
// An empty date shows as a blank: the lowest value of the box stands for it.
const QDateTime kNoDateTime(QDate(1900, 1, 1), QTime(0, 0));

template <typename Edit>
Edit *dateBox(const char *name, const QString &format, QWidget *parent)
{
    auto *e = new Edit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setDisplayFormat(format);
    e->setCalendarPopup(true);
    e->setMinimumDateTime(kNoDateTime);
    e->setMaximumDate(QDate(9999, 12, 31));
    e->setSpecialValueText(QStringLiteral(" "));
    return e;
}

QStringList listOf(const std::function<QStringList()> &read)
{
    try {
        return read();
    } catch (const DatabaseError &) {
        return {};
    }
}
} // namespace

TRdEditFm::TRdEditFm(SharedConnection &db, LoginSession &session, const QString &readerNumber, QWidget *parent)
    : QDialog(parent), m_db(db), m_number(readerNumber)
{
    setObjectName(QStringLiteral("RdEditFm"));
    setWindowTitle(QStringLiteral("读者编辑"));
    using namespace ReaderFormUi;
    DBEdit1 = lineEdit(this, "DBEdit1");
    DBEdit2 = lineEdit(this, "DBEdit2");
    DBEdit3 = lineEdit(this, "DBEdit3");
    DBEdit4 = lineEdit(this, "DBEdit4");
    DBEdit5 = lineEdit(this, "DBEdit5");
    DBEdit6 = lineEdit(this, "DBEdit6", true);
    DBEdit7 = lineEdit(this, "DBEdit7", true);
    DBEdit8 = lineEdit(this, "DBEdit8", true);
    DBEdit9 = lineEdit(this, "DBEdit9");
    DBEdit10 = lineEdit(this, "DBEdit10");
    DBEdit11 = lineEdit(this, "DBEdit11", true);
    DBEdit12 = lineEdit(this, "DBEdit12");
    DBComboBox1 = choiceBox(QStringLiteral("DBComboBox1"), {QStringLiteral("男"), QStringLiteral("女")}, this);
    DBComboBox2 = choiceBox(QStringLiteral("DBComboBox2"), listOf([&db] { return ReaderRegistry::categoryNames(db); }), this);
    DBComboBox3 = choiceBox(QStringLiteral("DBComboBox3"), listOf([&db] { return ReaderRegistry::unitNames(db); }), this);
    DBComboBox4 = choiceBox(QStringLiteral("DBComboBox4"), listOf([&db] { return ReaderRegistry::documentNames(db); }), this);
    DBMemo1 = new QPlainTextEdit(this);
    DBMemo1->setObjectName(QStringLiteral("DBMemo1"));
    DBMemo1->setMaximumHeight(60);
    dxDBDateEdit1 = dateBox<QDateTimeEdit>("dxDBDateEdit1", QStringLiteral("yyyy-MM-dd hh:mm:ss"), this);
    dxDBDateEdit2 = dateBox<QDateEdit>("dxDBDateEdit2", QStringLiteral("yyyy-MM-dd"), this);
    DBImage1 = photoLabel("DBImage1", this);
    Button1 = button(this, "Button1", QStringLiteral("保存"));
    Button2 = button(this, "Button2", QStringLiteral("取消"));
    Button3 = button(this, "Button3", QStringLiteral("放大"));
    Button4 = button(this, "Button4", QStringLiteral("更改照片"));

    auto *grid = new QGridLayout;
    int row = 0;
    auto pair = [&](const QString &label, QWidget *box, int column) {
        auto *l = new QLabel(label, this);
        grid->addWidget(l, row, column * 2);
        grid->addWidget(box, row, column * 2 + 1);
        return l;
    };
    pair(QStringLiteral("编号"), DBEdit1, 0);
    pair(QStringLiteral("读者卡号"), DBEdit12, 1);
    ++row;
    pair(QStringLiteral("姓名"), DBEdit2, 0);
    pair(QStringLiteral("拼音"), DBEdit11, 1);
    ++row;
    pair(QStringLiteral("性别"), DBComboBox1, 0);
    pair(QStringLiteral("类别"), DBComboBox2, 1);
    ++row;
    QLabel *classLabel = pair(QStringLiteral("班级"), DBEdit3, 0);
    QLabel *departmentLabel = pair(QStringLiteral("院系"), DBEdit4, 1);
    ++row;
    pair(QStringLiteral("部门"), DBComboBox3, 0);
    pair(QStringLiteral("有效证件"), DBComboBox4, 1);
    ++row;
    pair(QStringLiteral("证件号码"), DBEdit9, 0);
    pair(QStringLiteral("联系电话"), DBEdit5, 1);
    ++row;
    pair(QStringLiteral("住址"), DBEdit10, 0);
    pair(QStringLiteral("借阅次数"), DBEdit6, 1);
    ++row;
    pair(QStringLiteral("登记日期"), dxDBDateEdit1, 0);
    pair(QStringLiteral("有效期"), dxDBDateEdit2, 1);
    ++row;
    pair(QStringLiteral("状态"), DBEdit7, 0);
    pair(QStringLiteral("卡内金额"), DBEdit8, 1);
    ++row;
    grid->addWidget(new QLabel(QStringLiteral("备注"), this), row, 0);
    grid->addWidget(DBMemo1, row, 1, 1, 3);

    const bool showClass = session.switches.显示班级;
    const bool showDepartment = session.switches.显示院系;
    classLabel->setVisible(showClass);
    DBEdit3->setVisible(showClass);
    departmentLabel->setVisible(showDepartment);
    DBEdit4->setVisible(showDepartment);

    auto *photo = new QVBoxLayout;
    photo->addWidget(DBImage1);
    photo->addWidget(Button4);
    photo->addWidget(Button3);
    photo->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(grid, 1);
    top->addLayout(photo);
    layOut(this, top, Button1, Button2);
    try {
        m_found = ReaderRegistry::load(db, readerNumber, &m_form);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    fill();
    connect(DBEdit2, &QLineEdit::textChanged, this, [this](const QString &name) { DBEdit11->setText(ReaderPinyin(name)); });
    connect(Button1, &QPushButton::clicked, this, &TRdEditFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TRdEditFm::Button3Click);
    connect(Button4, &QPushButton::clicked, this, &TRdEditFm::Button4Click);
}

void TRdEditFm::fill()
{
    const ReaderForm &f = m_form;
    DBEdit1->setText(f.number);
    DBEdit2->setText(f.name);
    DBComboBox1->setCurrentText(f.sex);
    DBComboBox2->setCurrentText(f.category);
    DBEdit3->setText(f.className);
    DBEdit4->setText(f.department);
    DBComboBox3->setCurrentText(f.unit);
    DBComboBox4->setCurrentText(f.document);
    DBEdit9->setText(f.documentNumber);
    DBEdit10->setText(f.address);
    DBMemo1->setPlainText(f.remark);
    DBEdit5->setText(f.phone);
    DBEdit6->setText(QString::number(f.loans));
    dxDBDateEdit1->setDateTime(f.registered.isValid() ? f.registered : kNoDateTime);
    DBEdit7->setText(f.state);
    DBEdit8->setText(f.balance);
    dxDBDateEdit2->setDate(f.validUntil.isValid() ? f.validUntil : kNoDateTime.date());
    DBEdit11->setText(ReaderPinyin(f.name));
    DBEdit12->setText(f.cardId);
    ReaderFormUi::showPhoto(DBImage1, f.photo);
}

void TRdEditFm::Button1Click()
{
    ReaderForm f = m_form;
    f.number = DBEdit1->text();
    f.name = DBEdit2->text();
    f.sex = DBComboBox1->currentText();
    f.category = DBComboBox2->currentText();
    f.className = DBEdit3->text();
    f.department = DBEdit4->text();
    f.unit = DBComboBox3->currentText();
    f.document = DBComboBox4->currentText();
    f.documentNumber = DBEdit9->text();
    f.address = DBEdit10->text();
    f.remark = DBMemo1->toPlainText();
    f.phone = DBEdit5->text();
    f.registered = dxDBDateEdit1->dateTime() == kNoDateTime ? QDateTime() : dxDBDateEdit1->dateTime();
    f.validUntil = dxDBDateEdit2->date() == kNoDateTime.date() ? QDate() : dxDBDateEdit2->date();
    f.cardId = DBEdit12->text();
    try {
        if (!ReaderRegistry::update(m_db, m_number, f)) {
            Messages::warn(this, QStringLiteral("没有找到对应的记录!"));
            return;
        }
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message()); // the window stays open with the typed values
        return;
    }
    accept();
}

void TRdEditFm::Button3Click()
{
    TRdEditPicFm pic(m_form.photo, this);
    pic.exec();
}

void TRdEditFm::Button4Click()
{
    QByteArray bmp;
    if (ReaderFormUi::choosePhoto(this, &bmp)) {
        m_form.photo = bmp;
        ReaderFormUi::showPhoto(DBImage1, m_form.photo);
    }
}
