// SPDX-License-Identifier: MIT
#include "readers/ReaderFormUi.h"
#include "foundation/Messages.h"
#include "readers/PhotoPickerUi.h"
#include "readers/ReaderPhoto.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace ReaderFormUi {

QLabel *requiredLabel(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont f = label->font();
    f.setBold(true);
    label->setFont(f);
    return label;
}

QComboBox *choiceBox(const QString &objectName, const QStringList &items, QWidget *parent)
{
    auto *box = new QComboBox(parent);
    box->setObjectName(objectName);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->addItems(items);
    return box;
}

QLabel *photoLabel(const char *objectName, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(objectName));
    label->setFixedSize(120, 150);
    label->setFrameShape(QFrame::Box);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void layOut(QWidget *window, QLayout *body, QPushButton *ok, QPushButton *cancel)
{
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto *layout = new QVBoxLayout(window);
    layout->addLayout(body);
    layout->addLayout(buttons);
}

void showPhoto(QLabel *label, const QByteArray &bytes)
{
    QPixmap picture;
    if (bytes.isEmpty() || !picture.loadFromData(bytes)) {
        label->clear();
        return;
    }
    label->setPixmap(picture.scaled(label->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}

bool choosePhoto(QWidget *parent, QByteArray *bmp)
{
    const QString file = PhotoPicker::choose(parent);
    if (file.isEmpty())
        return false;
    const ReaderPhoto::Result r = ReaderPhoto::load(file);
    if (!r.ok) {
        Messages::warn(parent, r.message); // the previous photo stays
        return false;
    }
    *bmp = r.bmp;
    return true;
}

} // namespace ReaderFormUi
