// SPDX-License-Identifier: MIT
#include "foundation/IniFile.h"
#include "foundation/Gbk.h"

#include <QFile>
#include <QSaveFile>

IniFile::IniFile(QString path) : m_path(std::move(path)) {}

bool IniFile::exists() const
{
    return QFile::exists(m_path);
}

void IniFile::load() const
{
    if (m_loaded)
        return;
    m_loaded = true;
    m_lines.clear();
    QFile file(m_path);
    if (!file.open(QIODevice::ReadOnly))
        return;
    QByteArray bytes = file.readAll();
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        m_bom = true;
        bytes.remove(0, 3);
    }
    QString text;
    if (Gbk::isUtf8(bytes)) {
        text = QString::fromUtf8(bytes);
    } else {
        m_gbk = true;
        text = Gbk::decode(bytes);
    }
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    m_lines = text.split(QLatin1Char('\n'));
    if (!m_lines.isEmpty() && m_lines.last().isEmpty())
        m_lines.removeLast();
}

static bool isSectionLine(const QString &trimmed, QString *name)
{
    if (trimmed.startsWith(QLatin1Char('[')) && trimmed.endsWith(QLatin1Char(']'))) {
        *name = trimmed.mid(1, trimmed.size() - 2).trimmed();
        return true;
    }
    return false;
}

int IniFile::findKeyLine(const QString &section, const QString &key, int *sectionEnd) const
{
    load();
    bool inSection = false;
    if (sectionEnd)
        *sectionEnd = -1;
    for (int i = 0; i < m_lines.size(); ++i) {
        const QString trimmed = m_lines[i].trimmed();
        QString name;
        if (isSectionLine(trimmed, &name)) {
            inSection = name.compare(section, Qt::CaseInsensitive) == 0;
            if (inSection && sectionEnd)
                *sectionEnd = i + 1;
            continue;
        }
        if (!inSection || trimmed.startsWith(QLatin1Char(';')) || trimmed.startsWith(QLatin1Char('#')))
            continue;
        if (!trimmed.isEmpty() && sectionEnd)
            *sectionEnd = i + 1;
        const int eq = trimmed.indexOf(QLatin1Char('='));
        if (eq > 0 && trimmed.left(eq).trimmed().compare(key, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

QString IniFile::read(const QString &section, const QString &key, const QString &defaultValue) const
{
    const int line = findKeyLine(section, key, nullptr);
    if (line < 0)
        return defaultValue;
    const QString &text = m_lines[line];
    return text.mid(text.indexOf(QLatin1Char('=')) + 1).trimmed();
}

bool IniFile::write(const QString &section, const QString &key, const QString &value)
{
    int sectionEnd = -1;
    const int line = findKeyLine(section, key, &sectionEnd);
    const QString entry = key + QLatin1Char('=') + value;
    if (line >= 0) {
        m_lines[line] = entry;
    } else if (sectionEnd >= 0) {
        m_lines.insert(sectionEnd, entry);
    } else {
        if (!m_lines.isEmpty() && !m_lines.last().trimmed().isEmpty())
            m_lines.append(QString());
        m_lines.append(QLatin1Char('[') + section + QLatin1Char(']'));
        m_lines.append(entry);
    }

    const QString text = m_lines.join(QLatin1String("\r\n")) + QLatin1String("\r\n");
    QByteArray bytes = m_gbk ? Gbk::encode(text) : text.toUtf8();
    if (m_bom)
        bytes.prepend("\xEF\xBB\xBF");
    QSaveFile file(m_path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        m_error = file.errorString();
        return false;
    }
    m_error.clear();
    return true;
}
