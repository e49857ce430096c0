// SPDX-License-Identifier: MIT
#include "foundation/SpreadsheetExport.h"

#include "foundation/Money.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cmath>
#include <xlsxwriter.h>

namespace {

const int maxCellText = 32767;          // the longest text a cell holds
const double maxWholeNumber = 999999999999999.0; // 15 digits; longer ones keep their digits as text
const QString dateFormat = QStringLiteral("yyyy-mm-dd");
const QString dateTimeFormat = QStringLiteral("yyyy-mm-dd hh:mm:ss");

bool isWide(char32_t c)
{
    return (c >= 0x1100 && c <= 0x115F) || (c >= 0x2E80 && c <= 0xA4CF) || (c >= 0xAC00 && c <= 0xD7A3)
        || (c >= 0xF900 && c <= 0xFAFF) || (c >= 0xFE30 && c <= 0xFE4F) || (c >= 0xFF00 && c <= 0xFF60)
        || (c >= 0xFFE0 && c <= 0xFFE6) || (c >= 0x20000 && c <= 0x3FFFD);
}

// A text "yyyy-MM-dd" or "yyyy-MM-dd hh:mm:ss" (or with "T"), as SQLite keeps dates.
QDateTime dateText(const QString &text, bool *hasTime)
{
    if (text.size() != 10 && text.size() != 19)
        return {};
    static const QString pattern = QStringLiteral("dddd-dd-dd?dd:dd:dd");
    for (int i = 0; i < text.size(); ++i) {
        const QChar p = pattern.at(i);
        const QChar c = text.at(i);
        if (p == QLatin1Char('d') ? !c.isDigit()
                                  : p == QLatin1Char('?') ? (c != QLatin1Char(' ') && c != QLatin1Char('T')) : c != p)
            return {};
    }
    const QDate date = QDate::fromString(text.left(10), Qt::ISODate);
    const QTime time = text.size() == 19 ? QTime::fromString(text.mid(11), QStringLiteral("hh:mm:ss")) : QTime(0, 0);
    *hasTime = text.size() == 19;
    return date.isValid() && time.isValid() ? QDateTime(date, time) : QDateTime();
}

// A plain decimal text: optional sign, digits, optional fraction.
bool isDecimalText(const QString &text)
{
    int i = text.startsWith(QLatin1Char('-')) || text.startsWith(QLatin1Char('+')) ? 1 : 0;
    int digits = 0;
    bool point = false;
    for (; i < text.size(); ++i) {
        if (text.at(i).isDigit() && text.at(i).unicode() < 128)
            ++digits;
        else if (text.at(i) == QLatin1Char('.') && !point)
            point = true;
        else
            return false;
    }
    return digits > 0;
}
}

struct SpreadsheetExport::Private
{
    QString target;
    QString partPath;
    QString error;
    lxw_workbook *workbook = nullptr;
    lxw_worksheet *sheet = nullptr;
    lxw_format *date = nullptr;
    lxw_format *dateTime = nullptr;
    lxw_format *time = nullptr;
    QList<Kind> kinds;
    QList<int> widths;
    lxw_row_t nextRow = 0;
    bool headerWritten = false;
    bool finished = false;

    void fit(int column, int width)
    {
        if (column >= widths.size())
            widths.resize(column + 1, 0);
        widths[column] = qMax(widths[column], width);
    }

    bool check(lxw_error result)
    {
        if (result == LXW_NO_ERROR)
            return true;
        if (error.isEmpty())
            error = QStringLiteral("写入Excel单元格出错: %1").arg(QString::fromUtf8(lxw_strerror(result)));
        return false;
    }

    bool writeText(lxw_row_t row, lxw_col_t column, QString text)
    {
        if (text.isEmpty())
            return true;
        if (text.size() > maxCellText)
            text.truncate(text.at(maxCellText - 1).isHighSurrogate() ? maxCellText - 1 : maxCellText);
        fit(column, displayWidth(text));
        return check(worksheet_write_string(sheet, row, column, text.toUtf8().constData(), nullptr));
    }

    bool writeNumber(lxw_row_t row, lxw_col_t column, double value)
    {
        if (!std::isfinite(value))
            return writeText(row, column, QString::number(value));
        fit(column, QString::number(value, 'g', 15).size());
        return check(worksheet_write_number(sheet, row, column, value, nullptr));
    }

