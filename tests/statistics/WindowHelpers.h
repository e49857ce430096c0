// SPDX-License-Identifier: MIT
// Helpers of the statistics window tests.
#pragma once
#include "ModalWindow.h"
#include <QApplication>
#include <QElapsedTimer>
#include <QObject>
#include <QStringList>
#include <QTimer>
#include <functional>

