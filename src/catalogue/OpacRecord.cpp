// SPDX-License-Identifier: MIT
#include "catalogue/OpacRecord.h"
#include "foundation/Gbk.h"
#include "foundation/Money.h"

namespace {
// The text operations of the extraction, over bytes, 1-based like the catalogue's
// page layout was measured.
using Bytes = QByteArray;

qsizetype pos(const Bytes &m, const Bytes &s)
{
    return s.indexOf(m) + 1;
}

// The first occurrence at or after position from (1-based), 0 when none.
qsizetype posFrom(const Bytes &m, const Bytes &s, qsizetype from)
{
    return s.indexOf(m, std::max<qsizetype>(from, 1) - 1) + 1;
}

Bytes mid(const Bytes &s, qsizetype p, qsizetype n)
{
    if (p < 1)
        p = 1;
    if (n < 1 || p > s.size())
        return {};
    return s.mid(p - 1, n);
}

// Removes control characters and blanks at both ends.
Bytes trim(const Bytes &s)
{
    qsizetype b = 0, e = s.size();
    while (b < e && static_cast<unsigned char>(s[b]) <= 0x20)
        ++b;
    while (e > b && static_cast<unsigned char>(s[e - 1]) <= 0x20)
        --e;
    return s.mid(b, e - b);
}

Bytes stripBlanks(Bytes s)
{
    s.replace("&nbsp;", " ");
    s.replace(" ", "");
    return s;
}

// The part of s before marker; empty when s lacks it.
Bytes before(const Bytes &s, const Bytes &marker)
{
    const qsizetype p = pos(marker, s);
    return p == 0 ? Bytes() : s.left(p - 1);
}

Bytes gbk(const char *utf8)
{
    return Gbk::encode(QString::fromUtf8(utf8));
}

QString text(const Bytes &b)
{
    return Gbk::decode(b);
}

const Bytes kTag = Bytes("service_type=TAG") + '"' + ");";
} // namespace

QByteArray OpacRecord::toGbk(const QByteArray &utf8Page)
{
    return Gbk::encode(QString::fromUtf8(utf8Page));
}

QString OpacRecord::notFoundMessage(const QString &isbn)
{
    return isbn + QStringLiteral(" 查不到,请检查条码是否正确,或网络是否通畅!");
}

OpacRecord OpacRecord::parse(const QByteArray &p)
{
    OpacRecord r;
    const Bytes monograph = gbk("[专著]");

    // Title window and title.
    const qsizetype a = pos(gbk("题名与责任"), p);
    const Bytes w = trim(mid(p, a + 1, a + 2000));
    const qsizetype b = pos(kTag, w);
    if (b == 0) {
        r.title = notFoundTitle();
    } else {
        r.found = true;
        const qsizetype gt = posFrom(">", w, b);
        Bytes link;
        if (gt > 0) {
            const qsizetype lt = posFrom("<", w, gt + 1);
            link = lt > 0 ? w.mid(gt, lt - gt - 1) : w.mid(gt);
        }
        r.title = text(before(stripBlanks(link), monograph));
    }

    // Author: after the first "/" behind "[专著]" up to the end of the link.
    {
        const Bytes at = stripBlanks(mid(w, b + 21, 500));
        const qsizetype c = pos(monograph, at);
        const qsizetype e = pos("</A>", at);
        qsizetype slash = posFrom("/", at, c);
        if (slash == 0)
            slash = c;
        r.author = text(trim(mid(at, slash + 1, e - slash - 1)));
    }

    // Summary.
    {
        const qsizetype c = pos(gbk("内容提要"), p);
        Bytes t = mid(p, c + 8, 1200);
        const qsizetype d = pos("align=left >", t);
        t = mid(t, d + 12, t.size() - (d + 12));
        r.summary = text(trim(before(t, "</td>")));
    }

    // Class number.
    {
        const qsizetype d = pos("CALL-NO:", p);
        r.classNumber = text(trim(mid(p, d + 8, 12)));
    }

    // Pages.
    {
        const qsizetype e = pos(gbk("载体形态项"), p);
        Bytes t = stripBlanks(mid(p, e + 10, 100));
        const qsizetype f = pos("align=left>", t);
        t = mid(t, f + 12, 100);
        r.pages = text(trim(before(t, gbk("页"))));
    }

    // Price: the amount after "CNY" with at most two decimals.
    {
        const qsizetype f = pos("CNY", p);
        const Bytes t = mid(p, f + 3, 7);
        const qsizetype g = pos(".", t);
        r.price = text(t.left(g + 2));
    }

    // Publication: the link text place:publisher,year.
    {
        const qsizetype g = pos(gbk("出版项"), p);
        Bytes t = stripBlanks(trim(mid(p, g + 6, 800)));
        const qsizetype h = pos(kTag, t);
        t = mid(t, h + 21, t.size() - (h + 21));
        t = before(t, "</A>");
        const qsizetype colon = pos(":", t);
        r.place = colon == 0 ? QString() : text(t.left(colon - 1));
        const qsizetype comma = colon == 0 ? 0 : posFrom(",", t, colon + 1);
        r.publisher = comma == 0 ? QString() : text(t.mid(colon, comma - colon - 1));
        const qsizetype firstComma = pos(",", t);
        r.year = text(firstComma == 0 ? t.left(4) : t.mid(firstComma, 4));
    }
    return r;
}

QString OpacRecord::priceBoxText(const QString &price, const QString &current)
{
    Money m;
    return Money::parse(price, &m) ? m.toString() : current;
}
