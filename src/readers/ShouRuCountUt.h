// SPDX-License-Identifier: MIT
#pragma once
#include "foundation/DateRangeListUi.h"

#include <QVariantList>

class LoginSession;

// "资金统计": the income journal for a date range with its total, a printed report and
// an export.
class TShouRuCountFm : public DateRangeListWindow
{
    Q_OBJECT
public:
    TShouRuCountFm(SharedConnection &db, LoginSession &session, QWidget *parent = nullptr);

private:
    void Button1Click(); // 统计
    void Button2Click(); // 打印
    void openList(const QString &sql, const QVariantList &values = {});
};
