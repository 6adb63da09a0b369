// SPDX-License-Identifier: MIT
#include "forms/style.h"

#include <vector>

#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <QStyleOptionSlider>
#include <qdrawutil.h>

namespace forms {

namespace {

/// A standard icon that asks the style for its pictures only when first drawn. The menu bar
/// asks for its overflow arrow as it is built, and start-up need not decode an arrow that a
/// window as wide as its menu never shows.
class DeferredIconEngine final : public QIconEngine {
public:
    DeferredIconEngine(QStyle* style, QStyle::StandardPixmap which, const QWidget* widget)
        : m_style(style), m_which(which), m_widget(widget) {}

    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode,
               QIcon::State state) override {
        icon().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state,
                         qreal scale) override {
        return icon().pixmap(size, scale, mode, state);
    }
    QSize actualSize(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return icon().actualSize(size, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override {
        return icon().availableSizes(mode, state);
    }
    bool isNull() override { return icon().isNull(); }
    QString key() const override { return QStringLiteral("DeferredStandardIcon"); }
    QIconEngine* clone() const override { return new DeferredIconEngine(*this); }

private:
    const QIcon& icon() {
        if (!m_loaded && m_style) {
            m_icon = m_style->standardIcon(m_which, nullptr, m_widget);
            m_loaded = true;
        }
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QPointer<const QWidget> m_widget;
    QIcon m_icon;
    bool m_loaded = false;
};

bool isGraphical(const QWidget* widget) {
    return widget && widget->property(kGraphicalButtonProperty).toBool();
}

/// Fusion for every window, with some savings. Fusion keys its cached scroll bar pictures by the
/// palette's identity, and every widget of a custom-coloured window has a palette of its own, so
/// each new window would add pictures (and key strings) to the process-wide cache: equal colours
/// share one palette here instead. And the menu bar's overflow arrow is decoded only when shown.
class ProgramStyle final : public QProxyStyle {
public:
    ProgramStyle() : QProxyStyle(QStringLiteral("Fusion")) {}

    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override {
        if (control == CC_ScrollBar) {
            if (const auto* bar = qstyleoption_cast<const QStyleOptionSlider*>(option)) {
                QStyleOptionSlider steady(*bar);
                steady.palette = sharedPalette(bar->palette);
                steady.palette.setCurrentColorGroup(bar->palette.currentColorGroup());
                QProxyStyle::drawComplexControl(control, &steady, painter, widget);
                return;
            }
        }
        QProxyStyle::drawComplexControl(control, option, painter, widget);
    }

    // Graphical buttons: a plain face in their own colour with a classic bevel, sunk while
    // pressed or held down. Drawn here rather than by a style sheet, which would cost every
    // window a style sheet engine.
    void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override {
        if (element == CE_PushButtonBevel && isGraphical(widget)) {
            const bool down = option->state & (State_Sunken | State_On);
            const QBrush face = option->palette.button();
            qDrawWinButton(painter, option->rect, option->palette, down, &face);
            return;
        }
        QProxyStyle::drawControl(element, option, painter, widget);
    }

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override {
        if (element == PE_FrameFocusRect && isGraphical(widget)) {
            painter->save();
            painter->setPen(QPen(option->palette.color(QPalette::ButtonText), 1, Qt::DotLine));
            painter->drawRect(option->rect.adjusted(0, 0, -1, -1));
            painter->restore();
            return;
        }
        if (element == PE_FrameGroupBox) {
            // An etched line; Fusion's own frame is a picture whose first use loads every
            // image format plugin.
            const QRect r = option->rect.adjusted(0, 0, -1, -1);
            painter->save();
            painter->setPen(option->palette.color(QPalette::Dark));
            painter->drawRect(r.adjusted(0, 0, -1, -1));
            painter->setPen(option->palette.color(QPalette::Light));
            painter->drawRect(r.adjusted(1, 1, 0, 0));
            painter->restore();
            return;
        }
        QProxyStyle::drawPrimitive(element, option, painter, widget);
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        if ((metric == PM_ButtonShiftHorizontal || metric == PM_ButtonShiftVertical) &&
            isGraphical(widget))
            return 1;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }

    QIcon standardIcon(StandardPixmap which, const QStyleOption* option,
                       const QWidget* widget) const override {
        if (which == SP_ToolBarHorizontalExtensionButton && !option)
            return QIcon(new DeferredIconEngine(baseStyle(), which, widget));
        return QProxyStyle::standardIcon(which, option, widget);
    }

private:
    QPalette sharedPalette(const QPalette& palette) const {
        for (const QPalette& known : m_palettes) {
            if (known == palette)
                return known;
        }
        m_palettes.push_back(palette);
        return palette;
    }

    // The designs use a handful of colour sets.
    mutable std::vector<QPalette> m_palettes;
};

} // namespace

QStyle* createStyle() {
    return new ProgramStyle;
}

} // namespace forms
