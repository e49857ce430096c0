// SPDX-License-Identifier: MIT
#include "foundation/ToolBarUi.h"

#include <QToolBar>
#include <QToolButton>

namespace ToolBars {

QToolButton *addButton(QToolBar *bar, const char *objectName, const QString &text)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(objectName));
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumSize(56, 32);
    bar->addWidget(button);
    return button;
}

} // namespace ToolBars
