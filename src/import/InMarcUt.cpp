// SPDX-License-Identifier: MIT
#include "import/InMarcUt.h"

#include "foundation/DayClock.h"
#include "foundation/ExcelExportUi.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "import/ImportFileUi.h"
#include "import/MarcFile.h"
#include "import/MarcImport.h"
#include "import/MarcRecord.h"
#include "import/SheetImport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTime>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QString elapsedText(qint64 ms)
{
    return QTime(0, 0).addMSecs(int(ms)).toString(QStringLiteral("hh:mm:ss"));
}
} // namespace

TInMarcFm::TInMarcFm(SharedConnection &db, const LoginSession &session, QWidget *parent)
    : ImportDialog(parent), m_db(db), m_session(session)
{
    setObjectName(QStringLiteral("InMarcFm"));
    setWindowTitle(QStringLiteral("马克marc数据导入"));
    Button1 = named(new QPushButton(QStringLiteral("打开marc文件"), this), "Button1");
    Button2 = named(new QPushButton(QStringLiteral("读取marc数据"), this), "Button2");
    Button3 = named(new QPushButton(QStringLiteral("导入本系统"), this), "Button3");
    Button5 = named(new QPushButton(QStringLiteral("生成Excel"), this), "Button5");
    Button6 = named(new QPushButton(QStringLiteral("LvToExcel"), this), "Button6");
    Button4 = named(new QPushButton(QStringLiteral("exit"), this), "Button4");
    holdWhileRunning({Button1, Button2, Button3, Button5, Button6, Button4});
    Edit1 = named(new QLineEdit(this), "Edit1");
    Edit2 = named(new QLineEdit(this), "Edit2");
    Edit2->setReadOnly(true);
    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    Memo1->setReadOnly(true);
    Label1 = named(new QLabel(this), "Label1");
    Label2 = named(new QLabel(this), "Label2");
    Label12 = named(new QLabel(this), "Label12");
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");
    ListView1 = named(new QTreeWidget(this), "ListView1");
    ListView1->setHeaderLabels(MarcRecord::valueNames());
    ListView1->setRootIsDecorated(false);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // Only the first column (名称) is edited in place.
    connect(ListView1, &QTreeWidget::itemDoubleClicked, this, [this](QTreeWidgetItem *item, int column) {
        if (column == 0 && !isRunning())
            ListView1->editItem(item, 0);
    });

    auto *buttons = new QHBoxLayout;
    for (QPushButton *b : {Button1, Button2, Button3, Button5, Button6, Button4})
        buttons->addWidget(b);
    auto *start = new QHBoxLayout;
    start->addWidget(new QLabel(QStringLiteral("自动编号起始值(每条自动加一)"), this));
    start->addWidget(Edit1);
    start->addWidget(Label1);
    start->addWidget(Label2);
    start->addWidget(Label12);
    start->addStretch();
    auto *all = new QVBoxLayout(this);
    all->addLayout(buttons);
    all->addLayout(start);
    all->addWidget(ProgressBar1);
    all->addWidget(Memo1, 1);
    all->addWidget(ListView1, 4);
    all->addWidget(Edit2);
    resize(960, 640);

    Button2->setEnabled(false);
    connect(Button1, &QPushButton::clicked, this, &TInMarcFm::Button1Click);
    connect(Button2, &QPushButton::clicked, this, &TInMarcFm::Button2Click);
    connect(Button3, &QPushButton::clicked, this, &TInMarcFm::Button3Click);
    connect(Button5, &QPushButton::clicked, this, &TInMarcFm::Button5Click);
    connect(Button6, &QPushButton::clicked, this, &TInMarcFm::Button6Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::close);
}

void TInMarcFm::Button1Click()
{
    ListView1->clear();
    // The default start number: seconds, then month and day without leading zeros.
    Edit1->setText(DayClock::now().toString(QStringLiteral("ssMd")));
    const QString path = ImportFile::choose(this, QString());
    if (path.isEmpty())
        return;
    m_path = path;
    Button2->setEnabled(true);
}

void TInMarcFm::Button2Click()
{
    if (!QFile::exists(m_path))
        return;
    QElapsedTimer timer;
    timer.start();
    setRunning(true);
    QElapsedTimer sincePaint;
    sincePaint.start();
    const MarcFileResult file = MarcFile::read(m_path, [&](const MarcFileRecord &r, int total) {
        if (r.result.ok())
            new QTreeWidgetItem(ListView1, r.result.record.values());
        else
            Memo1->appendPlainText(QStringLiteral("第%1条记录无法读取: %2").arg(r.number).arg(r.result.reason));
        if (sincePaint.elapsed() > 100 || r.number % 200 == 0) {
            Label1->setText(QStringLiteral("已导入:") + QString::number(ListView1->topLevelItemCount()));
            ProgressBar1->setMaximum(total);
            ProgressBar1->setValue(r.number);
            QApplication::processEvents();
            sincePaint.restart();
        }
        return true;
    });
    setRunning(false);
    if (!file.opened) {
        Messages::warn(this, file.fileError);
        return;
    }
    Label1->setText(QStringLiteral("已导入:") + QString::number(ListView1->topLevelItemCount()));
    Label2->setText(elapsedText(timer.elapsed()));
    Button2->setEnabled(false);
    Button3->setEnabled(true);
}

void TInMarcFm::Button3Click()
{
    const int count = ListView1->topLevelItemCount();
    if (count == 0)
        return;
    qint64 start = 0;
    if (!MarcImport::parseStart(Edit1->text(), &start)) {
        Messages::warn(this, MarcImport::invalidStartMessage());
        Edit1->selectAll();
        Edit1->setFocus();
        return;
    }
    QString typed;
    if (!Messages::askPassword(this, &typed) || !SheetImport::passwordMatches(typed)) {
        Messages::warn(this, SheetImport::wrongPasswordMessage());
        return;
    }
    QList<MarcImportRow> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        QStringList values;
        for (int c = 0; c < ListView1->columnCount(); ++c)
            values << ListView1->topLevelItem(i)->text(c);
        rows.append({i, values});
    }
    setRunning(true);
    ProgressBar1->setMaximum(count);
    QElapsedTimer sincePaint;
    sincePaint.start();
    const ImportResult result =
        MarcImport::run(rows, start, m_session.OperatorName, m_db, [&](int row, int) {
            if (row % 50 == 0 || sincePaint.elapsed() > 100) {
                ProgressBar1->setValue(row);
                QApplication::processEvents();
                sincePaint.restart();
            }
        });
    ProgressBar1->setValue(count);
    setRunning(false);
    if (!result.lastFailedStatement().isEmpty())
        Edit2->setText(result.lastFailedStatement());
    for (const QString &line : result.memoLines())
        Memo1->appendPlainText(line);
    Label12->setText(QStringLiteral("时间:") + elapsedText(result.elapsedMs));
    Messages::info(this, QStringLiteral("完成!"));
    Button3->setEnabled(false);
}

void TInMarcFm::exportList()
{
    ExcelExportUi::exportTree(this, *ListView1, windowTitle());
}

void TInMarcFm::Button5Click()
{
    if (ListView1->topLevelItemCount() == 0)
        return;
    exportList();
    Messages::info(this, QStringLiteral("结束"));
}

void TInMarcFm::Button6Click()
{
    exportList();
}
