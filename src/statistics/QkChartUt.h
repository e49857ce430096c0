// SPDX-License-Identifier: MIT
#pragma once
#include "statistics/RankingChartDialog.h"

// "期刊统计": the ranking chart of the periodicals.
class TQkChartFm : public RankingChartDialog
{
    Q_OBJECT
public:
    explicit TQkChartFm(SharedConnection &db, QWidget *parent = nullptr);
};
