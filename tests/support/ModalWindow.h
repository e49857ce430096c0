// SPDX-License-Identifier: MIT
// Acting on a modal window in window tests, once it is open.
#pragma once
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs act on the next modal window of type T as soon as it shows (the caller then
// does what opens it). act must close the window. Gives up after five seconds.
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
