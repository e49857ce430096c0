// SPDX-License-Identifier: MIT
#pragma once
#include <QByteArray>
#include <QString>

// What the network lookup picks out of a catalogue's record page.
struct OpacRecord {
    bool found = false; // false: the page has no title link
    QString title;      // "没有找到名称!" when not found
    QString author;
    QString summary;
    QString classNumber;
    QString pages;
    QString price;      // as extracted ("25.00"); see priceBoxText()
    QString place;
    QString publisher;
    QString year;

    // Reads the page, given in GBK bytes as the lookup converts it. Every position and
    // length counts bytes of that text (a Chinese character is two).
    static OpacRecord parse(const QByteArray &gbkPage);

    // The catalogue's page (UTF-8) in GBK bytes; a character GBK lacks becomes "?".
    static QByteArray toGbk(const QByteArray &utf8Page);

    // What the registration window's 价格 box becomes: the price read as an amount in
    // its shortest form (25.00 gives 25), or the box's current text when the price
    // does not read as a number.
    static QString priceBoxText(const QString &price, const QString &current);

    static QString notFoundTitle() { return QStringLiteral("没有找到名称!"); }
    // "<isbn> 查不到,请检查条码是否正确,或网络是否通畅!"
    static QString notFoundMessage(const QString &isbn);
};
