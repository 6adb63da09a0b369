// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>
#include <QPoint>
#include <QWidget>

// Shapes and lines: drawn on their parent's surface, never taking the mouse.

namespace forms {

/// A rectangle outline.
class ShapeWidget final : public QWidget {
public:
    ShapeWidget(QColor color, int width, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    int m_width;
};

/// A straight line between two points of its parent.
class LineWidget final : public QWidget {
public:
    LineWidget(QPoint from, QPoint to, QColor color, int width, QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_color;
    int m_width;
    QPoint m_from;
    QPoint m_to;
};

} // namespace forms
