// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <functional>

class QWidget;

// The file-open dialog of the import windows. Tests replace it with a function that
// names the file, as if the operator had chosen it.
namespace ImportFile {
// The sheets the spreadsheet imports read: .xls, .xlsx and .csv.
QString sheetFilter();
// The chosen file, or empty when the operator cancelled. An empty filter offers every file.
QString choose(QWidget *parent, const QString &filter);
// Replaces the dialog (it gets the filter); an empty function restores it.
void setChooser(std::function<QString(const QString &filter)> chooser);
}
