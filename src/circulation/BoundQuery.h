// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QVariantList>

// A select with its bound values, ready for a grid or a command.
struct BoundQuery {
    QString sql;
    QVariantList values;
};
