// SPDX-License-Identifier: MIT
#include "session/LoginUt.h"
#include "foundation/DatabaseOpener.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "maintenance/SetDataUt.h"
#include "session/SignIn.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TLoginFm::TLoginFm(SharedConnection &db, LoginSession &session, QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session), m_title(new QLabel(this)),
      ComboBox1(new QComboBox(this)), Edit1(new QLineEdit(this)),
      Button1(new QPushButton(QStringLiteral("确定"), this)),
      Button2(new QPushButton(QStringLiteral("取消"), this))
{
    setWindowTitle(QStringLiteral("登录"));
    m_title->setObjectName(QStringLiteral("Label3"));
    m_title->setText(session.config.softname);
    m_title->setAlignment(Qt::AlignCenter);
    QFont big = m_title->font();
    big.setPointSize(20);
    big.setBold(true);
    m_title->setFont(big);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->setMinimumWidth(220);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setEchoMode(QLineEdit::Password);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button1->setDefault(true);

    auto *form = new QFormLayout;
    form->addRow(QStringLiteral("管理员:"), ComboBox1);
    form->addRow(QStringLiteral("密  码:"), Edit1);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_title);
    layout->addSpacing(12);
    layout->addLayout(form);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TLoginFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
}

bool TLoginFm::prepare()
{
    const OpenResult opened = openDatabase(m_db, m_session.config.connectionString());
    if (!opened.ok) {
        Messages::warn(this, QStringLiteral("数据库连接失败,请选择数据库.") + QStringLiteral("\n")
                                 + opened.message);
        TSetDataFm settings(m_session, this);
        settings.exec();
        return false;
    }
    if (opened.created)
        Messages::info(this, opened.message);
    try {
        for (const QString &warning : SignIn::versionWarnings(m_db))
            Messages::warn(this, warning);
        const QStringList names = SignIn::operatorNames(m_db);
        ComboBox1->clear();
        ComboBox1->addItems(names);
        ComboBox1->setEditText(names.value(0));
        Edit1->setText(SignIn::hasFactoryPassword(m_db) ? QStringLiteral("8316") : QString());
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return false;
    }
    Edit1->setFocus();
    return true;
}

void TLoginFm::Button1Click()
{
    try {
        const SignIn::Result result = SignIn::signIn(m_db, m_session, ComboBox1->currentText(), Edit1->text());
        if (!result.ok) {
            Messages::warn(this, result.message);
            Edit1->setFocus();
            Edit1->selectAll();
            return;
        }
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    hide();
    emit signedIn();
}
