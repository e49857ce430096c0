// SPDX-License-Identifier: MIT
// marc and import: the MARC reader and the five imports behind the 数据导入 windows.
#include "cli/Cli.h"
#include "foundation/LoginSession.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlValues.h"
#include "import/MarcFile.h"
#include "import/MarcImport.h"
#include "import/MarcRecord.h"
#include "import/SheetImport.h"

#include <QJsonArray>
#include <QSqlQuery>
#include <algorithm>

namespace {

const QString kMarcUsage = QStringLiteral("marc FILE");
const QString kImportUsage = QStringLiteral(
    "import books|readers|periodicals|loans FILE --operator NAME --password PWD [--numbering clock|start:N]"
    " | import marc FILE --operator NAME --password PWD --start N"
    "  (exit 1 when a row failed)");

// One line per record: its thirteen values, or why it could not be read; then the count.
int marc(CliContext &ctx)
{
    if (ctx.args.size() != 1)
        return ctx.usage(kMarcUsage);
    const QStringList names = MarcRecord::valueNames();
    const MarcFileResult file = MarcFile::read(ctx.args.first(), [&](const MarcFileRecord &r, int) {
        JsonObject o;
        if (r.result.ok()) {
            o.add(QStringLiteral("ok"), true);
            const QStringList values = r.result.record.values();
            for (int i = 0; i < names.size(); ++i)
                o.add(names[i], values[i]);
        } else {
            o.add(QStringLiteral("ok"), false)
                .add(QStringLiteral("line"), r.number)
                .add(QStringLiteral("message"), r.result.reason);
        }
        ctx.done(o);
        return true;
    });
    if (!file.opened)
        return ctx.refuse(file.fileError);
    JsonObject summary;
    summary.add(QStringLiteral("ok"), file.badCount() == 0).add(QStringLiteral("records"), file.goodCount());
    if (file.badCount() > 0)
        summary.add(QStringLiteral("bad"), file.badCount());
    ctx.done(summary);
    return file.badCount() == 0 ? 0 : 1;
}

int report(CliContext &ctx, const ImportResult &r)
{
    QList<JsonObject> failed;
    for (const FailedRow &f : r.failedRows) {
        JsonObject o;
        o.add(QStringLiteral("row"), f.row).add(QStringLiteral("message"), f.message);
        failed << o;
    }
    JsonObject o;
    o.add(QStringLiteral("ok"), true)
        .add(QStringLiteral("inserted"), r.inserted)
        .add(QStringLiteral("failed"), r.failed)
        .add(QStringLiteral("failedRows"), failed);
    if (!r.skippedRows.isEmpty()) {
        QJsonArray skipped;
        for (const int row : r.skippedRows)
            skipped << row;
        o.add(QStringLiteral("skippedRows"), skipped);
    }
    if (r.endedAtRow > 0)
        o.add(QStringLiteral("endedAtRow"), r.endedAtRow);
    ctx.done(o);
    return r.failed == 0 ? 0 : 1;
}

// The MARC file's records: the readable ones in list order, the others reported as
// failed rows with their record number.
int importMarc(CliContext &ctx, const QString &path, qint64 start, const QString &operatorName)
{
    const MarcFileResult file = MarcFile::read(path);
    if (!file.opened)
        return ctx.refuse(file.fileError);
    QList<MarcImportRow> rows;
    QList<FailedRow> unreadable;
    for (const MarcFileRecord &r : file.records) {
        if (r.result.ok())
            rows.append({r.number, r.result.record.values()});
        else
            unreadable.append({r.number, r.result.reason, {}, {}, {}});
    }
    ImportResult result = MarcImport::run(rows, start, operatorName, *ctx.db);
    result.failed += int(unreadable.size());
    result.failedRows += unreadable;
    std::stable_sort(result.failedRows.begin(), result.failedRows.end(),
                     [](const FailedRow &a, const FailedRow &b) { return a.row < b.row; });
    return report(ctx, result);
}

int import(CliContext &ctx)
{
    const QString operatorName = ctx.takeOption(QStringLiteral("--operator"));
    const QString password = ctx.takeOption(QStringLiteral("--password"));
    const QString numbering = ctx.takeOption(QStringLiteral("--numbering"));
    const QString startText = ctx.takeOption(QStringLiteral("--start"));
    if (ctx.args.size() != 2 || operatorName.isEmpty() || password.isNull())
        return ctx.usage(kImportUsage);
    const QString kind = ctx.args.at(0);
    const QString path = ctx.args.at(1);
    const bool isMarc = kind == QLatin1String("marc");
    const SheetLayout *layout = SheetLayouts::byName(kind);
    if (!isMarc && !layout)
        return ctx.usage(kImportUsage);

    qint64 start = 0;
    SheetImportOptions options;
    if (isMarc) {
        if (!numbering.isEmpty() || !MarcImport::parseStart(startText, &start))
            return ctx.usage(kImportUsage);
    } else {
        if (!startText.isEmpty() || (!numbering.isEmpty() && !layout->numbered))
            return ctx.usage(kImportUsage);
        if (numbering == QLatin1String("clock")) {
            options.numbering.clock = true;
        } else if (numbering.startsWith(QLatin1String("start:"))) {
            options.numbering.fromStart = true;
            if (!RowNumbering::parseStart(numbering.mid(6), &options.numbering.start))
                return ctx.usage(kImportUsage);
        } else if (!numbering.isEmpty()) {
            return ctx.usage(kImportUsage);
        }
    }

    LoginSession &session = LoginSession::current();
    try {
        const QString refusal = ctx.actAs(operatorName);
        if (!refusal.isEmpty())
            return ctx.refuse(refusal);
        // The main window opens these three imports for administrators only.
        const bool needsAdmin = isMarc || kind == QLatin1String("periodicals") || kind == QLatin1String("loans");
        if (needsAdmin && !session.rights.qxadmin)
            return ctx.refuse(QStringLiteral("没有管理员权限!"));
        if (!SheetImport::passwordMatches(password))
            return ctx.refuse(SheetImport::wrongPasswordMessage());
        if (isMarc)
            return importMarc(ctx, path, start, session.OperatorName);
        options.operatorName = session.OperatorName;
        const ImportResult result = SheetImport::runFile(path, *layout, options, *ctx.db);
        if (!result.error.isEmpty())
            return ctx.refuse(result.error);
        return report(ctx, result);
    } catch (const DatabaseError &e) {
        return ctx.refuse(e.message());
    }
}

} // namespace

static const CliRegistration registration(QList<CliCommand>{
    {QStringLiteral("marc"), kMarcUsage, NeedsDatabase::No, marc},
    {QStringLiteral("import"), kImportUsage, NeedsDatabase::Yes, import},
});
