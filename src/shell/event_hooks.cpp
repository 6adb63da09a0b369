// SPDX-License-Identifier: MIT
#include "shell/event_hooks.h"

#include <QAbstractButton>
#include <QAction>
#include <QMouseEvent>

#include "shell/window_controls.h"

namespace shell {

namespace {

class EventHook final : public QObject {
public:
    EventHook(QEvent::Type type, std::function<bool(QEvent*)> handler, QWidget* widget)
        : QObject(widget), m_type(type), m_handler(std::move(handler)) {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == parent() && event->type() == m_type)
            return m_handler(event);
        return false;
    }

private:
    QEvent::Type m_type;
    std::function<bool(QEvent*)> m_handler;
};

} // namespace

void onEvent(QWidget* widget, QEvent::Type type, std::function<bool(QEvent*)> handler) {
    if (widget)
        new EventHook(type, std::move(handler), widget);
}

void onClick(QWidget* widget, std::function<void()> handler) {
    onEvent(widget, QEvent::MouseButtonRelease,
            [widget, handler = std::move(handler)](QEvent* event) {
                const auto* mouse = static_cast<QMouseEvent*>(event);
                if (mouse->button() == Qt::LeftButton &&
                    widget->rect().contains(mouse->position().toPoint()))
                    handler();
                return false;
            });
}

void onClick(QWidget& window, const QString& control, std::function<void()> handler) {
    onClick(need<QWidget>(window, control), std::move(handler));
}

void onButton(QWidget& window, const QString& control, std::function<void()> handler) {
    auto* button = need<QAbstractButton>(window, control);
    QObject::connect(button, &QAbstractButton::clicked, button,
                     [handler = std::move(handler)] { handler(); });
}

void onMenu(QWidget& window, const QString& item, std::function<void()> handler) {
    auto* action = window.findChild<QAction*>(item);
    if (!action)
        missingControl(window, item, "menu item");
    QObject::connect(action, &QAction::triggered, action,
                     [handler = std::move(handler)] { handler(); });
}

} // namespace shell
