// SPDX-License-Identifier: MIT
#include "readers/RdEditPicUt.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

TRdEditPicFm::TRdEditPicFm(const QByteArray &photo, QWidget *parent) : QDialog(parent), DBImage1(new QLabel(this))
{
    setObjectName(QStringLiteral("RdEditPicFm"));
    setWindowTitle(QStringLiteral("Pic"));
    DBImage1->setObjectName(QStringLiteral("DBImage1"));
    DBImage1->setMinimumSize(1, 1);
    DBImage1->setAlignment(Qt::AlignCenter);
    DBImage1->installEventFilter(this);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(DBImage1);
    m_picture.loadFromData(photo);
    resize(m_picture.isNull() ? QSize(300, 360) : m_picture.size().expandedTo(QSize(200, 200)).boundedTo(QSize(900, 900)));
}

void TRdEditPicFm::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (!m_picture.isNull())
        DBImage1->setPixmap(m_picture.scaled(DBImage1->size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

bool TRdEditPicFm::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == DBImage1 && event->type() == QEvent::MouseButtonPress) {
        accept();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
