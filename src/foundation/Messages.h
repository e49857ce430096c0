// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class QWidget;

// Every message, question and password prompt of the windows goes through here, so
// that tests can replace the boxes with a recorder that notes each text and answers.
class MessageSink
{
public:
    virtual ~MessageSink() = default;
    virtual void information(QWidget *parent, const QString &text, const QString &title) = 0;
    virtual void warning(QWidget *parent, const QString &text, const QString &title) = 0;
    // Yes/No question; true for Yes.
    virtual bool question(QWidget *parent, const QString &text, const QString &title) = 0;
    // A modal masked prompt; false when cancelled, else *text holds what was typed.
    virtual bool password(QWidget *parent, const QString &title, const QString &prompt,
                          QString *text) = 0;
};

namespace Messages {
// The sink in use; the desktop program installs the message boxes at start.
MessageSink &sink();
void setSink(MessageSink *sink);

inline QString defaultTitle() { return QStringLiteral("提示"); }
void info(QWidget *parent, const QString &text, const QString &title = defaultTitle());
void warn(QWidget *parent, const QString &text, const QString &title = defaultTitle());
bool ask(QWidget *parent, const QString &text, const QString &title = QStringLiteral("请确认"));
// The password prompt every caller uses: title "请输入正确的密码", prompt "密码:".
bool askPassword(QWidget *parent, QString *text);
} // namespace Messages
