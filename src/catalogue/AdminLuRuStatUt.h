// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/DateRangeListUi.h"

class LoginSession;

// Books entered per operator "管理员录入量统计": count and total price per 登记人 in a
// date range; the statement is shown to the operator before it runs.
class TAdminLuRuStatFm : public DateRangeListWindow
{
    Q_OBJECT
public:
    TAdminLuRuStatFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);
    void Button1Click(); // 统计

private:
    LoginSession &m_session;
};
