// SPDX-License-Identifier: MIT
#include "import/SheetImportDialog.h"

#include "foundation/ExcelExportUi.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "foundation/SheetReader.h"
#include "import/ImportFileUi.h"
#include "import/SheetImport.h"

#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTime>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {
// Sheet columns listed beside a failed row.
constexpr int kListedCells = 20;

template <typename W>
W *named(W *widget, const char *name)
{
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QLabel *heading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QString elapsedText(qint64 ms)
{
    return QTime(0, 0).addMSecs(int(ms)).toString(QStringLiteral("hh:mm:ss"));
}
} // namespace

QStringList SheetImportDialog::standardHelp()
{
    return {QStringLiteral("A表显示的是要导入的Excel表的第一行标题,B表是系统内数据项目名称."),
            QStringLiteral("首先要把Excel的每列的数据按照B表的前后顺序调整好."),
            QStringLiteral("请仔细检查确保A表内的项目与B表内的项目对应一致.否则导入的数据可能不正确.没有的项目可以在Excel中"
                           "加入空白列,有数据的项目一定要保证和要导入的项目名称是同一行.编号和名称是必有项目,编号必须唯一"
                           "不能重复,如果你的Excel数据中没有编号,可以选择系统自动增加编号."),
            QStringLiteral("导入失败的原因有很多,比如Excel中的编号和系统内已存在的编号重复,或者该是数字的项目确出现了字符/"
                           "文字等原因,还有就是日期的格式(2008-8-8)."),
            QStringLiteral("如果您的Excel数据中没有编号,那么请选择自动增加编号.")};
}

SheetImportDialog::SheetImportDialog(SharedConnection &db, const LoginSession &session,
                                     const SheetImportWindow &window, QWidget *parent)
    : ImportDialog(parent), m_db(db), m_session(session), m_window(window)
{
    setWindowTitle(window.title);
    Button3 = named(new QPushButton(QStringLiteral("选择Excel"), this), "Button3");
    Button6 = named(new QPushButton(QStringLiteral("开始导入"), this), "Button6");
    Button5 = named(new QPushButton(QStringLiteral("清空list"), this), "Button5");
    Button4 = named(new QPushButton(QStringLiteral("退出"), this), "Button4");
    Button7 = named(new QPushButton(QStringLiteral(" 生成Excel"), this), "Button7");
    Button8 = named(new QPushButton(QStringLiteral("确定"), this), "Button8");
    holdWhileRunning({Button3, Button6, Button5, Button4, Button7, Button8});
    ListBox1 = named(new QListWidget(this), "ListBox1");
    ListBox2 = named(new QListWidget(this), "ListBox2");
    Memo1 = named(new QPlainTextEdit(this), "Memo1");
    Memo1->setReadOnly(true);
    ListView1 = named(new QTreeWidget(this), "ListView1");
    Edit1 = named(new QLineEdit(this), "Edit1");
    Edit1->setReadOnly(true);
    Edit2 = named(new QLineEdit(this), "Edit2");
    CheckBox1 = named(new QCheckBox(window.clockCaption, this), "CheckBox1");
    CheckBox2 = named(new QCheckBox(QStringLiteral("自定义起始编号"), this), "CheckBox2");
    Label14 = named(new QLabel(this), "Label14");
    Label1 = named(new QLabel(this), "Label1");
    Label2 = named(new QLabel(this), "Label2");
    Label12 = named(new QLabel(this), "Label12");
    ProgressBar1 = named(new QProgressBar(this), "ProgressBar1");

    // Edit2 takes digits only, few enough that numbering cannot overflow.
    Edit2->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), Edit2));
    Edit2->setMaxLength(18);
    Edit2->setEnabled(false);
    QStringList captions;
    for (int c = 0; c < kListedCells; ++c)
        captions << QString::number(c);
    ListView1->setHeaderLabels(captions << QString());
    ListView1->setRootIsDecorated(false);

    // Layout: the two lists side by side, the controls beside them, the reports below.
    auto *lists = new QGridLayout;
    lists->addWidget(heading(QStringLiteral("Excel第一行"), this), 0, 0);
    lists->addWidget(heading(QStringLiteral("A  导入  B"), this), 0, 1, Qt::AlignCenter);
    lists->addWidget(heading(QStringLiteral("数据库字段名"), this), 0, 2);
    lists->addWidget(ListBox1, 1, 0);
    lists->addWidget(ListBox2, 1, 2);
    auto *controls = new QVBoxLayout;
    for (const QString &help : window.helpTexts) {
        auto *label = new QLabel(help, this);
        label->setWordWrap(true);
        controls->addWidget(label);
    }
    controls->addWidget(Button3);
    controls->addWidget(Label1);
    controls->addWidget(Label2);
    controls->addWidget(CheckBox1);
    controls->addWidget(CheckBox2);
    auto *start = new QHBoxLayout;
    start->addWidget(Edit2);
    start->addWidget(Button8);
    start->addWidget(Label14);
    controls->addLayout(start);
    controls->addWidget(Button6);
    controls->addWidget(ProgressBar1);
    controls->addWidget(Label12);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(Button5);
    buttons->addWidget(Button4);
    controls->addLayout(buttons);
    controls->addStretch();
    auto *top = new QHBoxLayout;
    top->addLayout(lists, 3);
    top->addLayout(controls, 2);
    auto *reports = new QGridLayout;
    reports->addWidget(heading(QStringLiteral("导入失败的行号"), this), 0, 0);
    reports->addWidget(heading(QStringLiteral("失败的记录"), this), 0, 1);
    reports->addWidget(Button7, 0, 2, Qt::AlignRight);
    reports->addWidget(Memo1, 1, 0);
    reports->addWidget(ListView1, 1, 1, 1, 2);
    reports->setColumnStretch(1, 3);
    auto *all = new QVBoxLayout(this);
    all->addLayout(top, 3);
    all->addLayout(reports, 2);
    all->addWidget(Edit1);
    resize(900, 680);

    const bool numbered = !window.clockCaption.isEmpty();
    for (QWidget *w : {static_cast<QWidget *>(CheckBox1), static_cast<QWidget *>(CheckBox2),
                       static_cast<QWidget *>(Edit2), static_cast<QWidget *>(Button8), static_cast<QWidget *>(Label14)})
        w->setVisible(numbered);
    Edit1->setVisible(window.showsStatement);
    ListView1->setVisible(window.listsFailedRows);
    Button7->setVisible(window.listsFailedRows);
    Label12->setVisible(window.showsElapsed);

    // As the window opens: the start number from the clock, the field list, nothing read.
    Label14->setText(RowNumbering::stamp());
    Button6->setEnabled(false);
    ListBox2->addItems(window.layout->captions());

    connect(CheckBox2, &QCheckBox::toggled, Edit2, &QWidget::setEnabled);
    connect(Button8, &QPushButton::clicked, this, &SheetImportDialog::Button8Click);
    connect(Button3, &QPushButton::clicked, this, &SheetImportDialog::Button3Click);
    connect(Button6, &QPushButton::clicked, this, &SheetImportDialog::Button6Click);
    connect(Button5, &QPushButton::clicked, this, &SheetImportDialog::Button5Click);
    connect(Button7, &QPushButton::clicked, this, &SheetImportDialog::Button7Click);
    connect(Button4, &QPushButton::clicked, this, &QDialog::close);
}

