// SPDX-License-Identifier: MIT
// The desktop program: sign-in window first, then the main window.
#include "foundation/AppConfig.h"
#include "foundation/LoginSession.h"
#include "foundation/MessageBoxUi.h"
#include "foundation/SharedConnection.h"
#include "session/LoginUt.h"
#include "session/MainUt.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("图书管理系统"));
    QApplication::setApplicationDisplayName(QStringLiteral("图书管理系统"));
    if (QFontDatabase::families().contains(QStringLiteral("WenQuanYi Micro Hei")))
        QApplication::setFont(QFont(QStringLiteral("WenQuanYi Micro Hei"), 10));

    static MessageBoxSink boxes;
    Messages::setSink(&boxes);

    LoginSession &session = LoginSession::current();
    session.config = AppConfig::read(AppConfig::defaultIniPath());
    SharedConnection &db = SharedConnection::current();

    TLoginFm login(db, session);
    login.show();
    login.prepare();

    TMainFm *main = nullptr;
    QObject::connect(&login, &TLoginFm::signedIn, [&] {
        main = new TMainFm(db, session);
                // The whole screen also where no window manager maximises windows.
        if (QScreen *screen = QGuiApplication::primaryScreen())
            main->setGeometry(screen->availableGeometry());
        main->showMaximized();
    });
    QObject::connect(&login, &QDialog::rejected, &app, &QApplication::quit);
    const int status = app.exec();
    delete main;
    db.close();
    return status;
}
