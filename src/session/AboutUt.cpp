// SPDX-License-Identifier: MIT
#include "session/AboutUt.h"
#include "foundation/ConnectionSettings.h"
#include "foundation/InstallLocations.h"
#include "foundation/LoginSession.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutFm::TAboutFm(const LoginSession &session, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("关于"));
    const AppConfig &c = session.config;
    auto *layout = new QVBoxLayout(this);
    auto addLine = [&](const QString &name, const QString &text) {
        auto *label = new QLabel(text, this);
        label->setObjectName(name);
        label->setWordWrap(true);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        layout->addWidget(label);
    };
    addLine(QStringLiteral("softname"), c.softname);
    addLine(QStringLiteral("Memo"), c.memo);
    addLine(QStringLiteral("tel"), QStringLiteral("电话: ") + c.tel);
    addLine(QStringLiteral("web"), QStringLiteral("网址: ") + c.web);
    addLine(QStringLiteral("company"), c.company);
    addLine(QStringLiteral("database"), QStringLiteral("当前数据库: ") + session.dialect().engineName());
    addLine(QStringLiteral("version"), QStringLiteral("版本: ") + QString::fromLatin1(InstallLocations::kVersion));
    addLine(QStringLiteral("iniFile"), QStringLiteral("设置文件: ") + AppConfig::defaultIniPath());
    const ConnectionSettings cs = ConnectionSettings::parse(session.config.connectionString());
    if (cs.engine() == ConnectionSettings::Engine::SQLite)
        addLine(QStringLiteral("databaseFile"), QStringLiteral("数据库文件: ") + cs.databaseFile());
    auto *ok = new QPushButton(QStringLiteral("确定"), this);
    ok->setObjectName(QStringLiteral("Button1"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(ok, 0, Qt::AlignRight);
}
