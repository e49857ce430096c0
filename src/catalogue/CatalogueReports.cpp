// SPDX-License-Identifier: MIT
#include "catalogue/CatalogueReports.h"
#include "foundation/BarcodePainter.h"
#include "foundation/Code128A.h"
#include "foundation/Code39.h"
#include "foundation/DayClock.h"
#include "foundation/LabelSheet.h"
#include "foundation/ListReport.h"
#include "foundation/Money.h"

#include <QPainter>

namespace CatalogueReports {
namespace {

// Lines of text filling a cell from the top, each a fixed share of its height.
void paintLines(QPainter &p, const QRectF &rect, const QStringList &lines, int lineSlots = 0)
{
    const int n = qMax(1, lineSlots > 0 ? lineSlots : int(lines.size()));
    const qreal lineHeight = rect.height() / n;
    QFont font = PagedReport::font(9);
    font.setPixelSize(qMax(1, int(lineHeight * 0.6)));
    p.setFont(font);
    p.setPen(Qt::black);
    for (int i = 0; i < lines.size(); ++i) {
        const QRectF line(rect.left(), rect.top() + i * lineHeight, rect.width(), lineHeight);
        p.drawText(line, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, lines[i]);
    }
}

QRectF inset(const QRectF &r, qreal share = 0.06)
{
    const qreal m = qMin(r.width(), r.height()) * share;
    return r.adjusted(m, m, -m, -m);
}

// The texts of some columns for the chosen rows.
QList<QStringList> texts(const RowSet &rows, const QList<int> &which, const QStringList &columns)
{
    QList<QStringList> out;
    for (int r : which) {
        QStringList line;
        for (const QString &c : columns)
            line << rows.text(r, c);
        out << line;
    }
    return out;
}

QStringList columns(std::initializer_list<const char *> names)
{
    QStringList list;
    for (const char *n : names)
        list << QString::fromUtf8(n);
    return list;
}

std::unique_ptr<PagedReport> barcodes(const QStringList &codes)
{
    auto sheet = std::make_unique<LabelSheet>(QSizeF(60, 30), 0, 0, QSizeF(2, 4));
    sheet->addCells(int(codes.size()), [codes](QPainter &p, const QRectF &r, int i) {
        BarcodePainter::paint(p, inset(r, 0.1), Code128A::encode(codes.at(i)));
    });
    return sheet;
}

std::unique_ptr<PagedReport> textLabels(const QList<QStringList> &labels, const QSizeF &size, bool framed)
{
    auto sheet = std::make_unique<LabelSheet>(size, 0, 0, QSizeF(3, 3));
    sheet->setFramed(framed);
    sheet->addCells(int(labels.size()), [labels](QPainter &p, const QRectF &r, int i) {
        paintLines(p, inset(r), labels.at(i));
    });
    return sheet;
}

std::unique_ptr<ListReport> list(const QString &title, const QStringList &captions, const QList<qreal> &widths)
{
    auto report = std::make_unique<ListReport>();
    report->setTitle(title);
    report->setPrintedAt(DayClock::now());
    for (int i = 0; i < captions.size(); ++i)
        report->addColumn(captions[i], widths.value(i, 1),
                          i == captions.size() - 1 ? Qt::AlignRight : Qt::AlignLeft);
    return report;
}

struct Sums {
    qlonglong copies = 0;
    Money price;
};
Sums sums(const RowSet &rows)
{
    Sums s;
    for (int r = 0; r < rows.rowCount(); ++r) {
        s.copies += rows.value(r, QStringLiteral("数量")).toLongLong();
        s.price += Money::fromVariant(rows.value(r, QStringLiteral("价格")));
    }
    return s;
}

// A framed catalogue card: label/value pairs, the last (简介) given a taller box.
void paintCard(QPainter &p, const QRectF &rect, const QStringList &head, const QStringList &body,
               const QString &summary)
{
    const QRectF r = inset(rect, 0.04);
    const int lineSlots = int(head.size() + body.size()) + 3;
    const qreal lineHeight = r.height() / lineSlots;
    paintLines(p, QRectF(r.left(), r.top(), r.width(), lineHeight * head.size()), head);
    const qreal ruleY = r.top() + lineHeight * head.size() + lineHeight * 0.2;
    p.drawLine(QPointF(r.left(), ruleY), QPointF(r.right(), ruleY));
    const QRectF bodyRect(r.left(), ruleY + lineHeight * 0.2, r.width(), lineHeight * body.size());
    paintLines(p, bodyRect, body);
    const QRectF box(r.left(), bodyRect.bottom(), r.width(), r.bottom() - bodyRect.bottom());
    p.drawRect(box);
    QFont font = p.font();
    p.setFont(font);
    p.drawText(inset(box, 0.05), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, summary);
}

} // namespace

QList<int> allRows(const RowSet &rows)
{
    QList<int> all;
    for (int r = 0; r < rows.rowCount(); ++r)
        all << r;
    return all;
}

std::unique_ptr<PagedReport> bookList(const RowSet &rows)
{
    auto report = list(QStringLiteral("图书清单"),
                       columns({"图书编号", "条形码", "书名", "分类", "存放位置", "数量"}), {1, 1.3, 3, 1, 1, 0.6});
    report->setRows(texts(rows, allRows(rows), columns({"编号", "条形码", "名称", "分类", "存放位置", "数量"})));
    const Sums s = sums(rows);
    report->setTotalsText(QStringLiteral(" 数量合计: ") + QString::number(s.copies) + QStringLiteral("  价格合计: ")
                          + s.price.toString());
    return report;
}

std::unique_ptr<PagedReport> bookBarcodes(const RowSet &rows, const QList<int> &which)
{
    QStringList codes;
    for (int r : which)
        codes << rows.text(r, QStringLiteral("条形码"));
    return barcodes(codes);
}

std::unique_ptr<PagedReport> bookLabels(const RowSet &rows, const QList<int> &which)
{
    return textLabels(texts(rows, which, columns({"编号", "分类号", "zch", "条形码"})), QSizeF(50, 25), true);
}

std::unique_ptr<PagedReport> bookSingleLabel(const RowSet &rows, int row)
{
    return textLabels(texts(rows, {row}, columns({"分类号", "编号", "条形码", "zch"})), QSizeF(50, 25), true);
}

std::unique_ptr<PagedReport> bookCards(const RowSet &rows, const QList<int> &which)
{
    auto sheet = std::make_unique<LabelSheet>(QSizeF(125, 75), 1, 0, QSizeF(4, 6));
    sheet->setFramed(true);
    QList<QStringList> heads, bodies;
    QStringList summaries;
    for (int r : which) {
        auto t = [&](const char *c) { return rows.text(r, QString::fromUtf8(c)); };
        heads << QStringList{QStringLiteral("分类: ") + t("分类") + QStringLiteral("    编号: ") + t("编号")};
        bodies << QStringList{QStringLiteral("索书号:") + t("索书号"), QStringLiteral("名称: ") + t("名称"),
                              QStringLiteral("作者: ") + t("作者"),
                              QStringLiteral("译者: ") + t("译者") + QStringLiteral("    分类号: ") + t("分类号"),
                              QStringLiteral("出版社: ") + t("出版社"),
                              QStringLiteral("出版时间: ") + t("出版时间") + QStringLiteral("    价格: ") + t("价格")};
        summaries << QStringLiteral("简介: ") + t("简介");
    }
    sheet->addCells(int(which.size()), [heads, bodies, summaries](QPainter &p, const QRectF &r, int i) {
        paintCard(p, r, heads.at(i), bodies.at(i), summaries.at(i));
    });
    return sheet;
}

std::unique_ptr<PagedReport> bookSingleCard(const RowSet &rows, int row)
{
    auto sheet = std::make_unique<LabelSheet>(QSizeF(125, 75), 1, 0, QSizeF(4, 6));
    sheet->setFramed(true);
    auto t = [&](const char *c) { return rows.text(row, QString::fromUtf8(c)); };
    const QStringList head{QStringLiteral("名称: ") + t("名称")};
    const QStringList body{QStringLiteral("分类: ") + t("分类"), QStringLiteral("索书号:") + t("索书号"),
                           QStringLiteral("作者: ") + t("作者"), QStringLiteral("译者: ") + t("译者"),
                           QStringLiteral("出版社: ") + t("出版社"), QStringLiteral("出版时间: ") + t("出版时间")};
    const QString summary = QStringLiteral("简介: ") + t("简介");
    sheet->addCells(1, [head, body, summary](QPainter &p, const QRectF &r, int) {
        paintCard(p, r, head, body, summary);
    });
    return sheet;
}

std::unique_ptr<PagedReport> classNumbers(const RowSet &rows, const QList<int> &which)
{
    return textLabels(texts(rows, which, columns({"分类号"})), QSizeF(40, 12), false);
}

std::unique_ptr<PagedReport> registrationLabels(const QList<RegistrationLabel> &labels)
{
    auto sheet = std::make_unique<LabelSheet>(QSizeF(80, 50), 0, 0, QSizeF(3, 3));
    sheet->setFramed(true);
    sheet->addCells(int(labels.size()), [labels](QPainter &p, const QRectF &rect, int i) {
        const RegistrationLabel &l = labels.at(i);
        const QRectF r = inset(rect);
        auto filled = [](const QString &caption, const QString &value) {
            return value.isEmpty() ? caption : caption + value;
        };
        const QStringList lines{filled(QStringLiteral("书名 "), l.title), QStringLiteral("编号:") + l.number,
                                filled(QStringLiteral("索书号:"), l.callNumber),
                                filled(QStringLiteral("分类号:"), l.classNumber)};
        const QRectF textArea(r.left(), r.top(), r.width(), r.height() * 0.5);
        paintLines(p, textArea, lines);
        const QRectF code(r.left(), textArea.bottom() + r.height() * 0.04, r.width(), r.height() * 0.46);
        BarcodePainter::paint(p, code, Code39::encode(l.barcode));
    });
    return sheet;
}

std::unique_ptr<PagedReport> periodicalList(const RowSet &rows)
{
    auto report = list(QStringLiteral("期刊清单"), columns({"编号", "条形码", "名称", "分类", "存放位置", "数量"}),
                       {1, 1.3, 3, 1, 1, 0.6});
    report->setRows(texts(rows, allRows(rows), columns({"编号", "条形码", "名称", "分类", "存放位置", "数量"})));
    const Sums s = sums(rows);
    report->setTotalsText(QStringLiteral("总数量: ") + QString::number(s.copies) + QStringLiteral("  总价格:")
                          + s.price.toString());
    return report;
}

std::unique_ptr<PagedReport> periodicalBarcodes(const RowSet &rows, const QList<int> &which)
{
    return bookBarcodes(rows, which);
}

std::unique_ptr<PagedReport> periodicalLabels(const RowSet &rows, const QList<int> &which)
{
    return textLabels(texts(rows, which, columns({"编号", "分类", "条形码"})), QSizeF(50, 20), true);
}

std::unique_ptr<PagedReport> periodicalSingleLabel(const RowSet &rows, int row)
{
    return textLabels(texts(rows, {row}, columns({"国内统一刊号", "编号", "条形码"})), QSizeF(50, 20), true);
}

std::unique_ptr<PagedReport> registrationList(const RowSet &rows, const QString &table)
{
    const bool books = table != QStringLiteral("期刊");
    auto report = list(books ? QStringLiteral("图书入库登记") : QStringLiteral("期刊入库登记"),
                       books ? columns({"图书编号", "条形码", "书名", "类别", "存放位置", "数量"})
                             : columns({"编号", "条形码", "名称", "类别", "存放位置", "数量"}),
                       {1, 1.3, 3, 1, 1, 0.6});
    // The table has no 一级分类; the class 分类 stands in under "类别".
    report->setRows(texts(rows, allRows(rows), columns({"编号", "条形码", "名称", "分类", "存放位置", "数量"})));
    return report;
}

std::unique_ptr<PagedReport> perOperator(const RowSet &rows)
{
    auto report = list(QStringLiteral("管理员录入量统计"), columns({"登记人", "记录数", "总价格"}), {2, 1, 1});
    for (int r = 0; r < rows.rowCount(); ++r)
        report->addRow({rows.text(r, QStringLiteral("登记人")), rows.text(r, QStringLiteral("记录数")),
                        Money::fromVariant(rows.value(r, QStringLiteral("总价格"))).toString()});
    return report;
}

} // namespace CatalogueReports
