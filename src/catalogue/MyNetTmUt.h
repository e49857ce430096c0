// SPDX-License-Identifier: MIT
#pragma once
#include "catalogue/OpacRecord.h"

#include <QDialog>
#include <QPointer>

class CatalogueLookup;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// The network lookup window "联网录入 2010": looks an ISBN up in a library's web
// catalogue and fills the boxes of the book registration window it stands beside
// (found there by their names Edit2, Edit5, Edit8, ComboBox3, Edit3, Memo1, Edit21,
// Edit16 and Edit7). Modeless; closed with the registration window.
class TMyNetTmFm : public QDialog
{
    Q_OBJECT
public:
    // registration: the window whose boxes are filled (may be null); baseUrl: the
    // catalogue, by default de.ini part1/OpacUrl.
    explicit TMyNetTmFm(QWidget *registration, const QString &baseUrl = QString(), QWidget *parent = nullptr);

    CatalogueLookup *lookup() const { return m_lookup; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Button1Click(); // 连接服务器
    void Button4Click(); // 获取数据
    void recordArrived(const QString &isbn, const OpacRecord &record);
    void fill(const OpacRecord &record);
    bool configured();

    QPointer<QWidget> m_registration;
    CatalogueLookup *m_lookup;
    QPushButton *Button1, *Button3, *Button4;
    QLineEdit *BookNum;
    QLabel *StatusLabel;
    QTreeWidget *ListView1;
};
