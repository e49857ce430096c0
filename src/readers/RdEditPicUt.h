// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QDialog>

class QLabel;

// "Pic": a reader's photo stretched over the whole window; a click closes it.
class TRdEditPicFm : public QDialog
{
    Q_OBJECT
public:
    explicit TRdEditPicFm(const QByteArray &photo, QWidget *parent = nullptr);

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPixmap m_picture;
    QLabel *DBImage1;
};
