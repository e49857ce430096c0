// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class QWidget;

// The Chinese user guide shipped with the program (HTML), opened in the desktop's
// browser by 使用帮助.
namespace UserGuide {

// The guide's index.html: beside a portable program (guide/), in the installed
// program's share folder, or in the source tree of a development build; empty when
// there is none.
QString path();

// Opens the guide; when no program opens it, says where it is. False when the
// program has no guide (the caller then tries the older help files).
bool show(QWidget *parent);

} // namespace UserGuide
