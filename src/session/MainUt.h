// SPDX-License-Identifier: MIT
#pragma once
#include <QMainWindow>
#include <functional>

class QAction;
class QLabel;
class QMenu;
class QToolButton;
class LoginSession;
class SharedConnection;
class TShouFeiFm;

// The main window: menus, tool bar, status bar and background picture. It opens
// every other window, applies the operator's rights and asks before ending.
class TMainFm : public QMainWindow
{
    Q_OBJECT
public:
    TMainFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);

    // The menu command with the given caption (blanks inside captions ignored).
    QAction *command(const QString &caption) const;

    // Runs the overdue reminder when RemindYN is "1"; called when the window first
    // shows after sign-in and when the program comes back from another program.
    void remindOverdue();

signals:
    void overdueReminderDue();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // One entry of the command table: where it sits, what it opens, which right it needs.
    enum class Gate { None, Disable, Refuse };
    struct Command {
        QString menu;
        QString caption;
        QString objectName;
        QString shortcut;
        std::function<void()> run; // empty: the window does not exist yet
        std::function<bool()> allowed;
        Gate gate = Gate::None;
        QString refusal;
    };

    void buildCommands();
    void buildMenus();
    void buildToolBar();
    void applyRights();
    void addTool(const QString &objectName, const QString &caption, const QString &commandCaption);
    void ExitClick();
    void openHelp();
    void startDesktopTool(const QStringList &candidates, const QString &missing);
    void placeBackground();
    void showShouFei();

    SharedConnection &m_db;
    LoginSession &m_session;
    QList<Command> m_commands;
    QHash<QString, QAction *> m_actions;
    QLabel *Image1;
    QLabel *Label1;
    QLabel *Label2;
    QPixmap m_background;
    bool m_shownOnce = false;
    bool m_leftForAnotherProgram = false;
    bool m_confirmedExit = false;
    TShouFeiFm *m_shouFei = nullptr; // the charge window, kept hidden between uses
};
