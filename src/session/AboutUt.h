// SPDX-License-Identifier: MIT
#pragma once
#include <QDialog>

class LoginSession;

// The About window: the ini texts and the database in use; "确定" closes it.
class TAboutFm : public QDialog
{
    Q_OBJECT
public:
    explicit TAboutFm(const LoginSession &session, QWidget *parent = nullptr);
};
