// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/WindowPartsUi.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QLayout;
class QPushButton;
class QWidget;

// Small pieces the reader windows share.
namespace ReaderFormUi {
using WindowParts::button;
using WindowParts::lineEdit;
// A label drawn in bold: the box beside it must be filled.
QLabel *requiredLabel(const QString &text, QWidget *parent);
// An editable list with the given items.
QComboBox *choiceBox(const QString &objectName, const QStringList &items, QWidget *parent);
// The frame the reader's photo shows in (120 x 150).
QLabel *photoLabel(const char *objectName, QWidget *parent);
// Lays a window out: `body` above, `ok` and `cancel` at the bottom right.
void layOut(QWidget *window, QLayout *body, QPushButton *ok, QPushButton *cancel);
// Shows a stored photo (BMP bytes) fitted into the label; empty bytes clear it.
void showPhoto(QLabel *label, const QByteArray &bytes);
// Asks for a picture file and applies the photo rule; true with *bmp when one was taken.
bool choosePhoto(QWidget *parent, QByteArray *bmp);
}
