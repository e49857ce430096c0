// SPDX-License-Identifier: MIT
#pragma once
#include "import/MarcRecord.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <functional>

// One record of a MARC file as read: its number in the file (from 1) and the outcome.
struct MarcFileRecord
{
    int number = 0;
    MarcReadResult result;
};

// Called after each record with that record and the number of records in the file.
// Returning false stops the reading after this record.
using MarcProgress = std::function<bool(const MarcFileRecord &record, int total)>;

struct MarcFileResult
{
    bool opened = false; // false: the file could not be read (fileError says why)
    QString fileError;
    QList<MarcFileRecord> records; // every record read, in file order, bad ones included
    bool stopped = false;          // the progress callback asked to stop

    int goodCount() const;
    int badCount() const;
};

// A file of ISO 2709 records: back to back, or one record per line.
namespace MarcFile {

// Cuts the file into records. A record ends with its terminator 0x1D (found through the
// leader's record length when that lands on one, so a line break inside a value stays),
// or at the end of its line when no terminator comes first. Line breaks, blanks and a
// DOS end-of-file mark between records are not records.
QList<QByteArray> splitRecords(const QByteArray &content);

// Reads every record; a bad one is kept with its reason and reading goes on.
MarcFileResult readBytes(const QByteArray &content, const MarcProgress &progress = {});
MarcFileResult read(const QString &path, const MarcProgress &progress = {});

} // namespace MarcFile
