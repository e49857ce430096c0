// SPDX-License-Identifier: MIT
// Helpers of the statistics window tests.
#pragma once
#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

// Runs act on the next modal window of type T once it is shown (the caller then presses
// the button that opens it); act must close it.
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
