// SPDX-License-Identifier: MIT
#include "foundation/GridFooterWidget.h"

#include <QHeaderView>
#include <QPainter>
#include <QScrollBar>
#include <QStyleOption>
#include <QTableView>

GridFooterWidget::GridFooterWidget(QTableView *view, QWidget *parent) : QWidget(parent), m_view(view)
{
    setObjectName(QStringLiteral("gridFooter"));
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    QHeaderView *header = view->horizontalHeader();
    auto repaint = [this] { update(); };
    connect(header, &QHeaderView::sectionResized, this, repaint);
    connect(header, &QHeaderView::sectionMoved, this, repaint);
    connect(header, &QHeaderView::geometriesChanged, this, repaint);
    connect(view->horizontalScrollBar(), &QScrollBar::valueChanged, this, repaint);
}

void GridFooterWidget::setTexts(const QMap<int, QString> &texts, const QMap<int, bool> &alignRight)
{
    m_texts = texts;
    m_right = alignRight;
    update();
}

QSize GridFooterWidget::sizeHint() const
{
    return QSize(100, fontMetrics().height() + 8);
}

void GridFooterWidget::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    QStyleOption option;
    option.initFrom(this);
    painter.fillRect(rect(), option.palette.window());
    painter.setPen(option.palette.mid().color());
    painter.drawLine(rect().topLeft(), rect().topRight());
    painter.setPen(option.palette.windowText().color());

    const QHeaderView *header = m_view->horizontalHeader();
    // The header's sections start where the view's viewport starts.
    const int offset = m_view->viewport()->mapToGlobal(QPoint(0, 0)).x() - mapToGlobal(QPoint(0, 0)).x();
    for (auto it = m_texts.cbegin(); it != m_texts.cend(); ++it) {
        const int column = it.key();
        if (it.value().isEmpty() || header->isSectionHidden(column))
            continue;
        const int x = offset + header->sectionViewportPosition(column);
        const QRect cell(x + 3, 0, header->sectionSize(column) - 6, height());
        const Qt::Alignment align = Qt::AlignVCenter | (m_right.value(column) ? Qt::AlignRight : Qt::AlignLeft);
        painter.drawText(cell, int(align), it.value());
    }
}
