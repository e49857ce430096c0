// SPDX-License-Identifier: MIT
#include "statistics/QkChartUt.h"

TQkChartFm::TQkChartFm(SharedConnection &db, QWidget *parent)
    : RankingChartDialog(db, Rankings::Kind::Periodicals, QStringLiteral("期刊统计"), parent)
{
    setObjectName(QStringLiteral("QkChartFm"));
}
