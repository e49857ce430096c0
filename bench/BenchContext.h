// SPDX-License-Identifier: MIT
#pragma once
#include "BenchTable.h"
#include "LibraryGenerator.h"

#include "foundation/LoginSession.h"
#include "foundation/SharedConnection.h"

#include <QString>
#include <functional>

// What every group of operations needs: the generated database of one engine, a
// signed-in session, the size of the library and the folder for files.
struct BenchContext {
    SharedConnection &db;
    QString engine; // "SQLite" or "PostgreSQL", as the table prints it
    LoginSession session;
    LibrarySize size;
    QString folder;  // files written and read by the benchmarks
    BenchTable &table;
    int runs = 20;   // runs of the quick operations

    // Runs a group of measurements; a DatabaseError ends only that operation and
    // is recorded in the table.
    void guarded(const QString &operation, const std::function<void()> &work);
};

// The files that the file operations read: made once, used on both engines.
struct BenchFiles {
    QString importSheet; // .xlsx in the book import's 31-column layout
    int importRows = 0;
    QString marcFile;    // ISO 2709 records, one a line
    int marcRecords = 0;
    QString numberPrefix; // the 编号 of every row of the sheet starts with it
};

// The groups of operations (BenchCounter.cpp, BenchLists.cpp, BenchFiles.cpp).
void benchSignIn(BenchContext &c);
void benchCounter(BenchContext &c);
void benchLists(BenchContext &c);
void benchStatistics(BenchContext &c);
BenchFiles makeBenchFiles(const QString &folder, const LibrarySize &size);
void benchFileReading(BenchTable &table, const BenchFiles &files, int runs);
void benchExport(BenchContext &c);
void benchImports(BenchContext &c, const BenchFiles &files);
