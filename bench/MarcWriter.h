// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QList>
#include <QPair>
#include <QString>

// Writes CNMARC book records in the ISO 2709 structure (leader, directory, fields,
// record terminator), texts in GBK, for the MARC benchmarks.
class MarcWriter
{
public:
    // A control field (tag below 010): its text as it stands.
    void control(const char *tag, const QString &text);
    // A data field: two blank indicators, then each subfield code with its value.
    void field(const char *tag, const QList<QPair<char, QString>> &subfields);
    // The record so far, terminated by 0x1D; the writer starts afresh.
    QByteArray take();

private:
    QList<QPair<QByteArray, QByteArray>> m_fields; // tag, content with its terminator
};
