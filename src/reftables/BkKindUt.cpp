// SPDX-License-Identifier: MIT
#include "reftables/BkKindUt.h"

#include <QScreen>
#include <QShowEvent>

TBkKindFm::TBkKindFm(const SharedConnection &db, QWidget *parent)
    : CodeTableEditorWidget(db, CodeTables::bkKind(), QStringLiteral("分类设置"), parent)
{
    setObjectName(QStringLiteral("BkKindFm"));
}

void TBkKindFm::showEvent(QShowEvent *event)
{
    CodeTableEditorWidget::showEvent(event);
    if (event->spontaneous())
        return;
    if (const QScreen *s = screen()) {
        QRect frame = frameGeometry();
        frame.moveCenter(s->availableGeometry().center());
        move(frame.topLeft());
    }
}
