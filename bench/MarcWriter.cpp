// SPDX-License-Identifier: MIT
#include "MarcWriter.h"

#include "foundation/Gbk.h"

void MarcWriter::control(const char *tag, const QString &text)
{
    m_fields.append({QByteArray(tag), Gbk::encode(text) + '\x1E'});
}

void MarcWriter::field(const char *tag, const QList<QPair<char, QString>> &subfields)
{
    QByteArray content("  ");
    for (const auto &s : subfields)
        content += '\x1F' + QByteArray(1, s.first) + Gbk::encode(s.second);
    m_fields.append({QByteArray(tag), content + '\x1E'});
}

QByteArray MarcWriter::take()
{
    QByteArray directory, data;
    for (const auto &f : std::as_const(m_fields)) {
        directory += f.first + QByteArray::number(f.second.size()).rightJustified(4, '0')
                     + QByteArray::number(data.size()).rightJustified(5, '0');
        data += f.second;
    }
    directory += '\x1E';
    const int base = 24 + int(directory.size());
    const int length = base + int(data.size()) + 1;
    QByteArray leader = QByteArray::number(length).rightJustified(5, '0') + "nam0 22"
                        + QByteArray::number(base).rightJustified(5, '0') + "   450 ";
    m_fields.clear();
    return leader + directory + data + '\x1D';
}
