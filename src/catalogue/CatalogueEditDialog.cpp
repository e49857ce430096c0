// SPDX-License-Identifier: MIT
#include "catalogue/CatalogueEditDialog.h"
#include "catalogue/CatalogueBoxesUi.h"
#include "catalogue/ChoiceLists.h"
#include "foundation/LoginSession.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"
#include "foundation/SqlValues.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace CatalogueBoxes;

CatalogueEditDialog::CatalogueEditDialog(SharedConnection &db, LoginSession &session, const QString &table,
                                         QWidget *parent)
    : QDialog(parent), m_db(db), m_session(session), m_row(db, table)
{
}

QGridLayout *CatalogueEditDialog::buildBoxes(const QList<CatalogueBoxes::Box> &boxes)
{
    m_boxList = boxes;
    auto *grid = new QGridLayout;
    int cell = 0;
    for (const Box &b : boxes) {
        const QString field = QString::fromUtf8(b.field);
        QString captionText = b.caption ? QString::fromUtf8(b.caption) : QString();
        if (field == QLatin1String("a1"))
            captionText = m_session.switches.a1Caption;
        else if (field == QLatin1String("a2"))
            captionText = m_session.switches.a2Caption;
        else if (field == QLatin1String("a3"))
            captionText = m_session.switches.a3Caption;
        QWidget *w = nullptr;
        switch (b.kind) {
        case Line:
            w = new QLineEdit(this);
            break;
        case Combo: {
            auto *c = new QComboBox(this);
            c->setEditable(true);
            c->setInsertPolicy(QComboBox::NoInsert);
            w = c;
            break;
        }
        case Memo: {
            auto *m = new QPlainTextEdit(this);
            m->setMaximumHeight(field == QStringLiteral("简介") ? 70 : 48);
            w = m;
            break;
        }
        case DateBox: {
            auto *d = new QDateEdit(this);
            d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
            d->setCalendarPopup(true);
            w = d;
            break;
        }
        }
        w->setObjectName(QStringLiteral("field_") + field);
        m_boxes.insert(field, w);
        auto *label = new QLabel(captionText, this);
        m_captions.insert(field, label);
        const bool wide = b.kind == Memo;
        if (wide && cell % 2)
            ++cell;
        const int row = cell / 2, col = (cell % 2) * 2;
        grid->addWidget(label, row, col);
        if (QPushButton *button = buttonBeside(field)) {
            auto *line = new QHBoxLayout;
            line->addWidget(w, 1);
            line->addWidget(button);
            grid->addLayout(line, row, col + 1);
        } else {
            grid->addWidget(w, row, col + 1, 1, wide ? 3 : 1);
        }
        cell += wide ? 2 : 1;
    }
    return grid;
}

QPushButton *CatalogueEditDialog::buttonBeside(const QString &)
{
    return nullptr;
}

void CatalogueEditDialog::fillChoiceLists(bool tellEachFailure)
{
    for (const Box &b : m_boxList) {
        if (b.kind != Combo || !b.table)
            continue;
        try {
            qobject_cast<QComboBox *>(box(QString::fromUtf8(b.field)))
                ->addItems(ChoiceLists::items(m_db, QString::fromUtf8(b.table), QString::fromUtf8(b.column)));
        } catch (const DatabaseError &e) {
            Messages::warn(this, e.message());
            if (!tellEachFailure)
                return;
        }
    }
}

void CatalogueEditDialog::layOut(QGridLayout *boxes)
{
    m_save = new QPushButton(QStringLiteral("保存"), this);
    m_save->setObjectName(QStringLiteral("saveButton"));
    m_cancel = new QPushButton(QStringLiteral("取消"), this);
    m_cancel->setObjectName(QStringLiteral("cancelButton"));
    for (QPushButton *b : {m_save, m_cancel})
        b->setAutoDefault(false);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(m_save);
    buttons->addWidget(m_cancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(boxes);
    layout->addLayout(buttons);
    connect(m_cancel, &QPushButton::clicked, this, &CatalogueEditDialog::reject);
}

bool CatalogueEditDialog::loadRow(const QString &number)
{
    try {
        if (!m_row.load(number)) {
            Messages::warn(this, QStringLiteral("没有找到编号为%1的%2.").arg(number, m_row.table()));
            return false;
        }
    } catch (const DatabaseError &e) {
        Messages::warn(this, e.message());
        return false;
    }
    return true;
}

QString CatalogueEditDialog::boxText(const QString &field) const
{
    return CatalogueBoxes::textOf(box(field));
}

void CatalogueEditDialog::setBoxText(const QString &field, const QString &text)
{
    CatalogueBoxes::setTextOf(box(field), text);
}

void CatalogueEditDialog::rowToBoxes()
{
    for (const Box &b : m_boxList) {
        const QString field = QString::fromUtf8(b.field);
        if (b.kind == DateBox) {
            const QDateTime at = SqlValues::toDateTime(m_row.value(field));
            qobject_cast<QDateEdit *>(box(field))->setDate(at.isValid() ? at.date() : QDate(2000, 1, 1));
        } else {
            setBoxText(field, m_row.text(field));
        }
    }
}

void CatalogueEditDialog::boxesToRow(const QStringList &kept)
{
    for (const Box &b : m_boxList) {
        const QString field = QString::fromUtf8(b.field);
        if (kept.contains(field))
            continue;
        if (b.kind == DateBox) {
            // The date box changes the day and keeps the time of day.
            const QDateTime stored = SqlValues::toDateTime(m_row.stored(field));
            const QDate chosen = qobject_cast<QDateEdit *>(box(field))->date();
            if (!stored.isValid() || stored.date() != chosen)
                m_row.setValue(field, QDateTime(chosen, stored.isValid() ? stored.time() : QTime(0, 0)));
            continue;
        }
        m_row.setText(field, boxText(field));
    }
}

void CatalogueEditDialog::reject()
{
    m_row.cancel();
    QDialog::reject();
}
