// SPDX-License-Identifier: MIT
#include "shell/name_filter.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>
#include <QValidator>

#include "forms/text_box.h"
#include "platform/services.h"
#include "shell/event_hooks.h"
#include "shell/name_rule.h"

namespace shell {

namespace {

void refuse() {
    platform::showMessage(nameRefusal());
}

/// Checks text that arrives without a key press: pastes, drops, input methods.
class NameValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        bool refused = false;
        QString kept = takenName(input, {}, refused);
        if (kept == input)
            return Acceptable;
        bool ignored = false;
        position =
            static_cast<int>(takenName(QStringView(input).left(position), {}, ignored).size());
        input = std::move(kept);
        if (refused && !m_messagePending) {
            // Not from inside the box's own editing code: after it has finished.
            m_messagePending = true;
            QTimer::singleShot(0, this, [this] {
                m_messagePending = false;
                refuse();
            });
        }
        return Acceptable;
    }

private:
    mutable bool m_messagePending = false;
};

constexpr char16_t kBackspace = 8;
constexpr char16_t kEnter = 13;
constexpr char16_t kDeleteCode = 0x7f;

// A pasted or dropped text longer than this (a line box's usual length, and no name is longer)
// holds the window for seconds while it is checked and laid out; only its start is taken.
constexpr qsizetype kLongestDrop = 32767;

/// What the key types; empty for none. Ctrl with a letter types its control code (Ctrl+A is 1)
/// on every platform, also where the event carries the plain letter as text. Delete carries
/// DEL as its text under X11, but it edits the box like the arrows do.
QString typedText(const QKeyEvent& key) {
    const Qt::KeyboardModifiers chord = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (chord == Qt::ControlModifier && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return QString(QChar(static_cast<char16_t>(key.key() - Qt::Key_A + 1)));
    QString typed = key.text();
    if (key.key() == Qt::Key_Delete || typed == QChar(kDeleteCode))
        return {};
    return typed;
}

/// A paste of no more than a drop takes: the box checks the rest as it arrives.
void paste(QLineEdit* box, QClipboard::Mode mode) {
    const QString text = QGuiApplication::clipboard()->text(mode);
    if (!text.isEmpty())
        box->insert(forms::leftWhole(text, kLongestDrop));
}

/// The box's own menu, its Paste cut as the keys' is.
bool showContextMenu(QLineEdit* box, const QContextMenuEvent& event) {
    QMenu* menu = box->createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        // Qt connects the item by name in some versions and by member in others.
        const bool pastes =
            QObject::disconnect(action, &QAction::triggered, box, &QLineEdit::paste) ||
            QObject::disconnect(action, SIGNAL(triggered()), box, SLOT(paste()));
        if (pastes)
            QObject::connect(action, &QAction::triggered, box,
                             [box] { paste(box, QClipboard::Clipboard); });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event.globalPos());
    return true;
}

} // namespace

void installNameFilter(QLineEdit* box) {
    if (!box)
        return;
    box->setValidator(new NameValidator(box));
    onEvent(box, QEvent::KeyPress, [box](QEvent* event) {
        const auto* key = static_cast<QKeyEvent*>(event);
        // Tab moves the focus; it never reaches the box as a typed character.
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
            return false;
        if (key->matches(QKeySequence::Paste)) {
            paste(box, QClipboard::Clipboard);
            return true;
        }
        const QString typed = typedText(*key);
        if (typed.isEmpty() || typed == QChar(kBackspace) || typed == QChar(kEnter))
            return false; // not a character key, or one that edits: arrows, Home, Backspace
        const int insertAt = box->hasSelectedText() ? box->selectionStart() : box->cursorPosition();
        bool refused = false;
        const QString taken = takenName(typed, QStringView(box->text()).left(insertAt), refused);
        if (refused) {
            refuse();
            return true;
        }
        if (taken == typed)
            return false;
        box->insert(taken);
        return true;
    });
    onEvent(box, QEvent::ContextMenu, [box](QEvent* event) {
        return showContextMenu(box, *static_cast<QContextMenuEvent*>(event));
    });
    // Where the desktop has a selection clipboard, a middle click pastes it.
    onEvent(box, QEvent::MouseButtonRelease, [box](QEvent* event) {
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton ||
            !QGuiApplication::clipboard()->supportsSelection())
            return false;
        paste(box, QClipboard::Selection);
        return true;
    });
    onEvent(box, QEvent::Drop, [box](QEvent* event) {
        auto* drop = static_cast<QDropEvent*>(event);
        const QMimeData* data = drop->mimeData();
        if (!data || !data->hasText() || data->text().size() <= kLongestDrop)
            return false;
        box->setCursorPosition(box->cursorPositionAt(drop->position().toPoint()));
        box->insert(forms::leftWhole(data->text(), kLongestDrop));
        drop->acceptProposedAction();
        return true;
    });
}

} // namespace shell
