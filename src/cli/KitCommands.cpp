// SPDX-License-Identifier: MIT
// export (a table to a spreadsheet) and barcode (a symbol to a picture).
#include "cli/Cli.h"
#include "foundation/BarcodePainter.h"
#include "foundation/Code128A.h"
#include "foundation/Code39.h"
#include "foundation/ExcelExport.h"
#include "foundation/Schema.h"
#include "foundation/SharedConnection.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QSqlRecord>

namespace {

const QString kExportUsage = QStringLiteral("export TABLE --out FILE.xlsx");
const QString kBarcodeUsage = QStringLiteral("barcode code39|code128a TEXT --out FILE.png");

int exportTable(CliContext &ctx)
{
    const QString out = ctx.takeOption(QStringLiteral("--out"));
    if (ctx.args.size() != 1 || out.isEmpty())
        return ctx.usage(kExportUsage);
    // Only a table of the schema: the name goes into the statement's text.
    const Schema::Table *table = Schema::findTable(ctx.args.first());
    if (!table)
        return ctx.refuse(QStringLiteral("没有这个数据表: %1").arg(ctx.args.first()));
    try {
        QSqlQuery query = ctx.db->exec(QStringLiteral("select * from %1").arg(table->name));
        ExcelExportOptions options;
        options.filePath = out;
        const QSqlRecord record = query.record();
        for (int i = 0; i < record.count(); ++i)
            options.captions << Schema::spelling(table->name, record.fieldName(i));
        const ExcelExportResult result = ExportQueryToExcel(query, options);
        if (!result.ok)
            return ctx.refuse(result.errorMessage);
        JsonObject o;
        o.add(QStringLiteral("ok"), true)
            .add(QStringLiteral("rows"), result.rowsWritten)
            .add(QStringLiteral("file"), result.filePath);
        return ctx.done(o);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

int barcode(CliContext &ctx)
{
    const QString out = ctx.takeOption(QStringLiteral("--out"));
    if (ctx.args.size() != 2 || out.isEmpty())
        return ctx.usage(kBarcodeUsage);
    const QString symbology = ctx.args[0].toLower();
    BarcodePattern pattern;
    if (symbology == QLatin1String("code39"))
        pattern = Code39::encode(ctx.args[1]);
    else if (symbology == QLatin1String("code128a"))
        pattern = Code128A::encode(ctx.args[1]);
    else
        return ctx.usage(kBarcodeUsage);
    if (!pattern.isValid())
        return ctx.refuse(pattern.error);
    // The text under the bars needs fonts, which only a GUI application has.
    if (!qobject_cast<QGuiApplication *>(QCoreApplication::instance()))
        return ctx.refuse(QStringLiteral("没有图形环境, 不能画出条形码的文字"));
    const QImage image = BarcodePainter::toImage(pattern);
    if (!image.save(out, "PNG"))
        return ctx.refuse(QStringLiteral("不能写入文件: %1").arg(out));
    JsonObject o;
    o.add(QStringLiteral("ok"), true)
        .add(QStringLiteral("file"), out)
        .add(QStringLiteral("text"), pattern.text);
    return ctx.done(o);
}

} // namespace

static const CliRegistration registration(QList<CliCommand>{
        {QStringLiteral("export"), kExportUsage, NeedsDatabase::Yes, exportTable},
        {QStringLiteral("barcode"), kBarcodeUsage, NeedsDatabase::No, barcode},
});
