// SPDX-License-Identifier: MIT
#pragma once
#include <QString>
#include <QStringList>
#include <random>

// Word lists and a seeded random source for the generated library: Chinese titles,
// names, publishers and classes that look like a real school library's.
class LibraryWords
{
public:
    explicit LibraryWords(quint64 seed = 20240315) : m_random(seed) {}

    std::mt19937_64 &random() { return m_random; }
    int below(int n); // 0 .. n-1
    int between(int low, int high); // low .. high, both included
    bool chance(double p);
    // Skewed towards 0: a few popular rows take most of the loans.
    int popular(int n);

    struct BookClass {
        QString letter; // 中图法 class letter, e.g. "O"
        QString name;   // 分类
        QString number; // 分类号 without the order number
    };
    struct Title {
        QString 名称;
        BookClass cls;
        QString 二级分类;
    };
    Title bookTitle();
    QString personName();
    QString author(); // a name, sometimes with 编著/主编 or a second name
    QString translator(); // empty for most books
    QString department();
    QString periodicalName(int index);
    QString summary(const QString &title);
    QString shelf();

    static const QStringList &classNames();       // every 分类 the generator uses
    static const QStringList &secondClassNames(); // every 二级分类
    static const QStringList &departments();
    static const QStringList &shelves();

private:
    QString pick(const QStringList &list) { return list.at(below(int(list.size()))); }
    std::mt19937_64 m_random;
};
