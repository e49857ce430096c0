// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <functional>

class QWidget;

// The picture-open dialog of the reader windows. Tests replace it with a function that
// names the file, as if the operator had chosen it.
namespace PhotoPicker {
// The chosen file, or empty when the operator cancelled.
QString choose(QWidget *parent);
// Replaces the dialog; an empty function restores it.
void setChooser(std::function<QString()> chooser);
}
