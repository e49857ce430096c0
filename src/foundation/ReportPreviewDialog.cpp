// SPDX-License-Identifier: MIT
#include "foundation/ReportPreviewDialog.h"

#include "foundation/Messages.h"
#include "foundation/PagedReport.h"

#include <QAction>
#include <QFileDialog>
#include <QLayout>
#include <QPrinter>
#include <QToolBar>

ReportPreviewDialog::ReportPreviewDialog(const PagedReport &report, const QString &title,
                                         QWidget *parent)
    : QPrintPreviewDialog(parent), m_report(report)
{
    setWindowTitle(title.isEmpty() ? QStringLiteral("打印预览") : title);
    printer()->setPageLayout(report.pageLayout());
    connect(this, &QPrintPreviewDialog::paintRequested, this, &ReportPreviewDialog::paintReport);

    m_savePdf = new QAction(QStringLiteral("保存为PDF"), this);
    m_savePdf->setObjectName(QStringLiteral("savePdfAction"));
    connect(m_savePdf, &QAction::triggered, this, &ReportPreviewDialog::askAndSave);
    // The preview's own tool bar takes the action; without one it goes on a bar of its own.
    if (QToolBar *bar = findChild<QToolBar *>()) {
        bar->addSeparator();
        bar->addAction(m_savePdf);
    } else if (layout()) {
        auto *own = new QToolBar(this);
        own->addAction(m_savePdf);
        layout()->setMenuBar(own);
    }
}

void ReportPreviewDialog::preview(const PagedReport &report, const QString &title, QWidget *parent)
{
    auto *dialog = new ReportPreviewDialog(report, title, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->exec();
}

void ReportPreviewDialog::paintReport(QPrinter *target)
{
    // A page range chosen in the print dialog is honoured; otherwise every page.
    const bool range = target->printRange() == QPrinter::PageRange;
    m_report.paint(*target, range ? target->fromPage() : 1, range ? target->toPage() : 0);
}

void ReportPreviewDialog::askAndSave()
{
    const QString file = QFileDialog::getSaveFileName(this, QStringLiteral("保存为PDF"), QString(),
                                                      QStringLiteral("PDF 文件 (*.pdf)"));
    if (!file.isEmpty())
        saveAsPdf(file);
}

bool ReportPreviewDialog::saveAsPdf(const QString &file)
{
    QString name = file;
    if (!name.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        name += QLatin1String(".pdf");
    if (m_report.renderToPdf(name))
        return true;
    Messages::warn(this, QStringLiteral("不能写入文件: %1").arg(name));
    return false;
}
