// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

struct MarcReadResult;

// One CNMARC book record in the ISO 2709 structure, reduced to the thirteen values the
// MARC import lists and stores. The record's text is GBK bytes; values are decoded.
struct MarcRecord
{
    QString title;           // 200 $a
    QString author;          // 200 $f
    QString isbn;            // 010 $a
    QString price;           // 010, the amount after "CNY"
    QString place;           // 210 $a, place of publication
    QString publisher;       // 210 $c
    QString publicationDate; // 210 $d, eight bytes
    QString pages;           // 215 $a up to and including "页"
    QString dimensions;      // 215 $d
    QString accompanying;    // 215 $e to the end of the field
    QString classNumber;     // 690 $a
    QString subject;         // 606 $a
    QString summary;         // 330 $a to the end of the field

    // The thirteen values in the order of the import list.
    QStringList values() const;
    // Their names in the same order: 名称, 作者, isbn, 价格, ...
    static QStringList valueNames();

    // Reads one record: leader, directory, then the fields in directory order. A final
    // record terminator (0x1D) may be present or not; line breaks must be removed first.
    static MarcReadResult read(const QByteArray &bytes);
};

// Why a record could not be read.
enum class MarcError {
    None,
    LeaderTooShort,     // fewer than 24 bytes
    LeaderNotNumeric,   // record length or base address is not five decimal digits
    BaseAddressInvalid, // the base address does not point at the directory's terminator
    FieldsMissing,      // the directory names more complete fields than the data holds
};

struct MarcReadResult
{
    MarcError error = MarcError::None;
    QString reason; // for the operator; empty when the record was read
    MarcRecord record;

    bool ok() const { return error == MarcError::None; }
};
