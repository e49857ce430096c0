// SPDX-License-Identifier: MIT
#include "readers/AmountBoxUi.h"

#include <QLineEdit>
#include <QRegularExpressionValidator>

void makeAmountBox(QLineEdit *box)
{
    // Only what may be typed is checked; "1.2.3" may be typed and then counts as 0.
    box->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9.]*")), box));
}
