// SPDX-License-Identifier: MIT
#include "foundation/WindowPartsUi.h"
#include "foundation/GridWidget.h"
#include "foundation/ListReport.h"
#include "foundation/Messages.h"
#include "foundation/ReportPreviewDialog.h"
#include "foundation/SharedConnection.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QToolBar>
#include <QToolButton>

namespace WindowParts {

QLineEdit *lineEdit(QWidget *parent, const char *name, bool readOnly)
{
    auto *e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    e->setReadOnly(readOnly);
    return e;
}

QPushButton *button(QWidget *parent, const char *name, const QString &text)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QToolButton *toolButton(QToolBar *bar, const char *name, const QString &text)
{
    auto *button = new QToolButton(bar);
    button->setObjectName(QString::fromLatin1(name));
    button->setText(text);
    button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    button->setMinimumSize(56, 32);
    bar->addWidget(button);
    return button;
}

QHBoxLayout *searchFields(QWidget *parent, const QStringList &fields, const QString &current, QComboBox *&field,
                          QLabel *&label, QLineEdit *&value, QRadioButton *&exact, QRadioButton *&fuzzy)
{
    field = new QComboBox(parent);
    field->setObjectName(QStringLiteral("ComboBox1"));
    field->setEditable(true);
    field->setInsertPolicy(QComboBox::NoInsert);
    field->addItems(fields);
    field->setCurrentText(current);
    label = new QLabel(QStringLiteral("中 含有"), parent);
    label->setObjectName(QStringLiteral("Label1"));
    value = lineEdit(parent, "Edit1");
    exact = new QRadioButton(QStringLiteral("精确"), parent);
    exact->setObjectName(QStringLiteral("RadioButton1"));
    fuzzy = new QRadioButton(QStringLiteral("模糊"), parent);
    fuzzy->setObjectName(QStringLiteral("RadioButton2"));
    fuzzy->setChecked(true);
    auto *row = new QHBoxLayout;
    row->addWidget(field);
    row->addWidget(label);
    row->addWidget(value, 1);
    row->addWidget(exact);
    row->addWidget(fuzzy);
    return row;
}

QDateEdit *dateBox(QWidget *parent, const char *name, const QDate &date)
{
    auto *d = new QDateEdit(date, parent);
    d->setObjectName(QString::fromLatin1(name));
    d->setDisplayFormat(QStringLiteral("yyyy-MM-dd"));
    d->setCalendarPopup(true);
    return d;
}

void setRowVisible(QFormLayout *form, QWidget *field, bool visible)
{
    field->setVisible(visible);
    if (QWidget *label = form->labelForField(field))
        label->setVisible(visible);
}

void startMaximized(QWidget *window, const QSize &size)
{
    window->setWindowFlags(window->windowFlags() | Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint);
    window->resize(size);
    window->setWindowState(window->windowState() | Qt::WindowMaximized);
}

void previewReport(QWidget *window, const GridWidget &grid, const std::function<std::unique_ptr<ListReport>()> &make)
{
    if (!grid.isOpen())
        return;
    try {
        const std::unique_ptr<ListReport> r = make();
        ReportPreviewDialog::preview(*r, window->windowTitle(), window);
    } catch (const DatabaseError &e) {
        Messages::warn(window, e.message());
    }
}

} // namespace WindowParts
