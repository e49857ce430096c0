// SPDX-License-Identifier: MIT
#include "foundation/XlsxSheetReader.h"

#include "foundation/SheetCellText.h"
#include "foundation/XmlScanner.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>
#include <algorithm>
#include <cctype>
#include <optional>
#include <zip.h>

namespace {

const qint64 maxEntrySize = qint64(1) << 30; // a part larger than this is refused
const int maxRows = 1048576;
const int maxColumns = 16384;

// The parts of the zip container, read whole.
class ZipArchive
{
public:
    ~ZipArchive() { if (m_zip) zip_discard(m_zip); }

    QString open(const QString &path)
    {
        int code = 0;
        m_zip = zip_open(QFile::encodeName(path).constData(), ZIP_RDONLY, &code);
        if (m_zip)
            return {};
        zip_error_t error;
        zip_error_init_with_code(&error, code);
        const QString reason = QString::fromUtf8(zip_error_strerror(&error));
        zip_error_fini(&error);
        return QStringLiteral("不是有效的Excel工作簿(.xlsx)(%1)").arg(reason);
    }

    // The part's bytes; nullopt when it is missing; *error set when it is damaged.
    std::optional<QByteArray> part(const QString &name, QString *error) const
    {
        const zip_int64_t index = zip_name_locate(m_zip, name.toUtf8().constData(), ZIP_FL_NOCASE);
        zip_stat_t stat;
        if (index < 0 || zip_stat_index(m_zip, index, 0, &stat) != 0)
            return std::nullopt;
        if (!(stat.valid & ZIP_STAT_SIZE) || stat.size > quint64(maxEntrySize)) {
            *error = QStringLiteral("%1 太大").arg(name);
            return std::nullopt;
        }
        QByteArray bytes(qsizetype(stat.size), Qt::Uninitialized);
        zip_file_t *file = zip_fopen_index(m_zip, index, 0);
        const zip_int64_t got = file ? zip_fread(file, bytes.data(), stat.size) : -1;
        const QString reason = QString::fromUtf8(file ? zip_file_strerror(file) : zip_strerror(m_zip));
        if (file)
            zip_fclose(file);
        if (got != zip_int64_t(stat.size)) {
            *error = QStringLiteral("%1 已损坏(%2)").arg(name, reason);
            return std::nullopt;
        }
        return bytes;
    }

private:
    zip_t *m_zip = nullptr;
};

// A relationship target resolved against the folder of the part that names it.
QString resolveTarget(const QString &fromPart, const QString &target)
{
    if (target.startsWith(QLatin1Char('/')))
        return target.mid(1);
    QStringList parts = fromPart.split(QLatin1Char('/'));
    parts.removeLast();
    for (const QString &piece : target.split(QLatin1Char('/'))) {
        if (piece == QLatin1String(".."))
            parts.isEmpty() ? void() : parts.removeLast();
        else if (!piece.isEmpty() && piece != QLatin1String("."))
            parts.append(piece);
    }
    return parts.join(QLatin1Char('/'));
}

// The relationships of a part: Id → (type, resolved target).
using Relationships = QHash<QString, QPair<QString, QString>>;

Relationships readRelationships(const QByteArray &xml, const QString &ofPart)
{
    Relationships result;
    QXmlStreamReader reader(xml);
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement || reader.name() != QLatin1String("Relationship"))
            continue;
        const auto a = reader.attributes();
        result.insert(a.value(QLatin1String("Id")).toString(),
                      {a.value(QLatin1String("Type")).toString(),
                       resolveTarget(ofPart, a.value(QLatin1String("Target")).toString())});
    }
    return result;
}

QString targetOfType(const Relationships &rels, const QString &typeEnd)
{
    for (const auto &rel : rels)
        if (rel.first.endsWith(typeEnd))
            return rel.second;
    return {};
}

