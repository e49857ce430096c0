// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <QList>

class QDateEdit;
class QLabel;
class QPagedPaintDevice;
class QPushButton;
class LoginSession;
class SharedConnection;

// "数据盘点", stock-taking: the totals of what the library holds (counted once, when the
// window opens) and what happened from Dt1 to Dt2 (counted again by "查询"). "打印"
// prints the window's own image on the default printer.
class TDataCheckFm : public QDialog
{
    Q_OBJECT
public:
    explicit TDataCheckFm(SharedConnection &db, QWidget *parent = nullptr);

    void Button1Click(); // 查询
    void Button2Click(); // 打印
    // Paints the window's image, as on screen, fitted to the device's page. False when
    // the device cannot be painted on.
    bool printImage(QPagedPaintDevice &device);

    // The value labels' objectNames, in the order of StockTaking::totals and periodCounts.
    static const QStringList &totalLabelNames();
    static const QStringList &periodLabelNames();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void countTotals();

    SharedConnection &m_db;
    QDateEdit *Dt1, *Dt2;
    QPushButton *Button1, *Button2, *Button3;
    QList<QLabel *> m_totals, m_period;
    bool m_centred = false;
};
