// SPDX-License-Identifier: MIT
#pragma once
#include "statistics/RankingChartDialog.h"

// "读者信息": the ranking chart of the readers.
class TRdChartFm : public RankingChartDialog
{
    Q_OBJECT
public:
    explicit TRdChartFm(SharedConnection &db, QWidget *parent = nullptr);
};
