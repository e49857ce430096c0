// SPDX-License-Identifier: MIT
#include "statistics/BkChartUt.h"

TBkChartFm::TBkChartFm(SharedConnection &db, QWidget *parent)
    : RankingChartDialog(db, Rankings::Kind::Books, QStringLiteral("图书统计"), parent)
{
    setObjectName(QStringLiteral("BkChartFm"));
}
