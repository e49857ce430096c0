// SPDX-License-Identifier: MIT
#include "circulation/PosPrtSetUt.h"
#include "circulation/PosPrinterSettings.h"
#include "circulation/Receipt.h"
#include "circulation/ReceiptPrinter.h"
#include "foundation/DayClock.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TPosPrtSetFm::TPosPrtSetFm(LoginSession &session, QWidget *parent, const QString &iniPath)
    : QDialog(parent), m_session(session), m_iniPath(iniPath.isEmpty() ? AppConfig::defaultIniPath() : iniPath)
{
    setObjectName(QStringLiteral("PosPrtSetFm"));
    setWindowTitle(QStringLiteral("Pos打印机设置"));
    CheckBox1 = new QCheckBox(QStringLiteral("借出后打印小票"), this);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    auto *portGroup = new QGroupBox(QStringLiteral("打印机端口选择"), this);
    ComboBox1 = new QComboBox(portGroup);
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    ComboBox1->addItems(PosPrinterSettings::ports());
    (new QVBoxLayout(portGroup))->addWidget(ComboBox1);
    auto *textGroup = new QGroupBox(QStringLiteral("打印测试内容:"), this);
    Edit1 = new QLineEdit(QStringLiteral("打印测试内容ABCD"), textGroup);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    (new QVBoxLayout(textGroup))->addWidget(Edit1);
    auto button = [this](const char *name, const QString &text) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAutoDefault(false);
        return b;
    };
    Button1 = button("Button1", QStringLiteral("应用"));
    Button3 = button("Button3", QStringLiteral("打印测试"));
    Button2 = button("Button2", QStringLiteral("退出"));
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button1);
    buttons->addWidget(Button3);
    buttons->addWidget(Button2);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(CheckBox1);
    layout->addWidget(portGroup);
    layout->addWidget(textGroup);
    layout->addLayout(buttons);

    connect(Button1, &QPushButton::clicked, this, &TPosPrtSetFm::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TPosPrtSetFm::Button3Click);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);

    CheckBox1->setChecked(m_session.config.jieChuHouDaYin == QLatin1String("1"));
    ComboBox1->setCurrentText(m_session.config.posPort);
}

void TPosPrtSetFm::Button1Click()
{
    QString error;
    if (!PosPrinterSettings::save(m_iniPath, ComboBox1->currentText(), CheckBox1->isChecked(), m_session, &error)) {
        Messages::warn(this, error);
        return;
    }
    Messages::info(this, QStringLiteral("修改完毕,重启软件后生效!"));
    accept();
}

void TPosPrtSetFm::Button3Click()
{
    // The port in the box, not the stored one; a port that does not answer within a
    // few seconds counts as a failure.
    const QByteArray bytes = Receipt::test(m_session.config.softname, m_session.OperatorName, DayClock::now(),
                                           Edit1->text());
    if (!ReceiptPrinter::sendAndWait(ComboBox1->currentText(), bytes, 3000))
        Messages::warn(this, QStringLiteral("失败!"));
}
