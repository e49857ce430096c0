// SPDX-License-Identifier: MIT
#pragma once
// Helpers of the catalogue window tests: a session with chosen rights, controls found by
// object name, prints caught and rendered to PDF, exports caught.
#include "ExternalTools.h"
#include "catalogue/CatalogueOutputUi.h"
#include "foundation/LoginSession.h"
#include "foundation/PagedReport.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

namespace WindowHelpers {

// A session of the embedded or server dialect whose operator has every right but those
// named.
inline LoginSession session(const SharedConnection &db, const QStringList &without = {})
{
    LoginSession s;
    s.config.abc = db.dialect().code();
    for (int i = 0; i < Rights::names().size(); ++i)
        s.rights.setValue(i, !without.contains(Rights::names()[i]));
    s.OperatorName = QStringLiteral("小王");
    s.switches.a2Caption = QStringLiteral("语种");
    s.switches.a3Caption = QStringLiteral("版本");
    return s;
}

template <typename T>
T *child(QWidget *w, const QString &name)
{
    T *c = w->findChild<T *>(name);
    if (!c)
        qWarning("no control %s", qPrintable(name));
    return c;
}

inline QString text(QWidget *w, const QString &name)
{
    QWidget *c = w->findChild<QWidget *>(name);
    if (auto *l = qobject_cast<QLineEdit *>(c))
        return l->text();
    if (auto *b = qobject_cast<QComboBox *>(c))
        return b->currentText();
    if (auto *m = qobject_cast<QPlainTextEdit *>(c))
        return m->toPlainText();
    return QStringLiteral("<none>");
}

// Types into a box as the keyboard does (key by key).
inline void type(QWidget *w, const QString &name, const QString &text, bool clear = true)
{
    QWidget *c = w->findChild<QWidget *>(name);
    if (auto *b = qobject_cast<QComboBox *>(c))
        c = b->lineEdit();
    if (clear) {
        if (auto *l = qobject_cast<QLineEdit *>(c))
            l->clear();
        else if (auto *m = qobject_cast<QPlainTextEdit *>(c))
            m->clear();
    }
    // QTest maps only ASCII to keys; other characters arrive as a key with its text,
    // as an input method delivers them.
    for (const QChar ch : text) {
        if (ch.unicode() >= 0x20 && ch.unicode() < 0x7f) {
            QTest::keyClick(c, char(ch.unicode()));
        } else {
            QTest::sendKeyEvent(QTest::Press, c, Qt::Key_unknown, QString(ch), Qt::NoModifier);
            QTest::sendKeyEvent(QTest::Release, c, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        }
    }
}

inline void enter(QWidget *w, const QString &name)
{
    QWidget *c = w->findChild<QWidget *>(name);
    if (auto *b = qobject_cast<QComboBox *>(c))
        c = b->lineEdit();
    QTest::keyClick(c, Qt::Key_Return);
}

// Catches every print while alive: each report is rendered to a PDF in a folder of its
// own; files() lists them in order, titles() their titles.
class PrintCatcher
{
public:
    PrintCatcher()
    {
        CatalogueOutput::setPreviewHandler([this](const PagedReport &report, const QString &title) {
            const QString file = m_dir.filePath(QStringLiteral("print%1.pdf").arg(m_files.size() + 1));
            QVERIFY(report.renderToPdf(file));
            m_files << file;
            m_titles << title;
            m_pages << report.pageCount();
        });
    }
    ~PrintCatcher() { CatalogueOutput::setPreviewHandler({}); }
    const QStringList &files() const { return m_files; }
    const QStringList &titles() const { return m_titles; }
    const QList<int> &pages() const { return m_pages; }

private:
    QTemporaryDir m_dir;
    QStringList m_files, m_titles;
    QList<int> m_pages;
};

// The barcodes zbarimg reads on every page of a PDF, "TYPE:text" each.
inline QStringList barcodesIn(const QString &pdf, int pages)
{
    QStringList found;
    for (int p = 1; p <= pages; ++p) {
        const QString png = ExternalTools::pdfPageToPng(pdf, p, 300);
        if (!png.isEmpty())
            found += ExternalTools::decodeBarcodes(png);
    }
    return found;
}

// The text of every page of a PDF, blanks removed (pdftotext loses them between glyphs).
inline QString pdfText(const QString &pdf, int pages)
{
    QString all;
    for (int p = 1; p <= pages; ++p)
        all += ExternalTools::pdfPageText(pdf, p);
    return all.remove(QRegularExpression(QStringLiteral("\\s")));
}

inline bool pdfToolsMissing()
{
    return !ExternalTools::available(QStringLiteral("pdftotext")) || !ExternalTools::available(QStringLiteral("pdftoppm"))
        || !ExternalTools::available(QStringLiteral("zbarimg"));
}

} // namespace WindowHelpers

#include <QApplication>
#include <QTimer>
#include <functional>

namespace WindowHelpers {
// Runs f on the modal window that opens next (the dialog that exec() shows), from
// inside its event loop.
inline void whenModal(const std::function<void(QWidget *)> &f, int tries = 200)
{
    QTimer::singleShot(10, [f, tries] {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal && tries > 0) {
            whenModal(f, tries - 1);
            return;
        }
        f(modal);
    });
}
} // namespace WindowHelpers
