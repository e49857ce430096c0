// SPDX-License-Identifier: MIT
#pragma once
#include <QPrintPreviewDialog>

class PagedReport;
class QAction;

// The print preview of a report, from which the operator prints; its tool bar also
// has "保存为PDF". The report must outlive the dialog.
class ReportPreviewDialog : public QPrintPreviewDialog {
    Q_OBJECT
public:
    explicit ReportPreviewDialog(const PagedReport &report, const QString &title = QString(),
                                 QWidget *parent = nullptr);

    // Opens the preview modally and deletes it when closed.
    static void preview(const PagedReport &report, const QString &title, QWidget *parent = nullptr);

    // Writes the report into file; a failure is told to the operator. ".pdf" is added
    // when the name lacks it.
    bool saveAsPdf(const QString &file);
    QAction *saveAsPdfAction() const { return m_savePdf; }

private:
    void paintReport(QPrinter *printer);
    void askAndSave();

    const PagedReport &m_report;
    QAction *m_savePdf = nullptr;
};
