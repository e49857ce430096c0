// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QString>
#include <QStringList>

// Python 3 scripts as fixture makers and judges (openpyxl reads back what the export
// writes and writes the workbooks that the sheet readers read).
namespace PythonScripts {

// A Python 3 that can import module (none: any Python 3); empty when there is none.
// Debian's own is tried first: a python3 earlier on the PATH may lack Debian's modules.
QString interpreterWith(const QString &module = QString());

// Runs python with the arguments; false with *error (its standard error) when it fails.
bool run(const QString &python, const QStringList &arguments, QByteArray *output, QString *error);

} // namespace PythonScripts
