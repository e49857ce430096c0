// SPDX-License-Identifier: MIT
// The export buttons' shared routine: the file written and handed to the desktop.
#include "MessageRecorder.h"
#include "TestDatabase.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/GridWidget.h"

#include <QDesktopServices>
#include <QFile>
#include <QTest>
#include <QUrl>

class Opener : public QObject
{
    Q_OBJECT
public:
    QStringList opened;
public slots:
    void open(const QUrl &url) { opened << url.toLocalFile(); }
};

class TestExportUi : public QObject
{
    Q_OBJECT
    Opener m_opener;

private slots:
    void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("file"), &m_opener, "open"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("file")); }

    void listIsWrittenAndOpened()
    {
        MessageRecorder messages;
        m_opener.opened.clear();
        ExcelExportUi::exportList(nullptr, {QStringLiteral("编号"), QStringLiteral("名称")},
                                  {{QStringLiteral("B1"), QStringLiteral("红楼梦")}}, QStringLiteral("测试导出"));
        QCOMPARE(m_opener.opened.size(), 1);
        QVERIFY(QFile::exists(m_opener.opened.first()));
        QVERIFY(m_opener.opened.first().endsWith(QStringLiteral(".xlsx")));
        QVERIFY(m_opener.opened.first().contains(QStringLiteral("测试导出")));
        QVERIFY(messages.texts.isEmpty());
        QFile::remove(m_opener.opened.first());

        ExcelExportUi::exportList(nullptr, {QStringLiteral("编号")}, {}, QStringLiteral("空"));
        QCOMPARE(m_opener.opened.size(), 1); // an empty list exports nothing
    }

    void gridIsWrittenAndOpened()
    {
        TestDatabase t(QStringLiteral("sqlite"));
        QVERIFY(t.ok());
        MessageRecorder messages;
        m_opener.opened.clear();
        GridWidget grid;
        grid.open(t.db(), QStringLiteral("select * from 读者类别"));
        ExcelExportUi::exportGrid(nullptr, grid, QStringLiteral("读者类别"));
        QCOMPARE(m_opener.opened.size(), 1);
        QVERIFY(QFile(m_opener.opened.first()).size() > 0);
        QFile::remove(m_opener.opened.first());
    }
};

QTEST_MAIN(TestExportUi)
#include "tst_export_ui.moc"
