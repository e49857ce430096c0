// SPDX-License-Identifier: MIT
#include "maintenance/CleandataUt.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "maintenance/DataCleanup.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TCleanDataFm::TCleanDataFm(SharedConnection &db, QWidget *parent) : QDialog(parent), m_db(db)
{
    setWindowTitle(QStringLiteral("清理数据"));
    auto *warning = new QGroupBox(QStringLiteral("重要提示:"), this);
    auto *note = new QLabel(QStringLiteral("此步操作将永久性删除数据信息,强烈建议您备份数据后再进行."), warning);
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #b00000;"));
    (new QVBoxLayout(warning))->addWidget(note);

    const char *names[] = {"CheckBox1", "CheckBox2", "CheckBox3", "CheckBox4",
                           "CheckBox5", "CheckBox6", "CheckBox7", "CheckBox9"};
    auto *boxes = new QGroupBox(this);
    auto *grid = new QGridLayout(boxes);
    int i = 0;
    for (const DataCleanup::Step &s : DataCleanup::steps()) {
        auto *box = new QCheckBox(s.box, boxes);
        box->setObjectName(QString::fromLatin1(names[i]));
        grid->addWidget(box, i / 2, i % 2);
        m_boxes << box;
        ++i;
    }
    CheckBox8 = new QCheckBox(QStringLiteral("全选"), boxes);
    CheckBox8->setObjectName(QStringLiteral("CheckBox8"));
    grid->addWidget(CheckBox8, i / 2 + 1, 0);

    Button1 = new QPushButton(QStringLiteral("确定"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2 = new QPushButton(QStringLiteral("返回"), this);
    Button2->setObjectName(QStringLiteral("Button2"));
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(warning);
    layout->addWidget(boxes);
    layout->addLayout(buttons);

    connect(CheckBox8, &QCheckBox::clicked, this, &TCleanDataFm::CheckBox8Click);
    connect(Button1, &QPushButton::clicked, this, &TCleanDataFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

void TCleanDataFm::CheckBox8Click()
{
    for (QCheckBox *box : std::as_const(m_boxes))
        box->setChecked(CheckBox8->isChecked());
}

void TCleanDataFm::Button1Click()
{
    QString password;
    if (!Messages::askPassword(this, &password) || !DataCleanup::passwordAccepted(password)) {
        Messages::warn(this, DataCleanup::wrongPassword());
        return;
    }
    QList<DataCleanup::Part> chosen;
    for (int i = 0; i < m_boxes.size(); ++i)
        if (m_boxes[i]->isChecked())
            chosen << DataCleanup::steps()[i].part;
    const DataCleanup::Result r = DataCleanup::run(m_db, password, chosen);
    if (!r.ok) {
        Messages::warn(this, r.error); // nothing was deleted; the window stays open
        return;
    }
    for (const QString &message : r.messages)
        Messages::info(this, message);
    accept();
}
