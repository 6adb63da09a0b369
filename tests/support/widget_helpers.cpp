// SPDX-License-Identifier: MIT
#include "support/widget_helpers.h"

#include <QAbstractButton>
#include <QApplication>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QLabel>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTest>
#include <QTimer>

namespace testsupport {

QWidget* child(QWidget* window, const QString& name, int index) {
    if (!window) {
        QTest::qFail("no window to look in", __FILE__, __LINE__);
        return nullptr;
    }
    const auto candidates = window->findChildren<QWidget*>(name);
    for (QWidget* w : candidates) {
        if (index < 0 || w->property("index").toInt() == index)
            return w;
    }
    const QString what = QStringLiteral("%1 has no control %2%3")
                             .arg(window->objectName(), name,
                                  index < 0 ? QString() : QStringLiteral("(%1)").arg(index));
    QTest::qFail(qPrintable(what), __FILE__, __LINE__);
    return nullptr;
}

void click(QWidget* window, const QString& name, int index) {
    if (QWidget* w = child(window, name, index))
        QTest::mouseClick(w, Qt::LeftButton, {}, w->rect().center());
}

namespace {

/// Where the caption's text is laid out, in the control's own pixels; null for no caption.
QRect captionRect(const QWidget* control) {
    const QFontMetrics metrics(control->font());
    if (const auto* label = qobject_cast<const QLabel*>(control)) {
        if (label->text().isEmpty() || !label->pixmap().isNull())
            return {};
        // A label with a buddy shows its access key underlined, not as an ampersand.
        const int flags = int(label->alignment()) | (label->wordWrap() ? Qt::TextWordWrap : 0) |
                          (label->buddy() ? Qt::TextShowMnemonic : 0);
        return metrics.boundingRect(label->contentsRect(), flags, label->text());
    }
    if (const auto* button = qobject_cast<const QAbstractButton*>(control)) {
        if (button->text().isEmpty())
            return {};
        QStyleOptionButton option;
        option.initFrom(button);
        const QRect contents =
            button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        return metrics.boundingRect(contents, Qt::AlignCenter | Qt::TextShowMnemonic,
                                    button->text());
    }
    if (const auto* frame = qobject_cast<const QGroupBox*>(control)) {
        if (frame->title().isEmpty())
            return {};
        QStyleOptionGroupBox option;
        option.initFrom(frame);
        option.text = frame->title();
        option.textAlignment = frame->alignment();
        option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        option.lineWidth = 1;
        return frame->style()->subControlRect(QStyle::CC_GroupBox, &option,
                                              QStyle::SC_GroupBoxLabel, frame);
    }
    return {};
}

QString describe(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

} // namespace

bool pasteFromContextMenu(QWidget* target) {
    bool answered = false;
    bool found = false;
    // Answered from the menu's own event loop, or from the next pass of this one.
    QTimer::singleShot(0, target, [&answered, &found] {
        if (QWidget* menu = QApplication::activePopupWidget()) {
            for (QAction* action : menu->actions()) {
                if (!action->text().startsWith(QStringLiteral("&Paste")))
                    continue;
                found = true;
                if (action->isEnabled())
                    action->trigger();
            }
            menu->close();
        }
        answered = true;
    });
    const QPoint at(5, 5);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, target->mapToGlobal(at));
    QApplication::sendEvent(target, &event);
    return QTest::qWaitFor([&answered] { return answered; }) && found;
}

QString captionClipping(const QWidget* control, const QRect& design) {
    const QRect text = captionRect(control).translated(control->pos());
    if (text.isNull())
        return {};
    // Where the design itself puts a control partly outside its parent, that part is unseen
    // by design.
    const QRect shown = design.intersected(control->parentWidget()->rect());
    if (shown.contains(text) && control->geometry().contains(text))
        return {};
    return QStringLiteral("%1: caption at %2, control at %3, design %4")
        .arg(control->objectName(), describe(text), describe(control->geometry()),
             describe(design));
}

QString clippedCaptions(const QWidget* window) {
    QStringList clipped;
    for (const QWidget* control : window->findChildren<QWidget*>()) {
        const QWidget* parent = control->parentWidget();
        if (!control->isVisibleTo(window) || !parent->rect().intersects(control->geometry()))
            continue;
        QRect room = control->geometry();
        if (const auto* label = qobject_cast<const QLabel*>(control); label && !label->wordWrap())
            room.setBottomRight(parent->rect().bottomRight());
        if (const QString why = captionClipping(control, room); !why.isEmpty())
            clipped << why;
    }
    return clipped.join(QStringLiteral("; "));
}

} // namespace testsupport
