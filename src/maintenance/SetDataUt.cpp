// SPDX-License-Identifier: MIT
#include "maintenance/SetDataUt.h"
#include "foundation/ConnectionSettings.h"
#include "foundation/IniFile.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {
// Saved as cs when the operator saves without a test.
QString initialServerString()
{
    return ConnectionSettings::serverString(QString(), QStringLiteral("postgres"), QStringLiteral("book"),
                                            QStringLiteral("localhost"));
}
} // namespace

TSetDataFm::TSetDataFm(const LoginSession &session, QWidget *parent, const QString &iniPath)
    : QDialog(parent), m_iniPath(iniPath.isEmpty() ? AppConfig::defaultIniPath() : iniPath),
      m_testedString(initialServerString()),
      RadioButton1(new QRadioButton(QStringLiteral("SQLite  (选择本地SQLite数据库可以直接保存)"), this)),
      RadioButton2(new QRadioButton(QStringLiteral("PostgreSQL (只有测试连接成功才能保存)"), this)),
      GroupBox1(new QGroupBox(QStringLiteral("PostgreSQL"), this)), ComboBox1(new QComboBox(GroupBox1)),
      Edit2(new QLineEdit(GroupBox1)), Edit3(new QLineEdit(GroupBox1)), Edit4(new QLineEdit(GroupBox1)),
      Button1(new QPushButton(QStringLiteral("保存"), this)),
      Button2(new QPushButton(QStringLiteral("测试"), GroupBox1)),
      Button3(new QPushButton(QStringLiteral("退出"), this))
{
    setWindowTitle(QStringLiteral("数据库设置"));
    RadioButton1->setObjectName(QStringLiteral("RadioButton1"));
    RadioButton2->setObjectName(QStringLiteral("RadioButton2"));
    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setEditable(true);
    Edit2->setObjectName(QStringLiteral("Edit2"));
    Edit3->setObjectName(QStringLiteral("Edit3"));
    Edit4->setObjectName(QStringLiteral("Edit4"));
    Edit4->setEchoMode(QLineEdit::Password);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button2->setObjectName(QStringLiteral("Button2"));
    Button3->setObjectName(QStringLiteral("Button3"));

    auto *form = new QFormLayout(GroupBox1);
    form->addRow(QStringLiteral("服务器名/ip地址:"), ComboBox1);
    form->addRow(QStringLiteral("数据库名:"), Edit2);
    form->addRow(QStringLiteral("用户名:"), Edit3);
    form->addRow(QStringLiteral("密码:"), Edit4);
    form->addRow(QString(), Button2);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button3);
    auto *layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(RadioButton1);
    layout->addWidget(RadioButton2);
    layout->addWidget(GroupBox1);
    layout->addLayout(buttons);

    const IniFile ini(m_iniPath);
    const QString p1 = QStringLiteral("part1");
    ComboBox1->setEditText(ini.read(p1, QStringLiteral("ServerName"), QStringLiteral("0")));
    Edit2->setText(ini.read(p1, QStringLiteral("DataBaseName"), QStringLiteral("0")));
    Edit3->setText(ini.read(p1, QStringLiteral("UserName"), QStringLiteral("0")));
    Edit4->setText(ini.read(p1, QStringLiteral("PassWord"), QStringLiteral("0")));

    (session.dialect().isServer() ? RadioButton2 : RadioButton1)->setChecked(true);
    applyChoice();
    connect(RadioButton1, &QRadioButton::toggled, this, &TSetDataFm::applyChoice);
    connect(Button2, &QPushButton::clicked, this, &TSetDataFm::Button2Click);
    connect(Button1, &QPushButton::clicked, this, &TSetDataFm::Button1Click);
    connect(Button3, &QPushButton::clicked, this, &TSetDataFm::Button3Click);
}

void TSetDataFm::applyChoice()
{
    const bool server = RadioButton2->isChecked();
    GroupBox1->setVisible(server);
    GroupBox1->setEnabled(server);
    Button1->setEnabled(!server);
}

void TSetDataFm::Button2Click()
{
    const QString text = ConnectionSettings::serverString(Edit4->text(), Edit3->text(), Edit2->text(),
                                                          ComboBox1->currentText());
    m_testedString = text;
    const ConnectionSettings settings = ConnectionSettings::parse(text);
    Messages::info(this, settings.maskedText());
    SharedConnection test(QStringLiteral("settings-test"));
    QString error;
    if (test.open(settings, &error)) {
        Messages::info(this, QStringLiteral("连接成功!"));
        Button1->setEnabled(true);
    } else {
        Messages::warn(this, QStringLiteral("连接失败") + QStringLiteral("\n") + error);
    }
}

void TSetDataFm::Button1Click()
{
    IniFile ini(m_iniPath);
    const QString p1 = QStringLiteral("part1");
    const bool ok = ini.write(p1, QStringLiteral("abc"),
                              RadioButton2->isChecked() ? QStringLiteral("s") : QStringLiteral("a"))
        && ini.write(p1, QStringLiteral("ServerName"), ComboBox1->currentText().trimmed())
        && ini.write(p1, QStringLiteral("DataBaseName"), Edit2->text().trimmed())
        && ini.write(p1, QStringLiteral("UserName"), Edit3->text().trimmed())
        && ini.write(p1, QStringLiteral("PassWord"), Edit4->text().trimmed())
        && ini.write(p1, QStringLiteral("cs"), m_testedString.trimmed());
    if (!ok) {
        Messages::warn(this, QStringLiteral("无法写入配置文件 %1: %2").arg(m_iniPath, ini.errorText()));
        return;
    }
    Messages::info(this, QStringLiteral("软件重启后生效!"));
    accept();
}

void TSetDataFm::Button3Click()
{
    Messages::info(this, QStringLiteral("软件重启后生效!"));
    reject();
}
