// SPDX-License-Identifier: MIT
#pragma once
// Helpers of the reader window tests: acting on a modal window once it is open.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

// Runs act on the next modal window of type T as soon as it is shown (the caller then
// presses the button that opens it). act must close the window.
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
