// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class QToolBar;
class QToolButton;

namespace ToolBars {
// A text-only tool button at the end of `bar`, found by tests under `objectName`.
QToolButton *addButton(QToolBar *bar, const char *objectName, const QString &text);
}
