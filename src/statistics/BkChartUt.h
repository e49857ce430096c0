// SPDX-License-Identifier: MIT
#pragma once
#include "statistics/RankingChartDialog.h"

// "图书统计": the ranking chart of the books.
class TBkChartFm : public RankingChartDialog
{
    Q_OBJECT
public:
    explicit TBkChartFm(SharedConnection &db, QWidget *parent = nullptr);
};
