// SPDX-License-Identifier: MIT
#include "forms/window_placement.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>

namespace forms {

namespace {

/// What the window manager's frame adds to a window's size, once a window has been framed.
QSize& frameExtra() {
    static QSize extra;
    return extra;
}

/// Where a window's frame of this size lies centred on the screen (a move places the frame).
QPoint frameCentredAt(QSize frame) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    return screen->availableGeometry().center() - QPoint(frame.width() / 2, frame.height() / 2);
}

/// Centres the window's whole frame as soon as the shown window has one.
class FrameCentring final : public QObject {
public:
    explicit FrameCentring(QWidget* window) : QObject(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = qobject_cast<QWidget*>(watched);
        const QEvent::Type type = event->type();
        if (window != parent() || !window->isVisible() ||
            (type != QEvent::Move && type != QEvent::Resize && type != QEvent::Paint &&
             type != QEvent::WindowActivate))
            return false;
        const QSize frame = window->frameGeometry().size();
        if (frame == window->size())
            return false; // not framed yet, or never framed (no window manager)
        frameExtra() = frame - window->size();
        window->removeEventFilter(this);
        deleteLater();
        window->move(frameCentredAt(frame));
        return false;
    }
};

} // namespace

void placeCentred(QWidget& window, QSize size) {
    // The window manager's frame is known only once a window has been framed; until then the
    // first window's frame is guessed as none, and the window is centred again.
    window.move(frameCentredAt(size + frameExtra()));
    new FrameCentring(&window);
}

} // namespace forms
