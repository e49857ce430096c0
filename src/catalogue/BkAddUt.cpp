// SPDX-License-Identifier: MIT
#include "catalogue/BkAddUt.h"
#include "catalogue/BkSearchUt.h"
#include "catalogue/BookRegistration.h"
#include "catalogue/CallNumber.h"
#include "catalogue/CatalogueBoxesUi.h"
#include "catalogue/CatalogueOutputUi.h"
#include "catalogue/CatalogueReports.h"
#include "catalogue/MyNetTmUt.h"
#include "catalogue/PublisherLookup.h"
#include "foundation/Isbn.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/PagedReport.h"
#include "foundation/SharedConnection.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace {
using CatalogueBoxes::setComboText;

QLineEdit *edit(QWidget *parent, const char *name)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    return e;
}
QComboBox *combo(QWidget *parent, const char *name)
{
    auto *c = new QComboBox(parent);
    c->setObjectName(QString::fromLatin1(name));
    c->setEditable(true);
    c->setInsertPolicy(QComboBox::NoInsert);
    return c;
}
void allow(QLineEdit *e, const char *pattern)
{
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QString::fromLatin1(pattern)), e));
}
QLabel *caption(const QString &text, bool bold, QWidget *parent)
{
    auto *l = new QLabel(text, parent);
    if (bold) {
        QFont f = l->font();
        f.setBold(true);
        l->setFont(f);
    }
    return l;
}
} // namespace

