// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/Messages.h"

#include <QQueue>
#include <QStringList>

// Replaces the message boxes in window tests: notes every text and gives scripted
// answers (Yes when no answer is queued; Cancel for a password prompt).
class MessageRecorder : public MessageSink
{
public:
    MessageRecorder() { Messages::setSink(this); }
    ~MessageRecorder() override { Messages::setSink(nullptr); }

    QStringList texts;         // every message and question, in order
    QQueue<bool> answers;      // answers to questions
    QQueue<QString> passwords; // typed into password prompts

    void information(QWidget *, const QString &text, const QString &) override { texts << text; }
    void warning(QWidget *, const QString &text, const QString &) override { texts << text; }
    bool question(QWidget *, const QString &text, const QString &) override
    {
        texts << text;
        return answers.isEmpty() ? true : answers.dequeue();
    }
    bool password(QWidget *, const QString &title, const QString &, QString *text) override
    {
        texts << title;
        if (passwords.isEmpty())
            return false;
        *text = passwords.dequeue();
        return true;
    }
    QString last() const { return texts.value(texts.size() - 1); }
    void clear() { texts.clear(); }
};
