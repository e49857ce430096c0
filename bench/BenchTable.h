// SPDX-License-Identifier: MIT
#pragma once
#include <QList>
#include <QString>
#include <functional>

// The figures of one operation on one engine: the time of every run, and how many
// rows one run handles where that means something (exports, imports, reading).
struct Measurement {
    QString operation;
    QString engine;
    QList<double> ms; // one entry per run
    qint64 rowsPerRun = 0; // 0: no rows/second column
    QString note;          // e.g. why there is no figure

    double median() const;
    double percentile95() const; // nearest rank
    double rowsPerSecond() const;
};

// The one table the benchmark prints: operation, engine, runs, median, 95th
// percentile, rows per second, and a note.
class BenchTable
{
public:
    // Runs `once` `runs` times (after `warmUp` untimed runs) and records the times;
    // with a budget, stops after the run that passes it (long imports run once).
    // `once` may prepare untimed work itself and return the part to time through
    // the stopwatch it is given; see time().
    using Stopwatch = std::function<void(const std::function<void()> &timed)>;
    // Returns the row added (valid until the next row is added).
    Measurement &measure(const QString &operation, const QString &engine, int runs, qint64 rowsPerRun,
                         const std::function<void(const Stopwatch &)> &once, int warmUp = 1,
                         double budgetMs = 0);
    // Records a figure measured elsewhere (a child process, a shell).
    void add(const Measurement &m);
    // An operation that could not be measured, with the reason.
    void missing(const QString &operation, const QString &engine, const QString &note);

    const QList<Measurement> &rows() const { return m_rows; }
    // The table, operations in the order first measured, engines beside each other.
    QString text() const;

private:
    QList<Measurement> m_rows;
};
