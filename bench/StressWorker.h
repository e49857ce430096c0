// SPDX-License-Identifier: MIT
#pragma once
#include <QJsonObject>
#include <QString>

// One workstation of the stress run: signs in on its own connection and lends,
// returns, renews and tops up at random over the shared items and readers, through
// the counter's cores, for a fixed number of operations. Its report (one JSON
// object) counts what was done and what was refused, adds up the money moved and
// lists the loans it returned.
namespace StressWorker {
QJsonObject run(const QString &connection, quint32 seed, int operations);
}
