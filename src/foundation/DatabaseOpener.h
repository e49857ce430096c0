// SPDX-License-Identifier: MIT
#pragma once
#include <QString>

class SharedConnection;

// Opening the database at start. An embedded file that does not exist yet is created
// with the schema and its seed rows (the first start of a new installation); a server
// database is only opened, never created here.
struct OpenResult {
    bool ok = false;
    bool created = false; // a new embedded database file was made
    QString message;      // the engine's message on failure, or the creation notice
};

OpenResult openDatabase(SharedConnection &db, const QString &connectionString);
