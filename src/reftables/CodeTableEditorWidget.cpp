// SPDX-License-Identifier: MIT
#include "reftables/CodeTableEditorWidget.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"
#include "reftables/CodeTableEditor.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

CodeTableEditorWidget::CodeTableEditorWidget(const SharedConnection &db, const CodeTable &table,
                                             const QString &caption, QWidget *parent)
    : QDialog(parent), m_editor(new CodeTableEditor(db, table, this)), ToolBar1(new QToolBar(this)),
      GroupBox1(new QGroupBox(this)), DBGrid1(new QTableView(this))
{
    setWindowTitle(caption);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto tool = [this](const char *name, const QString &text) { return WindowParts::toolButton(ToolBar1, name, text); };
    ToolButton1 = tool("ToolButton1", QStringLiteral("添加"));
    ToolButton2 = tool("ToolButton2", QStringLiteral("修改"));
    ToolButton5 = tool("ToolButton5", QStringLiteral("保存"));
    ToolButton4 = tool("ToolButton4", QStringLiteral("取消"));
    ToolButton3 = tool("ToolButton3", QStringLiteral("删除"));
    ToolButton6 = tool("ToolButton6", QStringLiteral("打印报表"));
    ToolButton7 = tool("ToolButton7", QStringLiteral("退出"));
    // The report button exists in the tool bar but is never shown.
    for (QAction *action : ToolBar1->actions())
        if (ToolBar1->widgetForAction(action) == ToolButton6)
            action->setVisible(false);

    GroupBox1->setObjectName(QStringLiteral("GroupBox1"));
    auto *form = new QFormLayout(GroupBox1);
    for (int i = 0; i < table.columns.size(); ++i) {
        auto *box = new QLineEdit(GroupBox1);
        box->setObjectName(QStringLiteral("DBEdit%1").arg(i + 1));
        auto *label = new QLabel(table.columns[i], GroupBox1);
        label->setObjectName(QStringLiteral("BoxLabel%1").arg(i + 1));
        label->setBuddy(box);
        form->addRow(label, box);
        m_boxes << box;
        m_labels << label;
    }
    // The name box is required: its label is bold.
    if (!m_labels.isEmpty()) {
        QFont bold = m_labels.first()->font();
        bold.setBold(true);
        m_labels.first()->setFont(bold);
    }

    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_editor);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->verticalHeader()->setDefaultSectionSize(DBGrid1->fontMetrics().height() + 8);

    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(ToolBar1);
    layout->addWidget(GroupBox1);
    layout->addWidget(DBGrid1, 1);
    resize(table.columns.size() > 1 ? 560 : 420, 420);

    connect(ToolButton1, &QToolButton::clicked, this, &CodeTableEditorWidget::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &CodeTableEditorWidget::ToolButton2Click);
    connect(ToolButton5, &QToolButton::clicked, this, &CodeTableEditorWidget::ToolButton5Click);
    connect(ToolButton4, &QToolButton::clicked, this, &CodeTableEditorWidget::ToolButton4Click);
    connect(ToolButton3, &QToolButton::clicked, this, &CodeTableEditorWidget::ToolButton3Click);
    connect(ToolButton7, &QToolButton::clicked, this, &CodeTableEditorWidget::ToolButton7Click);
    connect(m_editor, &CodeTableEditor::currentRowChanged, this, &CodeTableEditorWidget::showCurrent);
    connect(m_editor, &CodeTableEditor::stateChanged, this, &CodeTableEditorWidget::showState);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_showing && current.isValid())
                    m_editor->setCurrentRow(current.row());
            });

    try {
        m_editor->open();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
    showState();
    showCurrent(m_editor->currentRow());
}

void CodeTableEditorWidget::setBoxLabels(const QStringList &labels)
{
    for (int i = 0; i < m_labels.size() && i < labels.size(); ++i)
        m_labels[i]->setText(labels[i]);
}

void CodeTableEditorWidget::enableHeaderSort()
{
    QHeaderView *header = DBGrid1->horizontalHeader();
    header->setSectionsClickable(true);
    header->setSortIndicatorShown(true);
    header->setSortIndicator(-1, Qt::AscendingOrder);
    connect(header, &QHeaderView::sortIndicatorChanged, this,
            [this](int section, Qt::SortOrder) { headerClicked(section); });
}

void CodeTableEditorWidget::headerClicked(int section)
{
    // The head has already flipped its indicator: a first click on a column sorts
    // ascending, the next click on it descending.
    m_editor->sort(section, DBGrid1->horizontalHeader()->sortIndicatorOrder());
}

void CodeTableEditorWidget::showState()
{
    const bool editing = m_editor->state() == CodeTableEditor::State::Editing;
    ToolButton1->setEnabled(!editing);
    ToolButton2->setEnabled(!editing);
    ToolButton3->setEnabled(!editing);
    ToolButton5->setEnabled(editing);
    ToolButton4->setEnabled(editing);
    GroupBox1->setEnabled(editing);
    // The list keeps the pending row current until it is saved or cancelled.
    DBGrid1->setEnabled(!editing);
    if (editing && !m_boxes.isEmpty())
        m_boxes.first()->setFocus();
}

void CodeTableEditorWidget::showCurrent(int row)
{
    m_showing = true;
    const QStringList values = m_editor->currentValues();
    for (int i = 0; i < m_boxes.size(); ++i)
        m_boxes[i]->setText(values.value(i));
    if (row >= 0) {
        DBGrid1->selectRow(row);
        DBGrid1->scrollTo(m_editor->index(row, 0));
    } else {
        DBGrid1->clearSelection();
    }
    m_showing = false;
}

QStringList CodeTableEditorWidget::boxTexts() const
{
    QStringList texts;
    for (const QLineEdit *box : m_boxes)
        texts << box->text();
    return texts;
}

void CodeTableEditorWidget::ToolButton1Click()
{
    try {
        m_editor->add();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void CodeTableEditorWidget::ToolButton2Click()
{
    try {
        m_editor->modify();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void CodeTableEditorWidget::ToolButton5Click()
{
    try {
        const QString refusal = m_editor->save(boxTexts());
        if (!refusal.isEmpty()) {
            Messages::warn(this, refusal);
            if (!m_boxes.isEmpty())
                m_boxes.first()->setFocus();
        }
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void CodeTableEditorWidget::ToolButton4Click()
{
    m_editor->cancel();
}

void CodeTableEditorWidget::ToolButton3Click()
{
    if (m_editor->rowCount() == 0)
        return;
    const QString refusal = m_editor->deleteRefusal();
    if (!refusal.isEmpty()) {
        Messages::warn(this, refusal);
        return;
    }
    if (!Messages::ask(this, m_editor->deleteQuestion()))
        return;
    try {
        const QString again = m_editor->removeCurrent();
        if (!again.isEmpty())
            Messages::warn(this, again);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void CodeTableEditorWidget::ToolButton7Click()
{
    // A pending insert or change is discarded with the window.
    m_editor->cancel();
    reject();
}
