// SPDX-License-Identifier: MIT
// Helpers of the counter's window tests.
#pragma once
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs act on the next modal window of type T as soon as it shows (the caller then
// does what opens it). act must close the window.
template <typename T>
void whenModal(std::function<void(T *)> act)
{
    auto *timer = new QTimer;
    auto *clock = new QElapsedTimer;
    clock->start();
    QObject::connect(timer, &QTimer::timeout, [timer, clock, act] {
        T *w = qobject_cast<T *>(QApplication::activeModalWidget());
        if (!w && clock->elapsed() < 5000)
            return;
        timer->stop();
        timer->deleteLater();
        delete clock;
        if (w)
            act(w);
    });
    timer->start(10);
}

template <typename T>
T *child(QWidget *window, const char *name)
{
    T *w = window->findChild<T *>(QString::fromLatin1(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

// Types into a box as a barcode scanner does: the text, then Enter.
inline void scan(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}