TBkAddFm::TBkAddFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session)
{
    setObjectName(QStringLiteral("BkAddFm"));
    setWindowTitle(QStringLiteral("添加图书---字体加重的项必须填写"));
    Edit1 = edit(this, "Edit1");
    Edit3 = edit(this, "Edit3");
    Edit2 = new QPlainTextEdit(this);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit2->setMaximumHeight(52);
    ComboBox4 = combo(this, "ComboBox4");
    Edit4 = edit(this, "Edit4");
    ComboBox3 = combo(this, "ComboBox3");
    Edit18 = edit(this, "Edit18");
    ComboBox1 = combo(this, "ComboBox1");
    Edit10 = edit(this, "Edit10");
    ComboBox2 = combo(this, "ComboBox2");
    Edit21 = edit(this, "Edit21");
    Edit5 = edit(this, "Edit5");
    ComboBox6 = combo(this, "ComboBox6");
    Edit6 = edit(this, "Edit6");
    Edit16 = edit(this, "Edit16");
    ComboBox7 = combo(this, "ComboBox7");
    Edit8 = edit(this, "Edit8");
    Edit11 = edit(this, "Edit11");
    Edit9 = edit(this, "Edit9");
    Edit12 = edit(this, "Edit12");
    Edit7 = edit(this, "Edit7");
    ComboBox9 = combo(this, "ComboBox9");
    Edit13 = edit(this, "Edit13");
    Edit13->setEnabled(false);
    ComboBox8 = combo(this, "ComboBox8");
    ComboBox10 = combo(this, "ComboBox10");
    ComboBox5 = combo(this, "ComboBox5");
    Edit17 = edit(this, "Edit17");
    ComboBox11 = combo(this, "ComboBox11");
    ComboBox12 = combo(this, "ComboBox12");
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setMaximumHeight(70);
    allow(Edit18, "[0-9]*");
    allow(Edit6, "[0-9]*");
    allow(Edit7, "[0-9.]*");

    LabelA1 = caption(m_session.switches.a1Caption, false, this);
    LabelA2 = caption(m_session.switches.a2Caption, false, this);
    LabelA3 = caption(m_session.switches.a3Caption, false, this);
    LabelDonor = caption(QStringLiteral("捐赠人"), false, this);
    LabelDonor->setObjectName(QStringLiteral("LabelDonor"));

    auto *boxes = new QGridLayout;
    int row = 0, col = 0;
    auto add = [&](QLabel *label, QWidget *w, int span = 1) {
        boxes->addWidget(label, row, col * 2);
        boxes->addWidget(w, row, col * 2 + 1, 1, span * 2 - 1);
        col += span;
        if (col >= 2) {
            col = 0;
            ++row;
        }
    };
    auto text = [this](const char *t, bool bold = false) { return caption(QString::fromUtf8(t), bold, this); };
    add(text("图书编号", true), Edit1);
    add(text("条形码", true), Edit3);
    add(text("书名", true), Edit2, 2);
    add(text("存放位置"), ComboBox4);
    add(text("索书号"), Edit4);
    add(text("出版社"), ComboBox3);
    add(text("种次号"), Edit18);
    add(text("分类"), ComboBox1);
    add(text("ISBN"), Edit10);
    add(text("二级分类"), ComboBox2);
    add(text("出版时间"), Edit21);
    add(text("分类号"), Edit5);
    add(LabelA1, ComboBox6);
    add(text("数量", true), Edit6);
    add(text("页数"), Edit16);
    add(text("附件"), ComboBox7);
    add(text("作者"), Edit8);
    add(text("版次"), Edit11);
    add(text("译者"), Edit9);
    add(text("电子文档"), Edit12);
    add(text("价格"), Edit7);
    add(text("状态"), ComboBox9);
    add(text("拼音"), Edit13);
    add(text("物品级别"), ComboBox8);
    add(text("来源"), ComboBox10);
    add(text("币种"), ComboBox5);
    add(LabelDonor, Edit17);
    add(LabelA2, ComboBox11);
    add(LabelA3, ComboBox12);
    if (col != 0) {
        col = 0;
        ++row;
    }
    add(text("简介"), Memo1, 2);

    Button1 = new QPushButton(QStringLiteral("保存"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("关闭"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    Button4 = new QPushButton(QStringLiteral("ok"), this);
    Button4->setObjectName(QStringLiteral("Button4"));
    Button4->setText(QStringLiteral("联网录入")); // the network lookup by ISBN, offered visibly
    connect(Button4, &QPushButton::clicked, this, [this] {
        TMyNetTmFm *lookup = findChild<TMyNetTmFm *>();
        (lookup ? lookup : new TMyNetTmFm(this))->show();
    });
    for (QPushButton *b : {Button1, Button2, Button4})
        b->setAutoDefault(false);
    CheckBox1 = new QCheckBox(QStringLiteral("保存后清空数据"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setChecked(true);
    CheckBox2 = new QCheckBox(QStringLiteral("自动编号"), this);
    CheckBox2->setObjectName(QStringLiteral("CheckBox2"));
    CheckBox3 = new QCheckBox(QStringLiteral("打印标签"), this);
    CheckBox3->setObjectName(QStringLiteral("CheckBox3"));
    CheckBox4 = new QCheckBox(QStringLiteral("录入多册(数量)"), this);
    CheckBox4->setObjectName(QStringLiteral("CheckBox4"));
    Edit19 = edit(this, "Edit19");
    allow(Edit19, "[0-9]*");
    Edit19->setMaximumWidth(60);
    Edit20 = edit(this, "Edit20");
    Edit20->setMaximumWidth(40);

    GroupBox2 = new QGroupBox(QStringLiteral("自动编号--先输入前缀再输入起始值"), this);
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    Edit14 = edit(GroupBox2, "Edit14");
    Edit14->setText(QStringLiteral("A"));
    Edit15 = edit(GroupBox2, "Edit15");
    Edit15->setText(QStringLiteral("1"));
    allow(Edit15, "[0-9.]*");
    Button3 = new QPushButton(QStringLiteral("使用自动编号"), GroupBox2);
    Button3->setObjectName(QStringLiteral("Button3"));
    Button3->setAutoDefault(false);
    auto *autoLayout = new QHBoxLayout(GroupBox2);
    autoLayout->addWidget(new QLabel(QStringLiteral("前缀"), GroupBox2));
    autoLayout->addWidget(Edit14);
    autoLayout->addWidget(new QLabel(QStringLiteral("起始值"), GroupBox2));
    autoLayout->addWidget(Edit15);
    autoLayout->addWidget(Button3);
    GroupBox2->hide();

    auto *options = new QHBoxLayout;
    options->addWidget(CheckBox1);
    options->addWidget(CheckBox2);
    options->addWidget(CheckBox3);
    options->addWidget(CheckBox4);
    options->addWidget(Edit19);
    options->addWidget(new QLabel(QStringLiteral("间隔字符"), this));
    options->addWidget(Edit20);
    options->addStretch();
    options->addWidget(Button4);
    options->addWidget(Button1);
    options->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(options);
    layout->addWidget(GroupBox2);

    connect(Edit2, &QPlainTextEdit::textChanged, this, &TBkAddFm::Edit2Change);
    connect(Edit3, &QLineEdit::returnPressed, this, &TBkAddFm::Edit3KeyPress);
    connect(Edit3, &QLineEdit::textEdited, this, &TBkAddFm::Edit3KeyUp);
    connect(Edit10, &QLineEdit::returnPressed, this, &TBkAddFm::Edit10KeyPress);
    connect(Edit5, &QLineEdit::returnPressed, this, &TBkAddFm::ShengChengSsh);
    connect(ComboBox10, &QComboBox::currentTextChanged, this, &TBkAddFm::ComboBox10Change);
    connect(CheckBox2, &QCheckBox::toggled, GroupBox2, &QWidget::setVisible);
    connect(Button1, &QPushButton::clicked, this, &TBkAddFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(Button3, &QPushButton::clicked, this, &TBkAddFm::Button3Click);
    Edit1->installEventFilter(this);
    Edit12->installEventFilter(this);

    // Opening: captions, counter, copy options, empty lists, the reset, the lists.
    Edit19->clear();
    Edit20->setText(QStringLiteral("."));
    Edit1->clear();
    InitialData();
    fillLists();
    ComboBox9->addItems({QStringLiteral("正常"), QStringLiteral("不外借")});
    ComboBox10->addItems({QStringLiteral("购买"), QStringLiteral("捐赠")});
    setComboText(ComboBox9, QStringLiteral("正常"));
    setComboText(ComboBox10, QStringLiteral("购买"));
    ComboBox10Change();
}

void TBkAddFm::fillLists()
{
    CatalogueBoxes::fillKeepingText(this, m_db,
                                    {{ComboBox1, "分类", "名称"},
                                     {ComboBox2, "二级分类", "名称"},
                                     {ComboBox3, "出版社名", "出版社名"},
                                     {ComboBox4, "存放位置", "存放位置名"},
                                     {ComboBox5, "币种", "币种"},
                                     {ComboBox7, "附件名", "附件名"},
                                     {ComboBox8, "物品级别", "名称"},
                                     {ComboBox6, "a1", "名称"},
                                     {ComboBox11, "a2", "名称"},
                                     {ComboBox12, "a3", "名称"}});
}

void TBkAddFm::InitialData()
{
    Edit1->setFocus();
    const BookEntry d = BookEntry::defaults();
    for (QLineEdit *e : {Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12, Edit13, Edit16,
                         Edit17, Edit18, Edit21})
        e->clear();
    Edit2->clear();
    Memo1->clear();
    for (QComboBox *c : {ComboBox1, ComboBox2, ComboBox3, ComboBox4, ComboBox5, ComboBox6, ComboBox7, ComboBox8,
                         ComboBox9, ComboBox10, ComboBox11, ComboBox12})
        setComboText(c, QString());
    Edit3->setText(d.value(QStringLiteral("条形码")));
    Edit12->setText(d.value(QStringLiteral("图片地址")));
    Edit6->setText(d.value(QStringLiteral("数量")));
    Edit16->setText(d.value(QStringLiteral("页数")));
    Edit7->setText(d.value(QStringLiteral("价格")));
    setComboText(ComboBox9, d.value(QStringLiteral("状态")));
    setComboText(ComboBox8, d.value(QStringLiteral("物品级别")));
    setComboText(ComboBox10, d.value(QStringLiteral("来源")));
    setComboText(ComboBox5, d.value(QStringLiteral("币种")));
}

BookEntry TBkAddFm::entry() const
{
    BookEntry e;
    const struct {
        const char *column;
        QWidget *box;
    } boxes[] = {{"编号", Edit1},    {"条形码", Edit3},   {"名称", Edit2},       {"存放位置", ComboBox4},
                 {"索书号", Edit4},   {"出版社", ComboBox3}, {"zch", Edit18},     {"分类", ComboBox1},
                 {"isbn", Edit10},   {"二级分类", ComboBox2}, {"出版时间", Edit21}, {"分类号", Edit5},
                 {"a1", ComboBox6},  {"数量", Edit6},     {"页数", Edit16},     {"附件", ComboBox7},
                 {"作者", Edit8},    {"版次", Edit11},    {"译者", Edit9},      {"图片地址", Edit12},
                 {"价格", Edit7},    {"状态", ComboBox9}, {"py", Edit13},       {"物品级别", ComboBox8},
                 {"来源", ComboBox10}, {"币种", ComboBox5}, {"捐赠人", Edit17},  {"a2", ComboBox11},
                 {"a3", ComboBox12}, {"简介", Memo1}};
    for (const auto &b : boxes) {
        QString text;
        if (auto *line = qobject_cast<QLineEdit *>(b.box))
            text = line->text();
        else if (auto *c = qobject_cast<QComboBox *>(b.box))
            text = c->currentText();
        else if (auto *memo = qobject_cast<QPlainTextEdit *>(b.box))
            text = memo->toPlainText();
        e.setValue(QString::fromUtf8(b.column), text);
    }
    return e;
}

bool TBkAddFm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::MouseButtonRelease) {
        Edit1->selectAll();
    } else if (watched == Edit12 && event->type() == QEvent::MouseButtonPress) {
        chooseDocument();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TBkAddFm::chooseDocument()
{
    const QString file = QFileDialog::getOpenFileName(this, QStringLiteral("电子文档"));
    if (!file.isEmpty())
        Edit12->setText(file);
}

void TBkAddFm::Edit2Change()
{
    Edit13->setText(BookRegistration::pinyin(Edit2->toPlainText()));
}

void TBkAddFm::BarCodeFindPub()
{
    const PublisherMatch m = PublisherMatch::byBarcode(m_db, Edit3->text());
    if (!m.found)
        return;
    Edit10->setText(m.isbnPrefix);
    setComboText(ComboBox3, m.name);
}

void TBkAddFm::Edit3KeyPress()
{
    try {
        BarCodeFindPub();
        const bool stored = BookRegistration(m_db, m_session.OperatorName).barcodeStored(Edit3->text());
        if (m_session.config.bcCc == QLatin1String("1") && stored)
            Messages::info(this, QStringLiteral("提示:数据库中已经有该条码!"));
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    Edit3KeyUp(); // the key's release follows
}

void TBkAddFm::Edit3KeyUp()
{
    Edit10->setText(Isbn13To10(Edit3->text()));
}

void TBkAddFm::Edit10KeyPress()
{
    Edit3->setText(Isbn10To13(Edit10->text()));
}

void TBkAddFm::ShengChengSsh()
{
    try {
        const CallNumber c = CallNumber::propose(m_db, Edit5->text());
        if (!c.isValid())
            return;
        Edit4->setText(c.callNumber);
        Edit18->setText(QString::number(c.zch));
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TBkAddFm::ComboBox10Change()
{
    const bool donated = ComboBox10->currentText().trimmed() == QStringLiteral("捐赠");
    Edit17->setVisible(donated);
    LabelDonor->setVisible(donated);
    if (!donated)
        Edit17->clear();
}

void TBkAddFm::Button3Click()
{
    if (!m_autoNumber.start(Edit14->text(), Edit15->text())) {
        Messages::warn(this, QStringLiteral("起始值必须是整数!"));
        return;
    }
    Edit1->setText(m_autoNumber.current());
}

void TBkAddFm::Button1Click()
{
    Edit20->setText(BookRegistration::separator(Edit20->text()));
    int copies = 0;
    if (CheckBox4->isChecked()) {
        Edit19->setText(Edit19->text().trimmed());
        const QString problem = BookRegistration::copiesCheck(Edit19->text(), &copies);
        if (!problem.isEmpty()) {
            Messages::warn(this, problem);
            Edit19->setFocus();
            return;
        }
    }
    BookEntry e = entry();
    if (!e.requiredFilled()) {
        QApplication::beep();
        Messages::warn(this, BookRegistration::requiredMessage());
        return;
    }
    const BookRegistration registration(m_db, m_session.OperatorName);
    const QList<BookInsertResult> results = registration.save(e, copies, Edit20->text());
    // The class-number proposals of the copies show in the boxes.
    Edit4->setText(e.value(QStringLiteral("索书号")));
    Edit18->setText(e.value(QStringLiteral("zch")));
    QList<CatalogueReports::RegistrationLabel> labels;
    int stored = 0;
    for (const BookInsertResult &r : results) {
        if (!r.stored) {
            Messages::warn(this, r.message);
            continue;
        }
        ++stored;
        if (CheckBox3->isChecked())
            labels.append({Edit2->toPlainText(), Edit1->text(), r.callNumber, Edit5->text(), Edit3->text()});
    }
    if (!labels.isEmpty()) {
        const auto report = CatalogueReports::registrationLabels(labels);
        CatalogueOutput::preview(this, *report, QStringLiteral("图书标签"));
    }
    // Nothing stored: the boxes keep what was typed so the operator can correct it.
    if (stored == 0)
        return;
    TBkSearchFm::showRecentInOpenWindow();
    Messages::info(this, QStringLiteral("保存完毕,请继续录入下一条!"));
    if (CheckBox1->isChecked())
        InitialData();
    if (CheckBox2->isChecked())
        Edit1->setText(m_autoNumber.advance());
}
