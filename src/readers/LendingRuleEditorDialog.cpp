// SPDX-License-Identifier: MIT
#include "readers/LendingRuleEditorDialog.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"
#include "readers/AmountBoxUi.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QIntValidator>
#include <QLineEdit>
#include <QTableWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

LendingRuleEditorDialog::LendingRuleEditorDialog(SharedConnection &db, const LendingRuleTable &table,
                                                 const QString &caption, bool nameFixedWhileModifying,
                                                 QWidget *parent)
    : QDialog(parent), m_db(db), m_table(table), m_nameFixedWhileModifying(nameFixedWhileModifying),
      dxDBGrid1(new QTableWidget(this)), GroupBox1(new QGroupBox(this))
{
    setWindowTitle(caption);
    auto *bar = new QToolBar(this);
    auto tool = [bar](QToolButton *&button, const char *name, const char *text) {
        button = WindowParts::toolButton(bar, name, QString::fromUtf8(text));
    };
    tool(ToolButton1, "ToolButton1", "添加");
    tool(ToolButton2, "ToolButton2", "修改");
    tool(ToolButton5, "ToolButton5", "保存");
    tool(ToolButton4, "ToolButton4", "取消");
    tool(ToolButton3, "ToolButton3", "删除");
    tool(ToolButton6, "ToolButton6", "打印报表");
    tool(ToolButton7, "ToolButton7", "退出");
    // The report button is hidden and has no action.
    for (QAction *a : bar->actions())
        if (bar->widgetForAction(a) == ToolButton6)
            a->setVisible(false);

    dxDBGrid1->setObjectName(QStringLiteral("dxDBGrid1"));
    dxDBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    dxDBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    dxDBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    dxDBGrid1->verticalHeader()->hide();
    dxDBGrid1->setColumnCount(int(m_table.columns().size()));
    dxDBGrid1->setHorizontalHeaderLabels(m_table.columns());
    dxDBGrid1->horizontalHeader()->setStretchLastSection(true);

    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto *form = new QFormLayout(GroupBox1);
    QStringList captions{m_table.nameCaption()};
    QStringList hints{QString()};
    for (const LendingRuleTable::Field &f : m_table.fields()) {
        captions << f.caption;
        hints << f.hint;
    }
    for (int i = 0; i < captions.size(); ++i) {
        auto *edit = new QLineEdit(GroupBox1);
        edit->setObjectName(QStringLiteral("DBEdit%1").arg(i + 1));
        if (i > 0) {
            if (m_table.fields().at(i - 1).kind == LendingRuleTable::Kind::Money)
                makeAmountBox(edit);
            else
                edit->setValidator(new QIntValidator(0, 999999, edit));
        }
        if (hints.at(i).isEmpty()) {
            form->addRow(captions.at(i), edit);
        } else {
            auto *row = new QHBoxLayout;
            row->addWidget(edit);
            row->addWidget(new QLabel(hints.at(i), GroupBox1));
            form->addRow(captions.at(i), row);
        }
        m_edits << edit;
    }

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(bar);
    layout->addWidget(dxDBGrid1, 1);
    layout->addWidget(GroupBox1);
    resize(520, 420);

    connect(ToolButton1, &QToolButton::clicked, this, &LendingRuleEditorDialog::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &LendingRuleEditorDialog::ToolButton2Click);
    connect(ToolButton5, &QToolButton::clicked, this, &LendingRuleEditorDialog::ToolButton5Click);
    connect(ToolButton4, &QToolButton::clicked, this, &LendingRuleEditorDialog::ToolButton4Click);
    connect(ToolButton3, &QToolButton::clicked, this, &LendingRuleEditorDialog::ToolButton3Click);
    connect(ToolButton7, &QToolButton::clicked, this, &QDialog::reject);
    connect(dxDBGrid1, &QTableWidget::currentCellChanged, this, [this] {
        if (!m_editing)
            showCurrent();
    });

    reload();
    setEditing(false);
}

