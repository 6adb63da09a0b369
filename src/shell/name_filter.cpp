// SPDX-License-Identifier: MIT
#include "shell/name_filter.h"

#include <QKeyEvent>
#include <QTimer>
#include <QValidator>

#include "forms/form_builder.h"
#include "platform/services.h"
#include "reading/birth_details.h"
#include "shell/event_hooks.h"

namespace shell {

namespace {

void refuse() {
    platform::showMessage(forms::toQString(reading::kOnlyAlphabetMessage));
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

/// The character code the key types, 0 for none. Ctrl with a letter types its control code
/// (Ctrl+V is 22) on every platform, also where the event carries the plain letter as text.
char16_t typedCode(const QKeyEvent& key) {
    const Qt::KeyboardModifiers chord = key.modifiers() & (Qt::ControlModifier | Qt::AltModifier);
    if (chord == Qt::ControlModifier && key.key() >= Qt::Key_A && key.key() <= Qt::Key_Z)
        return static_cast<char16_t>(key.key() - Qt::Key_A + 1);
    const QString typed = key.text();
    return typed.size() == 1 ? typed[0].unicode() : char16_t{0};
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
}

} // namespace shell
