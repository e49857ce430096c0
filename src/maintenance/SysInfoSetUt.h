// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>
#include <QMap>

class QCheckBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class LoginSession;
class SharedConnection;

// The library settings window "系统设置": the row of 系统设置 and the ini switches BcCc
// and RemindYN, written for the next start.
class TSysInfoSetFm : public QDialog
{
    Q_OBJECT
public:
    TSysInfoSetFm(SharedConnection &db, const LoginSession &session, QWidget *parent = nullptr,
                  const QString &iniPath = QString());

private:
    void FormShow();     // fills the boxes from the row
    void Button1Click(); // 保存
    void Button2Click(); // 取消

    SharedConnection &m_db;
    QString m_iniPath;
    QMap<QString, QLineEdit *> m_edits;     // by column
    QMap<QString, QCheckBox *> m_switches;  // by column
    QRadioButton *m_returnBookNumber, *m_returnReaderNumber, *m_returnBarcode;
    QRadioButton *m_lendNumber, *m_lendBarcode;
    QCheckBox *m_barcodeRepeat, *m_remind;
    QPlainTextEdit *m_cardBack, *m_webNotice;
    QPushButton *Button1, *Button2;
};
