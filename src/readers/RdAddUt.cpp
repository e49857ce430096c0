// SPDX-License-Identifier: MIT
#include "readers/RdAddUt.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/Pinyin.h"
#include "foundation/SharedConnection.h"
#include "readers/ReaderFormUi.h"
#include "readers/ReaderRegistry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
QStringList listOrWarn(QWidget *w, const std::function<QStringList()> &read)
{
    try {
        return read();
    } catch (const DatabaseError &e) {
        Messages::warn(w, e.message());
        return {};
    }
}
} // namespace

TRdAddFm::TRdAddFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session)
{
    setObjectName(QStringLiteral("RdAddFm"));
    setWindowTitle(QStringLiteral("读者添加"));
    using namespace ReaderFormUi;
    Edit1 = lineEdit(this, "Edit1");
    Edit2 = lineEdit(this, "Edit2");
    Edit3 = lineEdit(this, "Edit3");
    Edit4 = lineEdit(this, "Edit4");
    Edit5 = lineEdit(this, "Edit5");
    Edit6 = lineEdit(this, "Edit6", true);
    Edit7 = lineEdit(this, "Edit7");
    ComboBox1 = choiceBox(QStringLiteral("ComboBox1"), {QStringLiteral("男"), QStringLiteral("女")}, this);
    ComboBox2 = choiceBox(QStringLiteral("ComboBox2"),
                          listOrWarn(this, [&db] { return ReaderRegistry::categoryNames(db); }), this);
    ComboBox3 = choiceBox(QStringLiteral("ComboBox3"), listOrWarn(this, [&db] { return ReaderRegistry::unitNames(db); }),
                          this);
    ComboBox4 = choiceBox(QStringLiteral("ComboBox4"),
                          listOrWarn(this, [&db] { return ReaderRegistry::documentNames(db); }), this);
    ComboBox5 = choiceBox(QStringLiteral("ComboBox5"), {}, this);
    ComboBox6 = choiceBox(QStringLiteral("ComboBox6"), {}, this);
    DateTimePicker1 = new QDateEdit(this);
    DateTimePicker1->setObjectName(QStringLiteral("DateTimePicker1"));
    DateTimePicker1->setCalendarPopup(true);
    DateTimePicker1->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    DateTimePicker1->setMaximumDate(QDate(9999, 12, 31));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMaximumHeight(60);
    Image1 = photoLabel("Image1", this);
    Button1 = button(this, "Button1", QStringLiteral("保存"));
    Button2 = button(this, "Button2", QStringLiteral("返回"));
    Button4 = button(this, "Button4", QStringLiteral("照片"));
    CheckBox1 = new QCheckBox(QStringLiteral("保存后清空数据"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    LabelClass = new QLabel(QStringLiteral("班级"), this);
    LabelDepartment = new QLabel(QStringLiteral("院系"), this);

    auto *grid = new QGridLayout;
    int row = 0;
    auto pair = [&](QWidget *label, QWidget *box, int column) {
        grid->addWidget(label, row, column * 2);
        grid->addWidget(box, row, column * 2 + 1);
    };
    pair(requiredLabel(QStringLiteral("读者编号"), this), Edit1, 0);
    pair(new QLabel(QStringLiteral("读者卡号"), this), Edit7, 1);
    ++row;
    pair(requiredLabel(QStringLiteral("读者姓名"), this), Edit2, 0);
    pair(new QLabel(QStringLiteral("拼音"), this), Edit6, 1);
    ++row;
    pair(new QLabel(QStringLiteral("性别"), this), ComboBox1, 0);
    pair(requiredLabel(QStringLiteral("类别"), this), ComboBox2, 1);
    ++row;
    pair(new QLabel(QStringLiteral("有效证件"), this), ComboBox4, 0);
    pair(new QLabel(QStringLiteral("证件号码"), this), Edit3, 1);
    ++row;
    pair(new QLabel(QStringLiteral("联系电话"), this), Edit4, 0);
    pair(new QLabel(QStringLiteral("有效期"), this), DateTimePicker1, 1);
    ++row;
    pair(LabelClass, ComboBox5, 0);
    pair(LabelDepartment, ComboBox6, 1);
    ++row;
    pair(new QLabel(QStringLiteral("部门"), this), ComboBox3, 0);
    pair(new QLabel(QStringLiteral("住址"), this), Edit5, 1);
    ++row;
    grid->addWidget(new QLabel(QStringLiteral("备注"), this), row, 0);
    grid->addWidget(Memo1, row, 1, 1, 3);

    auto *photo = new QVBoxLayout;
    photo->addWidget(Image1);
    photo->addWidget(Button4);
    photo->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(grid, 1);
    top->addLayout(photo);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(CheckBox1);
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);

    // The class and department boxes only when the library uses them.
    LabelClass->setVisible(m_session.switches.显示班级);
    ComboBox5->setVisible(m_session.switches.显示班级);
    LabelDepartment->setVisible(m_session.switches.显示院系);
    ComboBox6->setVisible(m_session.switches.显示院系);

    connect(Edit2, &QLineEdit::textChanged, this, &TRdAddFm::Edit2Change);
    connect(Button4, &QPushButton::clicked, this, &TRdAddFm::Button4Click);
    connect(Button1, &QPushButton::clicked, this, &TRdAddFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    InitialData();
}

void TRdAddFm::InitialData()
{
    ComboBox1->setCurrentText(QStringLiteral("男"));
    ComboBox2->setCurrentText(QStringLiteral("普通"));
    for (QComboBox *box : {ComboBox3, ComboBox4, ComboBox5, ComboBox6}) {
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
    for (QLineEdit *e : {Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7})
        e->clear();
    Memo1->clear();
    m_photo.clear();
    showPhoto();
    DateTimePicker1->setDate(ReaderRegistry::defaultValidUntil());
}

void TRdAddFm::Edit2Change()
{
    Edit6->setText(PinyinOf(Edit2->text()));
}

void TRdAddFm::showPhoto()
{
    ReaderFormUi::showPhoto(Image1, m_photo);
}

void TRdAddFm::Button4Click()
{
    QByteArray bmp;
    if (ReaderFormUi::choosePhoto(this, &bmp)) {
        m_photo = bmp;
        showPhoto();
    }
}

void TRdAddFm::Button1Click()
{
    ReaderForm f;
    f.number = Edit1->text();
    f.cardId = Edit7->text();
    f.name = Edit2->text();
    f.sex = ComboBox1->currentText();
    f.category = ComboBox2->currentText();
    f.document = ComboBox4->currentText();
    f.documentNumber = Edit3->text();
    f.phone = Edit4->text();
    f.validUntil = DateTimePicker1->date();
    f.className = ComboBox5->currentText();
    f.department = ComboBox6->currentText();
    f.unit = ComboBox3->currentText();
    f.address = Edit5->text();
    f.remark = Memo1->toPlainText();
    f.photo = m_photo;
    const QString missing = ReaderRegistry::missingRequired(f);
    if (!missing.isEmpty()) {
        Messages::warn(this, missing);
        return;
    }
    try {
        ReaderRegistry::registerReader(m_db, f, m_session.switches.开户费, m_session.OperatorName);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    m_savedAny = true;
    Messages::info(this, QStringLiteral("保存完毕"));
    if (CheckBox1->isChecked())
        InitialData();
}
