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
#include "forms/units.h"
#include "platform/services.h"
#include "reading/birth_details.h"
#include "shell/event_hooks.h"
#include "shell/reading_words.h"

namespace shell {

namespace {

void refuse() {
    platform::showMessage(readingWord(reading::kOnlyAlphabetMessage));
}

/// Filters text that arrives without a key press (paste, drop, input methods).
class NameValidator final : public QValidator {
public:
    using QValidator::QValidator;

    State validate(QString& input, int& position) const override {
        QString kept;
        kept.reserve(input.size());
        int keptBeforeCursor = 0;
        bool refused = false;
        for (qsizetype i = 0; i < input.size(); ++i) {
            const auto verdict = reading::filterNameKey(input[i].unicode());
            // Inside a single-line box only letters and blanks make sense.
            if (verdict.code == 0 || verdict.code == 8 || verdict.code == 13) {
                refused = true;
                continue;
            }
            kept += QChar(verdict.code);
            if (i < position)
                ++keptBeforeCursor;
        }
        if (refused && !m_messagePending) {
            // Not from inside the box's own editing code: after it has finished.
            m_messagePending = true;
            QTimer::singleShot(0, this, [this] {
                m_messagePending = false;
                refuse();
            });
        }
        input = kept;
        position = keptBeforeCursor;
        return Acceptable;
    }

private:
    mutable bool m_messagePending = false;
};

constexpr char16_t kDeleteCode = 0x7f;

// A dropped text longer than this (a line box's usual length, and no name is longer) holds the
// window for seconds while it is checked and laid out; only its start is taken.
constexpr qsizetype kLongestDrop = 32767;

/// The character code the key types, 0 for none. Ctrl with a letter types its control code
/// (Ctrl+V is 22) on every platform, also where the event carries the plain letter as text.
/// Delete carries DEL as its text under X11, but it edits the box like the arrows do.
char16_t typedCode(const QKeyEvent& key) {
    const Qt::KeyboardModifiers chord = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (chord == Qt::ControlModifier && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return static_cast<char16_t>(key.key() - Qt::Key_A + 1);
    const QString typed = key.text();
    if (key.key() == Qt::Key_Delete || typed.size() != 1 || typed[0].unicode() == kDeleteCode)
        return 0;
    return typed[0].unicode();
}

/// The box's own menu, with Paste refused as the paste keys are.
bool showContextMenu(QLineEdit* box, const QContextMenuEvent& event) {
    QMenu* menu = box->createStandardContextMenu();
    for (QAction* action : menu->actions()) {
        // Qt connects the item by name in some versions and by member in others.
        const bool paste =
            QObject::disconnect(action, &QAction::triggered, box, &QLineEdit::paste) ||
            QObject::disconnect(action, SIGNAL(triggered()), box, SLOT(paste()));
        if (paste)
            QObject::connect(action, &QAction::triggered, box, [] { refuse(); });
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
        // Every way of pasting is refused as Ctrl+V is, whatever the clipboard holds.
        if (key->matches(QKeySequence::Paste)) {
            refuse();
            return true;
        }
        const char16_t code = typedCode(*key);
        if (code == 0)
            return false; // not a character key: arrows, Delete, Home and the like
        const auto verdict = reading::filterNameKey(code);
        if (verdict.showRefusal) {
            refuse();
            return true;
        }
        if (verdict.code == code)
            return false;
        box->insert(QString(QChar(verdict.code)));
        return true;
    });
    onEvent(box, QEvent::ContextMenu, [box](QEvent* event) {
        return showContextMenu(box, *static_cast<QContextMenuEvent*>(event));
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
    // Where the desktop has a selection clipboard, a middle click pastes it.
    onEvent(box, QEvent::MouseButtonRelease, [](QEvent* event) {
        if (static_cast<QMouseEvent*>(event)->button() != Qt::MiddleButton ||
            !QGuiApplication::clipboard()->supportsSelection())
            return false;
        refuse();
        return true;
    });
}

} // namespace shell