// The text of an <si> or <is> element: its <t> runs, without phonetic (rPh) runs.
QString readRichText(XmlScanner &xml)
{
    QString text;
    int open = 1; // the element itself
    while (open > 0 && xml.next() != XmlScanner::End && !xml.hasError()) {
        if (xml.token() == XmlScanner::StartElement) {
            if (xml.name() == "rPh")
                xml.skipElement();
            else if (xml.name() == "t")
                text += xml.readElementText();
            else
                ++open;
        } else if (xml.token() == XmlScanner::EndElement) {
            --open;
        }
    }
    return SheetCellText::decodeEscapes(text);
}

// "AB12" → column 28, row 12; false when it is no cell reference.
bool parseReference(QByteArrayView ref, int *column, int *row)
{
    int c = 0, r = 0, i = 0;
    for (; i < ref.size() && c <= maxColumns && std::isalpha(uchar(ref.at(i))); ++i)
        c = c * 26 + (std::toupper(uchar(ref.at(i))) - 'A' + 1);
    for (; i < ref.size() && r <= maxRows && std::isdigit(uchar(ref.at(i))); ++i)
        r = r * 10 + (ref.at(i) - '0');
    if (i != ref.size() || c < 1 || r < 1 || c > maxColumns || r > maxRows)
        return false;
    *column = c;
    *row = r;
    return true;
}
}

// Reads the parts of one workbook into an XlsxSheetReader.
class XlsxSheetParser
{
public:
    explicit XlsxSheetParser(XlsxSheetReader &into) : m_into(into) {}

