// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QStringList>
#include <QVariantList>

class ConnectionSettings;
class QTextStream;

// The engine's own command-line shell (sqlite3, psql) reading a file of plain insert
// statements in one transaction: the engine's own limit beside the imports.
namespace EngineShell {
// One "insert into table (fields) values (...);" line with the values as SQL literals
// (texts quoted with inner quotes doubled, numbers bare, Null).
QString insertLine(const QString &table, const QStringList &fields, const QVariantList &values);
// Runs the shell of the connection's engine on the file. Returns the empty text when
// it went well, else the shell's own message.
QString run(const ConnectionSettings &settings, const QString &sqlFile);
// The program the engine uses: "sqlite3" or "psql"; empty when it is not installed.
QString program(const ConnectionSettings &settings);
} // namespace EngineShell
