// SPDX-License-Identifier: MIT
#include "catalogue/CatalogueOutputUi.h"
#include "foundation/ReportPreviewDialog.h"

namespace CatalogueOutput {
namespace {
PreviewHandler &previewHandler()
{
    static PreviewHandler handler;
    return handler;
}
} // namespace

void setPreviewHandler(PreviewHandler handler)
{
    previewHandler() = std::move(handler);
}

void preview(QWidget *parent, const PagedReport &report, const QString &title)
{
    if (previewHandler()) {
        previewHandler()(report, title);
        return;
    }
    ReportPreviewDialog::preview(report, title, parent);
}

} // namespace CatalogueOutput