    bool writeDate(lxw_row_t row, lxw_col_t column, const QDate &d, const QTime &t, bool withTime)
    {
        if (!d.isValid() || d.year() < 1900 || d.year() > 9999) // outside the spreadsheet's calendar
            return writeText(row, column, withTime ? QDateTime(d, t).toString(QStringLiteral("yyyy-MM-dd hh:mm:ss"))
                                                   : d.toString(QStringLiteral("yyyy-MM-dd")));
        lxw_datetime value = {d.year(), d.month(), d.day(), t.hour(), t.minute(), t.second() + t.msec() / 1000.0};
        fit(column, withTime ? 19 : 10);
        return check(worksheet_write_datetime(sheet, row, column, &value, withTime ? dateTime : date));
    }

    bool writeValue(lxw_row_t row, lxw_col_t column, const QVariant &value)
    {
        if (value.isNull())
            return true;
        const Kind kind = column < kinds.size() ? kinds.at(column) : Kind::Auto;
        if (kind == Kind::Text)
            return writeText(row, column, value.toString());
        switch (value.metaType().id()) {
        case QMetaType::Bool:
            fit(column, 5);
            return check(worksheet_write_boolean(sheet, row, column, value.toBool(), nullptr));
        case QMetaType::Int: case QMetaType::UInt: case QMetaType::Short: case QMetaType::UShort:
        case QMetaType::Long: case QMetaType::ULong: case QMetaType::LongLong: case QMetaType::ULongLong: {
            const double number = value.toDouble();
            return std::fabs(number) > maxWholeNumber ? writeText(row, column, value.toString())
                                                      : writeNumber(row, column, number);
        }
        case QMetaType::Double: case QMetaType::Float:
            return writeNumber(row, column, value.toDouble());
        case QMetaType::QDate:
            return writeDate(row, column, value.toDate(), QTime(0, 0), false);
        case QMetaType::QDateTime: {
            const QDateTime dt = value.toDateTime();
            return writeDate(row, column, dt.date(), dt.time(), true);
        }
        case QMetaType::QTime: {
            const QTime t = value.toTime();
            lxw_datetime v = {0, 0, 0, t.hour(), t.minute(), t.second() + t.msec() / 1000.0};
            fit(column, 8);
            return check(worksheet_write_datetime(sheet, row, column, &v, time));
        }
        case QMetaType::QByteArray: // pictures and other binary values have no cell form
            return true;
        case QMetaType::QString:
            return writeString(row, column, value.toString(), kind == Kind::Number);
        default:
            if (value.metaType() == QMetaType::fromType<Money>())
                return writeNumber(row, column, double(value.value<Money>().units()) / 10000.0);
            // Another type that converts to a decimal text is a number.
            return writeString(row, column, value.toString(), true);
        }
    }

    bool writeString(lxw_row_t row, lxw_col_t column, const QString &text, bool decimalIsNumber)
    {
        bool hasTime = false;
        const QDateTime dt = dateText(text, &hasTime);
        if (dt.isValid())
            return writeDate(row, column, dt.date(), dt.time(), hasTime);
        if (decimalIsNumber && isDecimalText(text.trimmed())) {
            const QString digits = text.trimmed().remove(QLatin1Char('+')).remove(QLatin1Char('-'));
            if (digits.section(QLatin1Char('.'), 0, 0).size() <= 15)
                return writeNumber(row, column, text.trimmed().toDouble());
        }
        return writeText(row, column, text);
    }

    void close()
    {
        if (workbook)
            workbook_close(workbook); // also frees it; the caller removes the part file
        workbook = nullptr;
        sheet = nullptr;
    }
};

SpreadsheetExport::SpreadsheetExport(const QString &filePath, const QString &sheetName) : d(new Private)
{
    d->target = QFileInfo(filePath).absoluteFilePath();
    d->partPath = QFileInfo(d->target).dir().filePath(QStringLiteral(".~") + QFileInfo(d->target).fileName());
    if (!QFileInfo(d->target).dir().exists()) {
        d->error = QStringLiteral("导出Excel失败: 文件夹不存在: %1").arg(QDir::toNativeSeparators(QFileInfo(d->target).path()));
        return;
    }
    lxw_workbook_options options = {};
    options.constant_memory = LXW_TRUE;
    const QByteArray partName = QFile::encodeName(d->partPath);
    d->workbook = workbook_new_opt(partName.constData(), &options);
    QByteArray name = sheetName.toUtf8();
    if (d->workbook && (name.isEmpty() || workbook_validate_sheet_name(d->workbook, name.constData()) != LXW_NO_ERROR))
        name = QByteArrayLiteral("Sheet1");
    d->sheet = d->workbook ? workbook_add_worksheet(d->workbook, name.constData()) : nullptr;
    if (!d->sheet) {
        d->close();
        QFile::remove(d->partPath);
        d->error = QStringLiteral("导出Excel失败: 不能创建工作簿");
        return;
    }
    d->date = workbook_add_format(d->workbook);
    format_set_num_format(d->date, dateFormat.toUtf8().constData());
    d->dateTime = workbook_add_format(d->workbook);
    format_set_num_format(d->dateTime, dateTimeFormat.toUtf8().constData());
    d->time = workbook_add_format(d->workbook);
    format_set_num_format(d->time, "hh:mm:ss");
}

