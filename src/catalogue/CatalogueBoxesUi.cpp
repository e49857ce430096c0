// SPDX-License-Identifier: MIT
#include "catalogue/CatalogueBoxesUi.h"
#include "catalogue/ChoiceLists.h"
#include "foundation/Messages.h"
#include "foundation/SharedConnection.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace CatalogueBoxes {

void setComboText(QComboBox *box, const QString &text)
{
    box->setCurrentIndex(box->findText(text));
    box->setEditText(text);
}

QString textOf(const QWidget *box)
{
    if (auto *l = qobject_cast<const QLineEdit *>(box))
        return l->text();
    if (auto *c = qobject_cast<const QComboBox *>(box))
        return c->currentText();
    if (auto *m = qobject_cast<const QPlainTextEdit *>(box))
        return m->toPlainText();
    return {};
}

void setTextOf(QWidget *box, const QString &text)
{
    if (auto *l = qobject_cast<QLineEdit *>(box))
        l->setText(text);
    else if (auto *c = qobject_cast<QComboBox *>(box))
        setComboText(c, text);
    else if (auto *m = qobject_cast<QPlainTextEdit *>(box))
        m->setPlainText(text);
}

void fillKeepingText(QWidget *window, const SharedConnection &db, std::initializer_list<ChoiceList> lists)
{
    try {
        for (const ChoiceList &l : lists) {
            const QString keep = l.box->currentText();
            l.box->addItems(ChoiceLists::items(db, QString::fromUtf8(l.table), QString::fromUtf8(l.column)));
            setComboText(l.box, keep);
        }
    } catch (const DatabaseError &e) {
        Messages::warn(window, e.message());
    }
}

} // namespace CatalogueBoxes