    QString parse(const QString &path)
    {
        ZipArchive zip;
        QString error = zip.open(path);
        if (!error.isEmpty())
            return error;
        // The workbook part is named by the package relationships.
        QString workbook = QStringLiteral("xl/workbook.xml");
        if (auto rels = zip.part(QStringLiteral("_rels/.rels"), &error)) {
            const QString named = targetOfType(readRelationships(*rels, QString()), QStringLiteral("/officeDocument"));
            if (!named.isEmpty())
                workbook = named;
        }
        const auto workbookXml = zip.part(workbook, &error);
        if (!workbookXml)
            return error.isEmpty() ? QStringLiteral("文件中没有工作簿(%1)").arg(workbook) : error;
        const QString relsName = resolveTarget(workbook, QStringLiteral("_rels/")
                                               + workbook.section(QLatin1Char('/'), -1) + QStringLiteral(".rels"));
        const auto relsXml = zip.part(relsName, &error);
        const Relationships rels = relsXml ? readRelationships(*relsXml, workbook) : Relationships();
        const QString sheetRelId = readWorkbook(*workbookXml);
        if (!rels.contains(sheetRelId))
            return error.isEmpty() ? QStringLiteral("工作簿中没有工作表") : error;
        const QString sheetPart = rels.value(sheetRelId).second;

        QString sharedPart = targetOfType(rels, QStringLiteral("/sharedStrings"));
        if (auto xml = zip.part(sharedPart.isEmpty() ? QStringLiteral("xl/sharedStrings.xml") : sharedPart, &error))
            readSharedStrings(*xml);
        QString stylesPart = targetOfType(rels, QStringLiteral("/styles"));
        if (auto xml = zip.part(stylesPart.isEmpty() ? QStringLiteral("xl/styles.xml") : stylesPart, &error))
            readStyles(*xml);
        const auto sheetXml = zip.part(sheetPart, &error);
        if (!sheetXml)
            return error.isEmpty() ? QStringLiteral("缺少工作表 %1").arg(sheetPart) : error;
        if (!error.isEmpty())
            return error;
        return readSheet(*sheetXml);
    }

private:
    // The active sheet's name and relationship id (the first sheet when none is active).
    QString readWorkbook(const QByteArray &xml)
    {
        QXmlStreamReader reader(xml);
        int activeTab = 0;
        QList<QPair<QString, QString>> sheets; // name, relationship id
        while (!reader.atEnd()) {
            if (reader.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto a = reader.attributes();
            if (reader.name() == QLatin1String("workbookView")) {
                activeTab = a.value(QLatin1String("activeTab")).toInt();
            } else if (reader.name() == QLatin1String("workbookPr")) {
                const auto flag = a.value(QLatin1String("date1904"));
                m_date1904 = flag == QLatin1String("1") || flag == QLatin1String("true");
            } else if (reader.name() == QLatin1String("sheet")) {
                QString id;
                for (const auto &attribute : a)
                    if (attribute.name() == QLatin1String("id") && !attribute.namespaceUri().isEmpty())
                        id = attribute.value().toString();
                sheets.append({a.value(QLatin1String("name")).toString(), id});
            }
        }
        if (sheets.isEmpty())
            return {};
        const auto &chosen = sheets.at(activeTab >= 0 && activeTab < sheets.size() ? activeTab : 0);
        m_into.m_name = chosen.first;
        return chosen.second;
    }

    void readSharedStrings(const QByteArray &bytes)
    {
        XmlScanner xml(bytes);
        while (xml.next() != XmlScanner::End && !xml.hasError())
            if (xml.token() == XmlScanner::StartElement && xml.name() == "si")
                m_shared.append(readRichText(xml));
    }

    // Which cell formats (cellXfs, by index) show dates.
    void readStyles(const QByteArray &xml)
    {
        QHash<int, QString> codes;
        QXmlStreamReader reader(xml);
        bool inCellXfs = false;
        while (!reader.atEnd()) {
            reader.readNext();
            if (reader.isEndElement() && reader.name() == QLatin1String("cellXfs"))
                inCellXfs = false;
            if (!reader.isStartElement())
                continue;
            const auto a = reader.attributes();
            if (reader.name() == QLatin1String("numFmt"))
                codes.insert(a.value(QLatin1String("numFmtId")).toInt(), a.value(QLatin1String("formatCode")).toString());
            else if (reader.name() == QLatin1String("cellXfs"))
                inCellXfs = true;
            else if (inCellXfs && reader.name() == QLatin1String("xf")) {
                const int id = a.value(QLatin1String("numFmtId")).toInt();
                m_dateStyles.append(codes.contains(id) ? SheetCellText::isDateFormatCode(codes.value(id))
                                                       : SheetCellText::isBuiltInDateFormat(id));
            }
        }
    }

    // The text of a cell from its type, style and <v> value: as written (raw) when it was
    // plain text, else decoded (value).
    QString cellValueText(QByteArrayView type, int style, QByteArrayView raw, const QString &value,
                          const QString &inlineText)
    {
        const auto text = [&] { return raw.isNull() ? value : QString::fromUtf8(raw); };
        if (type == "s") {
            bool ok = false;
            const int index = raw.isNull() ? value.toInt(&ok) : raw.trimmed().toInt(&ok);
            return ok && index >= 0 && index < m_shared.size() ? m_shared.at(index) : QString();
        }
        if (type == "inlineStr")
            return inlineText;
        if (type == "b")
            return text().trimmed() == QLatin1String("1") ? QStringLiteral("TRUE") : QStringLiteral("FALSE");
        if (type == "d")
            return SheetCellText::isoDateText(text());
        if (type == "str" || type == "e")
            return SheetCellText::decodeEscapes(text());
        bool ok = false;
        const double number = raw.isNull() ? value.toDouble(&ok) : raw.toDouble(&ok);
        if (!ok)
            return text();
        if (style >= 0 && style < m_dateStyles.size() && m_dateStyles.at(style)) {
            const QString date = dateText(number);
            if (!date.isEmpty())
                return date;
        }
        return raw.isNull() ? SheetCellText::numberText(number) : SheetCellText::numberText(raw, number);
    }

    // A date column repeats few days: each serial is turned into text once.
    QString dateText(double serial)
    {
        const auto known = m_dateTexts.constFind(serial);
        if (known != m_dateTexts.constEnd())
            return *known;
        if (m_dateTexts.size() > 100000)
            m_dateTexts.clear();
        const QString text = SheetCellText::serialDateText(serial, m_date1904);
        m_dateTexts.insert(serial, text);
        return text;
    }

    QString readSheet(const QByteArray &bytes)
    {
        XmlScanner xml(bytes);
        int row = 0, column = 0;
        while (xml.next() != XmlScanner::End && !xml.hasError()) {
            if (xml.token() != XmlScanner::StartElement)
                continue;
            if (xml.name() == "row") {
                const int r = xml.rawAttribute("r").toInt();
                row = r > 0 ? r : row + 1;
                column = 0;
            } else if (xml.name() == "c" && row > 0) {
                int r = row, c = column + 1;
                const QByteArrayView reference = xml.rawAttribute("r");
                if (!reference.isNull() && !parseReference(reference, &c, &r))
                    return QStringLiteral("单元格引用无效(%1)").arg(QString::fromUtf8(reference.first(qMin<qsizetype>(reference.size(), 20))));
                if (c > maxColumns || r > maxRows)
                    return QStringLiteral("工作表超出Excel的行列范围");
                row = r;
                column = c;
                const QByteArrayView type = xml.rawAttribute("t");
                const QByteArrayView styleText = xml.rawAttribute("s");
                const int style = styleText.isNull() ? -1 : styleText.toInt();
                QString value, inlineText;
                QByteArrayView raw;
                while (xml.next() != XmlScanner::End && !xml.hasError()) {
                    if (xml.token() == XmlScanner::EndElement && xml.name() == "c")
                        break;
                    if (xml.token() != XmlScanner::StartElement)
                        continue;
                    if (xml.name() == "v") {
                        raw = xml.plainElementText();
                        if (raw.isNull())
                            value = xml.readElementText();
                    }
                    else if (xml.name() == "is")
                        inlineText = readRichText(xml);
                    else
                        xml.skipElement();
                }
                store(row, column, cellValueText(type, style, raw, value, inlineText));
            }
        }
        if (xml.hasError())
            return QStringLiteral("工作表内容已损坏(%1)").arg(xml.errorString());
        return {};
    }

    // Every cell element belongs to the used range, with text or without.
    void store(int row, int column, const QString &text)
    {
        m_into.m_rows = qMax(m_into.m_rows, row);
        m_into.m_columns = qMax(m_into.m_columns, column);
        if (text.isEmpty())
            return;
        if (m_into.m_cells.size() < row)
            m_into.m_cells.resize(row);
        auto &cells = m_into.m_cells[row - 1];
        if (cells.isEmpty() || cells.last().first < column) {
            cells.append({column, text});
            return;
        }
        auto at = std::lower_bound(cells.begin(), cells.end(), column,
                                   [](const QPair<int, QString> &cell, int c) { return cell.first < c; });
        if (at != cells.end() && at->first == column)
            at->second = text;
        else
            cells.insert(at, {column, text});
    }

    XlsxSheetReader &m_into;
    QStringList m_shared;
    QList<bool> m_dateStyles;
    QHash<double, QString> m_dateTexts;
    bool m_date1904 = false;
};

QString XlsxSheetReader::read(const QString &path)
{
    m_name.clear();
    m_rows = m_columns = 0;
    m_cells.clear();
    const QString reason = XlsxSheetParser(*this).parse(path);
    if (reason.isEmpty())
        return {};
    m_rows = m_columns = 0;
    m_cells.clear();
    return readError(path, reason);
}

QString XlsxSheetReader::cellText(int row, int column) const
{
    if (row < 1 || row > m_cells.size() || column < 1)
        return {};
    const Row &cells = m_cells.at(row - 1);
    auto at = std::lower_bound(cells.begin(), cells.end(), column,
                               [](const QPair<int, QString> &cell, int c) { return cell.first < c; });
    return at != cells.end() && at->first == column ? at->second : QString();
}
