// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

class QComboBox;
class QLabel;
class QWidget;

// Small pieces the reader windows share.
namespace ReaderFormUi {
// A label drawn in bold: the box beside it must be filled.
QLabel *requiredLabel(const QString &text, QWidget *parent);
// An editable list with the given items.
QComboBox *choiceBox(const QString &objectName, const QStringList &items, QWidget *parent);
// Shows a stored photo (BMP bytes) fitted into the label; empty bytes clear it.
void showPhoto(QLabel *label, const QByteArray &bytes);
// Asks for a picture file and applies the photo rule; true with *bmp when one was taken.
bool choosePhoto(QWidget *parent, QByteArray *bmp);
}
