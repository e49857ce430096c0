// SPDX-License-Identifier: MIT
#include "BenchTable.h"

#include <QElapsedTimer>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {
QList<double> sorted(QList<double> v)
{
    std::sort(v.begin(), v.end());
    return v;
}

// Pads to a width in terminal columns (a Chinese character takes two).
QString pad(const QString &text, int width, bool right = false)
{
    int used = 0;
    for (const QChar c : text)
        used += c.unicode() >= 0x1100 ? 2 : 1;
    const QString fill(std::max(0, width - used), QLatin1Char(' '));
    return right ? fill + text : text + fill;
}

QString figure(double ms)
{
    if (ms >= 100)
        return QString::number(ms, 'f', 0);
    if (ms >= 10)
        return QString::number(ms, 'f', 1);
    return QString::number(ms, 'f', 2);
}
} // namespace

double Measurement::median() const
{
    if (ms.isEmpty())
        return 0;
    const QList<double> s = sorted(ms);
    const int n = int(s.size());
    return n % 2 ? s.at(n / 2) : (s.at(n / 2 - 1) + s.at(n / 2)) / 2;
}

double Measurement::percentile95() const
{
    if (ms.isEmpty())
        return 0;
    const QList<double> s = sorted(ms);
    const int rank = int(std::ceil(0.95 * s.size()));
    return s.at(std::clamp(rank - 1, 0, int(s.size()) - 1));
}

double Measurement::rowsPerSecond() const
{
    const double m = median();
    return rowsPerRun > 0 && m > 0 ? rowsPerRun / (m / 1000.0) : 0;
}

Measurement &BenchTable::measure(const QString &operation, const QString &engine, int runs, qint64 rowsPerRun,
                                 const std::function<void(const Stopwatch &)> &once, int warmUp,
                                 double budgetMs)
{
    Measurement m{operation, engine, {}, rowsPerRun, {}};
    double lastRun = 0;
    const Stopwatch stopwatch = [&lastRun](const std::function<void()> &timed) {
        QElapsedTimer clock;
        clock.start();
        timed();
        lastRun += clock.nsecsElapsed() / 1e6;
    };
    double spent = 0;
    for (int i = 0; i < warmUp + runs; ++i) {
        lastRun = 0;
        once(stopwatch);
        if (i >= warmUp) {
            m.ms << lastRun;
            spent += lastRun;
            if (budgetMs > 0 && spent >= budgetMs)
                break;
        }
    }
    std::fprintf(stderr, "  %-44s %-10s median %9s ms\n", qPrintable(operation), qPrintable(engine),
                 qPrintable(figure(m.median())));
    m_rows << m;
    return m_rows.last();
}

void BenchTable::add(const Measurement &m)
{
    m_rows << m;
}

void BenchTable::missing(const QString &operation, const QString &engine, const QString &note)
{
    m_rows << Measurement{operation, engine, {}, 0, note};
}

QString BenchTable::text() const
{
    QStringList order;
    for (const Measurement &m : m_rows)
        if (!order.contains(m.operation))
            order << m.operation;
    int width = 9;
    for (const QString &o : order)
        width = std::max(width, int(o.size()));
    QStringList lines;
    const QString head = pad(QStringLiteral("operation"), width) + QStringLiteral("  engine      runs  median ms     p95 ms      rows/s  note");
    lines << head << QString(head.size() + 4, QLatin1Char('-'));
    for (const QString &o : order) {
        for (const Measurement &m : m_rows) {
            if (m.operation != o)
                continue;
            QString line = pad(m.operation, width) + QStringLiteral("  ") + pad(m.engine, 10);
            if (m.ms.isEmpty()) {
                line += pad(QStringLiteral("-"), 6, true) + pad(QStringLiteral("-"), 11, true)
                        + pad(QStringLiteral("-"), 11, true) + pad(QStringLiteral("-"), 12, true);
            } else {
                line += pad(QString::number(m.ms.size()), 6, true) + pad(figure(m.median()), 11, true)
                        + pad(figure(m.percentile95()), 11, true)
                        + pad(m.rowsPerRun > 0 ? QString::number(qint64(std::llround(m.rowsPerSecond()))) : QStringLiteral("-"),
                              12, true);
            }
            if (!m.note.isEmpty())
                line += QStringLiteral("  ") + m.note;
            lines << line;
        }
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}
