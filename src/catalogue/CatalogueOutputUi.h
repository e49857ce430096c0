// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <functional>

class PagedReport;
class QWidget;

// Where the catalogue windows send their prints. The desktop program shows the print
// preview; tests install a handler that keeps the report (to render it to PDF) instead.
namespace CatalogueOutput {

using PreviewHandler = std::function<void(const PagedReport &report, const QString &title)>;
// Replaces the print preview; an empty handler restores it.
void setPreviewHandler(PreviewHandler handler);
void preview(QWidget *parent, const PagedReport &report, const QString &title);

} // namespace CatalogueOutput
