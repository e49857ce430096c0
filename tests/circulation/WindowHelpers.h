// SPDX-License-Identifier: MIT
// Helpers of the counter's window tests.
#pragma once
#include "ModalWindow.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>


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