SpreadsheetExport::~SpreadsheetExport()
{
    if (!d->finished)
        discard();
}

bool SpreadsheetExport::isOpen() const { return d->sheet != nullptr; }
QString SpreadsheetExport::errorMessage() const { return d->error; }
QString SpreadsheetExport::filePath() const { return d->target; }
int SpreadsheetExport::dataRows() const { return int(d->nextRow) - (d->headerWritten ? 1 : 0); }
void SpreadsheetExport::setColumnKinds(const QList<Kind> &kinds) { d->kinds = kinds; }

bool SpreadsheetExport::writeHeader(const QStringList &captions)
{
    if (!isOpen() || d->nextRow != 0)
        return false;
    for (int c = 0; c < captions.size() && c < LXW_COL_MAX; ++c)
        if (!d->writeText(0, lxw_col_t(c), captions.at(c)))
            return false;
    d->headerWritten = true;
    d->nextRow = 1;
    return true;
}

bool SpreadsheetExport::writeRow(const QVariantList &values)
{
    if (!isOpen())
        return false;
    if (d->nextRow >= LXW_ROW_MAX) {
        d->error = QStringLiteral("导出Excel失败: 超过了Excel的最大行数 %1").arg(LXW_ROW_MAX);
        return false;
    }
    for (int c = 0; c < values.size() && c < LXW_COL_MAX; ++c)
        if (!d->writeValue(d->nextRow, lxw_col_t(c), values.at(c)))
            return false;
    ++d->nextRow;
    return true;
}

bool SpreadsheetExport::writeTextRow(const QStringList &texts)
{
    if (!isOpen())
        return false;
    if (d->nextRow >= LXW_ROW_MAX) {
        d->error = QStringLiteral("导出Excel失败: 超过了Excel的最大行数 %1").arg(LXW_ROW_MAX);
        return false;
    }
    for (int c = 0; c < texts.size() && c < LXW_COL_MAX; ++c)
        if (!d->writeText(d->nextRow, lxw_col_t(c), texts.at(c)))
            return false;
    ++d->nextRow;
    return true;
}

bool SpreadsheetExport::finish()
{
    if (!isOpen())
        return false;
    for (int c = 0; c < d->widths.size(); ++c)
        if (d->widths.at(c) > 0)
            worksheet_set_column(d->sheet, lxw_col_t(c), lxw_col_t(c), qBound(4, d->widths.at(c) + 2, 100), nullptr);
    const lxw_error result = workbook_close(d->workbook);
    d->workbook = nullptr;
    d->sheet = nullptr;
    if (result != LXW_NO_ERROR) {
        QFile::remove(d->partPath);
        d->error = QStringLiteral("导出Excel失败: 不能写入文件 %1(%2)")
                       .arg(QDir::toNativeSeparators(d->target), QString::fromUtf8(lxw_strerror(result)));
        return false;
    }
    QFile::remove(d->target);
    if (!QFile::rename(d->partPath, d->target)) {
        QFile::remove(d->partPath);
        d->error = QStringLiteral("导出Excel失败: 不能写入文件 %1(文件可能正被其他程序打开)")
                       .arg(QDir::toNativeSeparators(d->target));
        return false;
    }
    d->finished = true;
    return true;
}

void SpreadsheetExport::discard()
{
    d->close();
    QFile::remove(d->partPath);
}

int SpreadsheetExport::displayWidth(const QString &text)
{
    int longest = 0, current = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        char32_t c = text.at(i).unicode();
        if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            c = QChar::surrogateToUcs4(text.at(i), text.at(i + 1));
            ++i;
        }
        if (c == U'\n') {
            current = 0;
            continue;
        }
        current += isWide(c) ? 2 : 1;
        longest = qMax(longest, current);
    }
    return longest;
}
