// SPDX-License-Identifier: MIT
#include "foundation/Messages.h"

#include <cstdio>

namespace {
// Without windows (bookctl, core tests) messages go to standard error and questions
// are answered No.
class StderrSink : public MessageSink
{
public:
    void information(QWidget *, const QString &text, const QString &) override { print(text); }
    void warning(QWidget *, const QString &text, const QString &) override { print(text); }
    bool question(QWidget *, const QString &text, const QString &) override
    {
        print(text);
        return false;
    }
    bool password(QWidget *, const QString &, const QString &, QString *) override { return false; }

private:
    static void print(const QString &text) { std::fprintf(stderr, "%s\n", text.toUtf8().constData()); }
};

StderrSink g_stderrSink;
MessageSink *g_sink = &g_stderrSink;
} // namespace

namespace Messages {

MessageSink &sink()
{
    return *g_sink;
}

void setSink(MessageSink *sink)
{
    g_sink = sink ? sink : &g_stderrSink;
}

void info(QWidget *parent, const QString &text, const QString &title)
{
    g_sink->information(parent, text, title);
}

void warn(QWidget *parent, const QString &text, const QString &title)
{
    g_sink->warning(parent, text, title);
}

bool ask(QWidget *parent, const QString &text, const QString &title)
{
    return g_sink->question(parent, text, title);
}

bool askPassword(QWidget *parent, QString *text)
{
    return g_sink->password(parent, QStringLiteral("请输入正确的密码"), QStringLiteral("密码:"), text);
}

} // namespace Messages
