// SPDX-License-Identifier: MIT
#include "statistics/RdChartUt.h"

TRdChartFm::TRdChartFm(SharedConnection &db, QWidget *parent)
    : RankingChartDialog(db, Rankings::Kind::Readers, QStringLiteral("读者信息"), parent)
{
    setObjectName(QStringLiteral("RdChartFm"));
}
