// SPDX-License-Identifier: MIT
#include "forms/drawn_controls.h"

#include <QPainter>

namespace forms {

ShapeWidget::ShapeWidget(QColor color, int width, QWidget* parent)
    : QWidget(parent), m_color(color), m_width(width) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ShapeWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QPen pen(m_color, m_width);
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    const qreal inset = m_width / 2.0;
    painter.drawRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset));
}

LineWidget::LineWidget(QPoint from, QPoint to, QColor color, int width, QWidget* parent)
    : QWidget(parent), m_color(color), m_width(width) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    const int pad = (width + 1) / 2;
    const QRect box = QRect(from, to).normalized().adjusted(-pad, -pad, pad, pad);
    setGeometry(box);
    m_from = from - box.topLeft();
    m_to = to - box.topLeft();
}

void LineWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.setPen(QPen(m_color, m_width, Qt::SolidLine, Qt::FlatCap));
    painter.drawLine(m_from, m_to);
}

} // namespace forms
