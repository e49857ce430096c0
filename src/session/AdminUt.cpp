// SPDX-License-Identifier: MIT
#include "session/AdminUt.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "foundation/WindowPartsUi.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QLineEdit>
#include <QStandardItemModel>
#include <QTableView>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

using Administrators::Administrator;

TAdminFm::TAdminFm(const SharedConnection &db, QWidget *parent)
    : QDialog(parent), m_db(db), m_model(new QStandardItemModel(this)),
      Label2(new QLabel(QStringLiteral("新管理员默认密码 8316"), this)), DBGrid1(new QTableView(this)),
      ToolBar1(new QToolBar(this)), DBEdit1(new QLineEdit(this)),
      GroupBox2(new QGroupBox(QStringLiteral("权限"), this))
{
    setObjectName(QStringLiteral("AdminFm"));
    setWindowTitle(QStringLiteral("系统管理员权限设置"));
    Label2->setObjectName(QStringLiteral("Label2"));
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto tool = [this](const char *name, const QString &text) { return WindowParts::toolButton(ToolBar1, name, text); };
    ToolButton1 = tool("ToolButton1", QStringLiteral("添加"));
    ToolButton2 = tool("ToolButton2", QStringLiteral("修改"));
    ToolButton5 = tool("ToolButton5", QStringLiteral("保存"));
    ToolButton4 = tool("ToolButton4", QStringLiteral("取消"));
    ToolButton3 = tool("ToolButton3", QStringLiteral("删除"));
    ToolButton7 = tool("ToolButton7", QStringLiteral("退出"));

    DBEdit1->setObjectName(QStringLiteral("DBEdit1"));
    GroupBox2->setObjectName(QStringLiteral("GroupBox2"));
    auto *grid = new QGridLayout(GroupBox2);
    const QList<Administrators::RightBox> &boxes = Administrators::rightBoxes();
    for (int i = 0; i < boxes.size(); ++i) {
        auto *box = new QCheckBox(boxes[i].caption, GroupBox2);
        box->setObjectName(boxes[i].column);
        grid->addWidget(box, i / 2, i % 2);
        m_rightBoxes << box;
    }

    m_model->setHorizontalHeaderLabels({QStringLiteral("AdminName")});
    DBGrid1->setObjectName(QStringLiteral("DBGrid1"));
    DBGrid1->setModel(m_model);
    DBGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    DBGrid1->setSelectionBehavior(QAbstractItemView::SelectRows);
    DBGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    DBGrid1->horizontalHeader()->setStretchLastSection(true);
    DBGrid1->verticalHeader()->hide();

    auto *nameRow = new QFormLayout;
    nameRow->addRow(QStringLiteral("用户名:"), DBEdit1);
    auto *right = new QVBoxLayout;
    right->addLayout(nameRow);
    right->addWidget(GroupBox2);
    right->addWidget(Label2);
    right->addStretch();
    auto *body = new QHBoxLayout;
    body->addWidget(DBGrid1, 1);
    body->addLayout(right, 2);
    auto *layout = new QVBoxLayout(this);
    layout->setMenuBar(ToolBar1);
    layout->addLayout(body);
    resize(620, 420);

    connect(ToolButton1, &QToolButton::clicked, this, &TAdminFm::ToolButton1Click);
    connect(ToolButton2, &QToolButton::clicked, this, &TAdminFm::ToolButton2Click);
    connect(ToolButton5, &QToolButton::clicked, this, &TAdminFm::ToolButton5Click);
    connect(ToolButton4, &QToolButton::clicked, this, &TAdminFm::ToolButton4Click);
    connect(ToolButton3, &QToolButton::clicked, this, &TAdminFm::ToolButton3Click);
    connect(ToolButton7, &QToolButton::clicked, this, &QDialog::reject);
    connect(DBGrid1->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex &current) {
                if (!m_showing && !m_editing && current.isValid())
                    showRow(current.row());
            });

    setEditing(false);
    try {
        reload(QString(), 0);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TAdminFm::reload(const QString &currentName, int fallbackRow)
{
    m_admins = Administrators::list(m_db);
    m_model->removeRows(0, m_model->rowCount());
    int row = -1;
    for (int i = 0; i < m_admins.size(); ++i) {
        m_model->appendRow(new QStandardItem(m_admins[i].name));
        if (row < 0 && !currentName.isEmpty() && m_admins[i].name == currentName)
            row = i;
    }
    if (row < 0)
        row = std::min(fallbackRow, int(m_admins.size()) - 1);
    showRow(m_admins.isEmpty() ? -1 : std::max(row, 0));
}

int TAdminFm::currentRow() const
{
    return DBGrid1->currentIndex().isValid() ? DBGrid1->currentIndex().row() : -1;
}

void TAdminFm::showRow(int row)
{
    m_showing = true;
    const Administrator admin = row >= 0 && row < m_admins.size() ? m_admins[row] : Administrator();
    DBEdit1->setText(admin.name);
    const QList<Administrators::RightBox> &boxes = Administrators::rightBoxes();
    for (int i = 0; i < boxes.size(); ++i)
        m_rightBoxes[i]->setChecked(admin.rights.value(boxes[i].column, false));
    if (row >= 0 && row < m_model->rowCount()) {
        DBGrid1->setCurrentIndex(m_model->index(row, 0));
        DBGrid1->selectRow(row);
    } else {
        DBGrid1->clearSelection();
    }
    m_showing = false;
}

void TAdminFm::setEditing(bool editing, bool nameEditable)
{
    m_editing = editing;
    ToolButton1->setEnabled(!editing);
    ToolButton2->setEnabled(!editing);
    ToolButton3->setEnabled(!editing);
    ToolButton5->setEnabled(editing);
    ToolButton4->setEnabled(editing);
    GroupBox2->setEnabled(editing);
    DBEdit1->setEnabled(editing && nameEditable);
    // The list keeps the row being edited current until it is saved or cancelled.
    DBGrid1->setEnabled(!editing);
}

Administrator TAdminFm::fromControls() const
{
    Administrator admin;
    admin.name = DBEdit1->text();
    const QList<Administrators::RightBox> &boxes = Administrators::rightBoxes();
    for (int i = 0; i < boxes.size(); ++i)
        admin.rights.insert(boxes[i].column, m_rightBoxes[i]->isChecked());
    return admin;
}

void TAdminFm::ToolButton1Click()
{
    if (m_editing)
        return;
    try {
        const int before = currentRow();
        reload(before >= 0 ? m_admins[before].name : QString(), before);
        m_rowBeforeAdd = currentRow();
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    // The new row: factory password and no rights until some are ticked.
    m_admins.append(Administrator());
    m_model->appendRow(new QStandardItem(QString()));
    showRow(int(m_admins.size()) - 1);
    m_pendingIsNew = true;
    m_pendingName.clear();
    setEditing(true);
    DBEdit1->setFocus();
}

void TAdminFm::ToolButton2Click()
{
    if (m_editing)
        return;
    const int row = currentRow();
    if (row < 0) {
        ToolButton1Click();
        return;
    }
    m_pendingIsNew = false;
    m_pendingName = m_admins[row].name;
    setEditing(true, m_pendingName != Administrators::superName());
    if (DBEdit1->isEnabled())
        DBEdit1->setFocus();
}

void TAdminFm::ToolButton5Click()
{
    if (!m_editing)
        return;
    const Administrator admin = fromControls();
    try {
        const QString refusal = m_pendingIsNew ? Administrators::insert(m_db, admin)
                                               : Administrators::update(m_db, m_pendingName, admin);
        if (!refusal.isEmpty()) {
            Messages::warn(this, refusal);
            return;
        }
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return;
    }
    const QString saved = m_pendingName == Administrators::superName() ? m_pendingName : admin.name;
    const int fallback = currentRow();
    m_pendingIsNew = false;
    setEditing(false);
    try {
        reload(saved, fallback);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}

void TAdminFm::ToolButton4Click()
{
    if (!m_editing)
        return;
    int row = currentRow();
    if (m_pendingIsNew && !m_admins.isEmpty()) {
        m_admins.removeLast();
        m_model->removeRow(m_model->rowCount() - 1);
        row = std::clamp(m_rowBeforeAdd, 0, int(m_admins.size()) - 1);
    }
    m_pendingIsNew = false;
    setEditing(false);
    showRow(m_admins.isEmpty() ? -1 : row);
}

void TAdminFm::ToolButton3Click()
{
    const int row = currentRow();
    if (m_editing || row < 0)
        return;
    const QString name = m_admins[row].name;
    const QString refusal = Administrators::deleteRefusal(name);
    if (!refusal.isEmpty()) {
        Messages::warn(this, refusal);
        return;
    }
    if (!Messages::ask(this, Administrators::deleteQuestion(name)))
        return;
    try {
        const QString again = Administrators::remove(m_db, name);
        if (!again.isEmpty())
            Messages::warn(this, again);
        reload(QString(), row);
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
    }
}
