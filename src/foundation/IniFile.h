// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QStringList>

// A Windows-style INI file: [section] headers and key=value lines. Reading accepts
// UTF-8 (with or without BOM) or GBK; writing keeps every other line, its order and
// its comments, and keeps the file's encoding.
class IniFile
{
public:
    explicit IniFile(QString path);

    const QString &path() const { return m_path; }
    bool exists() const;

    // The value of section/key as text, or defaultValue when the file, the section or
    // the key is missing. Keys and sections compare without regard to case.
    QString read(const QString &section, const QString &key, const QString &defaultValue) const;

    // Sets section/key, adding the section or the key when missing, and saves the file.
    // Returns false with errorText() when the file cannot be written.
    bool write(const QString &section, const QString &key, const QString &value);

    QString errorText() const { return m_error; }

private:
    void load() const;
    int findKeyLine(const QString &section, const QString &key, int *sectionEnd) const;

    QString m_path;
    mutable bool m_loaded = false;
    mutable bool m_gbk = false;
    mutable bool m_bom = false;
    mutable QStringList m_lines;
    QString m_error;
};