void SheetImportDialog::Button8Click()
{
    const QString text = Edit2->text().trimmed();
    if (!text.isEmpty())
        Label14->setText(text);
}

void SheetImportDialog::Button3Click()
{
    ProgressBar1->setValue(0);
    ListBox1->clear();
    Memo1->clear();
    const QString path = ImportFile::choose(this, ImportFile::sheetFilter());
    if (path.isEmpty())
        return;
    m_path = path;
    QString error;
    const std::unique_ptr<SheetReader> sheet = SheetReader::open(path, &error);
    if (!sheet) {
        Button6->setEnabled(false);
        Messages::warn(this, error);
        return;
    }
    Label1->setText(QString::number(qMax(0, sheet->rowCount() - 1)) + QStringLiteral("条数据(行数)"));
    Label2->setText(QString::number(sheet->columnCount()) + QStringLiteral("个项目(列数)"));
    for (int c = 1; c <= sheet->columnCount(); ++c)
        ListBox1->addItem(sheet->cellText(1, c));
    Button6->setEnabled(true);
}

void SheetImportDialog::Button6Click()
{
    QString typed;
    if (!Messages::askPassword(this, &typed) || !SheetImport::passwordMatches(typed)) {
        Messages::warn(this, SheetImport::wrongPasswordMessage());
        return;
    }
    SheetImportOptions options;
    options.operatorName = m_session.OperatorName;
    if (!m_window.clockCaption.isEmpty()) {
        options.numbering.clock = CheckBox1->isChecked();
        options.numbering.fromStart = CheckBox2->isChecked();
        if (options.numbering.fromStart && !RowNumbering::parseStart(Label14->text(), &options.numbering.start)) {
            Messages::warn(this, QStringLiteral("请输入合法的数字！"));
            return;
        }
    }
    // The sheet is read again: it may have been changed and saved meanwhile.
    QString error;
    const std::unique_ptr<SheetReader> sheet = SheetReader::open(m_path, &error);
    if (!sheet) {
        Messages::warn(this, error);
        return;
    }
    setRunning(true);
    ProgressBar1->setMaximum(qMax(1, sheet->rowCount()));
    // The window keeps painting: events are handled every few rows.
    QElapsedTimer sincePaint;
    sincePaint.start();
    const ImportResult result =
        SheetImport(*sheet, *m_window.layout, options).run(m_db, [&](int row, int) {
            if (row % 50 == 0 || sincePaint.elapsed() > 100) {
                ProgressBar1->setValue(row);
                QApplication::processEvents();
                sincePaint.restart();
            }
        });
    ProgressBar1->setValue(ProgressBar1->maximum());
    setRunning(false);
    showResult(result);
    Messages::info(this, QStringLiteral("完成!"));
    Button6->setEnabled(false);
}

void SheetImportDialog::showResult(const ImportResult &result)
{
    const QString statement = result.lastFailedStatement();
    if (m_window.showsStatement && !statement.isEmpty())
        Edit1->setText(statement);
    for (const QString &line : result.memoLines())
        Memo1->appendPlainText(line);
    if (m_window.listsFailedRows) {
        for (const FailedRow &f : result.failedRows) {
            auto *item = new QTreeWidgetItem(ListView1);
            item->setText(0, QString::number(f.row));
            for (int c = 0; c < f.cells.size() && c < kListedCells; ++c)
                item->setText(c + 1, f.cells.at(c));
        }
    }
    if (m_window.showsElapsed)
        Label12->setText(QStringLiteral("时间:") + elapsedText(result.elapsedMs));
}

void SheetImportDialog::Button5Click()
{
    ListBox1->clear();
    Memo1->clear();
}

void SheetImportDialog::Button7Click()
{
    ExcelExportUi::exportTree(this, *ListView1, windowTitle() + QStringLiteral("失败的记录"));
}