void LendingRuleEditorDialog::reload(const QString &select)
{
    const QString keep = select.isEmpty() ? currentName() : select;
    QList<QStringList> rows;
    try {
        rows = m_table.rows(m_db);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    const QSignalBlocker blocker(dxDBGrid1);
    dxDBGrid1->setRowCount(int(rows.size()));
    int current = rows.isEmpty() ? -1 : 0;
    for (int r = 0; r < rows.size(); ++r) {
        for (int c = 0; c < rows[r].size(); ++c)
            dxDBGrid1->setItem(r, c, new QTableWidgetItem(rows[r][c]));
        if (!keep.isEmpty() && rows[r].value(0) == keep)
            current = r;
    }
    dxDBGrid1->setCurrentCell(current, 0);
    showCurrent();
}

QString LendingRuleEditorDialog::currentName() const
{
    const int row = dxDBGrid1->currentRow();
    const QTableWidgetItem *item = row >= 0 ? dxDBGrid1->item(row, 0) : nullptr;
    return item ? item->text() : QString();
}

void LendingRuleEditorDialog::showCurrent()
{
    const int row = dxDBGrid1->currentRow();
    for (int i = 0; i < m_edits.size(); ++i) {
        const QTableWidgetItem *item = row >= 0 ? dxDBGrid1->item(row, i) : nullptr;
        m_edits[i]->setText(item ? item->text() : QString());
    }
}

void LendingRuleEditorDialog::setEditing(bool editing)
{
    m_editing = editing;
    ToolButton1->setEnabled(!editing);
    ToolButton2->setEnabled(!editing);
    ToolButton3->setEnabled(!editing);
    ToolButton5->setEnabled(editing);
    ToolButton4->setEnabled(editing);
    GroupBox1->setEnabled(editing);
    dxDBGrid1->setEnabled(!editing);
}

void LendingRuleEditorDialog::ToolButton1Click()
{
    reload();
    m_appending = true;
    m_editedName.clear();
    // An empty row at the end stands for the row being appended.
    const int row = dxDBGrid1->rowCount();
    {
        const QSignalBlocker blocker(dxDBGrid1);
        dxDBGrid1->insertRow(row);
        dxDBGrid1->setCurrentCell(row, 0);
    }
    for (QLineEdit *e : m_edits)
        e->clear();
    m_edits.first()->setEnabled(true);
    setEditing(true);
    m_edits.first()->setFocus();
}

void LendingRuleEditorDialog::ToolButton2Click()
{
    if (dxDBGrid1->currentRow() < 0)
        return;
    m_appending = false;
    m_editedName = currentName();
    m_edits.first()->setEnabled(!m_nameFixedWhileModifying);
    setEditing(true);
    m_edits.first()->setFocus();
}

void LendingRuleEditorDialog::ToolButton5Click()
{
    const QString name = m_edits.first()->text();
    QStringList values;
    for (int i = 1; i < m_edits.size(); ++i)
        values << m_edits[i]->text();
    const QString refusal = m_table.check(name, values);
    if (!refusal.isEmpty()) {
        Messages::warn(this, refusal);
        return;
    }
    try {
        if (m_appending)
            m_table.insert(m_db, name, values);
        else
            m_table.update(m_db, m_editedName, name, values);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message()); // the row stays in edit
        return;
    }
    m_appending = false;
    setEditing(false);
    m_edits.first()->setEnabled(true);
    reload(name);
}

void LendingRuleEditorDialog::ToolButton4Click()
{
    const bool appending = m_appending;
    m_appending = false;
    setEditing(false);
    m_edits.first()->setEnabled(true);
    reload(appending ? QString() : m_editedName);
}

void LendingRuleEditorDialog::ToolButton3Click()
{
    const QString name = currentName();
    if (dxDBGrid1->currentRow() < 0)
        return;
    const QString refusal = m_table.removalRefusal(name);
    if (!refusal.isEmpty()) {
        Messages::warn(this, refusal);
        return;
    }
    if (!Messages::ask(this, LendingRuleTable::deleteQuestion(name)))
        return;
    try {
        m_table.remove(m_db, name);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    reload();
}
