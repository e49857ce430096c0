// SPDX-License-Identifier: MIT
#pragma once
#include "ModalWindow.h"
// Helpers of the reader window tests: acting on a modal window once it is open.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <functional>

